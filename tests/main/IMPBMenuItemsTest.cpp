// The IP-MAC-port binding and spoofing prevention windows as the menu opens them: their items are
// enabled, each opens its window class under its title and the switch's address, its global
// refers to it while it is shown, and the handler that no item reaches opens the ARP window under
// its own title.
#include "ProgramTest.h"

#include "features/acl/NDSpoofingPreventForm.h"
#include "features/system/ARPSpoofingPreventMgmtForm.h"
#include "features/system/IPMACBindingForm.h"
#include "features/system/IPMACBindingIPv6Form.h"
#include "features/system/IpMacBindBlockedForm.h"
#include "support/SimSwitch.h"

#include "ui/ListView.h"

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
    const char* item;    // the menu item, or none
    const char* handler; // the handler name
    const char* title;
    const std::type_info& window;
    std::function<ui::Form*()> global;
    const char* list;
};

class IMPBMenu : public ProgramTest {};

TEST_F(IMPBMenu, ItemsOpenTheirWindows)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("ipmacbind.dat")}});
    const StartedMainWindow window(Parameters(sim));
    ShowAndActivate(MainForm);
    const Opening openings[] = {
        {"BindingTable1", "BindingTable1Click", "IMPB Binding Table", typeid(TIPMACBindingForm),
         [] { return IPMACBindingForm; }, "ListView1"},
        {"IPv6Table2", "IPv6Table2Click", "IMPB IPv6 Binding Table", typeid(TIPMACBindingIPv6Form),
         [] { return IPMACBindingIPv6Form; }, "ListView1"},
        {"BindingBlockedTable1", "BindingBlockedTable1Click", "IMPB Blocked Table", typeid(TIpMacBindBlockedForm),
         [] { return IpMacBindBlockedForm; }, "lv1"},
        {"ARPSpoofingPrevent1", "ARPSpoofingPrevent1Click", "ARP Spoofing Prevention Table",
         typeid(TARPSpoofingPreventMgmtForm), [] { return ARPSpoofingPreventMgmtForm; }, "ListView1"},
        {"NDSpfooing1", "NDSpfooing1Click", "ND Spoofing Prevention Table", typeid(TNDSpoofingPreventForm),
         [] { return NDSpoofingPreventForm; }, "ListView1"},
        {nullptr, "ARPSpoofingPrevention1Click", "ARP Spoofing Prevention Management Table",
         typeid(TARPSpoofingPreventMgmtForm), [] { return ARPSpoofingPreventMgmtForm; }, "ListView1"},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.handler);
        ClearMessageBoxes();
        bool opened = false;
        RunInNextModal([&](ui::Form* shown) {
            opened = true;
            EXPECT_EQ(typeid(*shown), o.window);
            EXPECT_EQ(shown->Caption(), std::string(o.title) + ": " + sim.Address());
            EXPECT_EQ(o.global(), shown);
            EXPECT_EQ(shown->parentWidget(), nullptr); // owned by the application
            // The window has read the switch's rows.
            auto* list = shown->findChild<ui::ListView*>(o.list);
            ASSERT_NE(list, nullptr);
            EXPECT_GT(list->Count(), 0) << StatusLine(shown);
            shown->Close();
        });
        if (o.item != nullptr) {
            EXPECT_TRUE(MainForm->Menu().Item(o.item)->isEnabled());
            ClickMenuItem(MainForm, o.item);
        } else {
            MainForm->RunHandlerNamed(o.handler);
        }
        EXPECT_TRUE(opened);
        EXPECT_EQ(o.global(), nullptr);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
}

} // namespace
