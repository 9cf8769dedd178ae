#include "features/acl/EgressIPv6RuleForm.h"

#include "features/acl/TextChecks.h"

#include "ui/Control.h"

TEgressIPv6RuleForm* EgressIPv6RuleForm = nullptr;

namespace {

const RuleFrameSettings EgressIPv6RuleSettings = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.3.3.1.1",
    .RowStatusColumn = TEgressIPv6RuleForm::RowStatusItem,
    .VLANBasedColumn = TEgressIPv6RuleForm::VLANBasedItem,
    .PortsPerLine = 0,
    .ReportSets = true,
    .PermitMessage = "Permit option must be checked.",
};

const EgressRuleVariant EgressIPv6Variant = {
    .AddWhileReading = true,
    .KeepInputsAfterAdd = true,
    .EditByRowStatus = true,
};

constexpr const char* CheckedEmpty = "Some checked field is empty";
constexpr const char* CheckEmpty = "Some check field is empty";

// Item index of "none" in the protocol list.
constexpr int NoneProtocol = 0;

} // namespace

TEgressIPv6RuleForm::TEgressIPv6RuleForm(QWidget* owner)
    : TEgressRuleFrame(owner, EgressIPv6RuleSettings, EgressIPv6Variant)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    UseEgressComponents(
        {
            .List = ListView1,
            .RowCount = StaticText1,
            .Status = StatusBar1,
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
            .PriorityControls = {cbxPriority, PriorityEdit},
            .EnableReplaceDSCPComboBox = EnableReplaceDSCPComboBox,
            .DSCPValueControls = {EnabledDSCPEdit, cbxEnableDSCPValue},
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
    RuleProtoCombox->OnChange = ui::Handler(this, &TEgressIPv6RuleForm::RuleProtoComboxChange);
    DoCreate();
}

void TEgressIPv6RuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x4l1}", edtRuleID, chkRuleID},
        {1, "%i{n0x128l3}", edtRuleAccessID, chkAccessID},
        {2, nullptr, RowComboBox, cbxRow},
        {3, "%i{n0x255l3}", edtRuleClass, cbxRuleClass},
        {4, "%s{l32f}", edtRuleSrcIpv6addr, cbxRuleSrcIpv6addr},
        {5, "%s{l32f}", edtRuleSrcIpv6addrMask, cbxRuleSrcIpv6addrMask},
        {6, "%s{l32f}", edtRuleDstIpv6addr, cbxRuleDstIpv6addr},
        {7, "%s{l32f}", edtRuleDstIpv6addrMask, cbxRuleDstIpv6addrMask},
        {8, nullptr, RuleProtoCombox, RuleProtoChx},
        {9, "%i{n0x255l3}", edtType, TypeChx},
        {10, "%i{n0x255l3}", edtCode, CodeChx},
        {11, "%i{n0x65535l5}", SrcPortEdit, SrcPortChx},
        {12, "%h{l4f}", SrcPortMaskEdit, SrcPortMaskChx},
        {13, "%i{n0x65535l5}", DesPortEdit, DesPortChx},
        {14, "%h{l4f}", DesPortMaskEdit, DesPorMasktChx},
        {15, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {16, "%i{n1x384l3}", PortEdit, PortChkBox},
        {17, "%i{n1x64l2}", PortGroupEdit, cbxPortGroup},
        {18, nullptr, PermitComboBox, cbxPermit},
        {19, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {20, "%i{n0x7l1}", PriorityEdit, cbxPriority},
        {21, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {22, "%i{n0x63l2}", EnabledDSCPEdit, cbxEnableDSCPValue},
        {23, "%s{l32}", TimeRangeEdit, cbxTimeRange},
    });
}

void TEgressIPv6RuleForm::CreationRules()
{
    VLANBaseChkBoxClick(VLANBaseChkBox);
    RuleProtoComboxChange(RuleProtoCombox);
    PermitComboBoxChange(PermitComboBox);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
}

void TEgressIPv6RuleForm::ResetInputs()
{
    ClearValues(ValueControls);
    EnableReplaceDSCPComboBox->SetItemIndex(DisabledIndex);
    EnablePriorityComboBox->SetItemIndex(DisabledIndex);
    PermitComboBox->SetItemIndex(0);
    RuleProtoCombox->SetItemIndex(NoneProtocol);
    RowComboBox->SetItemIndex(CreateAndGoIndex);
    UncheckAll(CheckBoxes);
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    PermitComboBoxChange(PermitComboBox);
    ShowRowCount();
}

void TEgressIPv6RuleForm::RowRules()
{
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    // The row's ports are shown with their boxes unchecked: an Edit sends them only when checked.
    RuleProtoComboxChange(RuleProtoCombox);
    PermitComboBoxChange(PermitComboBox);
    cbxTimeRangeClick(cbxTimeRange);
}

void TEgressIPv6RuleForm::RuleProtoComboxChange(QObject*)
{
    const bool none = RuleProtoCombox->Text() == "none";
    for (ui::CheckBox* box : {SrcPortChx, DesPortChx}) {
        box->SetChecked(false);
        box->setEnabled(!none);
    }
    for (ui::Edit* edit : {SrcPortEdit, DesPortEdit}) {
        if (none)
            edit->SetText("");
        edit->setEnabled(!none);
        ui::SetColor(edit, none ? ui::clBtnFace : ui::clWindow);
    }
}

bool TEgressIPv6RuleForm::ValidateInputs()
{
    if (!RequireText(edtRuleID, "Profles ID must be set.") || !RequireText(edtRuleAccessID, "Access ID must be set."))
        return false;
    if (!CheckIPv6Address(cbxRuleSrcIpv6addrMask, edtRuleSrcIpv6addrMask, CheckedEmpty, IPv6LengthLessMessage)
        || !CheckIPv6Address(cbxRuleDstIpv6addrMask, edtRuleDstIpv6addrMask, CheckedEmpty, IPv6LengthLessMessage))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> masksAndFields[] = {
        {SrcPortMaskChx, SrcPortMaskEdit}, {DesPorMasktChx, DesPortMaskEdit}, {cbxRuleClass, edtRuleClass},
        {TypeChx, edtType},                {CodeChx, edtCode},
    };
    for (const auto& [box, control] : masksAndFields)
        if (!RequireTextIfChecked(box, control, CheckedEmpty))
            return false;
    if (!CheckIPv6Address(cbxRuleSrcIpv6addr, edtRuleSrcIpv6addr, CheckedEmpty, IPv6LengthLessMessage)
        || !CheckIPv6Address(cbxRuleDstIpv6addr, edtRuleDstIpv6addr, CheckedEmpty, IPv6LengthLessMessage))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> actions[] = {
        {cbxEnablePriority, EnablePriorityComboBox}, {cbxPriority, PriorityEdit},
        {cbxPermit, PermitComboBox},                 {cbxEnableReplaceDSCP, EnableReplaceDSCPComboBox},
        {cbxEnableDSCPValue, EnabledDSCPEdit},
    };
    for (const auto& [box, control] : actions)
        if (!RequireTextIfChecked(box, control, CheckedEmpty))
            return false;
    const std::pair<ui::CheckBox*, QWidget*> targets[] = {
        {VLANBaseChkBox, VLANBasedVIDEdit}, {cbxPortGroup, PortGroupEdit},
        {PortChkBox, PortEdit},             {cbxTimeRange, TimeRangeEdit},
    };
    for (const auto& [box, control] : targets)
        if (!RequireTextIfChecked(box, control, CheckEmpty))
            return false;
    const std::pair<ui::CheckBox*, QWidget*> protocol[] = {
        {RuleProtoChx, RuleProtoCombox}, {SrcPortChx, SrcPortEdit}, {DesPortChx, DesPortEdit},
    };
    for (const auto& [box, control] : protocol)
        if (!RequireTextIfChecked(box, control, CheckedEmpty))
            return false;
    return true;
}
