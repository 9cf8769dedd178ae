#include "features/acl/AclRuleFrame.h"

#include "features/acl/TypedColumnChecks.h"
#include "features/common/FieldChecks.h"
#include "features/common/SynchronousScope.h"

#include "catalogue/CatalogueIndex.h"

#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/StatusBar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>

#include <charconv>

namespace {

// A decimal number that the whole text spells; none for anything else ("(NULL)", "").
bool DecimalCell(const std::string& text, long& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

void SwitchOn(const std::vector<QWidget*>& controls)
{
    for (QWidget* control : controls)
        TBasicForm::EnableControl(control);
}

void SwitchOff(const std::vector<QWidget*>& controls)
{
    for (QWidget* control : controls)
        TBasicForm::DisableControl(control);
}

std::string TextOf(const ui::ComboBox* combo) { return combo != nullptr ? combo->Text() : std::string(); }

} // namespace

TAclRuleFrame::TAclRuleFrame(QWidget* owner, RuleFrameSettings settings)
    : TBasicForm(owner),
      WindowLifecycle(this, {.CloseActionFree = true,
                             .KeepLayoutSize = true, // the base form has scaled it
                             .StopSetsDataComplete = true,
                             .NotCompleteText = NotCompleteText}),
      settings_(settings)
{
}

TAclRuleFrame::~TAclRuleFrame()
{
    // A window freed without closing still lets go of its request before its controls go.
    Request.reset();
}

void TAclRuleFrame::UseComponents(RuleFrameComponents components)
{
    c_ = std::move(components);
    OnCreate = ui::Handler(this, &TAclRuleFrame::FormCreate);
    OnClose = ui::Handler(this, &TAclRuleFrame::FormClose);
    c_.List->OnChange = ui::Handler(this, &TAclRuleFrame::ListView1Change);
    c_.List->OnClick = ui::Handler(this, &TAclRuleFrame::ListView1Click);
    const std::pair<ui::Button*, void (TAclRuleFrame::*)(QObject*)> buttons[] = {
        {c_.GetButton, &TAclRuleFrame::GetButtonClick},       {c_.AddButton, &TAclRuleFrame::AddButtonClick},
        {c_.EditButton, &TAclRuleFrame::EditButtonClick},     {c_.DeleteButton, &TAclRuleFrame::DeleteButtonClick},
        {c_.StopButton, &TAclRuleFrame::StopButtonClick},     {c_.CloseButton, &TAclRuleFrame::CloseButtonClick},
        {c_.CheckButton, &TAclRuleFrame::CheckButtonClick},   {c_.UncheckButton, &TAclRuleFrame::UncheckButtonClick},
    };
    for (const auto& [button, handler] : buttons)
        if (button != nullptr)
            button->OnClick = ui::Handler(this, handler);
    // Combo boxes keep these handlers when the request binds them: set them first.
    const std::pair<ui::ComboBox*, void (TAclRuleFrame::*)(QObject*)> combos[] = {
        {c_.PermitComboBox, &TAclRuleFrame::PermitComboBoxChange},
        {c_.EnablePriorityComboBox, &TAclRuleFrame::EnablePriorityComboBoxChange},
        {c_.EnableReplaceDSCPComboBox, &TAclRuleFrame::EnableReplaceDSCPComboBoxChange},
        {c_.RepTosStateComboBox, &TAclRuleFrame::RepTosStateComboBoxChange},
    };
    for (const auto& [combo, handler] : combos)
        if (combo != nullptr)
            combo->OnChange = ui::Handler(this, handler);
    if (c_.RuleVLANcbx != nullptr)
        c_.RuleVLANcbx->OnClick = ui::Handler(this, &TAclRuleFrame::RuleVLANcbxClick);
    if (c_.VLANBaseChkBox != nullptr)
        c_.VLANBaseChkBox->OnClick = ui::Handler(this, &TAclRuleFrame::VLANBaseChkBoxClick);
    if (c_.Targets.empty() && c_.VLANBaseChkBox != nullptr && settings_.VLANBasedColumn >= 0
        && settings_.PortListColumn >= 0)
        c_.Targets = {{c_.VLANBaseChkBox, settings_.VLANBasedColumn}, {nullptr, settings_.PortListColumn}};
}

// --- FormCreate

void TAclRuleFrame::FormCreate(QObject*)
{
    if (settings_.PortsPerLine > 0 && c_.PortPanel != nullptr)
        BuildPortSelector(c_.PortPanel, settings_.PortsPerLine);
    const bool created = Guarded([&] {
        CreateRequest();
        BindColumns();
        RowStatusColumn = settings_.RowStatusColumn;
        PortListColumn = settings_.PortListColumn;
        VLANBasedColumn = settings_.VLANBasedColumn;
        Attach(*Request, !settings_.Synchronous, settings_.ReportSets && !settings_.Synchronous);
        if (settings_.LogTarget == RuleLogTarget::StatusBar && c_.Status != nullptr)
            Request->SetLogTarget(static_cast<QWidget*>(c_.Status));
        else if (settings_.LogTarget == RuleLogTarget::None)
            Request->SetLogTarget(nullptr);
        ResetInputs();
        HideUnusedControls();
        AddMode();
        CreationRules();
        Read(*Request);
        ShowRowCount();
    });
    if (!created)
        ShowRowCount();
}

void TAclRuleFrame::CreateRequest()
{
    Request = std::make_unique<MvSNMPRequest2Edits>(this);
    const VarDescriptor* table = FindTable(settings_.Module, settings_.TableOid);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table ") + settings_.Module + " " + settings_.TableOid);
    Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, settings_.KeyCount);
    Request->Mode = settings_.Synchronous ? 0 : 1;
    ColumnCount = Request->Request.VarList.Count();
    KeyCount = Request->Request.VarList.keyCount;
    CheckBoxes.clear();
    ValueControls.clear();
    Request->AttachListView(c_.List, true);
}

void TAclRuleFrame::BindColumns(std::initializer_list<RuleColumnBinding> bindings)
{
    for (const RuleColumnBinding& b : bindings) {
        if (b.Column != static_cast<int>(CheckBoxes.size()))
            throw Exception("Column " + std::to_string(b.Column) + " bound out of order");
        if (b.Column == settings_.PortListColumn) {
            // Unit 1's 64 boxes, box k to bit k of the port list.
            Request->BindControlList(b.Column, PortBitsText,
                                     PortSelector ? PortSelector->UnitBoxes(1) : std::vector<ui::CheckBox*>{});
            CheckBoxes.push_back(nullptr);
            ValueControls.push_back(nullptr);
        } else if (auto* combo = dynamic_cast<ui::ComboBox*>(b.Control)) {
            BindCombo(*Request, b.Column, combo, b.Box);
        } else if (auto* edit = dynamic_cast<ui::Edit*>(b.Control)) {
            BindEdit(*Request, b.Column, b.Rule != nullptr ? b.Rule : "%s", edit, b.Box);
        } else {
            throw Exception("Column " + std::to_string(b.Column) + " has no control");
        }
    }
}

void TAclRuleFrame::CreationRules()
{
    if (c_.VLANBaseChkBox != nullptr)
        VLANBaseChkBoxClick(c_.VLANBaseChkBox);
    if (c_.RuleVLANcbx != nullptr)
        RuleVLANcbxClick(c_.RuleVLANcbx);
    PermitComboBoxChange(c_.PermitComboBox);
}

// --- ResetInputs and the row selection

void TAclRuleFrame::ResetInputs()
{
    ClearValues(ValueControls);
    UncheckAll(CheckBoxes);
    ResetControls();
    RepTosStateComboBoxChange(c_.RepTosStateComboBox);
    EnablePriorityComboBoxChange(c_.EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(c_.EnableReplaceDSCPComboBox);
    PermitComboBoxChange(c_.PermitComboBox);
    if (PortSelector)
        PortSelector->UncheckAll();
    ShowRowCount();
}

void TAclRuleFrame::ResetControls()
{
    const std::pair<ui::ComboBox*, int> defaults[] = {
        {c_.EnablePriorityComboBox, DisabledIndex},    {c_.ReplacePriorityComboBox, DisabledIndex},
        {c_.EnableReplaceDSCPComboBox, DisabledIndex}, {c_.PermitComboBox, 0},
        {c_.RowComboBox, CreateAndGoIndex},            {c_.RepTosStateComboBox, DisabledIndex},
    };
    for (const auto& [combo, index] : defaults)
        if (combo != nullptr)
            combo->SetItemIndex(index);
}

void TAclRuleFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TAclRuleFrame::ListView1Click(QObject*)
{
    // A selected row is in the bound controls already: the request showed it on selection.
    const ui::ListItem* row = c_.List->Selected();
    if (row == nullptr) {
        AddMode();
        ResetInputs();
        NoRowRules();
        if (Request)
            Request->Request.Active = 1;
        return;
    }
    c_.ProfileIDEdit->SetText(row->Caption());
    c_.AccessIDEdit->SetText(row->SubItem(0));
    EditMode();
    RowRules();
    TakeRuleTarget(*row);
}

void TAclRuleFrame::NoRowRules()
{
    EnablePriorityComboBoxChange(c_.EnablePriorityComboBox);
    if (c_.RuleVLANcbx != nullptr)
        RuleVLANcbxClick(c_.RuleVLANcbx);
    PermitComboBoxChange(c_.PermitComboBox);
}

void TAclRuleFrame::RowRules()
{
    EnablePriorityComboBoxChange(c_.EnablePriorityComboBox);
    RepTosStateComboBoxChange(c_.RepTosStateComboBox);
    EnableReplaceDSCPComboBoxChange(c_.EnableReplaceDSCPComboBox);
    PermitComboBoxChange(c_.PermitComboBox);
}

void TAclRuleFrame::TakeRuleTarget(const ui::ListItem& row)
{
    if (c_.VLANBaseChkBox == nullptr || VLANBasedColumn < 1)
        return;
    long vid = 0;
    const bool vlanBased = DecimalCell(row.SubItem(VLANBasedColumn - 1), vid) && vid >= 1 && vid <= 4094;
    c_.VLANBaseChkBox->SetChecked(vlanBased);
}

void TAclRuleFrame::AddMode()
{
    for (QWidget* control : {static_cast<QWidget*>(c_.EditButton), static_cast<QWidget*>(c_.DeleteButton)})
        if (control != nullptr)
            control->setEnabled(false);
    for (QWidget* control : {static_cast<QWidget*>(c_.ProfileIDEdit), static_cast<QWidget*>(c_.AccessIDEdit),
                             static_cast<QWidget*>(c_.AddButton)})
        if (control != nullptr)
            control->setEnabled(true);
}

void TAclRuleFrame::EditMode()
{
    for (QWidget* control : {static_cast<QWidget*>(c_.EditButton), static_cast<QWidget*>(c_.DeleteButton)})
        if (control != nullptr)
            control->setEnabled(true);
    for (QWidget* control : {static_cast<QWidget*>(c_.ProfileIDEdit), static_cast<QWidget*>(c_.AccessIDEdit),
                             static_cast<QWidget*>(c_.AddButton)})
        if (control != nullptr)
            control->setEnabled(false);
}

// --- the enabling rules

void TAclRuleFrame::PermitComboBoxChange(QObject*)
{
    const std::string permit = TextOf(c_.PermitComboBox);
    if (permit == "deny" || permit == "mirror") {
        DisableByTag(1);
        return;
    }
    EnableByTag(1);
    EnablePriorityComboBoxChange(c_.EnablePriorityComboBox);
    EnableReplaceDSCPComboBoxChange(c_.EnableReplaceDSCPComboBox);
    RepTosStateComboBoxChange(c_.RepTosStateComboBox);
}

void TAclRuleFrame::EnablePriorityComboBoxChange(QObject*)
{
    if (c_.EnablePriorityComboBox == nullptr)
        return;
    if (c_.EnablePriorityComboBox->Text() == "enabled")
        SwitchOn(c_.PriorityControls);
    else
        SwitchOff(c_.PriorityControls);
}

void TAclRuleFrame::EnableReplaceDSCPComboBoxChange(QObject*)
{
    const std::string state = TextOf(c_.EnableReplaceDSCPComboBox);
    if (state == "disabled") {
        SwitchOff(c_.DSCPValueControls);
        SwitchOn(c_.RepTosStateControls);
    } else if (state == "enabled") {
        SwitchOn(c_.DSCPValueControls);
        SwitchOff(c_.RepTosStateControls);
    }
}

void TAclRuleFrame::RepTosStateComboBoxChange(QObject*)
{
    const std::string state = TextOf(c_.RepTosStateComboBox);
    if (state == "disabled") {
        SwitchOff(c_.TosValueControls);
        SwitchOn(c_.ReplaceDSCPControls);
    } else if (state == "enabled") {
        SwitchOn(c_.TosValueControls);
        SwitchOff(c_.ReplaceDSCPControls);
    }
}

void TAclRuleFrame::RuleVLANcbxClick(QObject*)
{
    // Only the enabled state: what the group holds stays for the next time it is switched on.
    const bool on = c_.RuleVLANcbx != nullptr && c_.RuleVLANcbx->Checked();
    for (QWidget* control : c_.VLANGroup)
        control->setEnabled(on);
}

void TAclRuleFrame::VLANBaseChkBoxClick(QObject*)
{
    if (c_.VLANBaseChkBox == nullptr)
        return;
    if (c_.VLANBaseChkBox->Checked()) {
        if (PortSelector) {
            PortSelector->CheckAll();
            PortSelector->setEnabled(false);
        }
        EnableControl(c_.VLANBasedVIDEdit);
    } else {
        DisableControl(c_.VLANBasedVIDEdit);
        if (PortSelector)
            PortSelector->setEnabled(true);
    }
}

void TAclRuleFrame::CheckButtonClick(QObject*)
{
    CheckAllEnabled(CheckBoxes);
    for (ui::CheckBox* box : c_.CheckAllExtras)
        box->SetChecked(true);
}

void TAclRuleFrame::UncheckButtonClick(QObject*)
{
    UncheckAll(CheckBoxes);
    for (ui::CheckBox* box : c_.CheckAllExtras)
        box->SetChecked(false);
}

// --- the writes

void TAclRuleFrame::MarkSkippedColumns(SkippedColumns& skipped)
{
    for (int k = KeyCount; k < ColumnCount && k < static_cast<int>(CheckBoxes.size()); ++k) {
        if (k == RowStatusColumn)
            continue;
        const auto* box = dynamic_cast<const QAbstractButton*>(CheckBoxes[static_cast<std::size_t>(k)]);
        if (box != nullptr && !(box->isChecked() && box->isEnabled()))
            skipped.Skip(k);
    }
    const RuleTarget* chosen = nullptr;
    for (const RuleTarget& target : c_.Targets)
        if (target.Box != nullptr && target.Box->isChecked()) {
            chosen = &target;
            break;
        }
    if (chosen == nullptr)
        for (const RuleTarget& target : c_.Targets)
            if (target.Box == nullptr)
                chosen = &target;
    for (const RuleTarget& target : c_.Targets)
        if (&target != chosen)
            skipped.Skip(target.Column);
}

bool TAclRuleFrame::TypedFieldsFit()
{
    SkippedColumns skipped(Request->Request.VarList);
    MarkSkippedColumns(skipped);
    return CheckTypedColumns(*Request, [this](int column) { return FieldCaption(column); }, this);
}

void TAclRuleFrame::WriteRule(bool statusOutWhenActive, std::initializer_list<int> alsoSkipped)
{
    SkippedColumns skipped(Request->Request.VarList);
    MarkSkippedColumns(skipped);
    if (statusOutWhenActive && c_.RowComboBox->ItemIndex() == ActiveIndex)
        skipped.Skip(RowStatusColumn);
    for (int column : alsoSkipped)
        skipped.Skip(column);
    Write(*Request);
}

void TAclRuleFrame::SwitchProtocolFields(std::initializer_list<ProtocolField> fields,
                                         std::initializer_list<unsigned> byProtocol, int index)
{
    const unsigned used =
        index >= 0 && index < static_cast<int>(byProtocol.size()) ? byProtocol.begin()[index] : 0;
    std::size_t k = 0;
    for (const ProtocolField& field : fields) {
        if ((used & (1u << k++)) != 0) {
            EnableControl(field.Box);
            EnableControl(field.Edit);
        } else {
            DisableControl(field.Box);
            DisableControl(field.Edit);
        }
    }
}

bool TAclRuleFrame::CheckIPv4Address(ui::CheckBox* box, ui::Edit* edit, const char* emptyMessage)
{
    if (!RequireTextIfChecked(box, edit, emptyMessage))
        return false;
    // A refused address is told, not only given the focus: the user would not know why.
    return !box->Checked() || CheckIPv4Field(edit, box->text().trimmed().toStdString(), this);
}

bool TAclRuleFrame::CheckIPv6Address(ui::CheckBox* box, ui::Edit* edit, const char* emptyMessage,
                                     const char* lengthMessage)
{
    if (!RequireTextIfChecked(box, edit, emptyMessage))
        return false;
    if (box->Checked() && !CheckIPv6Text(edit, this, lengthMessage)) {
        FocusIfEnabled(edit);
        return false;
    }
    return true;
}

bool TAclRuleFrame::IsDuplicateRule()
{
    const std::string profile = c_.ProfileIDEdit->Text();
    const std::string access = c_.AccessIDEdit->Text();
    for (int i = 0; i < c_.List->Count(); ++i) {
        const ui::ListItem* row = c_.List->Item(i);
        if (row->Caption() == profile && row->SubItem(0) == access) {
            Say(settings_.DuplicateMessage);
            FocusIfEnabled(c_.ProfileIDEdit);
            return true;
        }
    }
    return false;
}

bool TAclRuleFrame::RequirePermit()
{
    if (c_.PermitBox == nullptr || c_.PermitBox->Checked())
        return true;
    Say(settings_.PermitMessage);
    FocusIfEnabled(c_.PermitComboBox);
    return false;
}

void TAclRuleFrame::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    if (!ValidateInputs())
        return;
    c_.RowComboBox->SetItemIndex(CreateAndGoIndex);
    if (IsDuplicateRule() || !RequirePermit() || !TypedFieldsFit())
        return;
    Guarded([&] {
        WriteRule(false);
        // At once, behind the write: a read still under way gives way to it.
        Read(*Request);
    });
    AddMode();
    ResetInputs();
}

void TAclRuleFrame::EditButtonClick(QObject*)
{
    if (!Request)
        return;
    if (c_.List->Selected() != nullptr && DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    if (!ValidateInputs())
        return;
    Request->Request.Active = 1;
    if (c_.RowComboBox->ItemIndex() == DestroyIndex && c_.RowBox != nullptr && c_.RowBox->Checked()) {
        DeleteButtonClick(c_.DeleteButton);
        return;
    }
    if (!TypedFieldsFit())
        return;
    Guarded([&] {
        WriteRule(true);
        Read(*Request);
    });
    AddMode();
    ResetInputs();
}

void TAclRuleFrame::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    try {
        // The status alone, and the answer in before the table is read again.
        SynchronousScope synchronous(*Request);
        SkippedColumns skipped(Request->Request.VarList);
        skipped.KeepOnly(RowStatusColumn);
        c_.RowComboBox->SetItemIndex(DestroyIndex);
        Write(*Request);
    } catch (const std::exception& e) {
        if (Request->LogTarget() != nullptr)
            Request->WriteLogLine(e.what());
        else
            ShowInStatusLine(e.what());
    }
    GetButtonClick(c_.GetButton);
    ResetInputs();
}

void TAclRuleFrame::GetButtonClick(QObject*)
{
    if (!Request)
        return;
    if (DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    Guarded([&] {
        Stop(*Request);
        AddMode();
        Read(*Request);
    });
    AddMode();
    ResetInputs();
}

void TAclRuleFrame::RefreshWithRules()
{
    if (!Request)
        return;
    if (DataComplete == 0) {
        Say(NotCompleteText);
        return;
    }
    const bool read = Guarded([&] {
        Stop(*Request);
        ResetInputs();
        RefreshRules();
        AddMode();
        ResetInputs();
        Read(*Request);
    });
    if (!read) {
        AddMode();
        ResetInputs();
    }
}

void TAclRuleFrame::StopButtonClick(QObject*)
{
    if (Request)
        Stop(*Request);
    else
        DataComplete = 1;
}

void TAclRuleFrame::CloseButtonClick(QObject* sender)
{
    StopButtonClick(sender);
    Close();
}

void TAclRuleFrame::FormClose(QObject*, ui::CloseAction& action)
{
    CloseDown(action, c_.List, Request);
    // The picker goes once the request that bound its boxes is gone.
    delete PortSelector.data();
}

void TAclRuleFrame::OnEndSet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    // A read sent behind the write makes the window idle at its own end.
    if (!sender->ReadOutstanding())
        DataComplete = 1;
    if (result.Code == 0)
        sender->WriteLogLine(result.Message);
    else
        ui::MessageBox(this, result.Message, ui::mbOK, ui::miNone, ProgramFileName());
}

// --- helpers

void TAclRuleFrame::ShowRowCount() const { WindowLifecycle::ShowRowCount(c_.RowCount, c_.List); }

std::string TAclRuleFrame::FieldCaption(int column) const
{
    // A key's box is invisible and has no caption; the column's caption is the list's header.
    const auto k = static_cast<std::size_t>(column);
    if (const auto* box = k < CheckBoxes.size() ? dynamic_cast<const QAbstractButton*>(CheckBoxes[k]) : nullptr) {
        const QString caption = box->text().trimmed();
        if (!caption.isEmpty())
            return caption.toStdString();
    }
    return Request->Request.VarList.Item(column).caption;
}


std::string TAclRuleFrame::ProgramFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}
