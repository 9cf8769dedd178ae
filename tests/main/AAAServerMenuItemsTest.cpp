// The menu items of the AAA server group, server table and membership windows: each is enabled
// and opens its window under its title and the switch's address, owned by the application, known
// to its unit global while shown, with the read at opening reported in its status line.

#include "HandlerFamiliesFixture.h"

#include "features/common/WindowLifecycle.h"
#include "features/system/AAASrvCtrlForm.h"
#include "features/system/ServerGroupForm.h"
#include "features/system/ServerInformationForm.h"

#include <QAction>

namespace {

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, AAAServerItemsOpenTheirWindows)
{
    SimSwitch sim(Options("Kb", {"aaa-servers.dat"}));
    const auto mainWindow = StartOn(sim);
    struct Case {
        const char* item;
        std::string caption;
        std::function<ui::Form*()> global;
        std::function<bool(ui::Form*)> isWindow;
    };
    const std::string address = ": " + sim.Address();
    const Case cases[] = {
        {"ServerGroup1", "AAC Server Group" + address, GlobalOf(ServerGroupForm),
         [](ui::Form* f) { return dynamic_cast<TServerGroupForm*>(f) != nullptr; }},
        {"ServerInformation1", "AAC Server Information" + address, GlobalOf(ServerInformationForm),
         [](ui::Form* f) { return dynamic_cast<TServerInformationForm*>(f) != nullptr; }},
        {"ServerControl1", "AAC Server Settings" + address, GlobalOf(AAASrvCtrlForm),
         [](ui::Form* f) { return dynamic_cast<TAAASrvCtrlForm*>(f) != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* action = MainForm->Menu().Item(c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(EnabledWhenShown(action));
        EXPECT_TRUE(MainForm->Menu().Reachable(c.item));
        const std::string handler = std::string(c.item) + "Click";
        const bool opened = RunInModalOf([&] { MainForm->RunHandlerNamed(handler); }, [&](ui::Form* shown) {
            EXPECT_TRUE(c.isWindow(shown));
            EXPECT_EQ(shown->Caption(), c.caption);
            EXPECT_EQ(c.global(), shown);
            EXPECT_NE(shown->parentWidget(), MainForm);
            auto* window = dynamic_cast<WindowLifecycle*>(shown);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(WaitFor([&] { return StatusLine(shown).find("Get: Ok!") != std::string::npos; }, 10000))
                << StatusLine(shown);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(c.global(), nullptr);
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
