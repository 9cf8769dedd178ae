// The learned-group, forwarding and group windows of IGMP and MLD snooping against the simulated
// switch: the chosen row in pickers that cannot be changed, Clear Group as the switch receives it,
// Stop and Refresh, and closing while a read runs.

#include "SwitchingFixture.h"

#include "features/switching/IGMPSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/IGMPSnoopingForwardingForm.h"
#include "features/switching/IGMPSnoopingGroupForm.h"
#include "features/switching/MLDSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/MLDSnoopingForwardingTableForm.h"
#include "features/switching/MLDSnoopingGroupForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"

namespace {

const std::string IGMPDataDriven = "1.3.6.1.4.1.171.12.73.3.1.3.1";
const std::string MLDDataDriven = "1.3.6.1.4.1.171.12.73.3.2.3.1";
const std::string FF0E1 = "FF0E0000000000000000000000000001";
const std::string FF0E1Index = "255.14.0.0.0.0.0.0.0.0.0.0.0.0.0.1";

using Table = std::vector<std::vector<std::string>>;

class SnoopingLearnedWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"multicast.dat"}; }

    static bool AllEnabled(const TStackingPortUitForm* picker, bool enabled)
    {
        for (const ui::CheckBox* box : picker->PortBoxes)
            if (box->isEnabled() != enabled)
                return false;
        return true;
    }
    static std::vector<std::string> Tabs(ui::PageControl* pages)
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < pages->PageCount(); ++i)
            tabs.push_back(pages->PageCaption(pages->Page(i)));
        return tabs;
    }
    // The request of a window of this family is neither reading nor writing.
    static bool Quiet(TSnoopingLearnedForm& w) { return SwitchingWindowTest::Quiet(w.Request.get()); }
};

// After the walk of a group table the editors are off; a chosen row shows its source, group,
// timers and three port lists, the ports in boxes that stay disabled.
TEST_F(SnoopingLearnedWindows, GroupRowShowsItsPortsInDisabledPickers)
{
    InWindow<TIGMPSnoopingGroupForm>([&](TIGMPSnoopingGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Tabs(w.PageControl1),
                  (std::vector<std::string>{"Include Member Ports", "Exclude Member Ports", "Router Ports"}));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_FALSE(w.edtUptime->isEnabled());
        for (const auto& picker : w.Pickers)
            EXPECT_TRUE(AllEnabled(picker, false));

        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.stSourceIP->Caption(), "10.1.1.1");
        EXPECT_EQ(w.stGroupIP->Caption(), "239.1.1.1");
        EXPECT_EQ(w.edtUptime->Text(), "300");
        EXPECT_EQ(w.edtpExpiryTime->Text(), "260");
        EXPECT_EQ(TickedPorts(w.Pickers[0]), (std::vector<int>{2, 3}));
        EXPECT_EQ(TickedPorts(w.Pickers[1]), (std::vector<int>{5}));
        EXPECT_EQ(TickedPorts(w.Pickers[2]), (std::vector<int>{1}));
        for (const auto& picker : w.Pickers)
            EXPECT_TRUE(AllEnabled(picker, false));

        // A click beside the rows empties the editors.
        ClickRow(w.ListView1, -1);
        EXPECT_EQ(w.stSourceIP->Caption(), "");
        EXPECT_EQ(w.edtUptime->Text(), "");
        EXPECT_TRUE(TickedPorts(w.Pickers[0]).empty());
    });
    InWindow<TMLDSnoopingGroupForm>([&](TMLDSnoopingGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 0);
        EXPECT_EQ(Cells(w.ListView1)[0][0], "4");
        EXPECT_EQ(w.stSourceIP->Caption(), "20010DB8000000000000000000000001");
        EXPECT_EQ(w.stGroupIP->Caption(), FF0E1);
        EXPECT_EQ(TickedPorts(w.Pickers[2]), (std::vector<int>{8}));
        EXPECT_TRUE(AllEnabled(w.Pickers[2], false));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Set writes Clear Group of the chosen group alone and reads nothing; the list changes with the
// next Refresh only.
TEST_F(SnoopingLearnedWindows, DataDrivenSetClearsTheChosenGroupAlone)
{
    InWindow<TIGMPSnoopingDataDrivenLearingGroupForm>([&](TIGMPSnoopingDataDrivenLearingGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w) && w.ListView1->Count() == 3; }));
        EXPECT_EQ(Tabs(w.PageControl1), (std::vector<std::string>{"Router Ports"}));
        EXPECT_FALSE(w.btnSet->isEnabled());
        EXPECT_TRUE(AllEnabled(w.Pickers[0], false));

        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.stVID->Caption(), "1");
        EXPECT_EQ(w.edtIPAddress->Text(), "239.1.1.1");
        EXPECT_EQ(w.edtUptime->Text(), "120");
        EXPECT_EQ(TickedPorts(w.Pickers[0]), (std::vector<int>{1, 2}));
        EXPECT_TRUE(AllEnabled(w.Pickers[0], false));
        EXPECT_TRUE(w.btnSet->isEnabled());

        ClickRow(w.ListView1, 1);
        Choose(w.CBoxClear, "clear");
        const int walks = Stat("getnext");
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_EQ(Sets(), (Table{{IGMPDataDriven + ".100.1.239.1.1.2=2"}}));
        EXPECT_EQ(Stat("getnext"), walks);
        EXPECT_EQ(w.ListView1->Count(), 3);
        EXPECT_FALSE(w.btnSet->isEnabled());
        EXPECT_NE(StatusLine(&w).find("Set: Ok!"), std::string::npos) << StatusLine(&w);
    });
    InWindow<TMLDSnoopingDataDrivenLearingGroupForm>([&](TMLDSnoopingDataDrivenLearingGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w) && w.ListView1->Count() == 2; }));
        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.edtIPAddress->Text(), FF0E1);
        Choose(w.CBoxClear, "clear");
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_EQ(Sets(), (Table{{MLDDataDriven + ".100.1." + FF0E1Index + "=2"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Stop ends a read on a slow switch; Refresh and Set afterwards read and write again.
TEST_F(SnoopingLearnedWindows, DataDrivenWorksAgainAfterStop)
{
    sim->Control("delay 150");
    InWindow<TIGMPSnoopingDataDrivenLearingGroupForm>([&](TIGMPSnoopingDataDrivenLearingGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.StopButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_LT(w.ListView1->Count(), 3);
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);

        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "1", "3"}));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

        ClickRow(w.ListView1, 2);
        Choose(w.CBoxClear, "clear");
        Click(w.StopButton);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_EQ(Sets(), (Table{{IGMPDataDriven + ".100.3.239.3.3.3=2"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A Refresh while a read runs replaces it: each row is listed once.
TEST_F(SnoopingLearnedWindows, RefreshDuringAReadListsEveryRowOnce)
{
    sim->Control("delay 60");
    InWindow<TIGMPSnoopingDataDrivenLearingGroupForm>([&](TIGMPSnoopingDataDrivenLearingGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.btnGet);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "1", "3"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
    });
    InWindow<TIGMPSnoopingForwardingForm>([&](TIGMPSnoopingForwardingForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w); }));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "0.0.0.0", "239.1.1.2", "5[0800000000000000]"},
                                             {"1", "10.1.1.1", "239.1.1.1", "2-3[6000000000000000]"},
                                             {"2", "10.2.2.2", "239.2.2.2", "9[0080000000000000]"}}));
        ClickRow(w.ListView1, 1);
        EXPECT_EQ(w.stVID->Caption(), "1");
        EXPECT_EQ(w.edtIPAddress->Text(), "10.1.1.1");
        EXPECT_EQ(w.edtMAC->Text(), "239.1.1.1");
        EXPECT_EQ(TickedPorts(w.Pickers[0]), (std::vector<int>{2, 3}));
        EXPECT_TRUE(AllEnabled(w.Pickers[0], false));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A group window reads one read at a time: Refresh while its read runs does nothing.
TEST_F(SnoopingLearnedWindows, GroupRefreshWaitsForTheRunningRead)
{
    sim->Control("delay 100");
    const int before = Stat("getnext");
    InWindow<TMLDSnoopingGroupForm>([&](TMLDSnoopingGroupForm& w) {
        EXPECT_EQ(w.DataComplete, 0);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), std::vector<std::string>{"4"});
        const int firstWalk = Stat("getnext") - before;
        // Refresh once the window is idle: one walk more, as long as the first.
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Stat("getnext") - before, 2 * firstWalk);
        EXPECT_EQ(Captions(w.ListView1), std::vector<std::string>{"4"});
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Closing a forwarding window while its first read runs stops the read and closes, without a
// message.
TEST_F(SnoopingLearnedWindows, ForwardingClosesDuringItsFirstRead)
{
    sim->Control("delay 300");
    InWindow<TMLDSnoopingForwardingTableForm>([&](TMLDSnoopingForwardingTableForm& w) {
        EXPECT_TRUE(WindowLifecycle::Running(w.Request.get()));
        Click(w.btnClose);
        // FormClose has stopped the read and freed the request; the modal loop ends.
        EXPECT_TRUE(WaitFor([&] { return !w.Request; }, 10000));
        EXPECT_NE(w.ModalResult(), ui::mrNone);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
