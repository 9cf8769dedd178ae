#include "features/acl/EgressRuleFrame.h"

#include "snmp/Convert.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/ListView.h"


TEgressRuleFrame::TEgressRuleFrame(QWidget* owner, RuleFrameSettings settings, EgressRuleVariant variant)
    : TAclRuleFrame(owner, settings), variant_(variant)
{
}

void TEgressRuleFrame::UseEgressComponents(RuleFrameComponents components, EgressRuleComponents egress)
{
    e_ = egress;
    PortColumn = e_.PortColumn;
    PortGroupColumn = e_.PortGroupColumn;
    components.Targets = {{components.VLANBaseChkBox, Settings().VLANBasedColumn},
                          {e_.PortChkBox, e_.PortColumn},
                          {e_.cbxPortGroup, e_.PortGroupColumn}};
    UseComponents(std::move(components));
    e_.PortChkBox->OnClick = ui::Handler(this, &TEgressRuleFrame::PortChkBoxClick);
    e_.cbxPortGroup->OnClick = ui::Handler(this, &TEgressRuleFrame::cbxPortGroupClick);
    e_.cbxTimeRange->OnClick = ui::Handler(this, &TEgressRuleFrame::cbxTimeRangeClick);
}

// --- the enabling rules of the targets and the time range

void TEgressRuleFrame::VLANBaseChkBoxClick(QObject*)
{
    const RuleFrameComponents& c = Components();
    if (c.VLANBaseChkBox->Checked()) {
        EnableControl(c.VLANBasedVIDEdit);
        DisableControls({e_.PortChkBox, e_.cbxPortGroup, e_.PortEdit, e_.PortGroupEdit});
    } else {
        DisableControl(c.VLANBasedVIDEdit);
        EnableControls({e_.PortChkBox, e_.PortEdit, e_.cbxPortGroup, e_.PortGroupEdit});
    }
}

void TEgressRuleFrame::PortChkBoxClick(QObject*)
{
    const RuleFrameComponents& c = Components();
    if (e_.PortChkBox->Checked()) {
        EnableControls({e_.PortChkBox, e_.PortEdit});
        DisableControls({c.VLANBaseChkBox, e_.cbxPortGroup, c.VLANBasedVIDEdit, e_.PortGroupEdit});
    } else {
        // The port typed stays for the next time the box is checked.
        e_.PortEdit->setEnabled(false);
        EnableControls({c.VLANBaseChkBox, c.VLANBasedVIDEdit, e_.cbxPortGroup, e_.PortGroupEdit});
    }
}

void TEgressRuleFrame::cbxPortGroupClick(QObject*)
{
    const RuleFrameComponents& c = Components();
    if (e_.cbxPortGroup->Checked()) {
        EnableControls({e_.cbxPortGroup, e_.PortGroupEdit});
        DisableControls({c.VLANBaseChkBox, e_.PortChkBox, c.VLANBasedVIDEdit, e_.PortEdit});
    } else {
        e_.PortGroupEdit->setEnabled(false);
        EnableControls({c.VLANBaseChkBox, c.VLANBasedVIDEdit, e_.PortChkBox, e_.PortEdit});
    }
}

void TEgressRuleFrame::cbxTimeRangeClick(QObject*)
{
    const bool on = e_.cbxTimeRange->Checked();
    e_.TimeRangeEdit->setEnabled(on);
    ui::SetColor(e_.TimeRangeEdit, on ? ui::clWindow : ui::clMenu);
}

// --- the no-selection state and the row selection

void TEgressRuleFrame::ResetControls()
{
    TAclRuleFrame::ResetControls();
    const RuleFrameComponents& c = Components();
    if (c.RuleVLANcbx != nullptr)
        c.RuleVLANcbx->SetChecked(false);
    for (QWidget* box : {static_cast<QWidget*>(e_.cbxPortGroup), static_cast<QWidget*>(e_.PortChkBox),
                         static_cast<QWidget*>(c.VLANBaseChkBox), static_cast<QWidget*>(e_.cbxTimeRange)})
        box->setEnabled(true);
}

void TEgressRuleFrame::ListView1Click(QObject*)
{
    const RuleFrameComponents& c = Components();
    const ui::ListItem* row = c.List->Selected();
    if (row == nullptr) {
        AddMode();
        ResetInputs();
        NoRowRules();
    } else {
        c.ProfileIDEdit->SetText(row->Caption());
        c.AccessIDEdit->SetText(row->SubItem(0));
        EditMode();
        RowRules();
        TakeRuleTarget(*row);
    }
    TargetRules();
}

void TEgressRuleFrame::TakeRuleTarget(const ui::ListItem& row)
{
    const RuleFrameComponents& c = Components();
    const struct {
        ui::CheckBox* Box;
        ui::Edit* Edit;
        int Column;
        long Max;
    } targets[] = {
        {c.VLANBaseChkBox, c.VLANBasedVIDEdit, VLANBasedColumn, MaxVLANBasedID},
        {e_.PortChkBox, e_.PortEdit, PortColumn, MaxPort},
        {e_.cbxPortGroup, e_.PortGroupEdit, PortGroupColumn, MaxPortGroup},
    };
    for (const auto& target : targets) {
        // A cell that is no integer stops the click with the conversion message.
        const long value = StrToInt(row.SubItem(target.Column - 1));
        if (value >= 1 && value <= target.Max) {
            target.Box->SetChecked(true);
            target.Edit->SetText(std::to_string(value));
        } else {
            target.Box->SetChecked(false);
        }
    }
}

void TEgressRuleFrame::NoRowRules()
{
    const RuleFrameComponents& c = Components();
    EnableReplaceDSCPComboBoxChange(c.EnableReplaceDSCPComboBox);
    EnablePriorityComboBoxChange(c.EnablePriorityComboBox);
    RuleVLANcbxClick(c.RuleVLANcbx);
}

void TEgressRuleFrame::RowRules()
{
    TEgressRuleFrame::NoRowRules();
    cbxTimeRangeClick(e_.cbxTimeRange);
}

void TEgressRuleFrame::TargetRules()
{
    VLANBaseChkBoxClick(Components().VLANBaseChkBox);
    cbxPortGroupClick(e_.cbxPortGroup);
    PortChkBoxClick(e_.PortChkBox);
    cbxTimeRangeClick(e_.cbxTimeRange);
}

void TEgressRuleFrame::RefreshRules()
{
    EnableReplaceDSCPComboBoxChange(Components().EnableReplaceDSCPComboBox);
    EnablePriorityComboBoxChange(Components().EnablePriorityComboBox);
    TargetRules();
}

// --- Refresh, Add and Edit

void TEgressRuleFrame::GetButtonClick(QObject*) { RefreshWithRules(); }

void TEgressRuleFrame::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    if (!variant_.AddWhileReading && DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    if (!ValidateInputs())
        return;
    AddRule();
}

void TEgressRuleFrame::AddRule()
{
    if (IsDuplicateRule() || !RequirePermit() || !TypedFieldsFit())
        return;
    Components().RowComboBox->SetItemIndex(CreateAndGoIndex);
    const bool written = Guarded([&] {
        WriteRule(false);
        // At once, behind the write: a read still under way gives way to it.
        Read(*Request);
        if (!variant_.KeepInputsAfterAdd)
            ResetInputs();
    });
    if (!written) {
        AddMode();
        ResetInputs();
    }
}

void TEgressRuleFrame::EditButtonClick(QObject*)
{
    if (!Request)
        return;
    const RuleFrameComponents& c = Components();
    if (!variant_.EditByRowStatus && DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    if (!ValidateInputs())
        return;
    if (variant_.EditByRowStatus) {
        if (c.RowComboBox->ItemIndex() == CreateAndGoIndex) {
            AddRule();
            return;
        }
        if (c.RowComboBox->ItemIndex() == DestroyIndex) {
            DeleteButtonClick(c.DeleteButton);
            return;
        }
        if (DataComplete == 0) {
            Say(NotCompleteText);
            return;
        }
    } else if (c.RowComboBox->ItemIndex() == DestroyIndex && c.RowBox != nullptr && c.RowBox->Checked()) {
        DeleteButtonClick(c.DeleteButton);
        return;
    }
    if (!TypedFieldsFit())
        return;
    // The row's status as read goes out with the checked columns; the inputs stay.
    if (!Guarded([&] {
            WriteRule(false);
            Read(*Request);
        })) {
        AddMode();
        ResetInputs();
    }
}
