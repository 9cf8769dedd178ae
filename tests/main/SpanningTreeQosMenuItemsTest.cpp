// The menu items of the spanning tree settings, spanning tree state, MSTP instance and queue
// bandwidth windows: each is enabled and opens its window, owned by the application, captioned
// with the title and the switch's address, known to its unit global while it is shown, and
// reading the switch.

#include "HandlerFamiliesFixture.h"

#include "features/switching/CoSBrandwidthctrlForm.h"
#include "features/switching/MSTPVLANUnitForm.h"
#include "features/switching/STP_Info.h"
#include "features/switching/SpanningTreeAlgorithmForm.h"

#include <QAction>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, SpanningTreeAndQueueBandwidthWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"spanning-tree-qos.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"Information2", "Spanning Tree Global Settings", GlobalOf(STP_Info)},
        {"SpanningTreeAlgorithm1", "Spanning Tree Algorithm", GlobalOf(SpanningTreeAlgorithmForm)},
        {"InstanceInformation1", "STP Instance Control Table", GlobalOf(MSTPVLANUnitForm)},
        {"CosBandwidthControlSettings1", "Queue Bandwidth Control Settings", GlobalOf(CoSBrandwidthctrlForm)},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.item);
        auto* action = Find<QAction>(MainForm, c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled());
        const bool opened = RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_NE(shown->parentWidget(), MainForm);
            // The window's read has ended when its status line says so.
            EXPECT_TRUE(WaitFor([&] { return StatusLine(shown).find("Get: Ok!") != std::string::npos; }, 10000))
                << StatusLine(shown);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
