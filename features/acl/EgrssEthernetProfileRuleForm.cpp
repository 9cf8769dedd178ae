#include "features/acl/EgrssEthernetProfileRuleForm.h"

#include <charconv>

TEgrssEthernetProfileRuleForm* EgrssEthernetProfileRuleForm = nullptr;

namespace {

const RuleFrameSettings EgressEthernetRuleSettings = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.3.1.1.1",
    .RowStatusColumn = TEgrssEthernetProfileRuleForm::RowStatusItem,
    .VLANBasedColumn = TEgrssEthernetProfileRuleForm::VLANBasedItem,
    .PortsPerLine = 0,
    .ReportSets = true,
    .PermitMessage = "'Permit' option must be checked.",
};

constexpr const char* EmptyField = "Some check field is empty.";

// The edit's number; none for a text that is no number.
long NumberOr(const std::string& text, long none)
{
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end ? value : none;
}

} // namespace

TEgrssEthernetProfileRuleForm::TEgrssEthernetProfileRuleForm(QWidget* owner)
    : TEgressRuleFrame(owner, EgressEthernetRuleSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    UseEgressComponents(
        {
            .List = ListView1,
            .Status = StatusBar1,
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
            .PriorityControls = {cbxPriority, PriorityEdit},
            .EnableReplaceDSCPComboBox = EnableReplaceDSCPComboBox,
            .DSCPValueControls = {DSCPEdit, cbxEnableDSCPValue},
            .RuleVLANcbx = RuleVLANcbx,
            .VLANGroup = {cbxVID, cbxVLANMask, RuleVIDEdit, VLANMaskEdit},
            .CheckAllExtras = {RuleVLANcbx},
        },
        {
            .PortColumn = PortItem,
            .PortGroupColumn = PortGroupItem,
            .PortChkBox = PortChkBox,
            .PortEdit = PortEdit,
            .cbxPortGroup = cbxPortGroup,
            .PortGroupEdit = PortGroupEdit,
            .cbxTimeRange = cbxTimeRange,
            .TimeRangeEdit = TimeRangeEdit,
        });
    DoCreate();
}

void TEgrssEthernetProfileRuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x4l1}", MaskIDEdit, chkMaskID},
        {1, "%i{n0x128l3}", AccessEdit, chkAccessID},
        {2, nullptr, RowComboBox, cbxRow},
        {3, "%i{n1x4094l4}", RuleVIDEdit, cbxVID},
        {4, "%h{l4}", VLANMaskEdit, cbxVLANMask},
        {5, "%h{l12}", SourceMACEdit, cbxSource},
        {6, "%h{l12}", MaskSourceEdit, cbxMaskSource},
        {7, "%h{l12}", DestMACEdit, cbxDestination},
        {8, "%h{l12}", MaskDestinationEdit, cbxMaskDestination},
        {9, "%i{n0x7l1}", IEEE8021pEdit, cbxIEEE802dot1P},
        {10, "%h{l4}", EthTypeEdit, cbxEtherType},
        {11, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {12, "%i{n1x384l3}", PortEdit, PortChkBox},
        {13, "%i{n1x64l2}", PortGroupEdit, cbxPortGroup},
        {14, nullptr, PermitComboBox, cbxPermit},
        {15, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {16, "%i{n0x7l1}", PriorityEdit, cbxPriority},
        {17, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {18, "%i{n0x63l2}", DSCPEdit, cbxEnableDSCPValue},
        {19, "%s{l32}", TimeRangeEdit, cbxTimeRange},
    });
}

void TEgrssEthernetProfileRuleForm::CreationRules()
{
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    RuleVLANcbxClick(RuleVLANcbx);
    PermitComboBoxChange(PermitComboBox);
    VLANBaseChkBoxClick(VLANBaseChkBox);
    cbxPortGroupClick(cbxPortGroup);
    PortChkBoxClick(PortChkBox);
    cbxTimeRangeClick(cbxTimeRange);
}

void TEgrssEthernetProfileRuleForm::ResetInputs()
{
    ClearValues(ValueControls);
    UncheckAll(CheckBoxes);
    RuleVLANcbx->SetChecked(false);
    EnablePriorityComboBox->SetItemIndex(DisabledIndex);
    EnableReplaceDSCPComboBox->SetItemIndex(DisabledIndex);
    PermitComboBox->SetItemIndex(0);
    RowComboBox->SetItemIndex(CreateAndGoIndex);
    ShowRowCount();
}

bool TEgrssEthernetProfileRuleForm::RequireRangeIfChecked(ui::CheckBox* box, ui::Edit* edit, long low, long high,
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

bool TEgrssEthernetProfileRuleForm::ValidateInputs()
{
    if (!RequireText(MaskIDEdit, "Profile ID must be set.") || !RequireText(AccessEdit, "Access ID must be set."))
        return false;
    if (RuleVLANcbx->Checked()
        && (!RequireTextIfChecked(cbxVID, RuleVIDEdit, EmptyField)
            || !RequireTextIfChecked(cbxVLANMask, VLANMaskEdit, EmptyField)))
        return false;
    const std::pair<ui::CheckBox*, ui::Edit*> filled[] = {
        {cbxSource, SourceMACEdit},      {cbxDestination, DestMACEdit},      {cbxIEEE802dot1P, IEEE8021pEdit},
        {cbxEtherType, EthTypeEdit},     {cbxPriority, PriorityEdit},        {cbxTimeRange, TimeRangeEdit},
        {cbxEnableDSCPValue, DSCPEdit},  {PortChkBox, PortEdit},             {cbxPortGroup, PortGroupEdit},
        {VLANBaseChkBox, VLANBasedVIDEdit},
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
    // Port group 64 is a group like any other: the table and the window's own rules take 1 to 64.
    return RequireRangeIfChecked(cbxPriority, PriorityEdit, 0, 7, "Priority value should between 0-7")
        && RequireRangeIfChecked(cbxEnableDSCPValue, DSCPEdit, 0, 63, "Replace DSCP Value should between 0-63")
        && RequireRangeIfChecked(cbxPortGroup, PortGroupEdit, 1, MaxPortGroup, "Port Group should between 1-64")
        && RequireRangeIfChecked(VLANBaseChkBox, VLANBasedVIDEdit, 1, MaxVLANBasedID,
                                 "VLAN-based VID should between 1-4094")
        && RequireRangeIfChecked(PortChkBox, PortEdit, 1, MaxPort, "Port should between 1-384");
}
