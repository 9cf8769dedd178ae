// The Telnet/Web, SSL and method list windows as the menu opens them: their items are enabled,
// each opens its window class under its title and the switch's address with its owner, the two
// method list items open one class on their own tables, and the unit globals refer to a window
// only where the menu row says so.
#include "ProgramTest.h"

#include "features/system/LoginMethodListForm.h"
#include "features/system/SSLManagementForm.h"
#include "features/system/TCPWEBForm.h"
#include "support/SimSwitch.h"

#include "ui/Edit.h"

#include <QAction>

#include <functional>
#include <typeinfo>

namespace {

std::vector<std::string> Parameters(const SimSwitch& sim)
{
    return {"/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
            "/n" + std::string(SimCredentials::NoAuthUser), "/l1"};
}

struct Opening {
    const char* item;
    const char* title;
    const std::type_info& window;
    bool ownedByMainWindow;
    std::function<bool()> globalIsTheWindow; // while it is shown
    const char* firstColumn;                 // of the list, or none
};

class TelnetSSLMethodListMenu : public ProgramTest {};

TEST_F(TelnetSSLMethodListMenu, ItemsOpenTheirWindows)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("management-access.dat")}});
    const StartedMainWindow window(Parameters(sim));
    ShowAndActivate(MainForm);
    ui::Form* shownWindow = nullptr;
    const Opening openings[] = {
        {"TelnetSettings1", "Telnet/Web Settings", typeid(TTCPWEBForm), false,
         [&] { return TCPWEBForm == shownWindow; }, nullptr},
        {"SSLManagement1", "SSL Global Settings", typeid(TSSLManagementForm), false,
         [&] { return SSLManagementForm == shownWindow; }, nullptr},
        {"LoginMethodControl1", "AAC Login Method List Settings", typeid(TLoginMethodListForm), true,
         [] { return LoginMethodListForm == nullptr; }, "Login Method List Name"},
        {"EnableMethodControl1", "AAC Enable Method List Settings", typeid(TLoginMethodListForm), true,
         [] { return LoginMethodListForm == nullptr; }, "Enable Method List Name"},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.item);
        ClearMessageBoxes();
        bool opened = false;
        RunInNextModal([&](ui::Form* shown) {
            opened = true;
            shownWindow = shown;
            EXPECT_EQ(typeid(*shown), o.window);
            EXPECT_EQ(shown->Caption(), std::string(o.title) + ": " + sim.Address());
            EXPECT_EQ(shown->parentWidget() == MainForm, o.ownedByMainWindow);
            EXPECT_TRUE(o.globalIsTheWindow());
            // The window read the switch.
            if (o.firstColumn != nullptr) {
                auto* list = shown->findChild<ui::ListView*>("ListView1");
                ASSERT_NE(list, nullptr);
                EXPECT_TRUE(WaitFor([&] { return list->Count() > 0; }, 10000)) << StatusLine(shown);
                EXPECT_EQ(list->ColumnCaption(0), o.firstColumn);
            } else {
                EXPECT_TRUE(WaitFor([&] { return StatusLine(shown).find("Ok!") != std::string::npos; }, 10000))
                    << StatusLine(shown);
            }
            shown->Close();
        });
        EXPECT_TRUE(MainForm->Menu().Item(o.item)->isEnabled());
        EXPECT_TRUE(MainForm->Menu().Reachable(o.item));
        ClickMenuItem(MainForm, o.item);
        EXPECT_TRUE(opened);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
    EXPECT_EQ(TCPWEBForm, nullptr);
    EXPECT_EQ(SSLManagementForm, nullptr);
    EXPECT_EQ(LoginMethodListForm, nullptr);
}

} // namespace
