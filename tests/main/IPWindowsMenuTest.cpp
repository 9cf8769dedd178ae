// The IP list windows as the menu opens them: their items are enabled, each opens its window
// class under its title and the switch's address, and the handlers that no item reaches open the
// same windows under their own titles.
#include "ProgramTest.h"

#include "features/system/ARPIPV6ControlForm.h"
#include "features/system/IpCtrlForm.h"
#include "features/system/IpStaticRouteForm.h"
#include "support/SimSwitch.h"

#include <QAction>

#include <typeinfo>

namespace {

std::vector<std::string> Parameters(const SimSwitch& sim)
{
    return {"/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
            "/n" + std::string(SimCredentials::NoAuthUser), "/l1"};
}

struct Opening {
    const char* item;    // the menu item, or none
    const char* handler; // the handler name
    const char* title;
    const std::type_info& window;
};

class IPWindowsMenu : public ProgramTest {};

TEST_F(IPWindowsMenu, ItemsAndItemlessHandlersOpenTheirWindows)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("iplists.dat")}});
    const StartedMainWindow window(Parameters(sim));
    ShowAndActivate(MainForm);
    const Opening openings[] = {
        {"IPStaticRoutingTable1", "IPStaticRoutingtable1Click", "IP Static Routing Table", typeid(TIpStaticRouteForm)},
        {"IPControlTable1", "IPControlTable1Click", "IP Control Table", typeid(TIpCtrlForm)},
        {"IPv6NeighborCache1", "IPv6NeighborCache1Click", "IPv6 Neighbor Cache Table", typeid(TARPIPV6ControlForm)},
        {nullptr, "IPStaticRoute1Click", "IP Static Route", typeid(TIpStaticRouteForm)},
        {nullptr, "ARPControlIPv61Click", "IPv6 Static Route Neighbor Cache Table", typeid(TARPIPV6ControlForm)},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.handler);
        ClearMessageBoxes();
        bool opened = false;
        RunInNextModal([&](ui::Form* shown) {
            opened = true;
            EXPECT_EQ(typeid(*shown), o.window);
            EXPECT_EQ(shown->Caption(), std::string(o.title) + ": " + sim.Address());
            auto* frame = dynamic_cast<ListWindowFrame*>(shown);
            ASSERT_NE(frame, nullptr);
            // The table of the model the program identified: the window reads it.
            EXPECT_NE(frame->Request, nullptr) << StatusLine(shown);
            shown->OnCloseQuery = nullptr;
            shown->Close();
        });
        if (o.item != nullptr) {
            EXPECT_TRUE(MainForm->Menu().Item(o.item)->isEnabled());
            ClickMenuItem(MainForm, o.item);
        } else {
            MainForm->RunHandlerNamed(o.handler);
        }
        EXPECT_TRUE(opened);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
    EXPECT_EQ(IpStaticRouteForm, nullptr);
    EXPECT_EQ(IpCtrlForm, nullptr);
    EXPECT_EQ(ARPIPV6ControlForm, nullptr);
}

} // namespace
