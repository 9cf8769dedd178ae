#include "features/system/SystemLogHostForm.h"

#include "features/system/LogHostEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TSystemLogHostForm* SystemLogHostForm = nullptr;

namespace {

const char* const ServerTable = "1.3.6.1.4.1.171.12.12.2.1.1";
const char* const NoTableText = "The syslog server table is missing.";

} // namespace

TSystemLogHostForm::TSystemLogHostForm(QWidget* owner) : ui::Form(owner), ListWindowFrame(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    InitWindow();
    UseList(ListView1, StaticText1);
    OnCreate = ui::Handler(this, &TSystemLogHostForm::FormCreate);
    OnClose = ui::Handler(this, &TSystemLogHostForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TSystemLogHostForm::GetButtonClick);
    AddButton->OnClick = ui::Handler(this, &TSystemLogHostForm::AddButtonClick);
    EditButton->OnClick = ui::Handler(this, &TSystemLogHostForm::EditButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TSystemLogHostForm::DeleteButtonClick);
    Button1->OnClick = ui::Handler(this, &TSystemLogHostForm::Button1Click);
    // The list's own handlers, which the request keeps and calls when it takes the list.
    ListView1->OnSelectItem = ui::Handler(this, &TSystemLogHostForm::ListView1SelectItem);
    ListView1->OnDblClick = ui::Handler(this, &TSystemLogHostForm::ListView1DblClick);
    ListView1->OnChange = ui::Handler(this, &TSystemLogHostForm::ListView1Change);
    DoCreate();
}

TSystemLogHostForm::~TSystemLogHostForm()
{
    Request.reset();
    FreeDialog(::LogHostEditForm);
}

void TSystemLogHostForm::FormCreate(QObject*)
{
    StaticText1->SetCaption("0");
    Guarded([&] { ::LogHostEditForm = new TLogHostEditForm(this); });
    TLogHostEditForm* dialog = ::LogHostEditForm;
    if (dialog != nullptr)
        CreateRequest(FindTable("Oid_systemlogunit", ServerTable), MVT_UMV, 1, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          request.BindComboBox(IndexItem, dialog->cbxIndex);
                          request.BindComboBox(FacilityItem, dialog->FacComboBox);
                          request.BindComboBox(SeverityItem, dialog->SevComboBox);
                          request.BindEdits(PortItem, "%i{l5}", dialog->PortEdit);
                          request.BindComboBox(StateItem, dialog->StateComboBox);
                          request.BindComboBox(RowStatusItem, dialog->RowComboBox);
                          request.BindComboBox(AddressTypeItem, dialog->AddressTypeComboBox);
                          request.BindEdits(AddressItem, "%s", dialog->IPAddrEdit);
                      },
                      false);
    if (!Request)
        AddButton->setEnabled(false);
    RowButtons(false);
}

void TSystemLogHostForm::RowButtons(bool rowSelected)
{
    EditButton->setEnabled(rowSelected && Request != nullptr);
    DeleteButton->setEnabled(rowSelected && Request != nullptr);
}

void TSystemLogHostForm::GetButtonClick(QObject*)
{
    if (Refresh())
        RowButtons(false);
}

void TSystemLogHostForm::AddButtonClick(QObject*)
{
    if (!Request || ::LogHostEditForm == nullptr)
        return;
    // No busy test here: the dialog's Set has one.
    OpenDialog(*::LogHostEditForm, AddMode, "System Log Server Table: " + DeviceIPText + " (Add)");
    // Edit and Delete follow the selection, which the Add keeps: a click on the row that is
    // still selected would not turn them on again.
    RowButtons(ListView1->Selected() != nullptr);
}

void TSystemLogHostForm::EditButtonClick(QObject*)
{
    if (!Request || ListView1->Selected() == nullptr || ::LogHostEditForm == nullptr)
        return;
    // The selected row goes into the controls again: an Add since it was selected has reset them.
    OpenDialog(*::LogHostEditForm, EditMode, "System Log Server Table: " + DeviceIPText + " (Edit)", true);
}

void TSystemLogHostForm::ListView1DblClick(QObject* sender) { EditButtonClick(sender); }

void TSystemLogHostForm::DeleteButtonClick(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        Say("Choose the item first.");
    } else {
        if (RefuseWhileReading(Request.get()))
            return;
        TLogHostEditForm* dialog = ::LogHostEditForm;
        if (dialog == nullptr)
            return;
        // The Row Status destroy alone, for the selected index; no question is asked.
        WriteSelectedRow({.Skip = [](SkippedColumns& skipped) { skipped.KeepOnly(RowStatusItem); }},
                         [dialog] { dialog->RowComboBox->SetItemIndex(DestroyIndex); });
    }
    RowButtons(false);
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
}

void TSystemLogHostForm::Button1Click(QObject*) { Close(); }

void TSystemLogHostForm::ListView1SelectItem(QObject*, ui::ListItem*, bool) { RowButtons(ListView1->Selected() != nullptr); }

void TSystemLogHostForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TSystemLogHostForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::LogHostEditForm); }
