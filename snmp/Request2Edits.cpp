#include "snmp/Request2Edits.h"

#include "snmp/Exception.h"
#include "snmp/OptionList.h"
#include "snmp/PortList.h"
#include "snmp/SnmpError.h"
#include "snmp/ValueTypes.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageLoop.h"
#include "ui/RadioGroup.h"

#include <algorithm>
#include <string_view>

namespace {

// The event through which a bound control reports a change: combo boxes their change event,
// radio groups and check boxes their click event; none for edits and texts.
ui::NotifyEvent* ChangeEventOf(QWidget* control)
{
    if (auto* combo = qobject_cast<ui::ComboBox*>(control))
        return &combo->OnChange;
    if (auto* group = qobject_cast<ui::RadioGroup*>(control))
        return &group->OnClick;
    if (auto* box = dynamic_cast<ui::CheckBox*>(control))
        return &box->OnClick;
    return nullptr;
}

// The "%" fields of a rule text whose type letter makes an edit.
int EditFieldCount(const std::string& rule)
{
    int count = 0;
    for (std::size_t k = 0; k + 1 < rule.size(); ++k)
        if (rule[k] == '%' && std::string_view("shiufn").find(rule[k + 1]) != std::string_view::npos)
            ++count;
    return count;
}

std::vector<int> ParseBitList(const std::string& bits)
{
    MvNumList<unsigned int> numbers;
    numbers.delimiter = ',';
    numbers.Parse(bits);
    std::vector<int> indexes;
    for (int k = 0; k < numbers.Count(); ++k)
        indexes.push_back(static_cast<int>(numbers.Item(k)));
    return indexes;
}

} // namespace

MvSNMPRequest2Edits::MvSNMPRequest2Edits(QWidget* owner)
    : MvSNMPRequest2Controls(owner), Constraint(owner, true)
{
}

MvSNMPRequest2Edits::~MvSNMPRequest2Edits()
{
    Destroying = 1;
    // The handlers installed here point to this driver; controls that outlive it must not call
    // them. The constraint object does the same for the edits.
    for (const ControlBinding& binding : Bindings)
        RestoreHandlers(binding, false);
    if (ListView)
        ListView->OnSelectItem = SavedSelectHandler;
}

void MvSNMPRequest2Edits::AttachListView(ui::ListView* list, bool rowSelectDrivesEditing)
{
    if (ListView && ListView != list)
        ListView->OnSelectItem = SavedSelectHandler;
    list->SetReadOnly(true);
    list->SetRowSelect(true);
    list->SetHideSelection(false);
    list->SetGridLines(true);
    if (ListView != list) {
        SavedSelectHandler = list->OnSelectItem;
        list->OnSelectItem = [this](QObject* sender, ui::ListItem* item, bool selected) {
            ListItemSelected(sender, item, selected);
        };
    }
    ListView = list;
    RowSelectDrivesEditing = rowSelectDrivesEditing ? 1 : 0;
    BuildListColumns();
}

void MvSNMPRequest2Edits::CheckItemIndex(int item) const
{
    if (item < 0 || item >= Request.VarList.Count())
        RaiseFrameworkError(MvCode::BadAssociatedItemType);
}

void MvSNMPRequest2Edits::AddBinding(ControlBinding binding, bool needsOptions)
{
    CheckItemIndex(binding.ItemIndex);
    if (binding.Controls.empty() || std::find(binding.Controls.begin(), binding.Controls.end(), nullptr) !=
                                        binding.Controls.end())
        RaiseFrameworkError(MvCode::NotEnoughControls);

    QWidget* first = binding.Controls.front();
    auto* combo = qobject_cast<ui::ComboBox*>(first);
    auto* group = qobject_cast<ui::RadioGroup*>(first);
    if (needsOptions && (combo != nullptr || group != nullptr)) {
        const MvVarItem& item = Request.VarList.Item(binding.ItemIndex);
        const bool whole = binding.PartOffset == 0 && binding.PartSyntax == item.syntax;
        const MvOptionList* options = binding.Options != nullptr ? binding.Options : whole ? item.options : nullptr;
        if (options == nullptr)
            RaiseFrameworkError(MvCode::NoOptionListForControl);
        if (combo != nullptr)
            options->FillComboBox(combo);
        else
            options->FillRadioGroup(group);
    }

    for (const QPointer<QWidget>& control : binding.Controls) {
        ui::NotifyEvent* event = ChangeEventOf(control);
        if (event == nullptr) {
            binding.SavedChangeHandlers.emplace_back();
            continue;
        }
        // A control bound before keeps the handler it had then; the driver's own is in place.
        const ControlBinding* earlier = FirstBindingOf(control);
        if (earlier != nullptr) {
            const auto at = std::find(earlier->Controls.begin(), earlier->Controls.end(), control);
            binding.SavedChangeHandlers.push_back(earlier->SavedChangeHandlers[static_cast<std::size_t>(
                at - earlier->Controls.begin())]);
        } else {
            binding.SavedChangeHandlers.push_back(*event);
            *event = [this](QObject* sender) { ControlChanged(sender); };
        }
    }
    Bindings.push_back(std::move(binding));
}

void MvSNMPRequest2Edits::BindControl(int item, QWidget* control)
{
    CheckItemIndex(item);
    ControlBinding binding;
    binding.ItemIndex = item;
    binding.PartSyntax = Request.VarList.Item(item).syntax;
    binding.Controls = {control};
    AddBinding(std::move(binding), true);
}

void MvSNMPRequest2Edits::BindStaticText(int item, ui::Label* text) { BindControl(item, text); }

void MvSNMPRequest2Edits::BindComboBox(int item, ui::ComboBox* combo)
{
    combo->SetStyle(ui::csDropDownList);
    BindControl(item, combo);
}

void MvSNMPRequest2Edits::BindComboBoxPart(int item, int offset, std::int32_t syntax, MvOptionList* options,
                                           ui::ComboBox* combo)
{
    combo->SetStyle(ui::csDropDownList);
    ControlBinding binding;
    binding.ItemIndex = item;
    binding.PartOffset = offset;
    binding.PartSyntax = syntax;
    binding.Options = options;
    binding.Controls = {combo};
    AddBinding(std::move(binding), true);
}

void MvSNMPRequest2Edits::BindEdits(int item, const std::string& rule, ui::Edit* edit,
                                    const std::vector<ui::Edit*>& further)
{
    CheckItemIndex(item);
    BindEditsPart(item, 0, Request.VarList.Item(item).syntax, nullptr, rule, edit, further);
}

void MvSNMPRequest2Edits::BindEditsPart(int item, int offset, std::int32_t syntax, MvOptionList* options,
                                        const std::string& rule, ui::Edit* edit, const std::vector<ui::Edit*>& further)
{
    CheckItemIndex(item);
    std::vector<ui::Edit*> edits{edit};
    edits.insert(edits.end(), further.begin(), further.end());
    const std::size_t count = static_cast<std::size_t>(std::max(1, EditFieldCount(rule)));
    if (edits.size() < count || std::find(edits.begin(), edits.begin() + static_cast<long>(count), nullptr) !=
                                    edits.begin() + static_cast<long>(count))
        RaiseFrameworkError(MvCode::NotEnoughControls);
    edits.resize(count);
    // A malformed rule raises here, before any edit or binding changes.
    Constraint.AttachCompound(rule, edits);
    NameRules(item, edits);

    ControlBinding binding;
    binding.ItemIndex = item;
    binding.PartOffset = offset;
    binding.PartSyntax = syntax;
    binding.Options = options;
    binding.Controls.assign(edits.begin(), edits.end());
    AddBinding(std::move(binding), false);
}

void MvSNMPRequest2Edits::NameRules(int item, const std::vector<ui::Edit*>& edits)
{
    for (ui::Edit* edit : edits)
        if (EditConstraintRule* rule = Constraint.FindRule(edit))
            rule->Field = Request.VarList.Item(item).caption;
}

void MvSNMPRequest2Edits::BindEditWithCheck(int item, const std::string& rule, ui::Edit* edit, EditCheck check)
{
    CheckItemIndex(item);
    if (edit == nullptr)
        RaiseFrameworkError(MvCode::NotEnoughControls);
    Constraint.Attach(rule, edit, std::move(check));
    NameRules(item, {edit});
    ControlBinding binding;
    binding.ItemIndex = item;
    binding.PartSyntax = Request.VarList.Item(item).syntax;
    binding.Controls = {edit};
    AddBinding(std::move(binding), false);
}

void MvSNMPRequest2Edits::BindCheckBoxes(int item, const std::string& bits, const std::vector<ui::CheckBox*>& boxes)
{
    std::vector<int> indexes = ParseBitList(bits);
    if (indexes.size() > 8)
        indexes.resize(8);
    BindBitList(item, std::move(indexes), std::vector<QWidget*>(boxes.begin(), boxes.end()));
}

void MvSNMPRequest2Edits::BindControlList(int item, const std::string& bits, const std::vector<QWidget*>& controls)
{
    BindBitList(item, ParseBitList(bits), controls);
}

void MvSNMPRequest2Edits::BindBitList(int item, std::vector<int> bits, const std::vector<QWidget*>& controls)
{
    CheckItemIndex(item);
    if (controls.size() < bits.size())
        RaiseFrameworkError(MvCode::NotEnoughControls);
    ControlBinding binding;
    binding.ItemIndex = item;
    binding.PartSyntax = Request.VarList.Item(item).syntax;
    binding.Controls.assign(controls.begin(), controls.begin() + static_cast<long>(bits.size()));
    binding.BitIndexes = std::move(bits);
    AddBinding(std::move(binding), true);
}

const ControlBinding* MvSNMPRequest2Edits::FirstBindingOf(const QWidget* control) const
{
    for (const ControlBinding& binding : Bindings)
        if (std::find(binding.Controls.begin(), binding.Controls.end(), control) != binding.Controls.end())
            return &binding;
    return nullptr;
}

void MvSNMPRequest2Edits::ControlChanged(QObject* sender)
{
    const auto* control = qobject_cast<const QWidget*>(sender);
    const ControlBinding* binding = FirstBindingOf(control);
    if (binding == nullptr)
        return;
    const auto at = std::find(binding->Controls.begin(), binding->Controls.end(), control);
    ui::Fire(binding->SavedChangeHandlers[static_cast<std::size_t>(at - binding->Controls.begin())], sender);
}

void MvSNMPRequest2Edits::RestoreHandlers(const ControlBinding& binding, bool keepStillBound)
{
    for (std::size_t k = 0; k < binding.Controls.size(); ++k) {
        QWidget* control = binding.Controls[k];
        // A control that another binding still holds keeps the driver's handler and its rule.
        if (control == nullptr || (keepStillBound && FirstBindingOf(control) != nullptr))
            continue;
        if (ui::NotifyEvent* event = ChangeEventOf(control))
            *event = binding.SavedChangeHandlers[k];
        if (auto* edit = qobject_cast<ui::Edit*>(control))
            Constraint.Detach(edit);
    }
}

void MvSNMPRequest2Edits::Unbind(int item)
{
    std::vector<ControlBinding> removed;
    std::vector<ControlBinding> kept;
    for (ControlBinding& binding : Bindings)
        (binding.ItemIndex == item ? removed : kept).push_back(std::move(binding));
    Bindings = std::move(kept);
    for (const ControlBinding& binding : removed)
        RestoreHandlers(binding, true);
}

void MvSNMPRequest2Edits::SetConstraintOwner(QWidget* window) { Constraint.Owner = window; }

void MvSNMPRequest2Edits::EnableBoundControls(bool enabled)
{
    for (const ControlBinding& binding : Bindings)
        for (const QPointer<QWidget>& control : binding.Controls)
            if (control != nullptr)
                control->setEnabled(enabled);
}

std::vector<int> MvSNMPRequest2Edits::ColumnItems() const
{
    return BuiltColumnsFitTheList() ? builtColumns_ : CurrentColumnItems();
}

bool MvSNMPRequest2Edits::BuiltColumnsFitTheList() const
{
    const MvSNMPVarList& list = Request.VarList;
    if (builtColumns_.empty() || static_cast<int>(builtColumns_.size()) != list.HiddenColumnCount() + list.ShownCount())
        return false;
    return std::all_of(builtColumns_.begin(), builtColumns_.end(), [&list](int i) { return i < list.Count(); });
}

std::vector<int> MvSNMPRequest2Edits::CurrentColumnItems() const
{
    const MvSNMPVarList& list = Request.VarList;
    std::vector<int> items;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHiddenColumn(i))
            items.push_back(i);
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsShown(i))
            items.push_back(i);
    return items;
}

void MvSNMPRequest2Edits::BuildListColumns()
{
    if (!ListView)
        return;
    const MvSNMPVarList& list = Request.VarList;
    if (ListView->ColumnCount() >= list.HiddenColumnCount() + list.ShownCount()) {
        if (!BuiltColumnsFitTheList())
            builtColumns_ = CurrentColumnItems();
        return;
    }
    ListView->ClearColumns();
    builtColumns_ = CurrentColumnItems();
    for (int i : builtColumns_)
        ListView->AddColumn(list.Item(i).caption, list.IsHiddenColumn(i) ? 0 : -2);
}

std::string MvSNMPRequest2Edits::CellText(const MvVarItem& item) const
{
    if (item.syntax != bitlist || item.value == "(NULL)" || item.value == "(NOTDONE)")
        return item.value;
    return BitmapToPortList(item.value, true);
}

void MvSNMPRequest2Edits::AddListRow()
{
    if (!ListView)
        return;
    ui::ListItem* row = ListView->AddItem();
    int column = 0;
    for (int i : ColumnItems()) {
        const std::string text = CellText(Request.VarList.Item(i));
        if (column++ == 0)
            row->SetCaption(text);
        else
            row->AddSubItem(text);
    }
}

void MvSNMPRequest2Edits::SelectedRowToValues()
{
    if (!ListView || ListView->Selected() == nullptr)
        return;
    const ui::ListItem* row = ListView->Selected();
    int column = 0;
    for (int i : ColumnItems()) {
        MvVarItem& item = Request.VarList.Item(i);
        const std::string cell = row->Cell(column++);
        item.value = item.syntax == bitlist ? PortListCellHex(cell) : cell;
    }
}

void MvSNMPRequest2Edits::ListItemSelected(QObject* sender, ui::ListItem* item, bool selected)
{
    if (!Destroying)
        ui::Fire(SavedSelectHandler, sender, item, selected);
    if (!selected)
        return;
    if (RowSelectDrivesEditing)
        EnableBoundControls(true);
    SelectedRowToValues();
    ValuesToControls(-1);
}

void MvSNMPRequest2Edits::BeforeGet()
{
    if (!ListView)
        return;
    BuildListColumns();
    ListView->Clear();
}

void MvSNMPRequest2Edits::RowReceived()
{
    if (!ListView) {
        ValuesToControls(-1);
        return;
    }
    AddListRow();
    // The window repaints, and can stop a long walk, between the rows.
    ui::ProcessMessages();
}

void MvSNMPRequest2Edits::CollectValues()
{
    MvSNMPVarList& list = Request.VarList;
    // A text refused as the focus left its edit is still in it; a write started without the
    // focus leaving (by code, by a shortcut) tells the user again and sends nothing.
    for (const ControlBinding& binding : Bindings) {
        if (!list.IsSettable(binding.ItemIndex))
            continue;
        for (const QPointer<QWidget>& control : binding.Controls)
            if (control && !Constraint.RecheckRefused(control))
                throw EInputRefused(MessageOfCode(MvCode::BadPartValue), binding.ItemIndex, binding.PartSyntax);
    }
    valuesBeforeCollect_.clear();
    for (int i = 0; i < list.Count(); ++i) {
        valuesBeforeCollect_.push_back(list.Item(i).value);
        list.Item(i).value.clear();
    }
    struct Forget {
        std::vector<std::string>& values;
        ~Forget() { values.clear(); }
    } forget{valuesBeforeCollect_};
    SelectedRowToValues();
    ControlsToValues(-1);
}

void MvSNMPRequest2Edits::AfterGet()
{
    if (ListView)
        ListView->ShowAddedRows();
    if (ListView && RowSelectDrivesEditing && Request.VarList.kind == MVT_FMV)
        EnableBoundControls(false);
}
