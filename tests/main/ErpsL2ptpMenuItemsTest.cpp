// The menu items of the ERPS sub-ring and L2 protocol tunnel port windows: each is enabled and
// opens its window, owned by the application, captioned with the title and the switch's address,
// known to its unit global while it is shown, and reading its table.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/ERPSSubRingForm.h"
#include "features/switching/L2PTPPortForm.h"

#include "ui/ListView.h"

#include <QAction>

namespace {

TEST_F(HandlerTest, ErpsAndL2ptpWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"erps-l2ptp.dat"}));
    const auto mainWindow = StartOn(sim);
    struct ItemCase {
        const char* item;
        const char* title;
        std::function<ui::Form*()> global;
        int rows;
    };
    const ItemCase cases[] = {
        {"SubRingSetting1", "ERPS Sub-Ring Table", [] { return static_cast<ui::Form*>(ERPSSubRingForm); }, 3},
        {"PortEntryTable1", "L2 Protocol Tunnel Port Entry Table", [] { return static_cast<ui::Form*>(L2PTPPortForm); },
         6},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        auto* action = Find<QAction>(MainForm, c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(EnabledWhenShown(action));
        const bool opened = RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_NE(shown->parentWidget(), MainForm);
            auto* list = shown->findChild<ui::ListView*>("ListView1");
            ASSERT_NE(list, nullptr);
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(WaitFor(
                [&] { return list->Count() == c.rows && StatusLine(shown).find("Get: Ok!") != std::string::npos; },
                10000))
                << StatusLine(shown);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
