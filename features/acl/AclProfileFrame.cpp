#include "features/acl/AclProfileFrame.h"

#include "features/acl/TypedColumnChecks.h"

#include "catalogue/CatalogueIndex.h"

#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/StatusBar.h"

TAclProfileFrame::TAclProfileFrame(QWidget* owner, ProfileFrameSettings settings)
    : TBasicForm(owner),
      // The base form scales once; InitWindow applies the factor a second time unless told not to.
      WindowLifecycle(this, {.CloseActionFree = true, .KeepLayoutSize = !settings.ScaleTwice}),
      settings_(settings)
{
}

TAclProfileFrame::~TAclProfileFrame()
{
    Request.reset();
}

void TAclProfileFrame::UseComponents(ProfileFrameComponents components)
{
    c_ = std::move(components);
    OnCreate = ui::Handler(this, &TAclProfileFrame::FormCreate);
    OnClose = ui::Handler(this, &TAclProfileFrame::FormClose);
    c_.List->OnChange = ui::Handler(this, &TAclProfileFrame::ListView1Change);
    c_.List->OnClick = ui::Handler(this, &TAclProfileFrame::ListView1Click);
    const std::pair<ui::Button*, void (TAclProfileFrame::*)(QObject*)> buttons[] = {
        {c_.GetButton, &TAclProfileFrame::BT_GetClick},      {c_.AddButton, &TAclProfileFrame::BT_AddClick},
        {c_.DeleteButton, &TAclProfileFrame::BT_DeleteClick}, {c_.SetButton, &TAclProfileFrame::SetBtnClick},
        {c_.CloseButton, &TAclProfileFrame::CloseButtonClick},
    };
    for (const auto& [button, handler] : buttons)
        if (button != nullptr)
            button->OnClick = ui::Handler(this, handler);
}

// --- FormCreate

void TAclProfileFrame::FormCreate(QObject*)
{
    const bool created = Guarded([&] {
        CreateRequest();
        BindColumns();
        RowStatusColumn = settings_.RowStatusColumn;
        Attach(*Request, false, false);
        Request->Mode = 0;
        DefaultIndices();
        ShowRowCount();
        Read(*Request);
        ResetInputs();
    });
    if (!created)
        ResetInputs();
}

void TAclProfileFrame::CreateRequest()
{
    Request = std::make_unique<MvSNMPRequest2Edits>(this);
    const VarDescriptor* table = FindTable(settings_.Module, settings_.TableOid);
    if (table == nullptr)
        throw Exception(std::string("No descriptor table ") + settings_.Module + " " + settings_.TableOid);
    Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, settings_.KeyCount);
    Request->Mode = 0;
    ColumnCount = Request->Request.VarList.Count();
    KeyCount = Request->Request.VarList.keyCount;
    ValueControls.clear();
    Request->AttachListView(c_.List, true);
}

void TAclProfileFrame::BindColumns(std::initializer_list<ProfileColumnBinding> bindings, bool asValueControls)
{
    int next = 0;
    for (const ProfileColumnBinding& b : bindings) {
        if (b.Column != next++)
            throw Exception("Column " + std::to_string(b.Column) + " bound out of order");
        if (auto* combo = dynamic_cast<ui::ComboBox*>(b.Control))
            Request->BindComboBox(b.Column, combo);
        else if (auto* edit = dynamic_cast<ui::Edit*>(b.Control); edit != nullptr && b.Check)
            Request->BindEditWithCheck(b.Column, b.Rule, edit, b.Check);
        else if (edit != nullptr)
            Request->BindEdits(b.Column, b.Rule != nullptr ? b.Rule : "%s", edit);
        else
            throw Exception("Column " + std::to_string(b.Column) + " has no control");
        if (asValueControls)
            ValueControls.push_back(b.Control);
    }
}

// --- ResetInputs and the row selection

void TAclProfileFrame::ResetInputs()
{
    ClearInputs();
    AddMode();
    MakeControlsReadOnly();
    ResetRules();
}

void TAclProfileFrame::AddMode()
{
    for (QWidget* control : {static_cast<QWidget*>(c_.SetButton), static_cast<QWidget*>(c_.DeleteButton)})
        if (control != nullptr)
            control->setEnabled(false);
    for (QWidget* control : {static_cast<QWidget*>(c_.AddButton), static_cast<QWidget*>(c_.ProfileIDEdit),
                             static_cast<QWidget*>(c_.ProfileNameEdit)})
        if (control != nullptr)
            control->setEnabled(true);
}

void TAclProfileFrame::ShowMode()
{
    for (QWidget* control : {static_cast<QWidget*>(c_.SetButton), static_cast<QWidget*>(c_.DeleteButton)})
        if (control != nullptr)
            control->setEnabled(true);
    for (QWidget* control : {static_cast<QWidget*>(c_.AddButton), static_cast<QWidget*>(c_.ProfileIDEdit),
                             static_cast<QWidget*>(c_.ProfileNameEdit)})
        if (control != nullptr)
            control->setEnabled(false);
}

void TAclProfileFrame::MakeControlsReadOnly()
{
    for (QWidget* control : c_.ReadOnlyControls)
        MakeReadOnly(control);
}

void TAclProfileFrame::ListView1Change(QObject*, ui::ListItem*)
{
    MakeControlsReadOnly();
    ShowRowCount();
}

void TAclProfileFrame::ListView1Click(QObject*)
{
    // A selected row is in the bound controls already: the request showed it on selection.
    if (c_.List->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    ShowMode();
    MakeControlsReadOnly();
    SelectionRules();
}

// --- the writes

bool TAclProfileFrame::IsDuplicateProfile()
{
    // Every text is tested: a listed profile is never created a second time.
    const auto listed = [&](const std::string& text, int column) {
        for (int i = 0; i < c_.List->Count(); ++i)
            if (c_.List->Item(i)->Cell(column) == text)
                return true;
        return false;
    };
    if (listed(c_.ProfileIDEdit->Text(), 0)) {
        Say(settings_.DuplicateMessage);
        FocusIfEnabled(c_.ProfileIDEdit);
        return true;
    }
    if (settings_.NameDuplicateMessage != nullptr && listed(c_.ProfileNameEdit->Text(), settings_.NameColumn)) {
        Say(settings_.NameDuplicateMessage);
        FocusIfEnabled(c_.ProfileNameEdit);
        return true;
    }
    return false;
}

void TAclProfileFrame::BT_AddClick(QObject*)
{
    if (!Request || !ValidateInputs() || IsDuplicateProfile())
        return;
    c_.RowStatusComboBox->SetItemIndex(CreateAndGoIndex);
    SendProfile();
}

void TAclProfileFrame::MarkSkippedColumns(SkippedColumns& skipped)
{
    for (int k = KeyCount; k < static_cast<int>(ValueControls.size()); ++k) {
        const QWidget* control = ValueControls[static_cast<std::size_t>(k)];
        if (control == nullptr)
            continue;
        if (!control->isEnabled()) {
            skipped.Skip(k);
        } else if (const auto* combo = dynamic_cast<const ui::ComboBox*>(control)) {
            if (combo->Text() == "none" || combo->Text() == "other")
                skipped.Skip(k);
        }
    }
    // Any other enabled edit goes out as typed, also when left empty: an empty mask is a
    // zero-length octet string the switch takes, an empty number is refused before the write.
    for (const auto& [column, edit] : c_.OptionalEdits)
        skipped.SkipIfEmpty(column, edit);
}

void TAclProfileFrame::SendProfile()
{
    try {
        {
            SkippedColumns skipped(Request->Request.VarList);
            MarkSkippedColumns(skipped);
            // A typo stays in its edit, with nothing sent and nothing read again.
            if (!CheckTypedColumns(*Request, [this](int column) { return FieldCaption(column); }, this))
                return;
            Write(*Request);
        }
        Read(*Request);
    } catch (const std::exception& e) {
        RecoverFromFailure(e.what(), settings_.ReadAfterFailedSend);
        return;
    }
    ResetInputs();
}

void TAclProfileFrame::BT_DeleteClick(QObject*)
{
    if (!Request)
        return;
    try {
        {
            SkippedColumns skipped(Request->Request.VarList);
            skipped.KeepOnly(RowStatusColumn);
            c_.RowStatusComboBox->SetItemIndex(DestroyIndex);
            Write(*Request);
        }
        Read(*Request);
    } catch (const std::exception& e) {
        RecoverFromFailure(e.what(), settings_.ReadAfterFailedDelete);
        return;
    }
    ResetInputs();
}

void TAclProfileFrame::BT_GetClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] { Read(*Request); });
    ResetInputs();
}

void TAclProfileFrame::SetBtnClick(QObject*)
{
    if (!Request || !ValidateInputs())
        return;
    if (c_.RowStatusComboBox->ItemIndex() == DestroyIndex) {
        BT_DeleteClick(c_.DeleteButton);
        BT_GetClick(c_.GetButton);
        return;
    }
    SendProfile();
}

void TAclProfileFrame::CloseButtonClick(QObject*) { Close(); }

void TAclProfileFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, c_.List, Request); }

// --- helpers

void TAclProfileFrame::ReadQuietly()
{
    try {
        Read(*Request);
    } catch (const std::exception&) {
        DataComplete = 1;
    }
}

void TAclProfileFrame::RecoverFromFailure(const std::string& failure, bool readAgain)
{
    DataComplete = 1;
    if (readAgain)
        ReadQuietly();
    ResetInputs();
    ShowFailure(failure);
}

void TAclProfileFrame::ShowFailure(const std::string& failure) { ShowInStatusLine(failure); }

void TAclProfileFrame::ShowRowCount() const { WindowLifecycle::ShowRowCount(c_.RowCount, c_.List); }

std::string TAclProfileFrame::FieldCaption(int column) const
{
    return Request->Request.VarList.Item(column).caption;
}
