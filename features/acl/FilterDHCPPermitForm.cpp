#include "features/acl/FilterDHCPPermitForm.h"

#include "features/acl/TextChecks.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TFilterDHCPPermitForm::TFilterDHCPPermitForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    // The status each write sends is chosen by the buttons, never by the user.
    ComboStatus->hide();
    OnCreate = ui::Handler(this, &TFilterDHCPPermitForm::FormCreate);
    OnClose = ui::Handler(this, &TFilterDHCPPermitForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TFilterDHCPPermitForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TFilterDHCPPermitForm::btnAddClick);
    btnEdit->OnClick = ui::Handler(this, &TFilterDHCPPermitForm::btnEditClick);
    btnDelete->OnClick = ui::Handler(this, &TFilterDHCPPermitForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TFilterDHCPPermitForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TFilterDHCPPermitForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TFilterDHCPPermitForm::ListView1Change);
    DoCreate();
}

TFilterDHCPPermitForm::~TFilterDHCPPermitForm() { Request.reset(); }

void TFilterDHCPPermitForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_dhcpserver", "1.3.6.1.4.1.171.12.37.1.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_dhcpserver for the DHCP server permit entries");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(ServerIpItem, "%s{l16}", edtIpAddr);
        Request->BindEdits(ClientMacItem, "%s{l12}", edtMacAddr);
        // Unit 1's boxes: an entry's port list is one unit's.
        Request->BindControlList(PortsItem, PortBitIndexText(), PortPicker->UnitBoxes(1));
        Request->BindComboBox(RowStatusItem, ComboStatus);
        // No end handlers of the window's own: the request reports reads and writes itself.
        Attach(*Request, false);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
}

bool TFilterDHCPPermitForm::Busy() const { return !Request || Request->Busy != 0; }

void TFilterDHCPPermitForm::EmptyEditors()
{
    edtIpAddr->setEnabled(true);
    edtMacAddr->setEnabled(true);
    edtIpAddr->SetText("");
    edtMacAddr->SetText("");
    if (PortPicker)
        PortPicker->UncheckAll();
}

void TFilterDHCPPermitForm::AddMode()
{
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
    btnAdd->setEnabled(true);
    EmptyEditors();
}

void TFilterDHCPPermitForm::btnGetClick(QObject*)
{
    if (Busy())
        return;
    Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
    AddMode();
}

bool TFilterDHCPPermitForm::CheckAddresses()
{
    if (!CheckIPAddressText(edtIpAddr->Text(), this)) {
        if (edtIpAddr->isEnabled())
            edtIpAddr->SetFocus();
        return false;
    }
    if (!CheckMACAddressText(edtMacAddr->Text(), this)) {
        if (edtMacAddr->isEnabled())
            edtMacAddr->SetFocus();
        return false;
    }
    return true;
}

bool TFilterDHCPPermitForm::WriteAndRead()
{
    const bool ok = Guarded([&] {
        Write(*Request);
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
    if (!ok) {
        btnEdit->setEnabled(false);
        btnDelete->setEnabled(false);
        EmptyEditors();
    }
    return ok;
}

void TFilterDHCPPermitForm::btnAddClick(QObject*)
{
    if (Busy() || !CheckAddresses())
        return;
    if (!HasSelectedPorts(PortPicker)) {
        Say("Please select at least one port to add.");
        return;
    }
    ComboStatus->SetItemIndex(CreateAndGoIndex);
    if (WriteAndRead())
        EmptyEditors();
}

void TFilterDHCPPermitForm::btnEditClick(QObject*)
{
    // The edits show the selected row's keys and the hidden status combo its own status, which
    // goes out unchanged with the ticked ports.
    if (Busy() || !CheckAddresses())
        return;
    if (!HasSelectedPorts(PortPicker)) {
        Say("Please select at least one port to edit.");
        return;
    }
    WriteAndRead();
}

void TFilterDHCPPermitForm::btnDeleteClick(QObject*)
{
    if (Busy())
        return;
    // Destroy alone, at the entry the edits show: never its port list.
    const bool ok = Guarded([&] {
        SkippedColumns skipped(Request->Request.VarList);
        skipped.Skip(PortsItem);
        ComboStatus->SetItemIndex(DestroyIndex);
        Write(*Request);
    });
    if (ok)
        Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
    AddMode();
}

void TFilterDHCPPermitForm::btnCloseClick(QObject*) { Close(); }

void TFilterDHCPPermitForm::ListView1Click(QObject*)
{
    // A selected row is in the editors already; its keys are not changed in place.
    if (ListView1->Selected() == nullptr) {
        AddMode();
        return;
    }
    btnEdit->setEnabled(true);
    btnDelete->setEnabled(true);
    btnAdd->setEnabled(false);
    edtIpAddr->setEnabled(false);
    edtMacAddr->setEnabled(false);
}

void TFilterDHCPPermitForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TFilterDHCPPermitForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
