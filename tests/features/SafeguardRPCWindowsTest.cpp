// The safeguard engine and RPC port mapper windows against the simulated switch: the safeguard
// window's SETs one setting each in the order the thresholds need, its threshold checks, a Set
// whose order cannot be decided after a lost read, the items' flags back after every Set; the
// RPC window's port bits.

#include "SwitchingFixture.h"

#include "features/system/RPCPortMapperForm.h"
#include "features/system/SafeguardCtrlForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Safeguard = "1.3.6.1.4.1.171.12.19.2";
const std::string Rising = Safeguard + ".1.0";
const std::string Falling = Safeguard + ".2.0";
const std::string Mode = Safeguard + ".3.0";

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

class SafeguardRPCWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"portsecurity-safeguard.dat"}; }

    // Every item's access word is the one the window built it with.
    static void ExpectFlagsAsBuilt(const TSafeguardCtrlForm& w)
    {
        const MvSNMPVarList& list = w.Request->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.Item(i).access & invalid, 0) << "item " << i;
        EXPECT_EQ(list.Item(TSafeguardCtrlForm::CurrentStateItem).access, readonly);
    }

    static void Tick(TSafeguardCtrlForm& w, std::initializer_list<ui::CheckBox*> boxes)
    {
        w.btnClearCheckClick(w.btnClearCheck);
        for (ui::CheckBox* box : boxes)
            box->SetChecked(true);
    }
};

TEST_F(SafeguardRPCWindows, SafeguardReadsItsSettingsAndEnablesSetByItsBoxes)
{
    InWindow<TSafeguardCtrlForm>([&](TSafeguardCtrlForm& w) {
        EXPECT_EQ(w.edtRising->Text(), "80");
        EXPECT_EQ(w.edtFalling->Text(), "50");
        EXPECT_EQ(w.lbFalling->Caption(), "50");
        EXPECT_FALSE(w.lbFalling->isVisibleTo(&w));
        EXPECT_EQ(w.cbxMode->Text(), "strict");
        EXPECT_EQ(w.cbxAlarm->Text(), "disabled");
        EXPECT_EQ(w.cbxCurrentState->Text(), "exhausted");
        EXPECT_FALSE(w.cbxCurrentState->isEnabled());
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

        EXPECT_FALSE(w.btnSet->isEnabled());
        Click(w.ckAlarm);
        EXPECT_TRUE(w.btnSet->isEnabled());
        Click(w.ckAlarm);
        EXPECT_FALSE(w.btnSet->isEnabled());
        Click(w.btnCheckAll);
        for (ui::CheckBox* box : {w.ckRising, w.ckFalling, w.ckAlarm, w.ckMode})
            EXPECT_TRUE(box->Checked());
        EXPECT_TRUE(w.btnSet->isEnabled());
        Click(w.btnClearCheck);
        EXPECT_FALSE(w.ckMode->Checked());
        EXPECT_FALSE(w.btnSet->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// One SET a setting; the falling threshold goes first when it drops below the switch's, so the
// switch never holds a falling threshold above the rising one. The boxes stay ticked, the flags
// are back, the settings read again.
TEST_F(SafeguardRPCWindows, SafeguardSendsEachTickedSettingInTheOrderTheThresholdsNeed)
{
    struct Case {
        const char* name;
        const char* rising;
        const char* falling;
        const char* mode;
        bool risingBox, fallingBox, modeBox;
        Rows sent;
    };
    const Case cases[] = {
        {"falling drops: first", "90", "30", "strict", true, true, false, {{Falling + "=30"}, {Rising + "=90"}}},
        {"falling rises: second", "90", "60", "strict", true, true, false, {{Rising + "=90"}, {Falling + "=60"}}},
        {"mode alone", "90", "30", "fuzzy", false, false, true, {{Mode + "=2"}}},
        {"all but alarm", "85", "40", "fuzzy", true, true, true,
         {{Falling + "=40"}, {Rising + "=85"}, {Mode + "=2"}}},
    };
    InWindow<TSafeguardCtrlForm>([&](TSafeguardCtrlForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            // The switch's falling threshold is 50 again.
            ASSERT_EQ(sim->Control("data " + Falling + " i 50 rw range=20..100"), "ok");
            Click(w.btnGet);
            ASSERT_EQ(w.lbFalling->Caption(), "50");
            w.edtRising->SetText(c.rising);
            w.edtFalling->SetText(c.falling);
            Choose(w.cbxMode, c.mode);
            Tick(w, {});
            if (c.risingBox)
                w.ckRising->SetChecked(true);
            if (c.fallingBox)
                w.ckFalling->SetChecked(true);
            if (c.modeBox)
                w.ckMode->SetChecked(true);
            Click(w.btnSet);
            EXPECT_EQ(Sets(), c.sent);
            EXPECT_EQ(w.FallingFirst, 0);
            ExpectFlagsAsBuilt(w);
            EXPECT_EQ(w.ckRising->Checked(), c.risingBox);
            EXPECT_TRUE(w.btnSet->isEnabled());
            EXPECT_EQ(w.cbxMode->Text(), c.mode);
            EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        }
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A ticked threshold must be a number from 20 to 100; an unticked one is not looked at.
TEST_F(SafeguardRPCWindows, SafeguardChecksOnlyTheTickedThresholds)
{
    struct Case {
        const char* rising;
        const char* falling;
        bool thresholdsTicked;
        const char* refusal; // null: sent
        Rows sent;
    };
    const Case cases[] = {
        {"abc", "50", true, "Rising Threshold should between 20-100", {}},
        {"19", "50", true, "Rising Threshold should between 20-100", {}},
        {"101", "50", true, "Rising Threshold should between 20-100", {}},
        {"80", "", true, "Falling Threshold should between 20-100", {}},
        {"80", "101", true, "Falling Threshold should between 20-100", {}},
        {"abc", "101", false, nullptr, {{Mode + "=1"}}},
        {"100", "20", true, nullptr, {{Falling + "=20"}, {Rising + "=100"}, {Mode + "=1"}}},
    };
    InWindow<TSafeguardCtrlForm>([&](TSafeguardCtrlForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.rising) + "/" + c.falling);
            ClearMessageBoxes();
            w.edtRising->SetText(c.rising);
            w.edtFalling->SetText(c.falling);
            if (c.thresholdsTicked)
                Tick(w, {w.ckRising, w.ckFalling, w.ckMode});
            else
                Tick(w, {w.ckMode});
            Click(w.btnSet);
            EXPECT_EQ(MessageBoxTexts(), c.refusal ? Texts{c.refusal} : Texts{});
            EXPECT_EQ(Sets(), c.sent);
            ExpectFlagsAsBuilt(w);
        }
    });
}

// The first read is lost (the switch is silent), so the falling threshold last read is no number:
// with both thresholds ticked the order cannot be decided. The conversion's message shows, nothing
// is sent, the flags are back, and the next Refresh reads all five settings.
TEST_F(SafeguardRPCWindows, SafeguardSendsNothingWhenTheLastFallingThresholdIsUnknown)
{
    DefaultTimeout = 30;
    sim->Control("silence on");
    InWindow<TSafeguardCtrlForm>([&](TSafeguardCtrlForm& w) {
        EXPECT_EQ(w.edtFalling->Text(), "");
        EXPECT_EQ(w.lbFalling->Caption(), "");
        sim->Control("silence off");
        w.edtRising->SetText("90");
        w.edtFalling->SetText("30");
        Tick(w, {w.ckRising, w.ckFalling, w.ckAlarm});
        Click(w.btnSet);
        EXPECT_NE(StatusLine(&w).find("not a valid integer"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(sim->SetJournal().empty());
        ExpectFlagsAsBuilt(w);

        Click(w.btnGet);
        EXPECT_EQ(w.edtRising->Text(), "80");
        EXPECT_EQ(w.edtFalling->Text(), "50");
        EXPECT_EQ(w.cbxMode->Text(), "strict");
        EXPECT_EQ(w.cbxAlarm->Text(), "disabled");
        EXPECT_EQ(w.cbxCurrentState->Text(), "exhausted");
        EXPECT_EQ(w.lbFalling->Caption(), "50");

        w.edtRising->SetText("90");
        w.edtFalling->SetText("30");
        Click(w.btnSet);
        EXPECT_EQ(Sets(), (Rows{{Falling + "=30"}, {Rising + "=90"}, {Safeguard + ".4.0=2"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A SET the switch refuses is shown, and the settings after it still go out.
TEST_F(SafeguardRPCWindows, SafeguardGoesOnAfterARefusedSetting)
{
    InWindow<TSafeguardCtrlForm>([&](TSafeguardCtrlForm& w) {
        ASSERT_EQ(sim->Control("error " + Rising + " wrongValue").rfind("ok", 0), 0u);
        w.edtRising->SetText("90");
        Choose(w.cbxMode, "fuzzy");
        Tick(w, {w.ckRising, w.ckMode});
        Click(w.btnSet);
        EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{10, 0}));
        EXPECT_EQ(Sets(), (Rows{{Rising + "=90"}, {Mode + "=2"}}));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(w.cbxMode->Text(), "fuzzy");
        ExpectFlagsAsBuilt(w);
    });
}

// The RPC window shows the switch's ports and writes the ticked boxes as one bit each; its first
// read reports nothing in the status line, the later ones do.
TEST_F(SafeguardRPCWindows, RPCPortMapperWritesTheTickedPorts)
{
    InWindow<TRPCPortMapperForm>([&](TRPCPortMapperForm& w) {
        ASSERT_NE(w.PortPicker, nullptr);
        EXPECT_EQ(w.pgc1->PageCount(), 1);
        EXPECT_EQ(w.pgc1->PageCaption(w.pgc1->Page(0)), "Enabled Ports");
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{2, 9}));
        EXPECT_EQ(StatusLine(&w), "");

        TickPorts(w.PortPicker, {1, 3, 26});
        Click(w.SetBtn);
        EXPECT_EQ(Sets(), (Rows{{"1.3.6.1.4.1.171.12.37.6.1.0=A000004000000000"}}));
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{1, 3, 26}));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);

        ASSERT_EQ(sim->Control("data 1.3.6.1.4.1.171.12.37.6.1.0 x 00:00:00:00:00:00:00:00 rw size=0..8"), "ok");
        Click(w.BT_Get);
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
