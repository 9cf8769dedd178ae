#include "gui/BasicForm.h"

#include "gui/PortFunctions.h"

#include "snmp/DeviceState.h"
#include "snmp/Request2Edits.h"
#include "snmp/Validators.h"
#include "snmp/VarDescriptor.h"

#include "ui/Align.h"
#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>

#include <algorithm>

namespace {

std::string ControlText(const QWidget* control)
{
    if (const auto* edit = dynamic_cast<const ui::Edit*>(control))
        return edit->Text();
    if (const auto* combo = dynamic_cast<const ui::ComboBox*>(control))
        return combo->Text();
    return {};
}

void FocusOn(QWidget* control)
{
    if (auto* edit = dynamic_cast<ui::Edit*>(control)) {
        edit->SetFocus();
        return;
    }
    control->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

// The message, and the focus on the control when it can take it.
bool Refuse(QWidget* owner, QWidget* control, const std::string& message)
{
    ui::ShowMessage(owner, message);
    if (control->isEnabled())
        FocusOn(control);
    return false;
}

} // namespace

TBasicForm::TBasicForm(QWidget* owner) : ui::Form(owner) {}

void TBasicForm::InitBasicForm()
{
    ScaleForScreen();
    SetPosition(ui::poMainFormCenter);
    PortBitsText = PortBitIndexText();
    CheckBoxes.clear();
    ValueControls.clear();
}

void TBasicForm::BindCombo(MvSNMPRequest2Edits& request, int column, ui::ComboBox* list, QAbstractButton* checkBox)
{
    request.BindComboBox(column, list);
    CheckBoxes.push_back(checkBox);
    ValueControls.push_back(list);
}

void TBasicForm::BindEdit(MvSNMPRequest2Edits& request, int column, const std::string& rule, ui::Edit* edit,
                          QAbstractButton* checkBox)
{
    request.BindEdits(column, rule, edit);
    CheckBoxes.push_back(checkBox);
    ValueControls.push_back(edit);
}

void TBasicForm::BuildPortSelector(QWidget* panel, int perLine)
{
    auto* picker = new TStackingPortUitForm(this);
    PortSelector = picker;
    ui::SetParent(picker, panel);
    ui::SetAlign(picker, ui::alClient);
    picker->Show();
    // Six units whatever the stacking state: the windows bind unit 1's boxes.
    for (int i = 0; i < 6; ++i)
        picker->AddUnit("Unit" + std::to_string(i + 1), i * TStackingPortUitForm::PortsPerUnit + 1,
                        TStackingPortUitForm::PortsPerUnit, perLine, false);
    picker->ShowUnit("1", ModelNameCopy, 1, PortCountOfModel(ModelNameCopy));
}

void TBasicForm::MarkSkippedColumns(MvSNMPRequest2Edits& request)
{
    MvSNMPVarList& list = request.Request.VarList;
    const int end = std::min({ColumnCount, list.Count(), static_cast<int>(CheckBoxes.size())});
    for (int k = list.keyCount; k < end; ++k) {
        if (k == SkipIndex)
            continue;
        const auto* box = dynamic_cast<const QAbstractButton*>(CheckBoxes[static_cast<std::size_t>(k)]);
        if (box != nullptr && !(box->isChecked() && box->isEnabled()))
            list.Item(k).access |= invalid;
    }
}

void TBasicForm::ClearSkippedColumns(MvSNMPRequest2Edits& request)
{
    MvSNMPVarList& list = request.Request.VarList;
    const int end = std::min(ColumnCount, list.Count());
    for (int k = 0; k < end; ++k)
        list.Item(k).access &= ~invalid;
}

bool TBasicForm::RequireOnePort()
{
    if (PortSelector && PortSelector->CountChecked() > 0)
        return true;
    ui::ShowMessage(this, "You must choose at least 1 port!");
    return false;
}

void TBasicForm::DisableControl(QWidget* control)
{
    if (auto* edit = dynamic_cast<ui::Edit*>(control)) {
        edit->setEnabled(false);
        ui::SetColor(edit, ui::clMenu);
        edit->SetText("");
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) {
        combo->setEnabled(false);
        ui::SetColor(combo, ui::clMenu);
    } else if (auto* box = dynamic_cast<ui::CheckBox*>(control)) {
        box->SetChecked(false);
        box->setEnabled(false);
    } else if (auto* radio = dynamic_cast<ui::RadioButton*>(control)) {
        radio->SetChecked(false);
        radio->setEnabled(false);
    }
}

void TBasicForm::EnableControl(QWidget* control)
{
    if (dynamic_cast<ui::Edit*>(control) != nullptr || dynamic_cast<ui::ComboBox*>(control) != nullptr) {
        control->setEnabled(true);
        ui::SetColor(control, ui::clWindow);
    } else if (dynamic_cast<QAbstractButton*>(control) != nullptr) {
        control->setEnabled(true);
    }
}

void TBasicForm::DisableControls(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        DisableControl(control);
}

void TBasicForm::EnableControls(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        EnableControl(control);
}

void TBasicForm::DisableByTag(int tag)
{
    ForEachTagged(tag, &TBasicForm::DisableControl);
}

void TBasicForm::EnableByTag(int tag)
{
    ForEachTagged(tag, &TBasicForm::EnableControl);
}

void TBasicForm::ForEachTagged(int tag, void (*operation)(QWidget*))
{
    // Columns are visited by index; a column without a box is passed over for both lists.
    for (std::size_t k = 0; k < CheckBoxes.size() && k < ValueControls.size(); ++k) {
        if (CheckBoxes[k] == nullptr)
            continue;
        if (ui::Tag(CheckBoxes[k]) == tag)
            operation(CheckBoxes[k]);
        if (ValueControls[k] != nullptr && ui::Tag(ValueControls[k]) == tag)
            operation(ValueControls[k]);
    }
}

void TBasicForm::MakeReadOnly(QWidget* control)
{
    if (auto* edit = dynamic_cast<ui::Edit*>(control))
        edit->SetReadOnly(true);
    else if (auto* combo = dynamic_cast<ui::ComboBox*>(control))
        combo->setEnabled(false);
    else
        return;
    ui::SetTabStop(control, false);
    ui::SetColor(control, ui::clBtnFace);
}

void TBasicForm::MakeReadOnlyControls(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        MakeReadOnly(control);
}

void TBasicForm::ClearValues(const std::vector<QWidget*>& controls)
{
    for (QWidget* control : controls) {
        if (auto* combo = dynamic_cast<ui::ComboBox*>(control))
            combo->SetItemIndex(combo->ItemCount() > 0 ? 0 : -1);
        else if (auto* edit = dynamic_cast<ui::Edit*>(control))
            edit->SetText("");
    }
}

void TBasicForm::UncheckAll(const std::vector<QWidget*>& controls)
{
    for (QWidget* control : controls)
        if (auto* box = dynamic_cast<ui::CheckBox*>(control))
            box->SetChecked(false);
}

void TBasicForm::CheckAllEnabled(const std::vector<QWidget*>& controls)
{
    for (QWidget* control : controls)
        if (auto* box = dynamic_cast<ui::CheckBox*>(control); box != nullptr && box->isEnabled())
            box->SetChecked(true);
}

bool TBasicForm::RequireTextIfChecked(QAbstractButton* checkBox, QWidget* control, const std::string& message)
{
    if (checkBox == nullptr || !checkBox->isChecked() || !ControlText(control).empty())
        return true;
    return Refuse(this, control, message);
}

bool TBasicForm::RequireText(QWidget* control, const std::string& message)
{
    if (control == nullptr || !ControlText(control).empty())
        return true;
    return Refuse(this, control, message);
}

bool TBasicForm::CheckPlainMACText(QWidget* control)
{
    const std::string text = ControlText(control);
    if (text.find_first_of("-.") == std::string::npos && IsValidMACText(text))
        return true;
    ui::ShowMessage(control->window(), "Please enter a valid MAC address!");
    return false;
}

bool TBasicForm::CheckSeparatedMACText(QWidget* control)
{
    const std::string text = ControlText(control);
    if (text.empty()) {
        ui::ShowMessage(control->window(), "Please enter a valid MAC Address");
        return false;
    }
    if (IsValidMACText(text))
        return true;
    ui::ShowMessage(control->window(), "Please enter a valid MAC address!");
    return false;
}

bool TBasicForm::CheckDottedIPv4Text(QWidget* control)
{
    return IsValidIPv4Text(ControlText(control));
}

void TBasicForm::FocusIfEnabled(QWidget* control)
{
    if (control != nullptr && control->isEnabled())
        FocusOn(control);
}
