#include "features/acl/CPUFilterIPV6RuleForm.h"

#include "features/acl/TextChecks.h"

TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm = nullptr;

namespace {

const RuleFrameSettings IPv6RuleSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.5.4.1.1",
    .RowStatusColumn = TCPUFilterIPV6RuleForm::RowStatusItem,
    .PortListColumn = TCPUFilterIPV6RuleForm::PortColumn,
    .PortsPerLine = 12,
    .LogTarget = RuleLogTarget::StatusBar,
};

constexpr const char* EmptyField = "Some check field is empty";
constexpr const char* EmptyAddress = "Some checked field is empty";

} // namespace

TCPUFilterIPV6RuleForm::TCPUFilterIPV6RuleForm(QWidget* owner) : TCPUFilterRuleFrame(owner, IPv6RuleSettings)
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

void TCPUFilterIPV6RuleForm::BindColumns()
{
    TAclRuleFrame::BindColumns({
        {0, "%i{n1x5l1}", ProfileIDEdit, chkMaskID},
        {1, "%i{n0x100l3}", AccessEdit, chkAccessID},
        {2, "%i{n0x255l3}", ClassEdit, cbxClass},
        {3, "%h{l8f}", FlowLabelEdit, cbxFlowLabel},
        {4, "%s{l32f}", SourceIPV6Edit, cbxSource},
        {5, "%s{l32f}", DestIPV6Edit, cbxDestination},
        {6, nullptr, PermitComboBox, cbxPermit},
        {7, nullptr, RowComboBox, cbxRow},
        {8, nullptr, nullptr, nullptr}, // the port boxes of unit 1
    });
}

bool TCPUFilterIPV6RuleForm::ValidateInputs()
{
    if (!RequireText(ProfileIDEdit, "Profile ID must be set.") || !RequireText(AccessEdit, "Access ID must be set."))
        return false;
    if (!RequireTextIfChecked(cbxClass, ClassEdit, EmptyField)
        || !CheckIPv6Address(cbxSource, SourceIPV6Edit, EmptyAddress, IPv6LengthLessMessage)
        || !CheckIPv6Address(cbxDestination, DestIPV6Edit, EmptyAddress, IPv6LengthLessMessage))
        return false;
    const std::pair<ui::CheckBox*, QWidget*> filled[] = {
        {cbxFlowLabel, FlowLabelEdit},
        {cbxPermit, PermitComboBox},
        {cbxRow, RowComboBox},
    };
    for (const auto& [box, control] : filled)
        if (!RequireTextIfChecked(box, control, EmptyField))
            return false;
    return RequireOnePort();
}
