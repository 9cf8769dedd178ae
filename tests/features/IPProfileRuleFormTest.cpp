// The ingress IPv4 ACL rule window against the simulated switch: the list, Add's checks in their
// order, what each write carries, the enabling rules, and reads that never list a row twice.

#include "AclFixture.h"

#include "features/acl/IPProfileRuleForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <functional>

namespace {

constexpr const char* Rule = "1.3.6.1.4.1.171.12.9.3.2.1";

// The OID of a column of the rule table at an instance ("3.7").
std::string Cell(int subId, const std::string& instance)
{
    return std::string(Rule) + "." + std::to_string(subId) + "." + instance;
}

class IPv4RuleWindow : public AclWindowTest {
protected:
    TIPProfileRuleForm& OpenIdle()
    {
        TIPProfileRuleForm& w = Open<TIPProfileRuleForm>();
        WaitIdle(w);
        return w;
    }

    // The inputs of a rule that passes every check: the keys, a port, Permit "permit".
    static void NewRule(TIPProfileRuleForm& w, const std::string& profile, const std::string& access)
    {
        ClickRow(w.ListView1, -1);
        w.IPRuleEdit->SetText(profile);
        w.AccessIDEdit->SetText(access);
        TickPorts(w.PortSelector, {2, 4});
        w.cbxPermit->SetChecked(true);
        Choose(w.PermitComboBox, "permit");
    }
};

TEST_F(IPv4RuleWindow, ListsEveryColumnOfTheRulesAndTheirCount)
{
    TIPProfileRuleForm& w = OpenIdle();
    ASSERT_EQ(w.ListView1->ColumnCount(), 33);
    EXPECT_EQ(w.ListView1->ColumnCaption(0), "Profile ID");
    EXPECT_EQ(w.ListView1->ColumnCaption(3), "Rule VLAN ID");
    EXPECT_EQ(w.ListView1->ColumnCaption(21), "Port");
    EXPECT_EQ(w.ListView1->ColumnCaption(32), "Mask");
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));
    EXPECT_EQ(w.StaticText1->Caption(), "3");
    const ui::ListItem* first = w.ListView1->Item(0);
    EXPECT_EQ(first->SubItem(20).rfind("1-3", 0), 0u) << first->SubItem(20); // the ports as ranges
    EXPECT_EQ(first->SubItem(6), "tcp");
    EXPECT_EQ(first->SubItem(22), "acl");
    EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    // Add mode, the unused controls hidden, Owner in the source MAC's place.
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_FALSE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.DeleteButton->isEnabled());
    EXPECT_EQ(w.lblPlofileID->Caption(), "Profile ID (1-512)");
    EXPECT_FALSE(ui::Visible(w.RxRateEdit));
    EXPECT_FALSE(ui::Visible(w.SrcMacAddressEdit));
    EXPECT_TRUE(ui::Visible(w.MaskEdit));
    EXPECT_EQ(w.RuleOwnerComboBox->x(), w.SrcMacAddressEdit->x());
    // The picker shows unit 1 with the model's 26 ports.
    ASSERT_EQ(w.PortSelector->PortBoxes.size(), 6u * 64u);
    EXPECT_TRUE(w.PortSelector->PortBoxes[25]->isVisible());
    EXPECT_FALSE(w.PortSelector->PortBoxes[26]->isVisible());
}

TEST_F(IPv4RuleWindow, AnEmptyTableListsNothing)
{
    StartSwitch(true);
    TIPProfileRuleForm& w = OpenIdle();
    EXPECT_EQ(w.ListView1->Count(), 0);
    EXPECT_EQ(w.StaticText1->Caption(), "0");
    EXPECT_FALSE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.DeleteButton->isEnabled());
}

// Add's checks, each case on inputs that pass the checks before it; the first failure is the only
// message, nothing is written.
TEST_F(IPv4RuleWindow, AddChecksTheInputsInOrder)
{
    TIPProfileRuleForm& w = OpenIdle();
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string message; // empty: none (the check leaves it to the focus)
        QWidget* focus;      // none: it stays on the button
    };
    const auto keys = [&](const char* profile, const char* access) {
        w.IPRuleEdit->SetText(profile);
        w.AccessIDEdit->SetText(access);
    };
    const auto valid = [&] { NewRule(w, "3", "7"); };
    const std::string empty = "Some check field is empty.";
    const Case cases[] = {
        {"empty Profile ID", [&] { keys("", "7"); }, "Mask ID must be set.", w.IPRuleEdit},
        {"empty Access ID", [&] { keys("3", ""); }, "Access ID must be set.", w.AccessIDEdit},
        {"VLAN group with an empty VLAN ID",
         [&] {
             valid();
             w.RuleVLANcbx->SetChecked(true);
             w.cbxVID->SetChecked(true);
         },
         empty, w.RuleVIDEdit},
        {"source address checked and empty",
         [&] {
             valid();
             w.cbxSourceIP->SetChecked(true);
         },
         empty, w.SourceIPEdit},
        {"source address no address",
         [&] {
             valid();
             w.cbxSourceIP->SetChecked(true);
             w.SourceIPEdit->SetText("10.1.1");
         },
         "Source IP Address: Please input a valid IP address.", w.SourceIPEdit},
        {"a checked field left empty",
         [&] {
             valid();
             w.cbxDscp->SetChecked(true);
         },
         empty, w.DSCPEdit},
        {"both replace boxes",
         [&] {
             valid();
             w.cbxEnableReplaceDSCP->SetChecked(true);
             w.cbxRepTosState->SetChecked(true);
         },
         "Only Can Set Replace DSCP or Replace Tos Each Time.", nullptr},
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
             keys("1", "2");
         },
         "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.", w.IPRuleEdit},
        // "01" is no duplicate of the listed "1": the check after it speaks.
        {"Permit unchecked, last",
         [&] {
             valid();
             keys("01", "1");
             w.cbxPermit->SetChecked(false);
         },
         "Permit option must be checked.", w.PermitComboBox},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        ClearMessageBoxes();
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxTexts(), c.message.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{c.message});
        if (c.focus != nullptr)
            EXPECT_EQ(QApplication::focusWidget(), c.focus);
        else
            EXPECT_EQ(QApplication::focusWidget(), w.AddButton); // the focus stays
        EXPECT_TRUE(Sets().empty());
    }
}

TEST_F(IPv4RuleWindow, AddWritesTheCheckedColumnsAndOneRuleTarget)
{
    TIPProfileRuleForm& w = OpenIdle();
    // The port list, no VLAN-based ID; DSCP checked, Type typed but not checked; Row Status
    // between the port list and Owner, as the table orders them.
    NewRule(w, "3", "7");
    w.cbxDscp->SetChecked(true);
    w.DSCPEdit->SetText("10");
    Choose(w.ProtocolComboBox, "icmp");
    w.TypeEdit->SetText("8");
    Click(w.AddButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{{Cell(6, "3.7") + "=10", Cell(20, "3.7") + "=2",
                                                               Cell(21, "3.7") + "=5000000000000000",
                                                               Cell(22, "3.7") + "=4"}}));
    // The window is back in Add mode with its inputs reset while the table is read again.
    EXPECT_EQ(w.IPRuleEdit->Text(), "");
    EXPECT_FALSE(w.cbxPermit->Checked());
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "3/7"}));

    // VLAN-based VID: its ID, no port list.
    NewRule(w, "3", "8");
    w.VLANBaseChkBox->SetChecked(true);
    w.VLANBasedVIDEdit->SetText("100");
    Click(w.AddButton);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                          {Cell(20, "3.8") + "=2", Cell(22, "3.8") + "=4", Cell(28, "3.8") + "=100"}}));
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Count(), 5);
}

TEST_F(IPv4RuleWindow, EditOfAnActiveRowSendsNoRowStatus)
{
    TIPProfileRuleForm& w = OpenIdle();
    ClickRow(w.ListView1, 0);
    EXPECT_TRUE(w.EditButton->isEnabled());
    EXPECT_FALSE(w.AddButton->isEnabled());
    EXPECT_FALSE(w.IPRuleEdit->isEnabled());
    EXPECT_EQ(w.RowComboBox->Text(), "active");
    EXPECT_EQ(TickedPorts(w.PortSelector), (std::vector<int>{1, 2, 3}));
    w.cbxDscp->SetChecked(true);
    w.DSCPEdit->SetText("12");
    Click(w.EditButton);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                          {Cell(6, "1.1") + "=12", Cell(21, "1.1") + "=E000000000000000"}}));
    EXPECT_TRUE(w.AddButton->isEnabled());
    WaitIdle(w);
    EXPECT_EQ(w.ListView1->Item(0)->SubItem(5), "12");
}

TEST_F(IPv4RuleWindow, DeleteIsOneSynchronousWriteOfDestroy)
{
    TIPProfileRuleForm& w = OpenIdle();
    // Answers take a while: the write has been answered when Delete returns, its read has not.
    sim->Control("delay 300");
    ClickRow(w.ListView1, 2);
    ClearMessageBoxes();
    Click(w.DeleteButton);
    EXPECT_EQ(StatusLine(&w).rfind("Set: Ok!", 0), 0u) << StatusLine(&w);
    EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Cell(22, "2.1") + "=6"}}));
    EXPECT_EQ(w.Request->Mode, 1);
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_FALSE(w.DeleteButton->isEnabled());
}

TEST_F(IPv4RuleWindow, EachProtocolSwitchesItsFields)
{
    TIPProfileRuleForm& w = OpenIdle();
    struct Field {
        ui::CheckBox* box;
        ui::Edit* edit;
    };
    const Field fields[] = {
        {w.cbxType, w.TypeEdit},          {w.cbxCode, w.CodeEdit},         {w.cbxSourcePort, w.SourcePortEdit},
        {w.cbxDestPort, w.DestPortEdit},  {w.cbxFBs, w.FlagEdit},          {w.cbxProtocolID, w.ProtocolIDEdit},
        {w.cbxUserMask, w.UserMaskEdit},  {w.cbxMask, w.MaskEdit},         {w.cbxSourcePortMask, w.SourcePortMaskEdit},
        {w.cbxDestPortMask, w.DestPortMaskEdit},
    };
    struct Case {
        const char* protocol;
        const char* enabled; // one letter per field, in the order above
    };
    const Case cases[] = {
        {"none", "----------"},      {"icmp", "xx--------"}, {"igmp", "x---------"},
        {"tcp", "--xxx---xx"},       {"udp", "--xx----xx"},  {"protocolId", "-----xxx--"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol);
        // Whatever is enabled holds a value and is checked before the choice.
        for (const Field& f : fields) {
            if (f.edit->isEnabled())
                f.edit->SetText("1");
            if (f.box->isEnabled())
                f.box->SetChecked(true);
        }
        Choose(w.ProtocolComboBox, c.protocol);
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

TEST_F(IPv4RuleWindow, DenySwitchesTheActionsOffAndPermitAppliesTheirRules)
{
    TIPProfileRuleForm& w = OpenIdle();
    const std::vector<QWidget*> actions = {
        w.cbxEnablePriority, w.EnablePriorityComboBox, w.cbxPriority, w.PriorityEdit, w.cbxReplacePriority,
        w.ReplacePriorityComboBox, w.cbxEnableReplaceDSCP, w.EnableReplaceDSCPComboBox, w.cbxDSCPValue,
        w.DSCPValueEdit, w.cbxRepTosState, w.RepTosStateComboBox, w.cbxRepTosValue, w.TosValueEdit};
    Choose(w.PermitComboBox, "permit");
    // Enable Priority and both replacements read "disabled": their value controls stay off.
    for (QWidget* on : std::initializer_list<QWidget*>{w.cbxEnablePriority, w.EnablePriorityComboBox, w.cbxEnableReplaceDSCP,
                        w.EnableReplaceDSCPComboBox, w.cbxRepTosState, w.RepTosStateComboBox})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    for (QWidget* off : std::initializer_list<QWidget*>{w.cbxPriority, w.PriorityEdit, w.cbxDSCPValue, w.DSCPValueEdit, w.cbxRepTosValue, w.TosValueEdit})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    // Replace DSCP enabled takes the ToS state away, and the reverse.
    Choose(w.EnableReplaceDSCPComboBox, "enabled");
    EXPECT_TRUE(w.DSCPValueEdit->isEnabled());
    EXPECT_FALSE(w.RepTosStateComboBox->isEnabled());
    w.cbxEnablePriority->SetChecked(true);
    for (const char* blocking : {"deny", "mirror"}) {
        SCOPED_TRACE(blocking);
        Choose(w.PermitComboBox, blocking);
        for (QWidget* control : actions)
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_FALSE(w.cbxEnablePriority->Checked());
        EXPECT_TRUE(w.cbxMirrorGroup->isEnabled()); // no Tag 1
        Choose(w.PermitComboBox, "permit");
    }
}

TEST_F(IPv4RuleWindow, TheRowsVLANBasedIDDecidesTheRuleTarget)
{
    TIPProfileRuleForm& w = OpenIdle();
    // 1/2 is bound to VLAN 4094: every port of the model checked, the picker off.
    ClickRow(w.ListView1, 1);
    EXPECT_TRUE(w.VLANBaseChkBox->Checked());
    EXPECT_EQ(w.VLANBasedVIDEdit->Text(), "4094");
    EXPECT_TRUE(w.VLANBasedVIDEdit->isEnabled());
    EXPECT_FALSE(w.PortSelector->isEnabled());
    EXPECT_EQ(TickedPorts(w.PortSelector).size(), 26u);
    // 1/1 has 0: the box cleared, the picker on with the row's ports.
    ClickRow(w.ListView1, 0);
    EXPECT_FALSE(w.VLANBaseChkBox->Checked());
    EXPECT_TRUE(w.PortSelector->isEnabled());
    EXPECT_FALSE(w.VLANBasedVIDEdit->isEnabled());
    EXPECT_EQ(TickedPorts(w.PortSelector), (std::vector<int>{1, 2, 3}));
    // A cell that is no number counts as no VLAN-based ID.
    ClickRow(w.ListView1, 1);
    ASSERT_TRUE(w.VLANBaseChkBox->Checked());
    w.ListView1->Item(0)->SetSubItem(w.VLANBasedColumn - 1, "(NULL)");
    ClickRow(w.ListView1, 0);
    EXPECT_FALSE(w.VLANBaseChkBox->Checked());
    // A click on empty space: Add mode, nothing chosen.
    ClickRow(w.ListView1, -1);
    EXPECT_TRUE(w.AddButton->isEnabled());
    EXPECT_TRUE(w.IPRuleEdit->isEnabled());
    EXPECT_EQ(w.IPRuleEdit->Text(), "");
    EXPECT_TRUE(TickedPorts(w.PortSelector).empty());
}

TEST_F(IPv4RuleWindow, CheckAllAndClearChecks)
{
    TIPProfileRuleForm& w = OpenIdle();
    Click(w.CheckButton);
    EXPECT_TRUE(w.cbxDscp->Checked());
    EXPECT_TRUE(w.RuleVLANcbx->Checked());
    EXPECT_TRUE(w.cbxVID->Checked());
    EXPECT_TRUE(w.cbxVlanName->Checked());
    EXPECT_FALSE(w.cbxVLANMask->Checked()); // it was off while the column boxes were checked
    EXPECT_FALSE(w.cbxType->Checked());     // protocol none
    Click(w.UncheckButton);
    EXPECT_FALSE(w.cbxDscp->Checked());
    EXPECT_FALSE(w.RuleVLANcbx->Checked());
    EXPECT_FALSE(w.cbxVID->Checked());
}

// Refresh after Stop, and Add while a read runs, each read the table once: the read that gives
// way lists nothing more.
TEST_F(IPv4RuleWindow, ReadsThatOverlapListEachRowOnce)
{
    TIPProfileRuleForm& w = OpenIdle();
    sim->Control("delay 150");
    Click(w.GetButton);
    EXPECT_EQ(w.DataComplete, 0);
    // A second Refresh while it reads is refused.
    Click(w.GetButton);
    EXPECT_EQ(LastMessageBoxText(), "Get data not complete.");
    Click(w.StopButton);
    EXPECT_EQ(w.DataComplete, 1);
    Click(w.GetButton);
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1"}));

    Click(w.GetButton);
    ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() == 1; }));
    NewRule(w, "4", "1");
    Click(w.AddButton);
    WaitIdle(w);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "4/1"}));
    EXPECT_EQ(Sets().size(), 1u);
}

TEST_F(IPv4RuleWindow, ClosingDuringAReadStopsTheWalkAndWaitsForIt)
{
    TIPProfileRuleForm& w = OpenIdle();
    const QPointer<TIPProfileRuleForm> window(&w);
    sim->Control("delay 300");
    Click(w.GetButton);
    ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() == 1; }));
    Click(w.CloseButton);
    ASSERT_TRUE(WaitFor([&] { return window.isNull(); }));
    // No GETNEXT follows the answer the walk was waiting for.
    const int sent = Stat("getnext");
    QTest::qWait(700);
    EXPECT_EQ(Stat("getnext"), sent);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The frame's variants on the same table: a window synchronous for its whole life, and one that
// reports its writes itself.
class SynchronousIPv4RuleForm : public TIPProfileRuleForm {
public:
    static RuleFrameSettings Settings()
    {
        RuleFrameSettings s;
        s.TableOid = "1.3.6.1.4.1.171.12.9.3.2.1.1";
        s.RowStatusColumn = RowStatusItem;
        s.PortListColumn = PortColumn;
        s.VLANBasedColumn = VLANBasedItem;
        s.Synchronous = true;
        return s;
    }
    explicit SynchronousIPv4RuleForm(QWidget* owner) : TIPProfileRuleForm(owner, Settings()) {}
};

class ReportingIPv4RuleForm : public TIPProfileRuleForm {
public:
    static RuleFrameSettings Settings()
    {
        RuleFrameSettings s = SynchronousIPv4RuleForm::Settings();
        s.Synchronous = false;
        s.ReportSets = true;
        return s;
    }
    explicit ReportingIPv4RuleForm(QWidget* owner) : TIPProfileRuleForm(owner, Settings()) {}
};

TEST_F(IPv4RuleWindow, ASynchronousFrameHasReadAndWrittenWhenItsHandlersReturn)
{
    auto& w = Open<SynchronousIPv4RuleForm>();
    EXPECT_EQ(w.ListView1->Count(), 3);
    EXPECT_EQ(w.DataComplete, 1);
    NewRule(w, "5", "1");
    Click(w.AddButton);
    EXPECT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Keys(w.ListView1), (std::vector<std::string>{"1/1", "1/2", "2/1", "5/1"}));
    EXPECT_EQ(w.Request->Mode, 0);
}

TEST_F(IPv4RuleWindow, AReportingFrameCaptionsARefusedWriteWithTheProgramsName)
{
    auto& w = Open<ReportingIPv4RuleForm>();
    WaitIdle(w);
    // "01"/"1" is no duplicate in the list, but the switch has the row.
    NewRule(w, "01", "1");
    ClearMessageBoxes();
    Click(w.AddButton);
    ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }));
    EXPECT_EQ(MessageBoxes()[0].Caption, QCoreApplication::applicationFilePath().section('/', -1).toStdString());
    EXPECT_EQ(Sets().size(), 1u);
    WaitIdle(w);
    // An accepted one writes its line.
    NewRule(w, "6", "1");
    Click(w.AddButton);
    ASSERT_TRUE(WaitFor([&] { return StatusLine(&w).rfind("Set: Ok!", 0) == 0 || StatusLine(&w).rfind("Get: Ok!", 0) == 0; }));
    WaitIdle(w);
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

} // namespace
