// The egress IPv4 ACL rule window, the frame of the egress rule windows, against the simulated
// switch: its three exclusive rule targets, the Permit and Time Range rules, and reads and
// writes that wait for each other.

#include "EgressRuleWindowFixture.h"

#include "features/acl/EgressIPv4RuleForm.h"

namespace {

constexpr const char* Rule = "1.3.6.1.4.1.171.12.89.3.2.1";

class EgressIPv4RuleWindow : public EgressRuleWindowTest {
protected:
    static void NewIPv4Rule(TEgressIPv4RuleForm& w, const std::string& profile, const std::string& access)
    {
        NewEgressRule(w, w.MaskIDEdit, w.AccessIDEdit, profile, access);
    }
};

TEST_F(EgressIPv4RuleWindow, OpensInAddModeOnTheSwitchsRules)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    ASSERT_EQ(w.ListView1->ColumnCount(), 30);
    EXPECT_EQ(w.ListView1->ColumnCaption(21), "VLAN-based ID");
    EXPECT_EQ(w.ListView1->ColumnCaption(29), "Time Range Name");
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));
    EXPECT_EQ(w.StaticText1->Caption(), "3");
    EXPECT_EQ(w.PortSelector, nullptr);
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_FALSE(w.EditButton->isEnabled());
    EXPECT_EQ(Target(w), "none");
    EXPECT_FALSE(w.RuleVIDEdit->isEnabled());
    EXPECT_FALSE(w.cbxEnablePriority->isEnabled()); // "deny"
    EXPECT_FALSE(w.TimeRangeEdit->isEnabled());
    EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
}

TEST_F(EgressIPv4RuleWindow, CheckAllTakesOneTarget)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    // In column order: "VLAN-based VID" comes first and takes the other two away.
    Click(w.CheckButton);
    EXPECT_EQ(Target(w), "VLAN-based ");
    EXPECT_FALSE(w.PortChkBox->isEnabled());
    EXPECT_FALSE(w.cbxPortGroup->isEnabled());
    EXPECT_TRUE(w.RuleVLANcbx->Checked());
    Click(w.UncheckButton);
    EXPECT_EQ(Target(w), "none");
    EXPECT_FALSE(w.RuleVLANcbx->Checked());
    // A port chosen stays the target.
    w.PortChkBox->SetChecked(true);
    Click(w.CheckButton);
    EXPECT_EQ(Target(w), "Port ");
    EXPECT_FALSE(w.VLANBaseChkBox->isEnabled());
}

// A write carries the one target chosen, and none when none is.
TEST_F(EgressIPv4RuleWindow, AddWritesTheChosenTargetAlone)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    struct Case {
        const char* name;
        ui::CheckBox* box;
        ui::Edit* edit;
        const char* value;
        int column; // sub-identifier
    };
    const Case cases[] = {
        {"no target", nullptr, nullptr, "", 0},
        {"VLAN-based 100", w.VLANBaseChkBox, w.VLANBasedVIDEdit, "100", 22},
        {"port 5", w.PortChkBox, w.PortEdit, "5", 23},
        {"port group 64", w.cbxPortGroup, w.PortGroupEdit, "64", 24},
    };
    int access = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string instance = "3." + std::to_string(access);
        NewIPv4Rule(w, "3", std::to_string(access++));
        if (c.box != nullptr) {
            c.box->SetChecked(true);
            c.edit->SetText(c.value);
        }
        Click(w.AddButton);
        std::vector<std::string> expected = {Cell(Rule, 3, instance) + "=4"};
        if (c.box != nullptr)
            expected.push_back(Cell(Rule, c.column, instance) + "=" + c.value);
        expected.push_back(Cell(Rule, 25, instance) + "=2");
        EXPECT_EQ(SetsReceived(1), std::vector<std::vector<std::string>>{expected});
        WaitIdle(w);
        EXPECT_EQ(Target(w), "none"); // the inputs reset
    }
    EXPECT_EQ(w.ListView1->Count(), 7);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(EgressIPv4RuleWindow, ARowShowsItsTarget)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    const std::pair<int, std::string> rows[] = {
        {0, "VLAN-based 100"}, {1, "Port 5"}, {2, "Port Group 64"}, {0, "VLAN-based 100"},
    };
    for (const auto& [row, target] : rows) {
        ClickRow(w.ListView1, row);
        EXPECT_EQ(Target(w), target) << row;
    }
    // The row on port 5 (VLAN-based 0, Port 5, Port Group 0): only Port is usable.
    ClickRow(w.ListView1, 1);
    EXPECT_TRUE(w.PortEdit->isEnabled());
    EXPECT_FALSE(w.VLANBaseChkBox->isEnabled());
    EXPECT_FALSE(w.cbxPortGroup->isEnabled());
    EXPECT_EQ(w.MaskIDEdit->Text(), "1");
    EXPECT_EQ(w.AccessIDEdit->Text(), "2");
    EXPECT_TRUE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.AddButton->isEnabled());
    // A target cell that is no integer stops the click with the conversion message.
    w.ListView1->Item(2)->SetSubItem(w.PortColumn - 1, "x");
    ClickRow(w.ListView1, 2);
    EXPECT_EQ(LastMessageBoxText(), "'x' is not a valid integer value.");
}

TEST_F(EgressIPv4RuleWindow, DenyTakesTheActionsAndTheTimeRangeAway)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    Choose(w.PermitComboBox, "permit");
    EXPECT_TRUE(w.cbxEnablePriority->isEnabled());
    w.cbxTimeRange->SetChecked(true);
    EXPECT_TRUE(w.TimeRangeEdit->isEnabled());
    w.TimeRangeEdit->SetText("nights");
    Choose(w.EnablePriorityComboBox, "enabled");
    w.cbxPriority->SetChecked(true);
    w.PriorityEdit->SetText("3");

    Choose(w.PermitComboBox, "deny");
    for (QWidget* control : std::initializer_list<QWidget*>{w.cbxEnablePriority, w.EnablePriorityComboBox, w.cbxPriority,
                                                            w.PriorityEdit, w.cbxEnableReplaceDSCP,
                                                            w.EnableReplaceDSCPComboBox, w.cbxEnableDSCPValue,
                                                            w.EnabledDSCPEdit, w.TimeRangeEdit})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(w.cbxPriority->Checked());
    EXPECT_EQ(w.PriorityEdit->Text(), "");
    EXPECT_EQ(w.TimeRangeEdit->Text(), "");
    // The Time Range box stays: checking it again gives the edit back.
    EXPECT_TRUE(w.cbxTimeRange->isEnabled());
    w.cbxTimeRange->SetChecked(false);
    w.cbxTimeRange->SetChecked(true);
    EXPECT_TRUE(w.TimeRangeEdit->isEnabled());
}

TEST_F(EgressIPv4RuleWindow, RefreshAddAndEditWaitForTheRead)
{
    StartSwitch();
    sim->Control("delay 200");
    auto& w = Open<TEgressIPv4RuleForm>();
    ASSERT_EQ(w.DataComplete, 0);
    NewIPv4Rule(w, "3", "7");
    for (ui::Button* button : {w.GetButton, w.AddButton, w.EditButton}) {
        ClearMessageBoxes();
        button->setEnabled(true);
        Click(button);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."})
            << button->objectName().toStdString();
    }
    EXPECT_TRUE(Sets().empty());
    // Stop, then Refresh: one walk, each rule once.
    Click(w.StopButton);
    EXPECT_EQ(w.DataComplete, 1);
    Click(w.GetButton);
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));
}

// The answer of a write does not end the read sent behind it: Refresh waits for the read, and
// every rule is listed once.
TEST_F(EgressIPv4RuleWindow, AReadBehindAWriteEndsTheWait)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    sim->Control("delay 200");
    NewIPv4Rule(w, "3", "7");
    Click(w.AddButton);
    ASSERT_TRUE(WaitFor([&] { return StatusLine(&w).rfind("Set: Ok!", 0) == 0; }, 10000)) << StatusLine(&w);
    EXPECT_EQ(w.DataComplete, 0);
    Click(w.GetButton);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."});
    WaitIdle(w);
    ClearMessageBoxes();
    Click(w.GetButton);
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "3/7"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(EgressIPv4RuleWindow, EditSendsTheRowsStatusAndKeepsTheInputs)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    ClickRow(w.ListView1, 0);
    w.cbxDscp->SetChecked(true);
    w.DSCPEdit->SetText("10");
    Click(w.EditButton);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(Rule, 3, "1.1") + "=1", Cell(Rule, 10, "1.1") + "=10",
                                    Cell(Rule, 22, "1.1") + "=100"}}));
    EXPECT_EQ(w.DSCPEdit->Text(), "10");
    EXPECT_EQ(w.MaskIDEdit->Text(), "1");
    EXPECT_TRUE(w.EditButton->isEnabled());
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(8), "10");
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The duplicate test compares texts: "01" is no "1", so the write goes out and the switch
// refuses it in a box captioned with the program's file name.
TEST_F(EgressIPv4RuleWindow, TheSwitchsRefusalIsShownByTheWindow)
{
    auto& w = OpenIdle<TEgressIPv4RuleForm>();
    NewIPv4Rule(w, "1", "1");
    Click(w.AddButton);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{
                                     "Has already a record with the same Profile ID and Access ID. Please change eithor of them."});
    EXPECT_TRUE(Sets().empty());
    ClearMessageBoxes();
    NewIPv4Rule(w, "1", "01");
    Click(w.AddButton);
    ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 10000));
    EXPECT_EQ(MessageBoxes()[0].Caption, ProgramName());
    EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{12});
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Count(), 3);
}

} // namespace
