// The CPU interface filter IPv4 rule window against the simulated switch: its list, Add's checks
// in their order, what Add, Edit and Delete write, the protocol and "VLAN" rules, and a window
// that has read and written before each click returns.

#include "CPUFilterFixture.h"

#include "features/acl/CPUFilterIPRuleForm.h"

namespace {

using Pdus = std::vector<std::string>;

class CPUFilterIPv4RuleWindow : public CPUFilterWindowTest {
protected:
    TCPUFilterIPRuleForm& OpenIPv4() { return OpenWindow<TCPUFilterIPRuleForm>(); }
    static void NewIPv4Rule(TCPUFilterIPRuleForm& w, const std::string& profile, const std::string& access)
    {
        NewRule(w, w.ProfileIDEdit, w.AccessEdit, profile, access);
    }
    Pdus Written() { return Columns(Sets(), IPv4Rule); }
};

TEST_F(CPUFilterIPv4RuleWindow, OpensWithTheRulesReadAndNothingLogged)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    // Read before the window showed; nothing to wait for.
    EXPECT_EQ(w.DataComplete, 1);
    EXPECT_EQ(w.Request->Mode, 0);
    ASSERT_EQ(w.ListView1->ColumnCount(), 18);
    EXPECT_EQ(w.ListView1->ColumnCaption(6), "Protocol");
    EXPECT_EQ(w.ListView1->ColumnCaption(16), "Port");
    EXPECT_EQ(w.ListView1->ColumnCaption(17), "VLAN ID");
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/3", "2/1"}));
    EXPECT_EQ(w.StaticText1->Caption(), "3");
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(5), "tcp");
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(15).rfind("1-3", 0), 0u) << w.ListView1->Item(0)->SubItem(15);
    // A successful read writes no line anywhere.
    EXPECT_EQ(Panel0(&w), "");
    EXPECT_EQ(HiddenLine(&w), "");
    // The first rule typed permits and is created.
    EXPECT_EQ(w.PermitComboBox->Text(), "permit");
    EXPECT_EQ(w.RowComboBox->Text(), "createAndGo");
    EXPECT_EQ(w.ProtocolComboBox->Text(), "none");
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_FALSE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.DeleteButton->isEnabled());
    EXPECT_FALSE(w.cbxVID->isEnabled()); // "VLAN" off
    EXPECT_FALSE(w.cbxType->isEnabled()); // protocol none
    EXPECT_FALSE(ui::Visible(w.cbxRow));
    EXPECT_FALSE(ui::Visible(w.RowComboBox));
    EXPECT_EQ(w.PortSelector->PortBoxes.size(), 6u * 64u);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(CPUFilterIPv4RuleWindow, AnEmptyTableListsNothing)
{
    StartCPUFilterSwitch({"cpufilter-empty.dat"});
    TCPUFilterIPRuleForm& w = OpenIPv4();
    EXPECT_EQ(w.ListView1->Count(), 0);
    EXPECT_EQ(w.StaticText1->Caption(), "0");
    EXPECT_FALSE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.DeleteButton->isEnabled());
}

TEST_F(CPUFilterIPv4RuleWindow, AddChecksTheInputsInOrder)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    const auto valid = [&] { NewIPv4Rule(w, "3", "7"); };
    const std::string empty = "Some check field is empty";
    const CheckCase cases[] = {
        {"empty Profile ID", [&] { valid(); w.ProfileIDEdit->SetText(""); }, "Profile ID must be set.", w.ProfileIDEdit},
        {"empty Access ID", [&] { valid(); w.AccessEdit->SetText(""); }, "Access ID must be set.", w.AccessEdit},
        {"VLAN group with an empty VLAN ID",
         [&] {
             valid();
             w.RuleVLANcbx->SetChecked(true);
             w.cbxVID->SetChecked(true);
         },
         empty, w.RuleVIDEdit},
        {"ICMP Code checked and empty",
         [&] {
             valid();
             Choose(w.ProtocolComboBox, "icmp");
             w.cbxCode->SetChecked(true);
         },
         empty, w.CodeEdit},
        {"no port",
         [&] {
             valid();
             w.PortSelector->UncheckAll();
         },
         "You must choose at least 1 port!", nullptr},
        {"a listed rule",
         [&] {
             valid();
             w.ProfileIDEdit->SetText("1");
             w.AccessEdit->SetText("3");
         },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them.", w.ProfileIDEdit},
        // "03" is no duplicate of the listed "3": the check after it speaks.
        {"Permit unchecked, last",
         [&] {
             valid();
             w.ProfileIDEdit->SetText("1");
             w.AccessEdit->SetText("03");
             w.cbxPermit->SetChecked(false);
         },
         "Permit option must be checked.", w.PermitComboBox},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);
}

TEST_F(CPUFilterIPv4RuleWindow, AddWritesTheCheckedColumnsThePortsAndNeverTheProtocol)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    NewIPv4Rule(w, "3", "7");
    w.cbxDSCP->SetChecked(true);
    w.DSCPEdit->SetText("10");
    Choose(w.ProtocolComboBox, "tcp");
    w.cbxProtocol->SetChecked(true);
    w.cbxSourcePort->SetChecked(true);
    w.SourcePortEdit->SetText("22");
    w.DestPortEdit->SetText("80"); // typed, not checked
    // A checked VLAN ID whose group is switched off again stays out.
    w.RuleVLANcbx->SetChecked(true);
    w.cbxVID->SetChecked(true);
    w.RuleVIDEdit->SetText("5");
    w.RuleVLANcbx->SetChecked(false);
    ASSERT_TRUE(w.cbxVID->Checked());
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Written(), (Pdus{"6.3.7=10 10.3.7=22 15.3.7=2 16.3.7=4 17.3.7=5000000000000000"}));
    // Written and read again when the click returns: Add mode, the inputs reset.
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/3", "2/1", "3/7"}));
    EXPECT_EQ(w.StaticText1->Caption(), "4");
    EXPECT_EQ(w.ProfileIDEdit->Text(), "");
    EXPECT_FALSE(w.cbxPermit->Checked());
    EXPECT_TRUE(TickedPorts(w.PortSelector).empty());
    EXPECT_EQ(Panel0(&w), "");
}

TEST_F(CPUFilterIPv4RuleWindow, EditWritesThePortsAndLeavesOutAnActiveStatus)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    ClickRow(w.ListView1, 0);
    EXPECT_FALSE(w.ProfileIDEdit->isEnabled());
    EXPECT_EQ(w.ProfileIDEdit->Text(), "1");
    EXPECT_EQ(w.RowComboBox->Text(), "active");
    EXPECT_TRUE(w.cbxSourcePort->isEnabled()); // the row's protocol, tcp
    EXPECT_FALSE(w.cbxType->isEnabled());
    EXPECT_EQ(TickedPorts(w.PortSelector), (std::vector<int>{1, 2, 3}));
    w.cbxDSCP->SetChecked(true);
    w.DSCPEdit->SetText("12");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Written(), (Pdus{"6.1.1=12 17.1.1=E000000000000000"}));
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(4), "12");
    EXPECT_TRUE(w.AddButton->isEnabled());

    // A notInService row's status goes with it.
    ClickRow(w.ListView1, 1);
    ASSERT_EQ(w.RowComboBox->Text(), "notInService");
    Click(w.EditButton);
    EXPECT_EQ(Written(), (Pdus{"16.1.3=2 17.1.3=0800000000000000"}));
}

TEST_F(CPUFilterIPv4RuleWindow, EditWithDestroyChosenDeletesTheRule)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    ClickRow(w.ListView1, 1);
    w.cbxRow->SetChecked(true);
    w.RowComboBox->SetItemIndex(TAclRuleFrame::DestroyIndex);
    w.cbxDSCP->SetChecked(true);
    w.DSCPEdit->SetText("12");
    Click(w.EditButton);
    EXPECT_EQ(Written(), (Pdus{"16.1.3=6"}));
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "2/1"}));
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(CPUFilterIPv4RuleWindow, DeleteWritesDestroyAloneWithoutAQuestion)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    ClickRow(w.ListView1, 2);
    w.cbxDSCP->SetChecked(true);
    w.DSCPEdit->SetText("12");
    Click(w.DeleteButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Written(), (Pdus{"16.2.1=6"}));
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/3"}));
    EXPECT_EQ(w.Request->Mode, 0);
    EXPECT_FALSE(w.DeleteButton->isEnabled());
    EXPECT_TRUE(w.ProfileIDEdit->isEnabled());
    EXPECT_EQ(Panel0(&w), "");
}

// A write the switch refuses is shown by the request; the window reads what the switch holds.
TEST_F(CPUFilterIPv4RuleWindow, ARefusedWriteIsShownAndTheTableReadAgain)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    // "01"/"1" is no duplicate in the list, but the switch has the row.
    NewIPv4Rule(w, "01", "1");
    Click(w.AddButton);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{12})); // inconsistentValue
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/3", "2/1"}));
    EXPECT_TRUE(w.AddButton->isEnabled());
}

TEST_F(CPUFilterIPv4RuleWindow, EachProtocolSwitchesItsFields)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    struct Field {
        ui::CheckBox* box;
        ui::Edit* edit;
    };
    const Field fields[] = {
        {w.cbxType, w.TypeEdit}, {w.cbxCode, w.CodeEdit}, {w.cbxSourcePort, w.SourcePortEdit},
        {w.cbxDestPort, w.DestPortEdit}, {w.cbxFBs, w.FlagEdit}, {w.cbxProtocolID, w.ProtocolIDEdit},
        {w.cbxUserMask, w.UserMaskEdit},
    };
    struct Case {
        const char* protocol;
        const char* enabled; // one letter per field, in the order above
    };
    const Case cases[] = {
        {"icmp", "xx-----"}, {"igmp", "x------"}, {"tcp", "--xxx--"},
        {"udp", "--xx---"},  {"protocolId", "-----xx"}, {"none", "-------"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol);
        // Every field holds a value and is checked before the choice.
        for (const Field& f : fields) {
            f.box->setEnabled(true);
            f.box->SetChecked(true);
            f.edit->setEnabled(true);
            f.edit->SetText("1");
        }
        Choose(w.ProtocolComboBox, c.protocol);
        for (std::size_t k = 0; k < std::size(fields); ++k) {
            const bool on = c.enabled[k] == 'x';
            const std::string name = fields[k].box->objectName().toStdString();
            EXPECT_EQ(fields[k].box->isEnabled(), on) << name;
            EXPECT_EQ(fields[k].edit->isEnabled(), on) << name;
            EXPECT_EQ(fields[k].box->Checked(), on) << name;
            EXPECT_EQ(fields[k].edit->Text(), on ? "1" : "") << name;
        }
    }
}

TEST_F(CPUFilterIPv4RuleWindow, RefreshResetsTheListsButNotTheProtocolFields)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    Choose(w.ProtocolComboBox, "udp");
    Click(w.GetButton);
    EXPECT_EQ(w.PermitComboBox->Text(), "deny");
    EXPECT_EQ(w.ProtocolComboBox->Text(), "none");
    EXPECT_EQ(w.RowComboBox->Text(), "active");
    EXPECT_TRUE(w.SourcePortEdit->isEnabled());
    EXPECT_FALSE(w.TypeEdit->isEnabled());
    EXPECT_EQ(w.ListView1->Count(), 3);
}

// "VLAN" is checked first: Check All checks its boxes too; disabled boxes stay unchecked.
TEST_F(CPUFilterIPv4RuleWindow, CheckAllAndClearChecks)
{
    TCPUFilterIPRuleForm& w = OpenIPv4();
    Click(w.AddCheckButton);
    EXPECT_TRUE(w.RuleVLANcbx->Checked());
    for (ui::CheckBox* box : {w.cbxVID, w.cbxVlanName, w.cbxSourceIP, w.cbxDestIP, w.cbxDSCP, w.cbxPermit})
        EXPECT_TRUE(box->Checked()) << box->objectName().toStdString();
    EXPECT_FALSE(w.cbxType->Checked()); // protocol none
    EXPECT_TRUE(TickedPorts(w.PortSelector).empty());
    Click(w.CleanCheButton);
    EXPECT_FALSE(w.RuleVLANcbx->Checked());
    EXPECT_FALSE(w.cbxVID->isEnabled());
    for (ui::CheckBox* box : {w.cbxVID, w.cbxVlanName, w.cbxSourceIP, w.cbxPermit})
        EXPECT_FALSE(box->Checked()) << box->objectName().toStdString();
}

} // namespace
