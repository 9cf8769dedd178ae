#include "features/system/ServerInformationForm.h"

#include "features/acl/TextChecks.h"
#include "features/common/FieldChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

const char* const ServerTable = "1.3.6.1.4.1.171.12.5.10.1.1";

} // namespace

TServerInformationForm::TServerInformationForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    InitWindow();
    OnCreate = ui::Handler(this, &TServerInformationForm::FormCreate);
    OnClose = ui::Handler(this, &TServerInformationForm::FormClose);
    GetButton->OnClick = ui::Handler(this, &TServerInformationForm::GetButtonClick);
    EditButton->OnClick = ui::Handler(this, &TServerInformationForm::EditButtonClick);
    AddButton->OnClick = ui::Handler(this, &TServerInformationForm::AddButtonClick);
    DeleteButton->OnClick = ui::Handler(this, &TServerInformationForm::DeleteButtonClick);
    btnClose->OnClick = ui::Handler(this, &TServerInformationForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TServerInformationForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TServerInformationForm::ListView1Change);
    DoCreate();
}

TServerInformationForm::~TServerInformationForm() { Request.reset(); }

void TServerInformationForm::FormCreate(QObject*)
{
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_aac", ServerTable);
        if (table == nullptr)
            throw Exception("No descriptor table Oid_aac for the AAA servers");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->Mode = 0;
        Request->AttachListView(ListView1, true);
        Request->BindEdits(AddressItem, "%s{l16}", IPEdit);
        Request->BindComboBox(ProtocolItem, ProtocolComboBox);
        Request->BindEdits(PortItem, "%i{n1x65535l5}", PortEdit);
        Request->BindEdits(KeyItem, "%s{l254}", KeyEdit);
        Request->BindEdits(TimeoutItem, "%i{n1x255l3}", TimeoutEdit);
        Request->BindEdits(RetryItem, "%i{n1x255l3}", RetryCEdit);
        Request->BindComboBox(RowStatusItem, RowComboBox);
        Attach(*Request, false);
        for (ui::Edit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit})
            edit->SetText("");
        RowComboBox->SetItemIndex(CreateAndGoIndex);
        NoSelectionState();
        Read(*Request);
    });
    NoSelectionState();
    ShowRowCount(Static, ListView1);
}

void TServerInformationForm::NoSelectionState()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    IPEdit->setEnabled(true);
    ProtocolComboBox->setEnabled(true);
    AddButton->setEnabled(true);
}

void TServerInformationForm::ResetInputs()
{
    for (ui::Edit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit})
        edit->SetText("");
    if (ListView1->Count() == 0)
        Static->SetCaption("0");
}

void TServerInformationForm::GetButtonClick(QObject*)
{
    if (!Request)
        return;
    Guarded([&] { Read(*Request); });
    NoSelectionState();
    ResetInputs();
}

void TServerInformationForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(Static, ListView1); }

void TServerInformationForm::ListView1Click(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        NoSelectionState();
        ResetInputs();
        return;
    }
    // The selected server is in the editors; its keys are not to be changed.
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    IPEdit->setEnabled(false);
    ProtocolComboBox->setEnabled(false);
    AddButton->setEnabled(false);
}

bool TServerInformationForm::CheckTypedValues()
{
    // Each is left to the switch when empty; typed, it goes out as typed or not at all.
    const auto check = [this](ui::Edit* edit, const char* field, long long low, long long high) {
        return edit->Text().empty() || CheckNumberField(edit, field, low, high, this);
    };
    return check(PortEdit, "Authentication Port", 1, 65535) && check(TimeoutEdit, "Timeout", 1, 255) &&
           check(RetryCEdit, "Retry Count", 1, 255);
}

void TServerInformationForm::SkipEmptyValues(SkippedColumns& skipped, const TServerInformationForm& form)
{
    skipped.SkipIfEmpty(PortItem, form.PortEdit);
    skipped.SkipIfEmpty(KeyItem, form.KeyEdit);
    skipped.SkipIfEmpty(TimeoutItem, form.TimeoutEdit);
    skipped.SkipIfEmpty(RetryItem, form.RetryCEdit);
}

void TServerInformationForm::AddButtonClick(QObject*)
{
    if (!Request)
        return;
    const auto focusAddress = [this] {
        if (IPEdit->isEnabled())
            IPEdit->SetFocus();
    };
    const std::string address = IPEdit->Text();
    if (address.empty()) {
        Say("Server IP must be set.");
        focusAddress();
        return;
    }
    // The address is the row's key: a text that is not four numbers would key another server.
    if (!CheckIPAddressText(address, this)) {
        focusAddress();
        return;
    }
    const std::string protocol = ProtocolComboBox->Text();
    if (protocol.empty()) {
        Say("Protocol must be set.");
        if (ProtocolComboBox->isEnabled())
            ProtocolComboBox->setFocus();
        return;
    }
    for (int i = 0; i < ListView1->Count(); ++i) {
        const ui::ListItem* row = ListView1->Item(i);
        if (row->Caption() == address && row->SubItem(0) == protocol) {
            Say("Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.");
            focusAddress();
            return;
        }
    }
    if (!CheckTypedValues())
        return;
    // createAndGo with the values given; the switch fills in the others.
    Guarded([&] {
        {
            SkippedColumns skipped(Request->Request.VarList);
            SkipEmptyValues(skipped, *this);
            RowComboBox->SetItemIndex(CreateAndGoIndex);
            Write(*Request);
        }
        Read(*Request);
    });
    NoSelectionState();
    ResetInputs();
}

void TServerInformationForm::EditButtonClick(QObject*)
{
    if (!Request)
        return;
    if (IPEdit->Text().empty()) {
        Say("Server IP must be set.");
        return;
    }
    if (ProtocolComboBox->Text().empty()) {
        Say("Protocol must be set.");
        return;
    }
    if (!CheckTypedValues())
        return;
    // The values given, without Row Status: an emptied edit leaves the switch's value.
    const bool done = Guarded([&] {
        {
            SkippedColumns skipped(Request->Request.VarList);
            SkipEmptyValues(skipped, *this);
            skipped.Skip(RowStatusItem);
            Write(*Request);
        }
        Read(*Request);
    });
    if (done)
        NoSelectionState();
    ResetInputs();
}

void TServerInformationForm::DeleteButtonClick(QObject*)
{
    if (!Request)
        return;
    // Asks first; destroy goes out alone and the table is read again.
    Guarded([&] { DeleteSelectedRow(*Request, RowStatusItem, "destroy"); });
    NoSelectionState();
    ResetInputs();
}

void TServerInformationForm::btnCloseClick(QObject*) { Close(); }

void TServerInformationForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
