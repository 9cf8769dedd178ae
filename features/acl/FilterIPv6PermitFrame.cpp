#include "features/acl/FilterIPv6PermitFrame.h"

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

#include <string>

TFilterIPv6PermitFrame::TFilterIPv6PermitFrame(QWidget* owner, const char* keyOid)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true}), keyOid_(keyOid)
{
    setupUi(this);
    Loaded();
    InitWindow();
    // The status each write sends is chosen by the buttons; entries are not edited.
    ComboStatus->hide();
    btnEdit->hide();
    OnCreate = ui::Handler(this, &TFilterIPv6PermitFrame::FormCreate);
    OnClose = ui::Handler(this, &TFilterIPv6PermitFrame::FormClose);
    btnGet->OnClick = ui::Handler(this, &TFilterIPv6PermitFrame::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TFilterIPv6PermitFrame::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TFilterIPv6PermitFrame::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TFilterIPv6PermitFrame::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TFilterIPv6PermitFrame::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TFilterIPv6PermitFrame::ListView1Change);
    DoCreate();
}

TFilterIPv6PermitFrame::~TFilterIPv6PermitFrame() { Request.reset(); }

void TFilterIPv6PermitFrame::FormCreate(QObject*)
{
    PortPicker = AddPicker("Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_dhcpv6server", keyOid_);
        if (table == nullptr)
            throw Exception(std::string("No descriptor table Oid_dhcpv6server for ") + keyOid_);
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 1);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(AddressItem, "%s{l32f}", edtIpAddr);
        // Unit 1's boxes: an entry's port list is one unit's.
        Request->BindControlList(PortsItem, PortBitIndexText(), PortPicker->UnitBoxes(1));
        Request->BindComboBox(StatusItem, ComboStatus);
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
}

bool TFilterIPv6PermitFrame::Busy() const { return !Request || Request->Busy != 0; }

void TFilterIPv6PermitFrame::ReadTable()
{
    Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
}

void TFilterIPv6PermitFrame::EmptyEditors()
{
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
    edtIpAddr->setEnabled(true);
    edtIpAddr->SetText("");
    if (PortPicker)
        PortPicker->UncheckAll();
}

void TFilterIPv6PermitFrame::btnGetClick(QObject*)
{
    if (Busy())
        return;
    ReadTable();
    EmptyEditors();
}

void TFilterIPv6PermitFrame::btnAddClick(QObject*)
{
    if (Busy())
        return;
    if (!CheckAddress()) {
        if (edtIpAddr->isEnabled())
            edtIpAddr->SetFocus();
        return;
    }
    if (!HasSelectedPorts(PortPicker)) {
        Say("Please select at least one port to add.");
        return;
    }
    ComboStatus->SetItemIndex(CreateAndGoIndex);
    bool accepted = false;
    if (!Guarded([&] { accepted = Write(*Request); })) {
        EmptyEditors();
        return;
    }
    ReadTable();
    if (accepted) {
        EmptyEditors();
        return;
    }
    // A refused entry stays in the editors for the user to mend.
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
}

void TFilterIPv6PermitFrame::btnDeleteClick(QObject*)
{
    if (Busy())
        return;
    // Destroy alone, at the entry the edit shows: never its port list.
    const bool ok = Guarded([&] {
        SkippedColumns skipped(Request->Request.VarList);
        skipped.Skip(PortsItem);
        ComboStatus->SetItemIndex(DestroyIndex);
        Write(*Request);
    });
    if (ok)
        ReadTable();
    EmptyEditors();
    btnAdd->setEnabled(true);
}

void TFilterIPv6PermitFrame::btnCloseClick(QObject*) { Close(); }

void TFilterIPv6PermitFrame::ListView1Click(QObject*)
{
    // A selected row is in the editors already; an entry is not changed in place.
    if (ListView1->Selected() == nullptr) {
        EmptyEditors();
        btnAdd->setEnabled(true);
        return;
    }
    btnEdit->setEnabled(true);
    btnDelete->setEnabled(true);
    btnAdd->setEnabled(false);
    edtIpAddr->setEnabled(false);
}

void TFilterIPv6PermitFrame::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TFilterIPv6PermitFrame::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
