// The menu items of the NLB forwarding table, 802.1p colour map and PPPoE circuit ID windows:
// each is enabled and opens its window, owned as its row says, captioned with the title and the
// switch's address, known to its unit global while it is shown, and reading its table.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/NLBMulticastFDBForm.h"
#include "features/switching/NLBUnicastFDBForm.h"
#include "features/switching/PPOEForm.h"
#include "features/switching/Qos8021pMapColorControlForm.h"

#include "ui/ListView.h"

#include <QAction>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
    bool ownedByMainWindow;
    int rows;
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, NLBColorMapAndPPPoEWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"nlb-colormap-pppoe.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"NLB1", "NLB Multicast FDB Table", GlobalOf(NLBMulticastFDBForm), true, 2},
        {"UnicastFDBTable1", "NLB Unicast FDB Table", GlobalOf(NLBUnicastFDBForm), true, 1},
        {"ColorMapControlTable1", "QoS 802.1p Color Map Control Table", GlobalOf(Qos8021pMapColorControlForm), false,
         16},
        {"CircuitIDInsertPortTable1", "PPPoE  Circuit ID Insert Port Table", GlobalOf(PPOEForm), false, 4},
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
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(WaitFor([&] {
                return (window->Variants().LogOnly || window->DataComplete == 1) && !StatusLine(shown).empty()
                       && list->Count() == c.rows;
            }, 10000)) << StatusLine(shown);
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
