// The menu items of the guest VLAN windows (802.1X guest VLAN and frame statistics, MAC-based
// access control settings, compound authentication guest VLANs): enabled, each opens its window
// with the switch's address in its caption, the handler's global refers to it while it is shown.
#include "HandlerFamiliesFixture.h"

#include "features/system/GuestVlanForm.h"
#include "features/system/MacStatisticTableForm.h"
#include "features/system/MBAControlForm.h"
#include "features/system/MultpAuthGuestVlanForm.h"

#include "snmp/DeviceState.h"

#include "ui/Edit.h"
#include "ui/ListView.h"

#include "main/MainMenu.h"

#include <QAction>

#include <functional>

namespace {

template <class Window>
std::function<ui::Form*()> GlobalOf(Window* const& global)
{
    return [&global] { return static_cast<ui::Form*>(global); };
}

TEST_F(HandlerTest, GuestVlanItemsOpenTheirWindows)
{
    SimSwitch sim(Options("Kb", {"guest-vlans.dat"}));
    const auto window = StartOn(sim);
    struct Case {
        const char* item;
        const char* title;
        std::function<ui::Form*()> global;
        bool ownedByMainWindow;
        std::function<void(ui::Form*)> check; // what the first read showed
    };
    const Case cases[] = {
        {"GuestVLAN1", "802.1X Guest VLAN", GlobalOf(GuestVlanForm), true,
         [](ui::Form* shown) { EXPECT_EQ(dynamic_cast<TGuestVlanForm&>(*shown).edtName->Text(), "guests"); }},
        {"StatisticTable1", "MBA PAE Over Land  Frames Statistic Table", GlobalOf(MacStatisticTableForm), true,
         [](ui::Form* shown) { EXPECT_EQ(dynamic_cast<TMacStatisticTableForm&>(*shown).ListView1->Count(), 2); }},
        {"ControlTable2", "MAC Global Settings", GlobalOf(MBAControlForm), true,
         [](ui::Form* shown) { EXPECT_EQ(dynamic_cast<TMBAControlForm&>(*shown).edtName->Text(), "mbaguest"); }},
        {"GuestVLANTable1", "Compound Authentication Guest VLAN Table", GlobalOf(MultpAuthGuestVlanForm), false,
         [](ui::Form* shown) { EXPECT_EQ(dynamic_cast<TMultpAuthGuestVlanForm&>(*shown).ListView1->Count(), 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(MainForm->Menu().Item(c.item)->isEnabled());
        EXPECT_TRUE(MainForm->Menu().Reachable(c.item));
        EXPECT_TRUE(RunInModalOf([&] { ClickMenuItem(MainForm, c.item); }, [&](ui::Form* shown) {
            EXPECT_EQ(shown->Caption(), std::string(c.title) + ": " + sim.Address());
            EXPECT_EQ(c.global(), shown);
            EXPECT_EQ(shown->parentWidget() == MainForm, c.ownedByMainWindow);
            c.check(shown);
            EXPECT_NE(StatusLine(shown).find("Get: Ok!"), std::string::npos) << StatusLine(shown);
        }));
        EXPECT_EQ(c.global(), nullptr);
    }

    // The handler without an item opens the settings window under its own caption.
    EXPECT_TRUE(RunInModalOf([] { MainForm->RunHandlerNamed("MBAControl1Click"); }, [&](ui::Form* shown) {
        EXPECT_NE(dynamic_cast<TMBAControlForm*>(shown), nullptr);
        EXPECT_EQ(shown->Caption(), "MBA Port Global Settings: " + sim.Address());
        EXPECT_EQ(MBAControlForm, shown);
        EXPECT_EQ(shown->parentWidget(), MainForm);
    }));
    EXPECT_EQ(MBAControlForm, nullptr);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The SI firmware hides the compound authentication "Guest VLAN Table", not the others.
TEST_F(HandlerTest, CompoundGuestVlanTableIsHiddenOnSI)
{
    SimSwitch sim(Options("Kb", {"guest-vlans.dat", "identify-firmware-SI.dat"}));
    const auto window = StartOn(sim);
    ASSERT_EQ(FirmwareModeText, "SI");
    EXPECT_FALSE(MainForm->Menu().Reachable("GuestVLANTable1"));
    EXPECT_TRUE(EnabledWhenShown(MainForm->Menu().Item("GuestVLANTable1")));
    for (const char* item : {"GuestVLAN1", "StatisticTable1", "ControlTable2"})
        EXPECT_TRUE(MainForm->Menu().Reachable(item)) << item;
}

} // namespace
