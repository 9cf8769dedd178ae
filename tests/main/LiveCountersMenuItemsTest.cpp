// The menu items of the live-counter windows (port statistics chart, EtherLike pause and control
// tables, 802.3ad port table, 802.1p basic configuration and port capabilities): each is enabled
// and opens its window, owned as its row says, captioned with the title and the switch's address,
// known to its unit global while it is shown, and reading the switch.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/switching/AggregatorPortTableForm.h"
#include "features/switching/PBridgeConfigForm.h"
#include "features/switching/PortCapabilities8021dForm.h"
#include "features/switching/TpBridgePortInfo_Table.h"
#include "features/switching/dot3ControlForm.h"
#include "features/switching/dot3PauseForm.h"

#include "ui/ComboBox.h"
#include "ui/ListView.h"

#include <QAction>

namespace {

struct ItemCase {
    const char* item;
    const char* title;
    std::function<ui::Form*()> global; // the class's unit global
    bool ownedByMainWindow;
    // What the window shows once its read has ended.
    std::function<bool(ui::Form*)> read;
};

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

// The window's first list has rows.
bool ListHasRows(ui::Form* shown)
{
    auto* list = shown->findChild<ui::ListView*>();
    return list != nullptr && list->Count() > 0;
}

TEST_F(HandlerTest, LiveCounterWindowsOpenFromTheirMenuItems)
{
    SimSwitch sim(Options("Kb", {"livecounters.dat"}));
    const auto mainWindow = StartOn(sim);
    const ItemCase cases[] = {
        {"PortCounters1", "802.1D Transparent Bridge Port Information Table", GlobalOf(TpBridgePortInfo_Table), false,
         [](ui::Form* shown) { return dynamic_cast<TTpBridgePortInfo_Table*>(shown)->CounterRequest != nullptr; }},
        {"dot3PauseTable1", "Dot3 Pause Table", GlobalOf(dot3PauseForm), false, ListHasRows},
        {"dot3ControlTable1", "Dot3 Control Table", GlobalOf(dot3ControlForm), false, ListHasRows},
        {"AggreatorPortTable1", "802.3ad Aggregator Port Table", GlobalOf(AggregatorPortTableForm), true, ListHasRows},
        {"BasicConfigure2", "802.1p Basic Configuration", GlobalOf(PBridgeConfigForm), false,
         [](ui::Form* shown) { return dynamic_cast<TPBridgeConfigForm*>(shown)->TrafficClassesState->Text() == "true"; }},
        {"PortCapbility1", "802.1p Port Capability Table", GlobalOf(PortCapabilities8021dForm), false, ListHasRows},
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
            EXPECT_TRUE(WaitFor([&] { return c.read(shown) && StatusLine(shown).find("Ok!") != std::string::npos; },
                                10000))
                << StatusLine(shown);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
