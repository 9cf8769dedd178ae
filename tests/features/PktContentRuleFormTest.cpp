// The packet content rule window against the simulated switch: chunk contents and masks as
// four octets, their checks, Check All and Clear Checks on their own lists, and the ToS rule.

#include "AclRuleWindowFixture.h"

#include "features/acl/PktContentRuleForm.h"

namespace {

constexpr const char* Rule = "1.3.6.1.4.1.171.12.9.3.7.1";

class PktContentRuleWindow : public AclRuleWindowTest {
protected:
    static void NewContentRule(TPktContentRuleForm& w, const std::string& profile, const std::string& access)
    {
        NewRule(w, w.edtProfile, w.edtAccess, profile, access);
    }
    static void Typed(ui::CheckBox* box, ui::Edit* edit, const std::string& text)
    {
        box->SetChecked(true);
        edit->SetText(text);
    }
};

TEST_F(PktContentRuleWindow, ARowShowsItsChunks)
{
    auto& w = OpenIdle<TPktContentRuleForm>();
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-512)");
    EXPECT_FALSE(ui::Visible(w.CheckBtn));
    EXPECT_FALSE(ui::Visible(w.RxRateEdit));
    EXPECT_EQ(w.TosValueEdit->x(), w.RxRateEdit->x());
    EXPECT_TRUE(w.edtChunk1Value->ReadOnly());
    ClickRow(w.ListView1, 0);
    EXPECT_EQ(w.edtProfile->Text(), "1");
    EXPECT_EQ(w.edtAccess->Text(), "1");
    EXPECT_EQ(w.edtChunk2Value->Text(), "1");
    EXPECT_EQ(w.edtChunk1Offset->Text(), "0000FFFF");
    EXPECT_EQ(w.EdtMask1->Text(), "FFFFFFFF");
    EXPECT_EQ(w.OwnerComboBox->Text(), "acl");
    EXPECT_EQ(TickedPorts(w.PortSelector), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.edtProfile->isEnabled());
}

TEST_F(PktContentRuleWindow, AChunkGoesOutAsFourOctets)
{
    auto& w = OpenIdle<TPktContentRuleForm>();
    NewContentRule(w, "1", "3");
    Typed(w.cbxChunk1Offset, w.edtChunk1Offset, "0000FFFF");
    Typed(w.CheckBox1, w.EdtMask1, "0000ffff");
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    ASSERT_TRUE(WaitFor([&] { return !sim->SetJournal().empty(); }, 10000));
    const std::vector<SetJournalPdu> pdus = sim->SetJournal();
    ASSERT_EQ(pdus.size(), 1u);
    ASSERT_FALSE(pdus[0].empty());
    EXPECT_EQ(pdus[0][0].oid, Cell(Rule, 4, "1.3"));
    EXPECT_EQ(pdus[0][0].Octets(), std::string("\x00\x00\xFF\xFF", 4));
    EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                          {Cell(Rule, 4, "1.3") + "=0000FFFF", Cell(Rule, 16, "1.3") + "=2",
                           Cell(Rule, 17, "1.3") + "=5000000000000000", Cell(Rule, 18, "1.3") + "=4",
                           Cell(Rule, 26, "1.3") + "=0000FFFF"}}));
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "1/3"}));
}

TEST_F(PktContentRuleWindow, AddChecksTheInputsInOrder)
{
    auto& w = OpenIdle<TPktContentRuleForm>();
    const auto valid = [&] { NewContentRule(w, "1", "3"); };
    const auto typed = [&](ui::CheckBox* box, ui::Edit* edit, const char* text) {
        valid();
        Typed(box, edit, text);
    };
    const CheckCase cases[] = {
        {"empty Profile ID", [&] { valid(); w.edtProfile->SetText(""); }, "IP Rule ID must be set.", w.edtProfile},
        {"empty Access ID", [&] { valid(); w.edtAccess->SetText(""); }, "IP Rule Access ID must be set.", w.edtAccess},
        {"chunk 2 content checked and empty", [&] { typed(w.cbxChunk2Offset, w.edtChunk2Offset, ""); },
         "Some checked field is empty", w.edtChunk2Offset},
        // Chunk 3's content takes any character while typed, not at the write.
        {"chunk 3 content not hexadecimal", [&] { typed(w.cbxChunk3Offset, w.edtChunk3Offset, "0000FFFG"); },
         "Invalid Offset", w.edtChunk3Offset},
        {"chunk 4 content short", [&] { typed(w.cbxChunk4Offset, w.edtChunk4Offset, "FFFF"); }, "Invalid Offset",
         w.edtChunk4Offset},
        {"chunk 1 mask checked and empty", [&] { typed(w.CheckBox1, w.EdtMask1, ""); }, "Some checked field is empty",
         w.EdtMask1},
        {"chunk 2 mask of nine digits", [&] { typed(w.CheckBox2, w.EdtMask2, "0FFFFFFFF"); }, "Invalid Offset",
         w.EdtMask2},
        {"priority checked and empty",
         [&] {
             valid();
             Choose(w.EnablePriorityComboBox, "enabled");
             w.cbxPriority->SetChecked(true);
         },
         "Some checked field is empty.", w.PriorityEdit},
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
             w.VLANBaseChkBox->SetChecked(false);
             w.PortSelector->UncheckAll();
         },
         "You must choose at least 1 port!", nullptr},
        {"a listed rule",
         [&] {
             valid();
             w.edtAccess->SetText("2");
         },
         "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.", w.edtProfile},
        {"Permit unchecked, last",
         [&] {
             valid();
             w.cbxPermit->SetChecked(false);
         },
         "Permit option must be checked.", w.PermitComboBox},
    };
    for (const CheckCase& c : cases)
        ExpectRefused(w.AddButton, c);
}

// Check All checks its own list, the DSCP boxes only while Replace DSCP reads "enabled"; a rule
// typed in full is then written whole.
TEST_F(PktContentRuleWindow, CheckAllAndClearChecks)
{
    auto& w = OpenIdle<TPktContentRuleForm>();
    NewContentRule(w, "2", "1");
    const std::vector<ui::CheckBox*> fixed = {w.cbxChunk1Offset, w.cbxChunk2Offset, w.cbxChunk3Offset,
                                              w.cbxChunk4Offset, w.cbxEnablePriority, w.CheckBox1,
                                              w.CheckBox2,       w.CheckBox3,        w.CheckBox4,
                                              w.cbxPermit,       w.cbxRow};
    Click(w.CheckButton);
    for (ui::CheckBox* box : fixed)
        EXPECT_TRUE(box->Checked()) << box->objectName().toStdString();
    EXPECT_FALSE(w.cbxPriority->Checked()); // off while Enable Priority reads "disabled"
    EXPECT_FALSE(w.cbxEnableDSCPValue->Checked());
    EXPECT_FALSE(w.cbxEnableReplaceDSCP->Checked());
    EXPECT_FALSE(w.cbxRxRate->Checked());
    EXPECT_FALSE(w.VLANBaseChkBox->Checked());

    Choose(w.EnableReplaceDSCPComboBox, "enabled");
    Click(w.CheckButton);
    EXPECT_TRUE(w.cbxEnableDSCPValue->Checked());
    EXPECT_TRUE(w.cbxEnableReplaceDSCP->Checked());
    EXPECT_TRUE(w.cbxEnableDSCPValue->isEnabled());

    for (ui::Edit* edit : {w.edtChunk1Offset, w.edtChunk2Offset, w.edtChunk3Offset, w.edtChunk4Offset, w.EdtMask1,
                           w.EdtMask2, w.EdtMask3, w.EdtMask4})
        edit->SetText("000000FF");
    w.DSCPEdit->SetText("46");
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    ASSERT_TRUE(WaitFor([&] { return !sim->SetJournal().empty(); }, 10000));
    WaitIdle(w);
    EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
    // The contents and masks, Enable Priority, Replace DSCP and its value, Permit, the ports and
    // Row Status; not the priority (switched off), nor the ToS pair.
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].size(), 14u);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));

    Click(w.CheckButton);
    Click(w.UncheckButton);
    for (ui::CheckBox* box : fixed)
        EXPECT_FALSE(box->Checked()) << box->objectName().toStdString();
    EXPECT_FALSE(w.cbxEnableDSCPValue->Checked());
}

TEST_F(PktContentRuleWindow, ReplaceToSTakesTheDSCPValueAway)
{
    auto& w = OpenIdle<TPktContentRuleForm>();
    Choose(w.PermitComboBox, "permit");
    Choose(w.EnableReplaceDSCPComboBox, "enabled");
    Typed(w.cbxEnableDSCPValue, w.DSCPEdit, "10");
    Choose(w.EnableReplaceDSCPComboBox, "disabled");
    Choose(w.RepTosStateComboBox, "enabled");
    EXPECT_TRUE(w.TosValueEdit->isEnabled());
    EXPECT_TRUE(w.cbxRepTosValue->isEnabled());
    for (QWidget* off : std::initializer_list<QWidget*>{w.DSCPEdit, w.cbxEnableDSCPValue, w.EnableReplaceDSCPComboBox,
                                                        w.cbxEnableReplaceDSCP})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_EQ(w.DSCPEdit->Text(), "");
}

} // namespace
