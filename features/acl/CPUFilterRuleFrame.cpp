#include "features/acl/CPUFilterRuleFrame.h"

#include "features/common/SynchronousScope.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"

namespace {

RuleFrameSettings Synchronous(RuleFrameSettings settings)
{
    settings.Synchronous = true;
    settings.ReportSets = false;
    settings.VLANBasedColumn = -1;
    return settings;
}

} // namespace

TCPUFilterRuleFrame::TCPUFilterRuleFrame(QWidget* owner, RuleFrameSettings settings)
    : TAclRuleFrame(owner, Synchronous(settings))
{
}

void TCPUFilterRuleFrame::CreationRules()
{
    Components().PermitComboBox->SetItemIndex(1); // permit
    Components().RowComboBox->SetItemIndex(CreateAndGoIndex);
    if (Components().RuleVLANcbx != nullptr)
        RuleVLANcbxClick(Components().RuleVLANcbx);
}

void TCPUFilterRuleFrame::ResetInputs()
{
    ClearValues(ValueControls);
    UncheckAll(CheckBoxes);
    if (ui::CheckBox* vlan = Components().RuleVLANcbx) {
        vlan->SetChecked(false);
        RuleVLANcbxClick(vlan);
    }
    if (PortSelector)
        PortSelector->UncheckAll();
    ShowRowCount();
}

void TCPUFilterRuleFrame::RowRules() {}

void TCPUFilterRuleFrame::NoRowRules()
{
    if (Components().RuleVLANcbx != nullptr)
        RuleVLANcbxClick(Components().RuleVLANcbx);
}

void TCPUFilterRuleFrame::PermitComboBoxChange(QObject*) {}

void TCPUFilterRuleFrame::GetButtonClick(QObject*)
{
    if (!Request)
        return;
    // The list is cleared and read whole before Read returns.
    Guarded([&] { Read(*Request); });
    AddMode();
    ResetInputs();
}

void TCPUFilterRuleFrame::AddButtonClick(QObject*)
{
    if (!Request || !ValidateInputs() || IsDuplicateRule() || !RequirePermit() || !TypedFieldsFit())
        return;
    Components().RowComboBox->SetItemIndex(CreateAndGoIndex);
    if (Guarded([&] { WriteRule(false); })) {
        GetButtonClick(Components().GetButton);
        return;
    }
    AddMode();
    ResetInputs();
}

void TCPUFilterRuleFrame::EditButtonClick(QObject*)
{
    if (!Request || !ValidateInputs() || !TypedFieldsFit())
        return;
    if (Guarded([&] { WriteEdit(); })) {
        GetButtonClick(Components().GetButton);
        return;
    }
    AddMode();
    ResetInputs();
}

void TCPUFilterRuleFrame::WriteEdit() { WriteRule(true); }

void TCPUFilterRuleFrame::WriteColumnAlone(int column)
{
    SkippedColumns alone(Request->Request.VarList);
    alone.KeepOnly(column);
    Write(*Request);
}

void TCPUFilterRuleFrame::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    // The status alone; a failure to build or send it is shown like every other handler's.
    Guarded([&] {
        SynchronousScope synchronous(*Request);
        SkippedColumns skipped(Request->Request.VarList);
        skipped.KeepOnly(RowStatusColumn);
        Components().RowComboBox->SetItemIndex(DestroyIndex);
        Write(*Request);
    });
    GetButtonClick(Components().GetButton);
    ResetInputs();
}
