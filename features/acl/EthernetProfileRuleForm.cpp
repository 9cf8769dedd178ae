#include "features/acl/EthernetProfileRuleForm.h"

#include "ui/Control.h"

#include <charconv>

TEthernetProfileRuleForm* EthernetProfileRuleForm = nullptr;

namespace {

const RuleFrameSettings EthernetRuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.3.1.1.1",
    .RowStatusColumn = TEthernetProfileRuleForm::RowStatusItem,
    .PortListColumn = TEthernetProfileRuleForm::PortColumn,
    .VLANBasedColumn = TEthernetProfileRuleForm::VLANBasedItem,
    .PortsPerLine = 12,
    .ReportSets = true,
    .PermitMessage = "'Permit' option must be checked.",
};

constexpr const char* EmptyField = "Some check field is empty.";

// Item index of "acl" in the owner list.
constexpr int AclOwnerIndex = 1;

// The edit's number; -1 for a text that is none.
long NumberOr(const std::string& text, long none)
{
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end ? value : none;
}

} // namespace

TEthernetProfileRuleForm::TEthernetProfileRuleForm(QWidget* owner) : TAclRuleFrame(owner, EthernetRuleSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-512)");
    UseComponents({
        .List = ListView1,
        .RowCount = StaticText1,
        .Status = StatusBar1,
        .PortPanel = StackingPortPanel,
        .GetButton = GetButton,
        .EditButton = EditButton,
        .AddButton = AddButton,
        .DeleteButton = DeleteButton,
        .StopButton = StopButton,
        .CheckButton = AddCheckButton,
        .UncheckButton = CleanCheButton,
        .CloseButton = CloseButton,
        .ProfileIDEdit = MaskIDEdit,
        .AccessIDEdit = AccessEdit,
        .RowComboBox = RowComboBox,
        .RowBox = cbxRow,
        .PermitBox = cbxPermit,
        .PermitComboBox = PermitComboBox,
        .VLANBaseChkBox = VLANBaseChkBox,
        .VLANBasedVIDEdit = VLANBasedVIDEdit,
        .EnablePriorityComboBox = EnablePriorityComboBox,
        .ReplacePriorityComboBox = ReplacePriorityComboBox,
        .PriorityControls = {cbxPriority, PriorityEdit, cbxReplacePriority, ReplacePriorityComboBox},
        .EnableReplaceDSCPComboBox = EnableReplaceDSCPComboBox,
        .ReplaceDSCPControls = {cbxEnableReplaceDSCP, EnableReplaceDSCPComboBox},
        .DSCPValueControls = {DSCPEdit, cbxEnableDSCPValue},
        .RepTosStateComboBox = RepTosStateComboBox,
        .RepTosStateControls = {cbxRepTosState, RepTosStateComboBox},
        .TosValueControls = {TosValueEdit, cbxRepTosValue},
        .RuleVLANcbx = RuleVLANcbx,
        .VLANGroup = {cbxVID, cbxVlanName, cbxVLANMask, RuleVIDEdit, RuleVLANNameEdit, VLANMaskEdit},
        .CheckAllExtras = {RuleVLANcbx},
    });
    DoCreate();
}

void TEthernetProfileRuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x512l3}", MaskIDEdit, chkMaskID},
        {1, "%i{n0x256l3}", AccessEdit, chkAccessID},
        {2, "%i{n1x4094l4}", RuleVIDEdit, cbxVID},
        {3, "%s{l32}", RuleVLANNameEdit, cbxVlanName},
        {4, "%h{l12}", SourceMACEdit, cbxSource},
        {5, "%h{l12}", DestMACEdit, cbxDestination},
        {6, "%i{n0x7l1}", IEEE8021pEdit, cbxIEEE802dot1P},
        {7, "%h{l4}", EthTypeEdit, cbxEtherType},
        {8, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {9, "%i{n0x7l1}", PriorityEdit, cbxPriority},
        {10, nullptr, ReplacePriorityComboBox, cbxReplacePriority},
        {11, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {12, "%i{n0x63l2}", DSCPEdit, cbxEnableDSCPValue},
        {13, nullptr, PermitComboBox, cbxPermit},
        {14, nullptr, nullptr, nullptr}, // the port boxes of unit 1
        {15, nullptr, RowComboBox, cbxRow},
        {16, nullptr, RuleOwnerComboBox, nullptr},
        {17, nullptr, RepTosStateComboBox, cbxRepTosState},
        {18, "%i{n0x7}", TosValueEdit, cbxRepTosValue},
        {19, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {20, "%h{l4}", VLANMaskEdit, cbxVLANMask},
        {21, "%h{l12}", MaskSourceEdit, cbxMaskSource},
        {22, "%h{l12}", MaskDestinationEdit, cbxMaskDestination},
    });
}

void TEthernetProfileRuleForm::HideUnusedControls()
{
    for (QWidget* control : std::initializer_list<QWidget*>{cbxRxRate, RxRateEdit, cbxMirrorGroup, MirrorGroupEdit})
        control->hide();
    // The ToS value takes the place of the receive rate, which this table lacks.
    ui::SetLeft(cbxRepTosValue, cbxRxRate->x());
    ui::SetLeft(TosValueEdit, RxRateEdit->x());
}

void TEthernetProfileRuleForm::CreationRules()
{
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    RuleVLANcbxClick(RuleVLANcbx);
    PermitComboBoxChange(PermitComboBox);
}

void TEthernetProfileRuleForm::ResetInputs()
{
    ClearValues(ValueControls);
    UncheckAll(CheckBoxes);
    RuleVLANcbx->SetChecked(false);
    ResetControls();
    RuleOwnerComboBox->SetItemIndex(AclOwnerIndex);
    if (PortSelector)
        PortSelector->UncheckAll();
    ShowRowCount();
}

void TEthernetProfileRuleForm::ListView1Click(QObject* sender)
{
    if (ListView1->Selected() != nullptr) {
        TAclRuleFrame::ListView1Click(sender);
        return;
    }
    // A click on empty space leaves a stopped read stopped.
    AddMode();
    ResetInputs();
    NoRowRules();
}

void TEthernetProfileRuleForm::NoRowRules()
{
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    RuleVLANcbxClick(RuleVLANcbx);
}

void TEthernetProfileRuleForm::RowRules()
{
    NoRowRules();
    PermitComboBoxChange(PermitComboBox);
}

void TEthernetProfileRuleForm::VLANBaseChkBoxClick(QObject* sender)
{
    TAclRuleFrame::VLANBaseChkBoxClick(sender);
    if (!VLANBaseChkBox->Checked() && PortSelector)
        PortSelector->UncheckAll();
}

bool TEthernetProfileRuleForm::RequireNumberIfChecked(ui::CheckBox* box, ui::Edit* edit, long low, long high,
                                                     const char* message)
{
    if (!box->Checked())
        return true;
    const long value = NumberOr(edit->Text(), -1);
    if (value >= low && value <= high)
        return true;
    Say(message);
    FocusIfEnabled(edit);
    return false;
}

bool TEthernetProfileRuleForm::ValidateInputs()
{
    if (!RequireText(MaskIDEdit, "Mask ID must be set.") || !RequireText(AccessEdit, "Access ID must be set."))
        return false;
    if (RuleVLANcbx->Checked()) {
        if (!RequireTextIfChecked(cbxVID, RuleVIDEdit, EmptyField)
            || !RequireTextIfChecked(cbxVlanName, RuleVLANNameEdit, EmptyField)
            || !RequireTextIfChecked(cbxVLANMask, VLANMaskEdit, EmptyField))
            return false;
    }
    const std::pair<ui::CheckBox*, ui::Edit*> filled[] = {
        {cbxSource, SourceMACEdit},          {cbxDestination, DestMACEdit}, {cbxIEEE802dot1P, IEEE8021pEdit},
        {cbxEtherType, EthTypeEdit},         {cbxPriority, PriorityEdit},   {cbxRepTosValue, TosValueEdit},
    };
    for (const auto& [box, edit] : filled)
        if (!RequireTextIfChecked(box, edit, EmptyField))
            return false;
    // The masks have no empty test of their own: the address check speaks for them.
    const std::pair<ui::CheckBox*, ui::Edit*> addresses[] = {
        {cbxSource, SourceMACEdit},
        {cbxDestination, DestMACEdit},
        {cbxMaskSource, MaskSourceEdit},
        {cbxMaskDestination, MaskDestinationEdit},
    };
    for (const auto& [box, edit] : addresses) {
        if (box->Checked() && !CheckSeparatedMACText(edit)) {
            FocusIfEnabled(edit);
            return false;
        }
    }
    if (!RequireNumberIfChecked(cbxPriority, PriorityEdit, 0, 7, "Priority value should between 0-7")
        || !RequireNumberIfChecked(cbxEnableDSCPValue, DSCPEdit, 0, 63, "Replace DSCP Value should between 0-63."))
        return false;
    if (cbxEnableReplaceDSCP->Checked() && cbxRepTosState->Checked()) {
        Say("Can not set 'Replace DSCP' or 'Replace Tos' at same time.");
        return false;
    }
    if (VLANBaseChkBox->Checked())
        return RequireText(VLANBasedVIDEdit, EmptyField);
    return RequireOnePort();
}

void TEthernetProfileRuleForm::AddButtonClick(QObject* sender)
{
    if (DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    TAclRuleFrame::AddButtonClick(sender);
}

void TEthernetProfileRuleForm::EditButtonClick(QObject*)
{
    if (!Request)
        return;
    if (DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    if (!ValidateInputs())
        return;
    Request->Request.Active = 1;
    if (RowComboBox->ItemIndex() == DestroyIndex && cbxRow->Checked()) {
        DeleteButtonClick(DeleteButton);
        return;
    }
    if (!TypedFieldsFit())
        return;
    // Written, the window stays in Edit mode with the row's keys while the list is read again.
    if (!Guarded([&] {
            WriteRule(true);
            Read(*Request);
        })) {
        AddMode();
        ResetInputs();
    }
}

void TEthernetProfileRuleForm::GetButtonClick(QObject*) { RefreshWithRules(); }

void TEthernetProfileRuleForm::RefreshRules()
{
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
}
