#include "features/acl/CPUFilterEthernetRuleForm.h"

TCPUFilterEthernetRuleForm* CPUFilterEthernetRuleForm = nullptr;

namespace {

const RuleFrameSettings EthernetRuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.5.1.1.1",
    .RowStatusColumn = TCPUFilterEthernetRuleForm::RowStatusItem,
    .PortListColumn = TCPUFilterEthernetRuleForm::PortColumn,
    .PortsPerLine = 12,
    .LogTarget = RuleLogTarget::StatusBar,
};

constexpr const char* EmptyField = "Some check field is empty";

} // namespace

TCPUFilterEthernetRuleForm::TCPUFilterEthernetRuleForm(QWidget* owner)
    : TCPUFilterRuleFrame(owner, EthernetRuleSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    UseComponents({
        .List = ListView1,
        .RowCount = StaticText1,
        .Status = StatusBar1,
        .PortPanel = StackingPortPanel,
        .GetButton = GetButton,
        .EditButton = EditButton,
        .AddButton = AddButton,
        .DeleteButton = DeleteButton,
        .CheckButton = AddCheckButton,
        .UncheckButton = CleanCheButton,
        .CloseButton = Button1,
        .ProfileIDEdit = ProfileIDEdit,
        .AccessIDEdit = AccessEdit,
        .RowComboBox = RowComboBox,
        .RowBox = cbxRow,
        .PermitBox = cbxPermit,
        .PermitComboBox = PermitComboBox,
        .RuleVLANcbx = RuleVLANcbx,
        .VLANGroup = {cbxVID, cbxVlanName, RuleVIDEdit, RuleVLANNameEdit},
        // After the column boxes: the VLAN boxes stay as they were while "VLAN" was off.
        .CheckAllExtras = {RuleVLANcbx},
    });
    DoCreate();
}

void TCPUFilterEthernetRuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x5}", ProfileIDEdit, chkMaskID},
        {1, "%i{n0x100l3}", AccessEdit, chkAccessID},
        {2, "%h{l4}", EthTypeEdit, cbxEtherType},
        {3, "%s{l32}", RuleVLANNameEdit, cbxVlanName},
        {4, "%h{l12}", SourceMACEdit, cbxSource},
        {5, "%h{l12}", DestMACEdit, cbxDestination},
        {6, "%i{n0x7l1}", IEEE8021pEdit, cbxIEEE802dot1P},
        {7, nullptr, PermitComboBox, cbxPermit},
        {8, nullptr, RowComboBox, cbxRow},
        {9, nullptr, nullptr, nullptr}, // the port boxes of unit 1
        {10, "%i{n1x4094l4}", RuleVIDEdit, cbxVID},
    });
}

void TCPUFilterEthernetRuleForm::RowRules() { RuleVLANcbxClick(RuleVLANcbx); }

bool TCPUFilterEthernetRuleForm::ValidateInputs()
{
    if (!RequireText(ProfileIDEdit, "Profile ID must be set.") || !RequireText(AccessEdit, "Access ID must be set."))
        return false;
    if (RuleVLANcbx->Checked()) {
        if (!RequireTextIfChecked(cbxVID, RuleVIDEdit, EmptyField)
            || !RequireTextIfChecked(cbxVlanName, RuleVLANNameEdit, EmptyField))
            return false;
    }
    const std::pair<ui::CheckBox*, QWidget*> filled[] = {
        {cbxSource, SourceMACEdit},        {cbxDestination, DestMACEdit}, {cbxIEEE802dot1P, IEEE8021pEdit},
        {cbxEtherType, EthTypeEdit},       {cbxPermit, PermitComboBox},   {cbxRow, RowComboBox},
    };
    for (const auto& [box, control] : filled)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    // Fewer than twelve digits would be written as another address, right-aligned.
    for (const auto& [box, edit] : {std::pair{cbxSource, SourceMACEdit}, std::pair{cbxDestination, DestMACEdit}}) {
        if (box->Checked() && !CheckSeparatedMACText(edit)) {
            FocusIfEnabled(edit);
            return false;
        }
    }
    return RequireOnePort();
}

void TCPUFilterEthernetRuleForm::WriteEdit()
{
    WriteRule(true, {EthernetTypeItem, SourceMACItem, DestMACItem, PortColumn});
    if (cbxEtherType->Checked() && !EthTypeEdit->Text().empty())
        WriteColumnAlone(EthernetTypeItem);
    WriteColumnAlone(PortColumn);
    if (cbxSource->Checked() && !SourceMACEdit->Text().empty())
        WriteColumnAlone(SourceMACItem);
    if (cbxDestination->Checked() && !DestMACEdit->Text().empty())
        WriteColumnAlone(DestMACItem);
}
