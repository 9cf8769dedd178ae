#include "features/acl/CPUFilterIPRuleForm.h"

TCPUFilterIPRuleForm* CPUFilterIPRuleForm = nullptr;

namespace {

const RuleFrameSettings IPv4RuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.5.2.1.1",
    .RowStatusColumn = TCPUFilterIPRuleForm::RowStatusItem,
    .PortListColumn = TCPUFilterIPRuleForm::PortColumn,
    .PortsPerLine = 14,
    .LogTarget = RuleLogTarget::None,
};

constexpr const char* EmptyField = "Some check field is empty";

} // namespace

TCPUFilterIPRuleForm::TCPUFilterIPRuleForm(QWidget* owner) : TCPUFilterRuleFrame(owner, IPv4RuleSettings)
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
    });
    ProtocolComboBox->OnChange = ui::Handler(this, &TCPUFilterIPRuleForm::ProtocolComboBoxChange);
    DoCreate();
}

void TCPUFilterIPRuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x5l1}", ProfileIDEdit, chkRuleID},
        {1, "%i{n0x100l3}", AccessEdit, chkAccessID},
        {2, "%s{l32}", RuleVLANNameEdit, cbxVlanName},
        {3, "%s{I}", SourceIPEdit, cbxSourceIP},
        {4, "%s{I}", DestIPEdit, cbxDestIP},
        {5, "%i{n0x63l2}", DSCPEdit, cbxDSCP},
        {6, nullptr, ProtocolComboBox, cbxProtocol}, // read-only: never written
        {7, "%i{n0x255}", TypeEdit, cbxType},
        {8, "%i{n0x255}", CodeEdit, cbxCode},
        {9, "%i{n0x65535l5}", SourcePortEdit, cbxSourcePort},
        {10, "%i{n0x65535l5}", DestPortEdit, cbxDestPort},
        {11, "%i{n0x63l2}", FlagEdit, cbxFBs},
        {12, "%i{n0x255l3}", ProtocolIDEdit, cbxProtocolID},
        {13, "%h{l8f}", UserMaskEdit, cbxUserMask},
        {14, nullptr, PermitComboBox, cbxPermit},
        {15, nullptr, RowComboBox, cbxRow},
        {16, nullptr, nullptr, nullptr}, // the port boxes of unit 1
        {17, "%i{n1x4094l4}", RuleVIDEdit, cbxVID},
    });
}

void TCPUFilterIPRuleForm::CreationRules()
{
    TCPUFilterRuleFrame::CreationRules();
    ProtocolComboBox->SetItemIndex(NoneProtocol);
    ProtocolComboBoxChange(ProtocolComboBox);
}

void TCPUFilterIPRuleForm::RowRules() { ProtocolComboBoxChange(ProtocolComboBox); }

void TCPUFilterIPRuleForm::ProtocolComboBoxChange(QObject*)
{
    enum : unsigned {
        Type = 1u << 0, Code = 1u << 1, SourcePort = 1u << 2, DestPort = 1u << 3, Flags = 1u << 4,
        ProtocolID = 1u << 5, UserMask = 1u << 6,
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
        },
        {
            0,                               // none
            Type | Code,                     // icmp
            Type,                            // igmp
            SourcePort | DestPort | Flags,   // tcp
            SourcePort | DestPort,           // udp
            ProtocolID | UserMask,           // protocolId
        },
        ProtocolComboBox->ItemIndex());
}

void TCPUFilterIPRuleForm::CheckButtonClick(QObject*)
{
    RuleVLANcbx->SetChecked(true);
    RuleVLANcbxClick(RuleVLANcbx);
    CheckAllEnabled(CheckBoxes);
}

void TCPUFilterIPRuleForm::UncheckButtonClick(QObject*)
{
    RuleVLANcbx->SetChecked(false);
    RuleVLANcbxClick(RuleVLANcbx);
    UncheckAll(CheckBoxes);
}

void TCPUFilterIPRuleForm::EditButtonClick(QObject* sender)
{
    if (!Request)
        return;
    if (RowComboBox->ItemIndex() == DestroyIndex && cbxRow->Checked()) {
        if (!ValidateInputs())
            return;
        // Delete reads the table itself; the second read is the window's own habit.
        DeleteButtonClick(DeleteButton);
        GetButtonClick(GetButton);
        return;
    }
    TCPUFilterRuleFrame::EditButtonClick(sender);
}

bool TCPUFilterIPRuleForm::ValidateInputs()
{
    if (!RequireText(ProfileIDEdit, "Profile ID must be set.") || !RequireText(AccessEdit, "Access ID must be set."))
        return false;
    if (RuleVLANcbx->Checked()) {
        if (!RequireTextIfChecked(cbxVID, RuleVIDEdit, EmptyField)
            || !RequireTextIfChecked(cbxVlanName, RuleVLANNameEdit, EmptyField))
            return false;
    }
    const std::pair<ui::CheckBox*, QWidget*> filled[] = {
        {cbxSourceIP, SourceIPEdit},   {cbxDestIP, DestIPEdit},         {cbxDSCP, DSCPEdit},
        {cbxProtocol, ProtocolComboBox}, {cbxProtocolID, ProtocolIDEdit}, {cbxFBs, FlagEdit},
        {cbxDestPort, DestPortEdit},   {cbxSourcePort, SourcePortEdit}, {cbxType, TypeEdit},
        {cbxCode, CodeEdit},           {cbxUserMask, UserMaskEdit},     {cbxPermit, PermitComboBox},
        {cbxRow, RowComboBox},
    };
    for (const auto& [box, control] : filled)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    return RequireOnePort();
}
