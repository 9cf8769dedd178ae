// The ingress IPv6 ACL rule window against the simulated switch: Edit's writes (the other
// columns, then the flow label, the port list and each port mask alone), Add's one write, the
// checks before a write and the protocol and replace rules.

#include "AclRuleWindowFixture.h"

#include "features/acl/Ipv6RuleForm.h"

namespace {

constexpr const char* Rule = "1.3.6.1.4.1.171.12.9.3.4.1";

class Ipv6RuleWindow : public AclRuleWindowTest {
protected:
    static void NewIpv6Rule(TIpv6RuleForm& w, const std::string& profile, const std::string& access)
    {
        NewRule(w, w.edtRuleID, w.edtRuleAccessID, profile, access);
    }
    static void Typed(ui::CheckBox* box, ui::Edit* edit, const std::string& text)
    {
        box->SetChecked(true);
        edit->SetText(text);
    }
};

TEST_F(Ipv6RuleWindow, OpensWithProfileIDsOneToFour)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-4)");
    EXPECT_FALSE(ui::Visible(w.RxRateEdit));
    EXPECT_FALSE(ui::Visible(w.MirrorGroupEdit));
    // Protocol none: its fields off.
    EXPECT_EQ(w.RuleProtoCombox->Text(), "none");
    EXPECT_FALSE(w.SrcPortEdit->isEnabled());
    EXPECT_FALSE(w.edtType->isEnabled());
    // A row shows its protocol's fields.
    ClickRow(w.ListView1, 0);
    EXPECT_EQ(w.edtRuleID->Text(), "1");
    EXPECT_FALSE(w.edtRuleID->isEnabled());
    EXPECT_EQ(w.RuleProtoCombox->Text(), "tcp");
    EXPECT_TRUE(w.DesPortEdit->isEnabled());
    EXPECT_EQ(w.DesPortEdit->Text(), "80");
    EXPECT_EQ(w.edtRuleSrcIpv6addr->Text(), "20010DB8000000000000000000000000");
    EXPECT_EQ(TickedPorts(w.PortSelector), (std::vector<int>{1, 2}));
}

// Edit writes the checked columns first, then each of the columns written apart, one after the
// other without waiting; with "VLAN-based VID" checked the VLAN-based ID rides in the first
// write and no port list follows.
TEST_F(Ipv6RuleWindow, EditWritesTheFlowLabelPortsAndPortMasksApart)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    ClickRow(w.ListView1, 0);
    Typed(w.cbxRuleClass, w.edtRuleClass, "5");
    Typed(w.cbxRuleFlowlabel, w.edtRuleFlowlabel, "000ABCDE");
    Typed(w.SrcPortMaskChx, w.SrcPortMaskEdit, "00FF");
    Typed(w.DesPorMasktChx, w.DesPortMaskEdit, "FF00");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(5), (std::vector<std::vector<std::string>>{
                                   {Cell(Rule, 3, "1.1") + "=5"},
                                   {Cell(Rule, 4, "1.1") + "=000ABCDE"},
                                   {Cell(Rule, 11, "1.1") + "=C000000000000000"},
                                   {Cell(Rule, 25, "1.1") + "=00FF"},
                                   {Cell(Rule, 26, "1.1") + "=FF00"},
                               }));
    // The inputs stay while the list is read again.
    EXPECT_EQ(w.edtRuleClass->Text(), "5");
    EXPECT_TRUE(w.EditButton->isEnabled());
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(2), "000ABCDE");
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(23), "FF00");
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

    // 1/2 is bound to VLAN 200.
    ClickRow(w.ListView1, 1);
    ASSERT_TRUE(w.VLANBaseChkBox->Checked());
    for (ui::CheckBox* box : {w.cbxRuleFlowlabel, w.SrcPortMaskChx, w.DesPorMasktChx})
        box->SetChecked(false);
    Typed(w.cbxRuleClass, w.edtRuleClass, "6");
    Click(w.EditButton);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(Rule, 3, "1.2") + "=6", Cell(Rule, 19, "1.2") + "=200"}}));
    WaitIdle(w);
    EXPECT_TRUE(Sets().empty());
}

TEST_F(Ipv6RuleWindow, AddWritesEverythingInOneWrite)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    NewIpv6Rule(w, "3", "7");
    Typed(w.cbxRuleFlowlabel, w.edtRuleFlowlabel, "00012345");
    Choose(w.RuleProtoCombox, "udp");
    Typed(w.SrcPortMaskChx, w.SrcPortMaskEdit, "FFFF");
    Typed(w.DesPorMasktChx, w.DesPortMaskEdit, "0FFF");
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(Rule, 4, "3.7") + "=00012345", Cell(Rule, 10, "3.7") + "=2",
                                    Cell(Rule, 11, "3.7") + "=5000000000000000", Cell(Rule, 12, "3.7") + "=4",
                                    Cell(Rule, 25, "3.7") + "=FFFF", Cell(Rule, 26, "3.7") + "=0FFF"}}));
    // The inputs stay for a next rule like it.
    EXPECT_EQ(w.edtRuleFlowlabel->Text(), "00012345");
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "3/7"}));
}

// The switch refuses the first of Edit's writes: one box, and the writes apart still go out.
TEST_F(Ipv6RuleWindow, ARefusedWriteOfAnEditLeavesTheOthersGoing)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    ClickRow(w.ListView1, 0);
    sim->Control(std::string("error ") + Cell(Rule, 3, "1.1") + " genErr");
    Typed(w.cbxRuleClass, w.edtRuleClass, "5");
    Typed(w.cbxRuleFlowlabel, w.edtRuleFlowlabel, "00000001");
    Typed(w.DesPorMasktChx, w.DesPortMaskEdit, "00F0");
    Click(w.EditButton);
    // The class, then the flow label, the port list and the destination port mask.
    ASSERT_TRUE(WaitFor([&] { return sim->SetJournal().size() >= 4; }, 10000));
    WaitIdle(w);
    EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{5, 0, 0, 0}));
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
    EXPECT_EQ(MessageBoxes()[0].Caption, ProgramName());
    sim->Control(std::string("error ") + Cell(Rule, 3, "1.1") + " off");
    Click(w.GetButton);
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(1), "0");        // the class as it was
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(2), "00000001"); // the flow label written
}

TEST_F(Ipv6RuleWindow, AddChecksTheInputsInOrder)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    const auto valid = [&] { NewIpv6Rule(w, "3", "7"); };
    const auto typed = [&](ui::CheckBox* box, ui::Edit* edit, const char* text) {
        valid();
        Typed(box, edit, text);
    };
    const std::string ipv6 = "Please enter a valid IPv6 address whose length is 32 without ':'.";
    const std::string hex31(31, 'A');
    const CheckCase cases[] = {
        {"empty Profile ID", [&] { valid(); w.edtRuleID->SetText(""); }, "Profile ID must be set.", w.edtRuleID},
        {"empty Access ID", [&] { valid(); w.edtRuleAccessID->SetText(""); }, "Access ID must be set.",
         w.edtRuleAccessID},
        {"source mask checked and empty", [&] { typed(w.cbxRuleSrcIpv6addrMask, w.edtRuleSrcIpv6addrMask, ""); },
         "Some checked field is empty.", w.edtRuleSrcIpv6addrMask},
        {"source address of 31 digits", [&] { typed(w.cbxRuleSrcIpv6addr, w.edtRuleSrcIpv6addr, hex31.c_str()); },
         ipv6, w.edtRuleSrcIpv6addr},
        {"source address with colons", [&] { typed(w.cbxRuleSrcIpv6addr, w.edtRuleSrcIpv6addr, "FE80::1"); }, ipv6,
         w.edtRuleSrcIpv6addr},
        {"destination address with a g",
         [&] { typed(w.cbxRuleDstIpv6addr, w.edtRuleDstIpv6addr, "2001000000000000000000000000000g"); }, ipv6,
         w.edtRuleDstIpv6addr},
        {"class checked and empty", [&] { typed(w.cbxRuleClass, w.edtRuleClass, ""); }, "Some checked field is empty.",
         w.edtRuleClass},
        {"flow label of 7 digits", [&] { typed(w.cbxRuleFlowlabel, w.edtRuleFlowlabel, "0001234"); }, "Invalid data.",
         w.edtRuleFlowlabel},
        {"both replace boxes",
         [&] {
             valid();
             w.cbxEnableReplaceDSCP->SetChecked(true);
             w.cbxRepTosState->SetChecked(true);
         },
         "Only Can Set Replace DSCP or Replace Tos Each Time.", nullptr},
        {"VLAN-based VID checked and empty", [&] { typed(w.VLANBaseChkBox, w.VLANBasedVIDEdit, ""); },
         "Some check field is empty.", w.VLANBasedVIDEdit},
        {"no port",
         [&] {
             valid();
             w.PortSelector->UncheckAll();
         },
         "You must choose at least 1 port!", nullptr},
        {"source port checked and empty",
         [&] {
             valid();
             Choose(w.RuleProtoCombox, "tcp");
             Typed(w.SrcPortChx, w.SrcPortEdit, "");
         },
         "Some checked field is empty", w.SrcPortEdit},
        {"a listed rule",
         [&] {
             valid();
             w.edtRuleID->SetText("2");
             w.edtRuleAccessID->SetText("1");
         },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them.", w.edtRuleID},
        {"Permit unchecked, last",
         [&] {
             valid();
             w.cbxPermit->SetChecked(false);
         },
         "Permit option must be checked.", w.PermitComboBox},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);

    // A flow label of eight digits passes.
    typed(w.cbxRuleFlowlabel, w.edtRuleFlowlabel, "000FFFFF");
    ClearMessageBoxes();
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1).size(), 1u);
    WaitIdle(w);
}

TEST_F(Ipv6RuleWindow, EachProtocolSwitchesItsFields)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    struct Field {
        ui::CheckBox* box;
        ui::Edit* edit;
    };
    const Field fields[] = {
        {w.TypeChx, w.edtType},         {w.CodeChx, w.edtCode},           {w.SrcPortChx, w.SrcPortEdit},
        {w.SrcPortMaskChx, w.SrcPortMaskEdit}, {w.DesPortChx, w.DesPortEdit}, {w.DesPorMasktChx, w.DesPortMaskEdit},
    };
    struct Case {
        const char* protocol;
        const char* enabled; // one letter per field, in the order above
    };
    const Case cases[] = {{"tcp", "--xxxx"}, {"icmp", "xx----"}, {"udp", "--xxxx"}, {"none", "------"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol);
        for (const Field& f : fields)
            if (f.edit->isEnabled()) {
                f.edit->SetText("1");
                f.box->SetChecked(true);
            }
        Choose(w.RuleProtoCombox, c.protocol);
        for (std::size_t k = 0; k < std::size(fields); ++k) {
            const bool on = c.enabled[k] == 'x';
            EXPECT_EQ(fields[k].box->isEnabled(), on) << fields[k].box->objectName().toStdString();
            EXPECT_EQ(fields[k].edit->isEnabled(), on) << fields[k].edit->objectName().toStdString();
            if (!on) {
                EXPECT_FALSE(fields[k].box->Checked()) << fields[k].box->objectName().toStdString();
                EXPECT_EQ(fields[k].edit->Text(), "") << fields[k].edit->objectName().toStdString();
            }
        }
    }
}

TEST_F(Ipv6RuleWindow, ReplaceDSCPTakesTheToSValueAway)
{
    auto& w = OpenIdle<TIpv6RuleForm>();
    Choose(w.PermitComboBox, "permit");
    Choose(w.RepTosStateComboBox, "enabled");
    ASSERT_TRUE(w.TosValueEdit->isEnabled());
    Typed(w.cbxRepTosValue, w.TosValueEdit, "3");
    Choose(w.EnableReplaceDSCPComboBox, "enabled");
    EXPECT_TRUE(w.DSCPEdit->isEnabled());
    EXPECT_FALSE(w.RepTosStateComboBox->isEnabled());
    EXPECT_FALSE(w.TosValueEdit->isEnabled());
    EXPECT_EQ(w.TosValueEdit->Text(), "");
    EXPECT_FALSE(w.cbxRepTosValue->isEnabled());
    EXPECT_FALSE(w.cbxRepTosValue->Checked());
}

} // namespace
