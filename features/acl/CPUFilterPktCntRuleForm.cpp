#include "features/acl/CPUFilterPktCntRuleForm.h"

TCPUFilterPktCntRuleForm* CPUFilterPktCntRuleForm = nullptr;

namespace {

const RuleFrameSettings PacketContentRuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.5.3.1.1",
    .RowStatusColumn = TCPUFilterPktCntRuleForm::RowStatusItem,
    .PortListColumn = TCPUFilterPktCntRuleForm::PortColumn,
    .PortsPerLine = 12,
    .LogTarget = RuleLogTarget::StatusBar,
};

constexpr const char* EmptyField = "Some check field is empty";

} // namespace

TCPUFilterPktCntRuleForm::TCPUFilterPktCntRuleForm(QWidget* owner)
    : TCPUFilterRuleFrame(owner, PacketContentRuleSettings)
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
    });
    DoCreate();
}

void TCPUFilterPktCntRuleForm::BindColumns()
{
    // The first box says "(0-15)" where its list column says "(1-15)".
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x5l1}", ProfileIDEdit, chkMaskID},
        {1, "%i{n0x100l3}", AccessEdit, chkAccessID},
        {2, "%h{l32f}", PayloadOff1Edit, cbxPayloadOff1},
        {3, "%h{l32f}", PayloadOff2Edit, cbxPayloadOff2},
        {4, "%h{l32f}", PayloadOff3Edit, cbxPayloadOff3},
        {5, "%h{l32f}", PayloadOff4Edit, cbxPayloadOff4},
        {6, "%h{l32f}", PayloadOff5Edit, cbxPayloadOff5},
        {7, nullptr, PermitComboBox, cbxPermit},
        {8, nullptr, RowComboBox, cbxRow},
        {9, nullptr, nullptr, nullptr}, // the port boxes of unit 1
    });
}

bool TCPUFilterPktCntRuleForm::ValidateInputs()
{
    if (!RequireText(ProfileIDEdit, "Profile ID must be set.") || !RequireText(AccessEdit, "Access ID must be set."))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> filled[] = {
        {cbxPayloadOff1, PayloadOff1Edit}, {cbxPayloadOff2, PayloadOff2Edit}, {cbxPayloadOff3, PayloadOff3Edit},
        {cbxPayloadOff4, PayloadOff4Edit}, {cbxPayloadOff5, PayloadOff5Edit}, {cbxPermit, PermitComboBox},
        {cbxRow, RowComboBox},
    };
    for (const auto& [box, control] : filled)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    return RequireOnePort();
}
