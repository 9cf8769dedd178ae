// The ingress Ethernet ACL rule window against the simulated switch: Add's checks in their order,
// Add refused while the window reads, the VLAN-based rule target, and Edit, which leaves the
// window in Edit mode on the keys it wrote.

#include "AclRuleWindowFixture.h"

#include "features/acl/EthernetProfileRuleForm.h"

namespace {

constexpr const char* Rule = "1.3.6.1.4.1.171.12.9.3.1.1";

class EthernetRuleWindow : public AclRuleWindowTest {
protected:
    static void NewEthernetRule(TEthernetProfileRuleForm& w, const std::string& profile, const std::string& access)
    {
        NewRule(w, w.MaskIDEdit, w.AccessEdit, profile, access);
    }
};

TEST_F(EthernetRuleWindow, OpensInAddModeWithItsOwnLayout)
{
    auto& w = OpenIdle<TEthernetProfileRuleForm>();
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-512)");
    EXPECT_TRUE(w.AccessEdit->isEnabled());
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_FALSE(w.EditButton->isEnabled());
    EXPECT_FALSE(ui::Visible(w.RxRateEdit));
    EXPECT_FALSE(ui::Visible(w.MirrorGroupEdit));
    EXPECT_EQ(w.TosValueEdit->x(), w.RxRateEdit->x());
    EXPECT_EQ(w.RuleOwnerComboBox->Text(), "acl");
    // The VLAN group is off until " VLAN" is checked; the Permit "deny" turns the actions off.
    EXPECT_FALSE(w.RuleVIDEdit->isEnabled());
    EXPECT_FALSE(w.cbxEnablePriority->isEnabled());
}

TEST_F(EthernetRuleWindow, AddChecksTheInputsInOrder)
{
    auto& w = OpenIdle<TEthernetProfileRuleForm>();
    const auto valid = [&] { NewEthernetRule(w, "3", "7"); };
    // A box checked and its edit typed into, on inputs that pass.
    const auto typed = [&](ui::CheckBox* box, ui::Edit* edit, const char* text) {
        valid();
        box->SetChecked(true);
        edit->SetText(text);
    };
    // The same for the priority and the DSCP value, which their lists switch on first.
    const auto priority = [&](const char* text) {
        valid();
        Choose(w.EnablePriorityComboBox, "enabled");
        w.cbxPriority->SetChecked(true);
        w.PriorityEdit->SetText(text);
    };
    const auto dscp = [&](const char* text) {
        valid();
        Choose(w.EnableReplaceDSCPComboBox, "enabled");
        w.cbxEnableDSCPValue->SetChecked(true);
        w.DSCPEdit->SetText(text);
    };
    const std::string empty = "Some check field is empty.";
    const CheckCase cases[] = {
        {"empty Profile ID", [&] { valid(); w.MaskIDEdit->SetText(""); }, "Mask ID must be set.", w.MaskIDEdit},
        {"empty Access ID", [&] { valid(); w.AccessEdit->SetText(""); }, "Access ID must be set.", w.AccessEdit},
        {"VLAN group with an empty VLAN ID",
         [&] {
             valid();
             w.RuleVLANcbx->SetChecked(true);
             w.cbxVID->SetChecked(true);
         },
         empty, w.RuleVIDEdit},
        {"VLAN group with an empty VLAN mask",
         [&] {
             valid();
             w.RuleVLANcbx->SetChecked(true);
             w.cbxVLANMask->SetChecked(true);
         },
         empty, w.VLANMaskEdit},
        {"source MAC checked and empty", [&] { typed(w.cbxSource, w.SourceMACEdit, ""); }, empty, w.SourceMACEdit},
        {"source MAC of 11 digits", [&] { typed(w.cbxSource, w.SourceMACEdit, "00112233445"); },
         "Please enter a valid MAC address!", w.SourceMACEdit},
        {"a checked empty mask goes to the address check", [&] { typed(w.cbxMaskSource, w.MaskSourceEdit, ""); },
         "Please enter a valid MAC Address", w.MaskSourceEdit},
        {"priority out of range", [&] { priority("9"); }, "Priority value should between 0-7", w.PriorityEdit},
        {"priority no number", [&] { priority("-"); }, "Priority value should between 0-7", w.PriorityEdit},
        {"DSCP value out of range", [&] { dscp("64"); }, "Replace DSCP Value should between 0-63.", w.DSCPEdit},
        {"DSCP value no number", [&] { dscp("-"); }, "Replace DSCP Value should between 0-63.", w.DSCPEdit},
        {"both replace boxes",
         [&] {
             valid();
             w.cbxEnableReplaceDSCP->SetChecked(true);
             w.cbxRepTosState->SetChecked(true);
         },
         "Can not set 'Replace DSCP' or 'Replace Tos' at same time.", nullptr},
        {"VLAN-based VID checked and empty",
         [&] {
             valid();
             w.VLANBaseChkBox->SetChecked(true);
         },
         empty, w.VLANBasedVIDEdit},
        {"no port",
         [&] {
             valid();
             w.PortSelector->UncheckAll();
         },
         "You must choose at least 1 port!", nullptr},
        {"a listed rule",
         [&] {
             valid();
             w.MaskIDEdit->SetText("2");
             w.AccessEdit->SetText("1");
         },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them.", w.MaskIDEdit},
        {"Permit unchecked, last",
         [&] {
             valid();
             w.cbxPermit->SetChecked(false);
         },
         "'Permit' option must be checked.", w.PermitComboBox},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);

    // Every check passed: one write of the checked columns and the ports.
    valid();
    w.cbxSource->SetChecked(true);
    w.SourceMACEdit->SetText("0011223344AA");
    w.cbxMaskSource->SetChecked(true);
    w.MaskSourceEdit->SetText("FFFFFFFFFFFF");
    ClearMessageBoxes();
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(Rule, 4, "3.7") + "=0011223344AA", Cell(Rule, 13, "3.7") + "=2",
                                    Cell(Rule, 14, "3.7") + "=5000000000000000", Cell(Rule, 15, "3.7") + "=4",
                                    Cell(Rule, 23, "3.7") + "=FFFFFFFFFFFF"}}));
    WaitIdle(w);
}

TEST_F(EthernetRuleWindow, AddWaitsForTheOpeningRead)
{
    StartSwitch();
    sim->Control("delay 200");
    auto& w = Open<TEthernetProfileRuleForm>();
    NewEthernetRule(w, "3", "7");
    ASSERT_EQ(w.DataComplete, 0);
    Click(w.AddButton);
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."});
    EXPECT_TRUE(Sets().empty());
    WaitIdle(w);
    ClearMessageBoxes();
    NewEthernetRule(w, "3", "7");
    Click(w.AddButton);
    EXPECT_EQ(SetsReceived(1).size(), 1u);
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "3/7"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(EthernetRuleWindow, UncheckingVLANBasedVIDClearsEveryPort)
{
    auto& w = OpenIdle<TEthernetProfileRuleForm>();
    TickPorts(w.PortSelector, {1, 5});
    w.VLANBaseChkBox->SetChecked(true);
    EXPECT_EQ(TickedPorts(w.PortSelector).size(), 26u);
    EXPECT_FALSE(w.PortSelector->isEnabled());
    EXPECT_TRUE(w.VLANBasedVIDEdit->isEnabled());
    w.VLANBaseChkBox->SetChecked(false);
    EXPECT_TRUE(TickedPorts(w.PortSelector).empty());
    EXPECT_TRUE(w.PortSelector->isEnabled());
    EXPECT_FALSE(w.VLANBasedVIDEdit->isEnabled());
}

// After Edit the window keeps the edited row's keys and its Edit mode while the list is read
// again; Delete then destroys that row alone.
TEST_F(EthernetRuleWindow, EditStaysOnTheKeysItWrote)
{
    auto& w = OpenIdle<TEthernetProfileRuleForm>();
    sim->Control("delay 150");
    ClickRow(w.ListView1, 2);
    EXPECT_EQ(w.MaskIDEdit->Text(), "2");
    EXPECT_EQ(w.AccessEdit->Text(), "1");
    EXPECT_EQ(TickedPorts(w.PortSelector), std::vector<int>{5});
    w.cbxEtherType->SetChecked(true);
    w.EthTypeEdit->SetText("86DD");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(Rule, 7, "2.1") + "=86DD", Cell(Rule, 14, "2.1") + "=0800000000000000"}}));
    EXPECT_EQ(w.DataComplete, 0);
    EXPECT_TRUE(w.EditButton->isEnabled());
    EXPECT_TRUE(w.DeleteButton->isEnabled());
    EXPECT_FALSE(w.AddButton->isEnabled());
    EXPECT_EQ(w.MaskIDEdit->Text(), "2");
    EXPECT_EQ(w.AccessEdit->Text(), "1");
    // A second Edit while the list is read again is refused.
    Click(w.EditButton);
    EXPECT_EQ(LastMessageBoxText(), "Get data not complete.");
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Selected(), nullptr);
    EXPECT_EQ(w.ListView1->Item(2)->SubItem(6), "86DD");
    EXPECT_TRUE(w.DeleteButton->isEnabled());
    ClearMessageBoxes();
    Click(w.DeleteButton);
    EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Cell(Rule, 15, "2.1") + "=6"}}));
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_TRUE(w.AddButton->isEnabled());
}

} // namespace
