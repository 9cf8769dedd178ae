#include "features/acl/IPProfileRuleForm.h"

#include "ui/Control.h"

TIPProfileRuleForm* IPProfileRuleForm = nullptr;

namespace {

const RuleFrameSettings IPv4RuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.3.2.1.1",
    .RowStatusColumn = TIPProfileRuleForm::RowStatusItem,
    .PortListColumn = TIPProfileRuleForm::PortColumn,
    .VLANBasedColumn = TIPProfileRuleForm::VLANBasedItem,
    .PortsPerLine = 14,
    .DuplicateMessage = "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
};

constexpr const char* EmptyField = "Some check field is empty.";

} // namespace

TIPProfileRuleForm::TIPProfileRuleForm(QWidget* owner) : TIPProfileRuleForm(owner, IPv4RuleSettings) {}

TIPProfileRuleForm::TIPProfileRuleForm(QWidget* owner, const RuleFrameSettings& settings)
    : TAclRuleFrame(owner, settings)
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
        .CheckButton = CheckButton,
        .UncheckButton = UncheckButton,
        .CloseButton = CloseButton,
        .ProfileIDEdit = IPRuleEdit,
        .AccessIDEdit = AccessIDEdit,
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
        .DSCPValueControls = {DSCPValueEdit, cbxDSCPValue},
        .RepTosStateComboBox = RepTosStateComboBox,
        .RepTosStateControls = {cbxRepTosState, RepTosStateComboBox},
        .TosValueControls = {TosValueEdit, cbxRepTosValue},
        .RuleVLANcbx = RuleVLANcbx,
        .VLANGroup = {cbxVID, cbxVlanName, cbxVLANMask, RuleVIDEdit, RuleVLANNameEdit, VLANMaskEdit},
        .CheckAllExtras = {RuleVLANcbx, cbxVlanName, cbxVID},
    });
    ProtocolComboBox->OnChange = ui::Handler(this, &TIPProfileRuleForm::ProtocolComboBoxChange);
    cbxSourceIP->OnClick = ui::Handler(this, &TIPProfileRuleForm::cbxSourceIPClick);
    cbxDestIP->OnClick = ui::Handler(this, &TIPProfileRuleForm::cbxDestIPClick);
    DoCreate();
}

void TIPProfileRuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x512l3}", IPRuleEdit, chkRuleID},
        {1, "%i{n0x256l3}", AccessIDEdit, chkAccessID},
        {2, "%s{l32}", RuleVLANNameEdit, cbxVlanName},
        {3, "%i{n1x4094l4}", RuleVIDEdit, cbxVID},
        {4, "%s{I}", SourceIPEdit, cbxSourceIP},
        {5, "%s{I}", DestIPEdit, cbxDestIP},
        {6, "%i{n0x63l2}", DSCPEdit, cbxDscp},
        {7, nullptr, ProtocolComboBox, cbxProtocol},
        {8, "%i{n0x255}", TypeEdit, cbxType},
        {9, "%i{n0x255}", CodeEdit, cbxCode},
        {10, "%i{n0x65535l5}", SourcePortEdit, cbxSourcePort},
        {11, "%i{n0x65535l5}", DestPortEdit, cbxDestPort},
        {12, "%i{n0x63l2}", FlagEdit, cbxFBs},
        {13, "%i{n0x255l3}", ProtocolIDEdit, cbxProtocolID},
        {14, "%h{l8f}", UserMaskEdit, cbxUserMask},
        {15, nullptr, EnablePriorityComboBox, cbxEnablePriority},
        {16, "%i{n0x7l1}", PriorityEdit, cbxPriority},
        {17, nullptr, ReplacePriorityComboBox, cbxReplacePriority},
        {18, nullptr, EnableReplaceDSCPComboBox, cbxEnableReplaceDSCP},
        {19, "%i{n0x63l2}", DSCPValueEdit, cbxDSCPValue},
        {20, nullptr, PermitComboBox, cbxPermit},
        {21, nullptr, nullptr, nullptr}, // the port boxes of unit 1
        {22, nullptr, RowComboBox, cbxRow},
        {23, nullptr, RuleOwnerComboBox, nullptr},
        {24, nullptr, RepTosStateComboBox, cbxRepTosState},
        {25, "%i{n0x7l1}", TosValueEdit, cbxRepTosValue},
        {26, "%i{n1x4094l4}", VLANBasedVIDEdit, VLANBaseChkBox},
        {27, "%h{l4}", VLANMaskEdit, cbxVLANMask},
        {28, "%s{I}", SourceIPMaskEdit, cbxSourceIPMask},
        {29, "%s{I}", DestIPMaskEdit, cbxDestIPMask},
        {30, "%h{l4}", SourcePortMaskEdit, cbxSourcePortMask},
        {31, "%h{l4}", DestPortMaskEdit, cbxDestPortMask},
        {32, "%h{l8f}", MaskEdit, cbxMask},
    });
}

void TIPProfileRuleForm::HideUnusedControls()
{
    for (QWidget* control : std::initializer_list<QWidget*>{cbxRxRate, RxRateEdit, lblSrcMacAddr, SrcMacAddressEdit,
                                                            cbxMirrorGroup, MirrorGroupEdit})
        control->hide();
    ui::SetLeft(lblOwner, lblSrcMacAddr->x());
    ui::SetLeft(RuleOwnerComboBox, SrcMacAddressEdit->x());
    cbxMask->show();
    MaskEdit->show();
}

void TIPProfileRuleForm::CreationRules()
{
    VLANBaseChkBoxClick(VLANBaseChkBox);
    RuleVLANcbxClick(RuleVLANcbx);
    ProtocolComboBoxChange(ProtocolComboBox);
    PermitComboBoxChange(PermitComboBox);
}

void TIPProfileRuleForm::ResetControls()
{
    TAclRuleFrame::ResetControls();
    ProtocolComboBox->SetItemIndex(NoneProtocol);
    cbxVID->SetChecked(false);
    for (QWidget* control : std::initializer_list<QWidget*>{cbxProtocol, cbxType, TypeEdit, CodeEdit, cbxCode})
        control->setEnabled(true);
}

void TIPProfileRuleForm::NoRowRules()
{
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    ProtocolComboBoxChange(ProtocolComboBox);
    RuleVLANcbxClick(RuleVLANcbx);
    PermitComboBoxChange(PermitComboBox);
}

void TIPProfileRuleForm::RowRules()
{
    EnablePriorityComboBoxChange(EnablePriorityComboBox);
    RepTosStateComboBoxChange(RepTosStateComboBox);
    EnableReplaceDSCPComboBoxChange(EnableReplaceDSCPComboBox);
    ProtocolComboBoxChange(ProtocolComboBox);
    PermitComboBoxChange(PermitComboBox);
}

void TIPProfileRuleForm::ProtocolComboBoxChange(QObject*)
{
    enum : unsigned {
        Type = 1u << 0, Code = 1u << 1, SourcePort = 1u << 2, DestPort = 1u << 3, Flags = 1u << 4,
        ProtocolID = 1u << 5, UserMask = 1u << 6, Mask = 1u << 7, SourcePortMask = 1u << 8,
        DestPortMask = 1u << 9,
    };
    SwitchProtocolFields(
        {
            {cbxType, TypeEdit},
            {cbxCode, CodeEdit},
            {cbxSourcePort, SourcePortEdit},
            {cbxDestPort, DestPortEdit},
            {cbxFBs, FlagEdit},
            {cbxProtocolID, ProtocolIDEdit},
            {cbxUserMask, UserMaskEdit},
            {cbxMask, MaskEdit},
            {cbxSourcePortMask, SourcePortMaskEdit},
            {cbxDestPortMask, DestPortMaskEdit},
        },
        {
            0,                                                               // none
            Type | Code,                                                     // icmp
            Type,                                                            // igmp
            SourcePort | DestPort | Flags | SourcePortMask | DestPortMask,   // tcp
            SourcePort | DestPort | SourcePortMask | DestPortMask,           // udp
            ProtocolID | UserMask | Mask,                                    // protocolId
        },
        ProtocolComboBox->ItemIndex());
}

void TIPProfileRuleForm::cbxSourceIPClick(QObject*)
{
    const bool on = cbxSourceIP->Checked();
    if (on)
        cbxSourceIP->setEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{cbxSourceIPMask, SourceIPEdit, SourceIPMaskEdit})
        control->setEnabled(on);
}

void TIPProfileRuleForm::cbxDestIPClick(QObject*)
{
    const bool on = cbxDestIP->Checked();
    if (on)
        cbxDestIP->setEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{cbxDestIPMask, DestIPEdit, DestIPMaskEdit})
        control->setEnabled(on);
}

bool TIPProfileRuleForm::ValidateInputs()
{
    if (!RequireText(IPRuleEdit, "Mask ID must be set.") || !RequireText(AccessIDEdit, "Access ID must be set."))
        return false;
    if (RuleVLANcbx->Checked()) {
        if (!RequireTextIfChecked(cbxVlanName, RuleVLANNameEdit, EmptyField)
            || !RequireTextIfChecked(cbxVID, RuleVIDEdit, EmptyField)
            || !RequireTextIfChecked(cbxVLANMask, VLANMaskEdit, EmptyField))
            return false;
    }
    // The destination address has its input rule only.
    if (!CheckIPv4Address(cbxSourceIP, SourceIPEdit, EmptyField)
        || !CheckIPv4Address(cbxSourceIPMask, SourceIPMaskEdit, EmptyField)
        || !CheckIPv4Address(cbxDestIPMask, DestIPMaskEdit, EmptyField))
        return false;
    const std::pair<ui::CheckBox*, ui::Edit*> filled[] = {
        {cbxDscp, DSCPEdit},          {cbxSourcePort, SourcePortEdit}, {cbxDestPort, DestPortEdit},
        {cbxFBs, FlagEdit},           {cbxProtocolID, ProtocolIDEdit}, {cbxUserMask, UserMaskEdit},
        {cbxPriority, PriorityEdit},  {cbxDSCPValue, DSCPValueEdit},   {cbxType, TypeEdit},
        {cbxCode, CodeEdit},          {cbxRepTosValue, TosValueEdit},
    };
    for (const auto& [box, edit] : filled)
        if (!RequireTextIfChecked(box, edit, EmptyField))
            return false;
    if (cbxEnableReplaceDSCP->Checked() && cbxRepTosState->Checked()) {
        Say("Only Can Set Replace DSCP or Replace Tos Each Time.");
        return false;
    }
    if (VLANBaseChkBox->Checked())
        return RequireText(VLANBasedVIDEdit, EmptyField);
    return RequireOnePort();
}
