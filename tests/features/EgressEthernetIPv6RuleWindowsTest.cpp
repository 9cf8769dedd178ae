// The egress Ethernet and IPv6 ACL rule windows against the simulated switch: what each checks
// before a write, port group 64, and the IPv6 window's Add during a read and its port boxes.

#include "EgressRuleWindowFixture.h"

#include "features/acl/EgressIPv6RuleForm.h"
#include "features/acl/EgrssEthernetProfileRuleForm.h"

namespace {

constexpr const char* EthernetRule = "1.3.6.1.4.1.171.12.89.3.1.1";
constexpr const char* IPv6Rule = "1.3.6.1.4.1.171.12.89.3.3.1";

class EgressEthernetRuleWindow : public EgressRuleWindowTest {
protected:
    static void NewEthernetRule(TEgrssEthernetProfileRuleForm& w, const std::string& profile, const std::string& access)
    {
        NewEgressRule(w, w.MaskIDEdit, w.AccessEdit, profile, access);
    }
};

class EgressIPv6RuleWindow : public EgressRuleWindowTest {
protected:
    static void NewIPv6Rule(TEgressIPv6RuleForm& w, const std::string& profile, const std::string& access)
    {
        NewEgressRule(w, w.edtRuleID, w.edtRuleAccessID, profile, access);
    }
};

TEST_F(EgressEthernetRuleWindow, TakesPortGroup64)
{
    auto& w = OpenIdle<TEgrssEthernetProfileRuleForm>();
    ASSERT_EQ(w.ListView1->ColumnCount(), 20);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));
    NewEthernetRule(w, "3", "7");
    w.cbxPortGroup->SetChecked(true);
    w.PortGroupEdit->SetText("64");
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(EthernetRule, 3, "3.7") + "=4", Cell(EthernetRule, 14, "3.7") + "=64",
                                    Cell(EthernetRule, 15, "3.7") + "=2"}}));
    WaitIdle(w);
    // A rule read on group 64 is shown on it, and its Edit goes out.
    ClickRow(w.ListView1, 2);
    EXPECT_EQ(Target(w), "Port Group 64");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(EthernetRule, 3, "2.1") + "=1", Cell(EthernetRule, 14, "2.1") + "=64"}}));
    WaitIdle(w);
}

TEST_F(EgressEthernetRuleWindow, AddRefusesValuesOutOfRange)
{
    auto& w = OpenIdle<TEgrssEthernetProfileRuleForm>();
    const auto valid = [&] { NewEthernetRule(w, "3", "7"); };
    const auto typed = [&](ui::CheckBox* box, ui::Edit* edit, const char* text) {
        valid();
        box->SetChecked(true);
        edit->SetText(text);
    };
    const CheckCase cases[] = {
        {"priority 8",
         [&] {
             valid();
             Choose(w.EnablePriorityComboBox, "enabled");
             w.cbxPriority->SetChecked(true);
             w.PriorityEdit->SetText("8");
         },
         "Priority value should between 0-7", w.PriorityEdit},
        {"DSCP value 64",
         [&] {
             valid();
             Choose(w.EnableReplaceDSCPComboBox, "enabled");
             w.cbxEnableDSCPValue->SetChecked(true);
             w.DSCPEdit->SetText("64");
         },
         "Replace DSCP Value should between 0-63", w.DSCPEdit},
        {"port group 65", [&] { typed(w.cbxPortGroup, w.PortGroupEdit, "65"); }, "Port Group should between 1-64",
         w.PortGroupEdit},
        {"VLAN-based 0", [&] { typed(w.VLANBaseChkBox, w.VLANBasedVIDEdit, "0"); },
         "VLAN-based VID should between 1-4094", w.VLANBasedVIDEdit},
        {"port 385", [&] { typed(w.PortChkBox, w.PortEdit, "385"); }, "Port should between 1-384", w.PortEdit},
        {"a checked mask of 11 digits", [&] { typed(w.cbxMaskSource, w.MaskSourceEdit, "00112233445"); },
         "Please enter a valid MAC address!", w.MaskSourceEdit},
        {"empty Profile ID", [&] { valid(); w.MaskIDEdit->SetText(""); }, "Profile ID must be set.", w.MaskIDEdit},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);

    // The same mask unchecked is neither examined nor sent.
    valid();
    w.MaskSourceEdit->SetText("00112233445");
    w.cbxSource->SetChecked(true);
    w.SourceMACEdit->SetText("001122334455");
    ClearMessageBoxes();
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(EthernetRule, 3, "3.7") + "=4", Cell(EthernetRule, 6, "3.7") + "=001122334455",
                                    Cell(EthernetRule, 15, "3.7") + "=2"}}));
    WaitIdle(w);
}

TEST_F(EgressIPv6RuleWindow, AddChecksItsInputs)
{
    auto& w = OpenIdle<TEgressIPv6RuleForm>();
    ASSERT_EQ(w.ListView1->ColumnCount(), 24);
    const auto valid = [&] { NewIPv6Rule(w, "3", "7"); };
    const auto source = [&](const char* text) {
        valid();
        w.cbxRuleSrcIpv6addr->SetChecked(true);
        w.edtRuleSrcIpv6addr->SetText(text);
    };
    const CheckCase cases[] = {
        {"empty Profile ID", [&] { valid(); w.edtRuleID->SetText(""); }, "Profles ID must be set.", w.edtRuleID},
        {"31 digits", [&] { source("2001000000000000000000000000001"); },
         "Please enter a valid IPv6 address whose length is less without ':'.", w.edtRuleSrcIpv6addr},
        {"32 characters with a colon", [&] { source("2001:000000000000000000000000001"); },
         "Please enter a valid IPv6 address whose length is 32 without ':'.", w.edtRuleSrcIpv6addr},
        {"an empty port",
         [&] {
             valid();
             w.PortChkBox->SetChecked(true);
         },
         "Some check field is empty", w.PortEdit},
        {"an empty source port",
         [&] {
             valid();
             Choose(w.RuleProtoCombox, "tcp");
             w.SrcPortChx->SetChecked(true);
         },
         "Some checked field is empty", w.SrcPortEdit},
        {"Permit unchecked", [&] { valid(); w.cbxPermit->SetChecked(false); }, "Permit option must be checked.",
         w.PermitComboBox},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);
}

// A row's ports are shown with their boxes unchecked, so Edit leaves them out.
TEST_F(EgressIPv6RuleWindow, ARowsPortsAreNotSentUnlessChecked)
{
    auto& w = OpenIdle<TEgressIPv6RuleForm>();
    ClickRow(w.ListView1, 0);
    EXPECT_EQ(w.RuleProtoCombox->Text(), "tcp");
    EXPECT_EQ(w.SrcPortEdit->Text(), "1024");
    EXPECT_EQ(w.DesPortEdit->Text(), "80");
    EXPECT_FALSE(w.SrcPortChx->Checked());
    EXPECT_FALSE(w.DesPortChx->Checked());
    EXPECT_TRUE(w.SrcPortChx->isEnabled());
    EXPECT_EQ(Target(w), "VLAN-based 100");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(IPv6Rule, 3, "1.1") + "=1", Cell(IPv6Rule, 16, "1.1") + "=100"}}));
    WaitIdle(w);
    // "none" takes the ports away.
    Choose(w.RuleProtoCombox, "none");
    EXPECT_FALSE(w.SrcPortChx->isEnabled());
    EXPECT_EQ(w.SrcPortEdit->Text(), "");
}

// Add is not refused while the table is read: the write goes out, the read starts again, and
// every rule is listed once.
TEST_F(EgressIPv6RuleWindow, AddDuringAReadListsEachRuleOnce)
{
    StartSwitch();
    sim->Control("delay 100");
    auto& w = Open<TEgressIPv6RuleForm>();
    NewIPv6Rule(w, "3", "7");
    ASSERT_EQ(w.DataComplete, 0);
    Click(w.AddButton);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(IPv6Rule, 3, "3.7") + "=4", Cell(IPv6Rule, 19, "3.7") + "=2"}}));
    // The inputs stay as typed.
    EXPECT_EQ(w.edtRuleAccessID->Text(), "7");
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "3/7"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
