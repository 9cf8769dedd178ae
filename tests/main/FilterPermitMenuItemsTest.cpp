// The DHCP server, DHCPv6 server and ICMPv6 RA all-node permit filter windows as the menu opens
// them: their items are enabled, each opens its window class under its title and the switch's
// address, having read the switch's entries; the DHCPv6 and all-node windows are in their
// globals while shown, the DHCP server window in none.
#include "ProgramTest.h"

#include "features/acl/FilterAllNodePermitForm.h"
#include "features/acl/FilterDHCPPermitForm.h"
#include "features/acl/FilterDHCPv6PermitForm.h"
#include "support/SimSwitch.h"

#include "ui/ListView.h"

#include <QAction>

#include <functional>
#include <typeinfo>

namespace {

struct Opening {
    const char* item;
    const char* title;
    const std::type_info& window;
    std::function<ui::Form*()> global; // none: the window has no global
    int rows;
};

class FilterPermitMenu : public ProgramTest {};

TEST_F(FilterPermitMenu, ItemsOpenTheirWindows)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("permitfilters.dat")}});
    const StartedMainWindow window({"/I" + sim.Address(), "/v3", "/t" + std::to_string(sim.Port()), "/m3",
                                    "/n" + std::string(SimCredentials::NoAuthUser), "/l1"});
    ShowAndActivate(MainForm);
    const Opening openings[] = {
        {"PermitTable1", "DHCP Offer Permit Table: ", typeid(TFilterDHCPPermitForm), nullptr, 2},
        {"DHCPOfferPermitTable1", "DHCPv6 Server Screening Permit Table: ", typeid(TFilterDHCPv6PermitForm),
         [] { return FilterDHCPv6PermitForm; }, 1},
        {"PermitTable122", "ICMPv6 RA All Node Permit Table:: ", typeid(TFilterAllNodePermitForm),
         [] { return FilterAllNodePermitForm; }, 1},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.item);
        EXPECT_TRUE(MainForm->Menu().Item(o.item)->isEnabled());
        EXPECT_TRUE(MainForm->Menu().Reachable(o.item));
        bool opened = false;
        RunInNextModal([&](ui::Form* shown) {
            opened = true;
            EXPECT_EQ(typeid(*shown), o.window);
            EXPECT_EQ(shown->Caption(), o.title + sim.Address());
            if (o.global) {
                EXPECT_EQ(o.global(), shown);
            }
            EXPECT_EQ(shown->parentWidget(), nullptr); // owned by the application
            auto* list = shown->findChild<ui::ListView*>("ListView1");
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(WaitFor([&] { return list->Count() == o.rows && !StatusLine(shown).empty(); }, 10000));
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
            shown->Close();
        });
        ClickMenuItem(MainForm, o.item);
        EXPECT_TRUE(opened);
        if (o.global) {
            EXPECT_EQ(o.global(), nullptr);
        }
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
