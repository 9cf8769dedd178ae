// The menu items of the multicast VLAN, learned-group, forwarding, group and proxy windows: each
// is enabled and opens its window, owned by the application, captioned with the title and the
// switch's address, known to its unit global while it is shown, and reading its table. The
// proxy items lie in hidden sub-menus: their actions are triggered as the menu would.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/IGMPMulticastVlanForm.h"
#include "features/switching/IGMPSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/IGMPSnoopingForwardingForm.h"
#include "features/switching/IGMPSnoopingGroupForm.h"
#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MLDSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/MLDSnoopingForwardingTableForm.h"
#include "features/switching/MLDSnoopingGroupForm.h"
#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/McastProxyGroupForm.h"
#include "features/switching/mldMulticastVlanForm.h"

#include "ui/ListView.h"

#include <QAction>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
    int proxyKind;                     // the proxy group items: the kind the window was made for
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, MulticastWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"multicast.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"IGMPMulticastVLANTable1", "IGMP Snooping Multicast VLAN Table", GlobalOf(IGMPMulticastVlanForm), 0},
        {"MulticastVLANTable1", "MLD Snooping Multicast VLAN Table", GlobalOf(mldMulticastVlanForm), 0},
        {"DataDrivenlearningGroupTable1", "IGMP Snooping Data Driven Learning Group Table",
         GlobalOf(IGMPSnoopingDataDrivenLearingGroupForm), 0},
        {"DataDrivenlearningGroupTable2", "MLD Snooping Data Driven Learning Group Table",
         GlobalOf(MLDSnoopingDataDrivenLearingGroupForm), 0},
        {"ForwardingTable2", "IGMP Snooping Forwarding Table", GlobalOf(IGMPSnoopingForwardingForm), 0},
        {"ForwardingTable3", "MLD Snooping Forwarding Table", GlobalOf(MLDSnoopingForwardingTableForm), 0},
        {"GroupTable1", "IGMP Snooping Group Table", GlobalOf(IGMPSnoopingGroupForm), 0},
        {"GroupTable2", "MLD Snooping Group Table", GlobalOf(MLDSnoopingGroupForm), 0},
        {"UpstreamInterfaceTable1", "IGMP Proxy Upstream Interface Table",
         GlobalOf(IGMPSnoopingProxyUpstreamInterfaceForm), 0},
        {"UpstreamInterfaceTable2", "MLD Proxy Upstream Interface Table",
         GlobalOf(MLDSnoopingProxyUpstreamInterfaceForm), 0},
        {"GroupTable3", "IGMP Proxy Group Table", GlobalOf(McastProxyGroupForm), 1},
        {"GroupTable4", "MLD Proxy Group Table", GlobalOf(McastProxyGroupForm), 2},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        auto* action = Find<QAction>(MainForm, c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        const bool opened = RunInModalOf([&] { action->trigger(); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_NE(shown->parentWidget(), MainForm);
            if (c.proxyKind != 0) {
                auto* proxy = dynamic_cast<TMcastProxyGroupForm*>(shown);
                ASSERT_NE(proxy, nullptr);
                EXPECT_EQ(proxy->Kind, c.proxyKind);
            }
            auto* list = shown->findChild<ui::ListView*>();
            ASSERT_NE(list, nullptr);
            // The read has ended when the window is idle and its status line says how.
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(WaitFor([&] {
                return (window->Variants().LogOnly || window->DataComplete == 1) && !StatusLine(shown).empty();
            }, 10000)) << StatusLine(shown);
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
            EXPECT_GT(list->Count(), 0);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
