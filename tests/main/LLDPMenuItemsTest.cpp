// The menu items of the LLDP windows: each is enabled and opens its window, owned by the
// application, captioned with the title and the switch's address, known to its unit global while
// it is shown, and reading what it shows. Four of them name their handler in another letter case.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/LLDPConfigProtocolForm.h"
#include "features/switching/LLDPConfigProtocolVLANForm.h"
#include "features/switching/LLDPConfigVLANNameForm.h"
#include "features/switching/LLDPDot3LinkAggForm.h"
#include "features/switching/LLDPDot3PortConfigForm.h"
#include "features/switching/LLDPLocSysDataForm.h"
#include "features/switching/LLDPPortConfigForm.h"
#include "features/switching/LLDPRemoteForm.h"

#include "main/HandlerTable.h"
#include "main/MenuTree.h"

#include "ui/ListView.h"

#include <QAction>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
    bool otherCase;                    // the layout spells the handler in another letter case
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, LLDPWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"lldp.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"PortConfig1", "LLDP Port Configuration Table", GlobalOf(LLDPPortConfigForm), false},
        {"PortConfigTable1", "LLDP-Dot3 Port Configuration Table", GlobalOf(LLDPDot3PortConfigForm), false},
        {"Protocol1", "LLDP-Dot1 Configuration Protocol Table", GlobalOf(LLDPConfigProtocolForm), false},
        {"ProtocolVLAN2", "LLDP-Dot1 Configuration Protocol VLAN  Table", GlobalOf(LLDPConfigProtocolVLANForm), true},
        {"VLANName1", "LLDP-Dot1 Configuration VLAN Name Table", GlobalOf(LLDPConfigVLANNameForm), true},
        {"SystemData1", "LLDP Local System Data", GlobalOf(LLDPLocSysDataForm), false},
        {"RemoteTable1", "LLDP Remote Table", GlobalOf(LLDPRemoteForm), true},
        {"LinkAggregationTable1", "LLDP-Dot3 Local Link Aggregation Table", GlobalOf(LLDPDot3LinkAggForm), true},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        auto* action = Find<QAction>(MainForm, c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        const MenuTreeRow* row = nullptr;
        for (const MenuTreeRow& r : MenuTree())
            if (std::string(r.Name) == c.item)
                row = &r;
        ASSERT_NE(row, nullptr);
        const HandlerRow* handler = FindHandler(row->OnClick);
        ASSERT_NE(handler, nullptr) << row->OnClick;
        EXPECT_EQ(std::string(handler->Name) != row->OnClick, c.otherCase) << row->OnClick;

        const bool opened = RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_NE(shown->parentWidget(), MainForm);
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(WaitFor([&] {
                return (window->Variants().LogOnly || window->DataComplete == 1) && !StatusLine(shown).empty();
            }, 10000)) << StatusLine(shown);
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
            if (auto* list = shown->findChild<ui::ListView*>()) {
                EXPECT_GT(list->Count(), 0);
            }
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
