// The menu items of the switching windows of the hand-made pattern: each is enabled and opens its
// window, owned as its row says, captioned with the title and the switch's address, known to its
// unit global while it is shown, and reading its table.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/IGMPRouterPortsForm.h"
#include "features/switching/IGMPSnoopingStaticGroupForm.h"
#include "features/switching/LLDP_Management_Address.h"
#include "features/switching/MLDRouterProtsForm.h"
#include "features/switching/MLDSnoopingStaticGroupForm.h"
#include "features/switching/MSTPPortStateForm.h"
#include "features/switching/MulticastFilterInformationForm.h"
#include "features/switching/UnicastFilterInformationForm.h"

#include "ui/ListView.h"

#include <QAction>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
    bool ownedByMainWindow;
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, SwitchingPatternWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"switching.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"StaticGroupTable1", "IGMP Snooping Static Group Table", GlobalOf(IGMPSnoopingStaticGroupForm), false},
        {"StaticGroupTable2", "MLD Snooping Static Group Table", GlobalOf(MLDSnoopingStaticGroupForm), false},
        {"UnicastInformation1", "802.1Q Unicast Filter Information Table", GlobalOf(UnicastFilterInformationForm), true},
        {"MulticastInformation1", "802.1Q Multicast Filter Information Table", GlobalOf(MulticastFilterInformationForm),
         true},
        {"RouterPorts2", "IGMP Snooping Router Ports", GlobalOf(IGMPRouterPortsForm), false},
        {"RouterPorts3", "MLD Snooping Router Ports", GlobalOf(MLDRouterProtsForm), false},
        {"AddressConfig1", "LLDP Address Configuration", GlobalOf(LLDP_Management_Address), false},
        {"PortStateInformation1", "STP Port State Information", GlobalOf(MSTPPortStateForm), false},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        auto* action = Find<QAction>(MainForm, c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        const bool opened = RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
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
