// The IPv6 static route, DNS relay, DHCP relay VLAN, syslog and configuration control windows as
// the menu opens them: their items are enabled, each opens its window class under its title and
// the switch's address, and the handler that no item reaches opens the DNS relay window under its
// own title. Hidden submenus stay hidden.
#include "ProgramTest.h"

#include "features/system/DHCPRelayVLANControlUnitForm.h"
#include "features/system/DNSCtrlForm.h"
#include "features/system/Ipv6StaticRouteForm.h"
#include "features/system/LogSaveControlForm.h"
#include "features/system/MultipleConfigControlForm.h"
#include "features/system/SystemLogHostForm.h"
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
    bool reachable;      // the item is visible in the menu
    bool ownedByMainWindow;
};

class SystemListsMenu : public ProgramTest {};

TEST_F(SystemListsMenu, ItemsOpenTheirWindows)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("systemlists.dat")}});
    const StartedMainWindow window(Parameters(sim));
    ShowAndActivate(MainForm);
    const Opening openings[] = {
        {"IPv6StaticRoute1", "IPv6StaticRoute1Click", "IPv6 Static Route Table", typeid(TIpv6StaticRouteForm), true,
         false},
        {"DNSControlTable1", "DNSControlTable1Click", "DNS Relay Static Settings", typeid(TDNSCtrlForm), false, false},
        {nullptr, "DNSCtrlTable1Click", "DNS Relay Control Table", typeid(TDNSCtrlForm), false, false},
        {"VLANControlTable1", "VLANControlTable1Click", "DHCP Relay VLAN Control Table",
         typeid(TDHCPRelayVLANControlUnitForm), true, false},
        {"SystemLogServerTable1", "SystemLogServerTable1Click", "System Log Server Table", typeid(TSystemLogHostForm),
         true, true},
        {"SystemLogSaveControl1", "SystemLogSaveControl1Click", "System Log Save Settings",
         typeid(TLogSaveControlForm), true, false},
        {"MultipleConfigControl1", "MultipleConfigControl1Click", "Multiple Configuration Settings",
         typeid(TMultipleConfigControlForm), false, false},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.handler);
        ClearMessageBoxes();
        bool opened = false;
        RunInNextModal([&](ui::Form* shown) {
            opened = true;
            EXPECT_EQ(typeid(*shown), o.window);
            EXPECT_EQ(shown->Caption(), std::string(o.title) + ": " + sim.Address());
            EXPECT_EQ(shown->parentWidget() == MainForm, o.ownedByMainWindow);
            // The window read the switch's table.
            auto* list = shown->findChild<ui::ListView*>("ListView1");
            if (list != nullptr) {
                EXPECT_TRUE(WaitFor([&] { return list->Count() > 0; }, 10000)) << StatusLine(shown);
            }
            shown->Close();
        });
        if (o.item != nullptr) {
            EXPECT_TRUE(MainForm->Menu().Item(o.item)->isEnabled());
            EXPECT_EQ(MainForm->Menu().Reachable(o.item), o.reachable);
        }
        if (o.item != nullptr && o.reachable)
            ClickMenuItem(MainForm, o.item);
        else
            MainForm->RunHandlerNamed(o.handler);
        EXPECT_TRUE(opened);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
    EXPECT_EQ(Ipv6StaticRouteForm, nullptr);
    EXPECT_EQ(DNSCtrlForm, nullptr);
    EXPECT_EQ(DHCPRelayVLANControlUnitForm, nullptr);
    EXPECT_EQ(SystemLogHostForm, nullptr);
    EXPECT_EQ(LogSaveControlForm, nullptr);
    EXPECT_EQ(MultipleConfigControlForm, nullptr);
}

// The SI firmware hides "IPv6 Static Route"; the other items stay as they are.
TEST_F(SystemListsMenu, IPv6StaticRouteIsHiddenOnSI)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("systemlists.dat"), "--data",
                          SimSwitch::DataFile("identify-firmware-SI.dat")}});
    const StartedMainWindow window(Parameters(sim));
    EXPECT_FALSE(MainForm->Menu().Reachable("IPv6StaticRoute1"));
    EXPECT_TRUE(MainForm->Menu().Reachable("SystemLogServerTable1"));
    EXPECT_TRUE(MainForm->Menu().Reachable("VLANControlTable1"));
}

} // namespace
