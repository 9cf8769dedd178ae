#include "gui/PortFunctions.h"

#include "gui/RequestIdle.h"
#include "gui/StackingPortUitForm.h"

#include "snmp/DeviceState.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "snmp/VarDescriptor.h"

#include "ui/Align.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/PageControl.h"

#include <QString>

#include <algorithm>

#include <vector>

namespace {

struct ModelPorts {
    const char* Name;
    int Ports;
};

const ModelPorts PortsOfModels[] = {
    {"Sorvane-Ka", 10},
    {"Sorvane-Kb", 26},
    {"Sorvane-Kc", 26},
    {"Sorvane-Kd", 24},
};

// The inputs of the chosen kinds on the form: edits, combo boxes, check boxes.
template <class Visit>
void ForEachInput(ui::CustomForm* owner, bool edits, bool combos, bool checks, Visit visit)
{
    for (QObject* component : owner->Components()) {
        if (auto* edit = dynamic_cast<ui::Edit*>(component); edit != nullptr && edits)
            visit(edit);
        else if (auto* combo = dynamic_cast<ui::ComboBox*>(component); combo != nullptr && combos)
            visit(combo);
        else if (auto* box = dynamic_cast<ui::CheckBox*>(component); box != nullptr && checks)
            visit(box);
    }
}

// The delete itself, on an idle request.
void DeleteRowInItems(MvSNMPRequest2Edits& request, int statusColumn, const std::string& value);

void SetInputsEnabled(ui::CustomForm* owner, bool edits, bool combos, bool checks, bool enabled)
{
    ForEachInput(owner, edits, combos, checks, [enabled](QWidget* input) {
        input->setEnabled(enabled);
        if (dynamic_cast<ui::CheckBox*>(input) == nullptr)
            ui::SetColor(input, enabled ? ui::clWindow : ui::clBtnFace);
    });
}

} // namespace

int PortCountOfModel(const std::string& modelName)
{
    const QString name = QString::fromStdString(modelName);
    for (const ModelPorts& model : PortsOfModels)
        if (name.compare(QLatin1String(model.Name), Qt::CaseInsensitive) == 0)
            return model.Ports;
    return 0;
}

std::string PortBitIndexText()
{
    std::string text;
    for (int bit = 0; bit < TStackingPortUitForm::PortsPerUnit; ++bit)
        text += (bit ? "," : "") + std::to_string(bit);
    return text;
}

void FillUnitPortPanel(TStackingPortUitForm* picker, QWidget* page)
{
    ui::SetParent(picker, page);
    ui::SetAlign(picker, ui::alClient);
    picker->Show();
    // A switch has one unit at least: a start-up that failed before it counted the units leaves
    // UnitCount 0, and the windows still bind unit 1's boxes.
    const int units = std::max(UnitCount, 1);
    for (int i = 0; i < units; ++i)
        picker->AddUnit("Unit" + std::to_string(i + 1), i * TStackingPortUitForm::PortsPerUnit + 1,
                        TStackingPortUitForm::PortsPerUnit, 12, false);
    picker->ShowUnit("1", ModelNameText, 1, PortCountOfModel(ModelNameText));
}

void AddUnitPortsTab(const std::string& caption, TStackingPortUitForm* picker, ui::PageControl* pages)
{
    auto* page = new ui::TabSheet(pages, caption);
    page->SetTabVisible(true);
    FillUnitPortPanel(picker, page);
}

void DeleteSelectedRow(MvSNMPRequest2Edits& request, int statusColumn, const std::string& value)
{
    if (!ui::Confirm(request.Owner, "Are you sure to delete it?"))
        return;
    // A read still under way would put its next row into the items the write takes its keys
    // from: it is stopped and ends first.
    WhenRequestIdle(request, request.Owner, [&request, statusColumn, value] {
        DeleteRowInItems(request, statusColumn, value);
    });
}

namespace {

void DeleteRowInItems(MvSNMPRequest2Edits& request, int statusColumn, const std::string& value)
{
    if (request.ListView && request.ListView->Selected() == nullptr)
        return;
    request.SelectedRowToValues();

    MvSNMPVarList& list = request.Request.VarList;
    const std::uint8_t mode = request.Mode;
    request.Mode = 0;
    // Only the keys and the status go out; the items keep their own flags afterwards.
    std::vector<std::int32_t> access;
    for (int i = 0; i < list.Count(); ++i)
        access.push_back(list.Item(i).access);
    for (int i = list.keyCount; i < list.Count(); ++i)
        if (i != statusColumn)
            list.Item(i).access |= invalid;
    try {
        list.Item(statusColumn).value = value;
        request.Set(false, false);
    } catch (const std::exception& e) {
        // The window's log line, or a message box for a window without one.
        if (request.LogTarget() != nullptr)
            request.WriteLogLine(e.what());
        else
            ui::ShowMessage(request.Owner, e.what());
    }
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).access = access[static_cast<std::size_t>(i)];
    request.Mode = mode;
    request.Get();
}

} // namespace

void ResetFormInputs(ui::CustomForm* owner, bool edits, bool combos, bool checks)
{
    // Every check box is touched: cleared with checks, set without.
    ForEachInput(owner, edits, combos, true, [&](QWidget* input) {
        if (auto* edit = dynamic_cast<ui::Edit*>(input)) {
            edit->SetText("");
        } else if (auto* combo = dynamic_cast<ui::ComboBox*>(input)) {
            combo->SetText("");
            if (combo->ItemCount() > 0)
                combo->SetItemIndex(0);
        } else if (auto* box = dynamic_cast<ui::CheckBox*>(input)) {
            box->SetChecked(!checks);
        }
    });
}

void DisableFormInputs(ui::CustomForm* owner, bool edits, bool combos, bool checks)
{
    SetInputsEnabled(owner, edits, combos, checks, false);
}

void EnableFormInputs(ui::CustomForm* owner, bool edits, bool combos, bool checks)
{
    SetInputsEnabled(owner, edits, combos, checks, true);
}
