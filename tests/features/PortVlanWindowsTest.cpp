// The port VLAN and GARP timer windows against the simulated switch: one SET of the selected
// port's settings, the port selected again, the guards while a read or write runs, a refused
// write, and a read ended by a click on the list.

#include "SwitchingFixture.h"

#include "features/switching/GARPForm.h"
#include "features/switching/VLanPortInfomationForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <set>

namespace {

const std::string PortVlanEntry = "1.3.6.1.2.1.17.7.1.4.5.1";
const std::string GarpEntry = "1.3.6.1.2.1.17.6.1.3.1.1";

using Table = std::vector<std::vector<std::string>>;

class PortVlanWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"vlan.dat"}; }

    static void Retype(ui::Edit* edit, const std::string& text)
    {
        edit->SetText("");
        TypeInto(edit, text);
    }
};

TEST_F(PortVlanWindows, PortVlanSetWritesTheFourSettingsOfTheSelectedPort)
{
    InWindow<TVLanPortInfomationForm>([&](TVLanPortInfomationForm& w) {
        ui::ListView* list = w.LV_dot1qPortVlanEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        ASSERT_EQ(list->Count(), 4);
        EXPECT_EQ(Cells(list)[2], (std::vector<std::string>{"3", "10", "admitOnlyVLANTagged", "true", "enabled", "2",
                                                            "001122334455"}));
        EXPECT_EQ(w.ST_Count->Caption(), "4");
        EXPECT_FALSE(w.PortVLanID->isEnabled()) << "no row: the editors wait for one";

        // No row: nothing goes out.
        Click(w.SetBtn);
        EXPECT_TRUE(Sets().empty());

        ClickRow(list, 2);
        EXPECT_EQ(w.PortVLanID->Text(), "10");
        EXPECT_EQ(w.AcceptableFrameTypes->Text(), "admitOnlyVLANTagged");
        Retype(w.PortVLanID, "20");
        w.AcceptableFrameTypes->SetItemIndex(0);
        w.GvrpStatus->SetItemIndex(1);
        Click(w.SetBtn);
        EXPECT_EQ(list->Selected(), list->Item(2)) << "the port selected again";
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 4; }));
        EXPECT_EQ(Sets(), (Table{{PortVlanEntry + ".1.3=20", PortVlanEntry + ".2.3=1", PortVlanEntry + ".3.3=1",
                                  PortVlanEntry + ".4.3=2"}}));
        EXPECT_EQ(Cells(list)[2][1], "20");
        EXPECT_EQ(Cells(list)[2][2], "admitAll");
        EXPECT_EQ(Cells(list)[2][4], "disabled");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(PortVlanWindows, PortVlanRefusesWorkWhileItsReadRuns)
{
    sim->Control("delay 200");
    InWindow<TVLanPortInfomationForm>([&](TVLanPortInfomationForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.Request && w.Request->ReadOutstanding(); }, 5000));
        Click(w.RefreshBtn);
        Click(w.SetBtn);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Refresh Not Complete", "Refresh Not Complete"}));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(w.LV_dot1qPortVlanEntry->Count(), 4);
        EXPECT_TRUE(Sets().empty());
    });
}

TEST_F(PortVlanWindows, GarpSetWritesTheThreeTimesOnceAnswered)
{
    sim->Control("delay 100");
    InWindow<TGARPForm>([&](TGARPForm& w) {
        ui::ListView* list = w.LV_dot1dPortGarpEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ASSERT_EQ(list->Count(), 4);
        EXPECT_EQ(Cells(list)[1], (std::vector<std::string>{"2", "200", "600", "10000"}));
        EXPECT_EQ(w.ST_Count->Caption(), "4");

        // Twice at once: the second press waits for the first's answer, and sends nothing.
        ClickRow(list, 1);
        Retype(w.GarpJoinTime, "300");
        Click(w.SetBtn);
        Click(w.SetBtn);
        EXPECT_EQ(list->Selected(), list->Item(1)) << "the port selected again";
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{GarpEntry + ".1.2=300", GarpEntry + ".2.2=600", GarpEntry + ".3.2=10000"}}));
        EXPECT_EQ(Cells(list)[1][1], "300");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

        // A Set while the read after a write runs: that read gives way to the next one.
        ClickRow(list, 0);
        Retype(w.GarpLeaveTime, "700");
        Click(w.SetBtn);
        ASSERT_TRUE(WaitFor([&] { return w.DataComplete == 1 && w.Request->ReadOutstanding() && list->Count() >= 1; }));
        list->SetSelected(list->Item(0));
        Click(w.SetBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()) && list->Count() == 4; }));
        EXPECT_EQ(Sets().size(), 2u);
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"1", "2", "3", "4"}));
        EXPECT_EQ(Cells(list)[0][2], "700");

        // No row: nothing goes out.
        Click(w.SetBtn);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A refused write is shown in its box and followed by no read; the window is usable again.
TEST_F(PortVlanWindows, ARefusedGarpSetShowsItsBox)
{
    InWindow<TGARPForm>([&](TGARPForm& w) {
        ui::ListView* list = w.LV_dot1dPortGarpEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        sim->Control("error " + GarpEntry + ".1.3 genErr");
        const int walks = Stat("getnext");
        ClickRow(list, 2);
        Click(w.SetBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{5});
        EXPECT_EQ(Stat("getnext"), walks) << "no read after a refused write";

        sim->Control("error " + GarpEntry + ".1.3 off");
        Click(w.RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()) && list->Count() == 4; }));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
}

TEST_F(PortVlanWindows, AClickOnTheGarpListEndsASlowRead)
{
    sim->Control("delay 300");
    InWindow<TGARPForm>([&](TGARPForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.Request && w.Request->ReadOutstanding(); }, 5000));
        Click(w.RefreshBtn); // ignored: the window is busy
        ClickRow(w.LV_dot1dPortGarpEntry, -1);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_FALSE(w.Request->ReadOutstanding());
        EXPECT_TRUE(w.GarpJoinTime->isEnabled());
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);
        EXPECT_LT(w.LV_dot1dPortGarpEntry->Count(), 4);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
