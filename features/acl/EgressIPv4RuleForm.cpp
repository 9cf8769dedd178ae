#include "features/acl/EgressIPv4RuleForm.h"

TEgressIPv4RuleForm* EgressIPv4RuleForm = nullptr;

namespace {

const RuleFrameSettings EgressIPv4RuleSettings = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.3.2.1.1",
    .RowStatusColumn = TEgressIPv4RuleForm::RowStatusItem,
    .VLANBasedColumn = TEgressIPv4RuleForm::VLANBasedItem,
    .PortsPerLine = 0,
    .ReportSets = true,
    .PermitMessage = "'Permit' option must be checked.",
};

constexpr const char* EmptyField = "Some check field is empty.";

} // namespace

TEgressIPv4RuleForm::TEgressIPv4RuleForm(QWidget* owner) : TEgressRuleFrame(owner, EgressIPv4RuleSettings)
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
            .ProfileIDEdit = MaskIDEdit,
            .AccessIDEdit = AccessIDEdit,
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
    ProtocolComboBox->OnChange = ui::Handler(this, &TEgressIPv4RuleForm::ProtocolComboBoxChange);
    cbxProtocolID->OnClick = ui::Handler(this, &TEgressIPv4RuleForm::cbxProtocolIDClick);
    cbxSourceIP->OnClick = ui::Handler(this, &TEgressIPv4RuleForm::cbxSourceIPClick);
    cbxDestIP->OnClick = ui::Handler(this, &TEgressIPv4RuleForm::cbxDestIPClick);
    DoCreate();
}

void TEgressIPv4RuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x4l1}", MaskIDEdit, chkRuleID},
        {1, "%i{n0x128l3}", AccessIDEdit, chkAccessID},
        {2, nullptr, RowComboBox, cbxRow},
        {3, "%i{n1x4094l4}", RuleVIDEdit, cbxVID},
        {4, "%h{l4}", VLANMaskEdit, cbxVLANMask},
        {5, "%s{I}", SourceIPEdit, cbxSourceIP},
        {6, "%s", SourceIPMaskEdit, cbxSourceIPMask},
        {7, "%s{I}", DestIPEdit, cbxDestIP},
        {8, "%s", DestIPMaskEdit, cbxDestIPMask},
        {9, "%i{n0x63l2}", DSCPEdit, cbxDscp},
        {10, nullptr, ProtocolComboBox, cbxProtocol},
        {11, "%i{n0x255}", TypeEdit, cbxType},
        {12, "%i{n0x255}", CodeEdit, cbxCode},
        {13, "%i{n0x65535l5}", SourcePortEdit, cbxSourcePort},
        {14, "%h", SourcePortMaskEdit, cbxSourcePortMask},
        {15, "%i{n0x65535l5}", DestPortEdit, cbxDestPort},
        {16, "%h", DestPortMaskEdit, cbxDestPortMask},
        {17, "%i{n0x63l2}", FlagEdit, cbxFBs},
        {18, "%i{n0x255l3}", ProtocolIDEdit, cbxProtocolID},
        {19, "%h{l8f}", UserEdit, cbxUser},
        {20, "%h{l8f}", UserMaskEdit, cbxUserMask},
        {21, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {22, "%i{n1x384l3}", PortEdit, PortChkBox},
        {23, "%i{n1x64l2}", PortGroupEdit, cbxPortGroup},
        {24, nullptr, PermitComboBox, cbxPermit},
        {25, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {26, "%i{n0x7}", PriorityEdit, cbxPriority},
        {27, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {28, "%i{n0x63l2}", EnabledDSCPEdit, cbxEnableDSCPValue},
        {29, "%s{l32}", TimeRangeEdit, cbxTimeRange},
    });
}

void TEgressIPv4RuleForm::CreationRules()
{
    VLANBaseChkBoxClick(VLANBaseChkBox);
    PortChkBoxClick(PortChkBox);
    cbxPortGroupClick(cbxPortGroup);
    cbxProtocolIDClick(cbxProtocolID);
    RuleVLANcbxClick(RuleVLANcbx);
    ProtocolComboBoxChange(ProtocolComboBox);
    PermitComboBoxChange(PermitComboBox);
    cbxTimeRangeClick(cbxTimeRange);
}

void TEgressIPv4RuleForm::ResetControls()
{
    TEgressRuleFrame::ResetControls();
    ProtocolComboBox->SetItemIndex(NoneProtocol);
    for (QWidget* control : std::initializer_list<QWidget*>{cbxProtocol, cbxType, TypeEdit, CodeEdit, cbxCode, cbxUser})
        control->setEnabled(true);
}

void TEgressIPv4RuleForm::ResetInputs()
{
    TEgressRuleFrame::ResetInputs();
    cbxSourceIPClick(cbxSourceIP);
    cbxDestIPClick(cbxDestIP);
}

void TEgressIPv4RuleForm::RowRules()
{
    // The Permit rule first: a selected rule's actions follow its Permit choice.
    PermitComboBoxChange(PermitComboBox);
    TEgressRuleFrame::RowRules();
}

void TEgressIPv4RuleForm::ProtocolComboBoxChange(QObject*)
{
    enum : unsigned {
        Type = 1u << 0, Code = 1u << 1, SourcePort = 1u << 2, DestPort = 1u << 3, Flags = 1u << 4,
        ProtocolID = 1u << 5, User = 1u << 6, UserMask = 1u << 7, PortMasks = 3u << 8,
    };
    SwitchProtocolFields(
        {
            {cbxType, TypeEdit},
            {cbxCode, CodeEdit},
            {cbxSourcePort, SourcePortEdit},
            {cbxDestPort, DestPortEdit},
            {cbxFBs, FlagEdit},
            {cbxProtocolID, ProtocolIDEdit},
            {cbxUser, UserEdit},
            {cbxUserMask, UserMaskEdit},
            {cbxSourcePortMask, SourcePortMaskEdit},
            {cbxDestPortMask, DestPortMaskEdit},
        },
        {
            0,                                                  // none
            Type | Code,                                        // icmp
            Type,                                               // igmp
            SourcePort | DestPort | Flags | PortMasks,          // tcp
            SourcePort | DestPort | PortMasks,                  // udp
            ProtocolID | User | UserMask,                       // protocolId
        },
        ProtocolComboBox->ItemIndex());
}

void TEgressIPv4RuleForm::cbxProtocolIDClick(QObject*)
{
    if (cbxProtocolID->Checked()) {
        EnableControls({ProtocolIDEdit, UserEdit});
        cbxUser->setEnabled(true);
    } else {
        DisableControls({ProtocolIDEdit, UserEdit});
        cbxUser->setEnabled(false);
    }
}

void TEgressIPv4RuleForm::cbxSourceIPClick(QObject*)
{
    // Only the enabled state: the mask and the addresses stay for the next time.
    const bool on = cbxSourceIP->Checked();
    for (QWidget* control : std::initializer_list<QWidget*>{cbxSourceIPMask, SourceIPEdit, SourceIPMaskEdit})
        control->setEnabled(on);
}

void TEgressIPv4RuleForm::cbxDestIPClick(QObject*)
{
    const bool on = cbxDestIP->Checked();
    for (QWidget* control : std::initializer_list<QWidget*>{DestIPEdit, cbxDestIPMask, DestIPMaskEdit})
        control->setEnabled(on);
}

bool TEgressIPv4RuleForm::ValidateInputs()
{
    if (!RequireText(MaskIDEdit, "Profile ID must be set.") || !RequireText(AccessIDEdit, "Access ID must be set."))
        return false;
    if (RuleVLANcbx->Checked()
        && (!RequireTextIfChecked(cbxVID, RuleVIDEdit, EmptyField)
            || !RequireTextIfChecked(cbxVLANMask, VLANMaskEdit, EmptyField)))
        return false;
    // The destination address has its input rule only.
    if (!CheckIPv4Address(cbxSourceIP, SourceIPEdit, EmptyField)
        || !CheckIPv4Address(cbxSourceIPMask, SourceIPMaskEdit, EmptyField)
        || !CheckIPv4Address(cbxDestIPMask, DestIPMaskEdit, EmptyField))
        return false;
    const std::pair<ui::CheckBox*, ui::Edit*> filled[] = {
        {cbxDscp, DSCPEdit},           {cbxSourcePort, SourcePortEdit},    {cbxDestPort, DestPortEdit},
        {cbxFBs, FlagEdit},            {cbxProtocolID, ProtocolIDEdit},    {cbxUserMask, UserMaskEdit},
        {cbxUser, UserEdit},           {cbxPriority, PriorityEdit},        {cbxEnableDSCPValue, EnabledDSCPEdit},
        {cbxType, TypeEdit},           {cbxCode, CodeEdit},                {cbxPortGroup, PortGroupEdit},
        {PortChkBox, PortEdit},        {VLANBaseChkBox, VLANBasedVIDEdit}, {cbxTimeRange, TimeRangeEdit},
    };
    for (const auto& [box, edit] : filled)
        if (!RequireTextIfChecked(box, edit, EmptyField))
            return false;
    return true;
}
