#include "features/acl/Ipv6RuleForm.h"

#include "features/acl/TextChecks.h"

TIpv6RuleForm* Ipv6RuleForm = nullptr;

namespace {

const RuleFrameSettings IPv6RuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.3.4.1.1",
    .RowStatusColumn = TIpv6RuleForm::RowStatusItem,
    .PortListColumn = TIpv6RuleForm::PortColumn,
    .VLANBasedColumn = TIpv6RuleForm::VLANBasedItem,
    .PortsPerLine = 12,
    .ReportSets = true,
};

constexpr const char* EmptyField = "Some checked field is empty.";
// The protocol and port checks say it without a full stop.
constexpr const char* EmptyProtocolField = "Some checked field is empty";

} // namespace

TIpv6RuleForm::TIpv6RuleForm(QWidget* owner) : TAclRuleFrame(owner, IPv6RuleSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-4)");
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
        .CheckButton = CheckButton,
        .UncheckButton = UncheckButton,
        .CloseButton = CloseButton,
        .ProfileIDEdit = edtRuleID,
        .AccessIDEdit = edtRuleAccessID,
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
        .DSCPValueControls = {cbxEnableDSCPValue, DSCPEdit},
        .RepTosStateComboBox = RepTosStateComboBox,
        .RepTosStateControls = {cbxRepTosState, RepTosStateComboBox},
        .TosValueControls = {TosValueEdit, cbxRepTosValue},
    });
    RuleProtoCombox->OnChange = ui::Handler(this, &TIpv6RuleForm::RuleProtoComboxChange);
    DoCreate();
}

void TIpv6RuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x4l1}", edtRuleID, chkRuleID},
        {1, "%i{n0x256l3}", edtRuleAccessID, chkAccessID},
        {2, "%i{n0x255l3}", edtRuleClass, cbxRuleClass},
        {3, "%h{l8f}", edtRuleFlowlabel, cbxRuleFlowlabel},
        {4, "%s{l32f}", edtRuleSrcIpv6addr, cbxRuleSrcIpv6addr},
        {5, "%s{l32f}", edtRuleDstIpv6addr, cbxRuleDstIpv6addr},
        {6, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {7, "%i{n0x7l1}", PriorityEdit, cbxPriority},
        {8, nullptr, ReplacePriorityComboBox, cbxReplacePriority},
        {9, nullptr, PermitComboBox, cbxPermit},
        {10, nullptr, nullptr, nullptr}, // the port boxes of unit 1
        {11, nullptr, RowComboBox, cbxRow},
        {12, nullptr, RuleOwnerComboBox, nullptr},
        {13, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {14, "%i{n0x63l2}", DSCPEdit, cbxEnableDSCPValue},
        {15, nullptr, RepTosStateComboBox, cbxRepTosState},
        {16, "%i{n0x7l1}", TosValueEdit, cbxRepTosValue},
        {17, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {18, nullptr, RuleProtoCombox, RuleProtoChx},
        {19, "%i{n0x65535l5}", SrcPortEdit, SrcPortChx},
        {20, "%i{n0x65535l5}", DesPortEdit, DesPortChx},
        {21, "%s{l32f}", edtRuleSrcIpv6addrMask, cbxRuleSrcIpv6addrMask},
        {22, "%s{l32f}", edtRuleDstIpv6addrMask, cbxRuleDstIpv6addrMask},
        {23, "%h{l4f}", SrcPortMaskEdit, SrcPortMaskChx},
        {24, "%h{l4f}", DesPortMaskEdit, DesPorMasktChx},
        {25, "%i{n0x255l3}", edtType, TypeChx},
        {26, "%i{n0x255l3}", edtCode, CodeChx},
    });
}

void TIpv6RuleForm::HideUnusedControls()
{
    for (QWidget* control : std::initializer_list<QWidget*>{cbxRxRate, RxRateEdit, cbxMirrorGroup, MirrorGroupEdit})
        control->hide();
}

void TIpv6RuleForm::CreationRules()
{
    VLANBaseChkBoxClick(VLANBaseChkBox);
    RuleProtoComboxChange(RuleProtoCombox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    PermitComboBoxChange(PermitComboBox);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    // The inputs start reset; the read that follows touches none of them.
    ResetInputs();
}

void TIpv6RuleForm::ResetInputs()
{
    // The ToS value and the VLAN-based ID keep their texts (their rules may empty them).
    for (ui::Edit* edit : {edtRuleID, edtRuleAccessID, edtRuleClass, edtRuleFlowlabel, edtRuleSrcIpv6addr,
                           edtRuleSrcIpv6addrMask, edtRuleDstIpv6addr, edtRuleDstIpv6addrMask, SrcPortMaskEdit,
                           DesPortMaskEdit, PriorityEdit, RxRateEdit, DSCPEdit, SrcPortEdit, DesPortEdit, edtType,
                           edtCode})
        edit->SetText("");
    ResetControls();
    RuleProtoCombox->SetItemIndex(NoneProtocol);
    if (PortSelector)
        PortSelector->UncheckAll();
    UncheckButtonClick(UncheckButton);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    PermitComboBoxChange(PermitComboBox);
    RuleProtoComboxChange(RuleProtoCombox);
    ShowRowCount();
}

void TIpv6RuleForm::ListView1Click(QObject* sender)
{
    if (ListView1->Selected() != nullptr) {
        TAclRuleFrame::ListView1Click(sender);
        return;
    }
    AddMode();
    ResetInputs();
}

void TIpv6RuleForm::RowRules()
{
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    RuleProtoComboxChange(RuleProtoCombox);
    PermitComboBoxChange(PermitComboBox);
}

void TIpv6RuleForm::EnableReplaceDSCPComboBoxChange(QObject* sender)
{
    TAclRuleFrame::EnableReplaceDSCPComboBoxChange(sender);
    if (EnableReplaceDSCPComboBox->Text() == "enabled")
        DisableControls({TosValueEdit, cbxRepTosValue});
}

void TIpv6RuleForm::RuleProtoComboxChange(QObject*)
{
    const std::initializer_list<QWidget*> icmp = {TypeChx, edtType, CodeChx, edtCode};
    const std::initializer_list<QWidget*> ports = {SrcPortChx,     SrcPortEdit, SrcPortMaskChx, SrcPortMaskEdit,
                                                   DesPortChx,     DesPortEdit, DesPorMasktChx, DesPortMaskEdit};
    switch (RuleProtoCombox->ItemIndex()) {
    case TcpProtocol:
    case UdpProtocol:
        EnableControls(ports);
        DisableControls(icmp);
        break;
    case IcmpProtocol:
        EnableControls(icmp);
        DisableControls(ports);
        break;
    default: // none, or nothing chosen
        DisableControls(icmp);
        DisableControls(ports);
        break;
    }
}

bool TIpv6RuleForm::ValidateInputs()
{
    if (!RequireText(edtRuleID, "Profile ID must be set.") || !RequireText(edtRuleAccessID, "Access ID must be set."))
        return false;
    if (!CheckIPv6Address(cbxRuleSrcIpv6addrMask, edtRuleSrcIpv6addrMask, EmptyField)
        || !CheckIPv6Address(cbxRuleDstIpv6addrMask, edtRuleDstIpv6addrMask, EmptyField))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> filledFirst[] = {
        {SrcPortMaskChx, SrcPortMaskEdit}, {DesPorMasktChx, DesPortMaskEdit}, {cbxRuleClass, edtRuleClass},
        {TypeChx, edtType},                {CodeChx, edtCode},
    };
    for (const auto& [box, control] : filledFirst)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    if (!RequireTextIfChecked(cbxRuleFlowlabel, edtRuleFlowlabel, EmptyField))
        return false;
    if (cbxRuleFlowlabel->Checked() && !CheckHex8Text(edtRuleFlowlabel->Text(), "Invalid data.", this)) {
        FocusIfEnabled(edtRuleFlowlabel);
        return false;
    }
    if (!CheckIPv6Address(cbxRuleSrcIpv6addr, edtRuleSrcIpv6addr, EmptyField)
        || !CheckIPv6Address(cbxRuleDstIpv6addr, edtRuleDstIpv6addr, EmptyField))
        return false;
    // A drop-down list is empty only while no entry is chosen.
    const std::pair<ui::CheckBox*, QWidget*> filledThen[] = {
        {cbxEnablePriority, EnablePriorityComboBox},
        {cbxPriority, PriorityEdit},
        {cbxReplacePriority, ReplacePriorityComboBox},
        {cbxPermit, PermitComboBox},
        {cbxRow, RowComboBox},
        {cbxEnableReplaceDSCP, EnableReplaceDSCPComboBox},
        {cbxEnableDSCPValue, DSCPEdit},
        {cbxRepTosState, RepTosStateComboBox},
        {cbxRepTosValue, TosValueEdit},
    };
    for (const auto& [box, control] : filledThen)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    if (cbxEnableReplaceDSCP->Checked() && cbxRepTosState->Checked()) {
        Say("Only Can Set Replace DSCP or Replace Tos Each Time.");
        return false;
    }
    if (VLANBaseChkBox->Checked()) {
        if (!RequireText(VLANBasedVIDEdit, "Some check field is empty."))
            return false;
    } else if (!RequireOnePort()) {
        return false;
    }
    const std::pair<ui::CheckBox*, QWidget*> protocolFields[] = {
        {RuleProtoChx, RuleProtoCombox},
        {SrcPortChx, SrcPortEdit},
        {DesPortChx, DesPortEdit},
    };
    for (const auto& [box, control] : protocolFields)
        if (!RequireTextIfChecked(box, control, EmptyProtocolField))
            return false;
    return true;
}

void TIpv6RuleForm::AddButtonClick(QObject*)
{
    if (!Request || !ValidateInputs() || IsDuplicateRule() || !RequirePermit() || !TypedFieldsFit())
        return;
    RowComboBox->SetItemIndex(CreateAndGoIndex);
    // One write of every column to be sent; the inputs stay for a next rule like it.
    if (!Guarded([&] {
            WriteRule(false);
            Read(*Request);
        })) {
        AddMode();
        ResetInputs();
    }
}

void TIpv6RuleForm::EditButtonClick(QObject*)
{
    if (!Request || !ValidateInputs())
        return;
    if (RowComboBox->ItemIndex() == CreateAndGoIndex) {
        AddButtonClick(AddButton);
        return;
    }
    if (RowComboBox->ItemIndex() == DestroyIndex) {
        DeleteButtonClick(DeleteButton);
        return;
    }
    Request->Request.Active = 1;
    if (DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    if (!TypedFieldsFit())
        return;
    // The flow label, the port list and the port masks go in writes of their own, after the
    // other columns; each answer is reported by itself.
    const bool written = Guarded([&] {
        WriteRule(true, {FlowLabelItem, PortColumn, SourcePortMaskItem, DestPortMaskItem});
        if (cbxRuleFlowlabel->Checked() && !edtRuleFlowlabel->Text().empty())
            WriteColumn(FlowLabelItem);
        if (!VLANBaseChkBox->Checked())
            WriteColumn(PortColumn);
        if (SrcPortMaskChx->Checked() && !SrcPortMaskEdit->Text().empty())
            WriteColumn(SourcePortMaskItem);
        if (DesPorMasktChx->Checked() && !DesPortMaskEdit->Text().empty())
            WriteColumn(DestPortMaskItem);
        Read(*Request);
    });
    if (!written) {
        AddMode();
        ResetInputs();
    }
}

void TIpv6RuleForm::WriteColumn(int column)
{
    SkippedColumns alone(Request->Request.VarList);
    alone.KeepOnly(column);
    Write(*Request);
}
