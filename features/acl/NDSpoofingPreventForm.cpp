#include "features/acl/NDSpoofingPreventForm.h"

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

TNDSpoofingPreventForm* NDSpoofingPreventForm = nullptr;

TNDSpoofingPreventForm::TNDSpoofingPreventForm(QWidget* owner)
    : ui::Form(owner),
      WindowLifecycle(this, {.LogOnly = true, .CloseActionFree = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    ComboStatus->hide();
    OnCreate = ui::Handler(this, &TNDSpoofingPreventForm::FormCreate);
    OnClose = ui::Handler(this, &TNDSpoofingPreventForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TNDSpoofingPreventForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TNDSpoofingPreventForm::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TNDSpoofingPreventForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TNDSpoofingPreventForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TNDSpoofingPreventForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TNDSpoofingPreventForm::ListView1Change);
    DoCreate();
}

TNDSpoofingPreventForm::~TNDSpoofingPreventForm() { Request.reset(); }

void TNDSpoofingPreventForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_arpspoofingprevent", "1.3.6.1.4.1.171.12.200.3.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_arpspoofingprevent for the ND gateways");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(GatewayItem, "%s{l32f}", edtIpAddr);
        Request->BindEdits(MacItem, "%s{l12}", edtMacAddr);
        Request->BindComboBox(StatusItem, ComboStatus);
        // Unit 1's boxes: the entry's port list is one unit's.
        Request->BindControlList(PortsItem, PortBitIndexText(), PortPicker->UnitBoxes(1));
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
    btnDelete->setEnabled(false);
}

void TNDSpoofingPreventForm::ResetInputs()
{
    btnAdd->setEnabled(true);
    btnDelete->setEnabled(false);
    edtIpAddr->setEnabled(true);
    edtMacAddr->setEnabled(true);
    edtIpAddr->SetText("");
    edtMacAddr->SetText("");
    if (PortPicker)
        PortPicker->UncheckAll();
}

void TNDSpoofingPreventForm::ReadTable()
{
    Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
}

void TNDSpoofingPreventForm::btnGetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    ReadTable();
    ResetInputs();
}

void TNDSpoofingPreventForm::ListView1Click(QObject*)
{
    // A selected row is in the editors already; an entry is not changed in place.
    if (ListView1->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    btnAdd->setEnabled(false);
    btnDelete->setEnabled(true);
    edtIpAddr->setEnabled(false);
    edtMacAddr->setEnabled(false);
}

void TNDSpoofingPreventForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

void TNDSpoofingPreventForm::btnAddClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    if (!CheckIPv6Text(edtIpAddr, this)) {
        if (edtIpAddr->isEnabled())
            edtIpAddr->SetFocus();
        return;
    }
    if (!CheckMACAddressText(edtMacAddr->Text(), this)) {
        if (edtMacAddr->isEnabled())
            edtMacAddr->SetFocus();
        return;
    }
    if (!HasSelectedPorts(PortPicker)) {
        Say("Please select at least one port to add.");
        return;
    }
    ComboStatus->SetItemIndex(CreateAndGoIndex);
    bool accepted = false;
    if (!Guarded([&] { accepted = Write(*Request); })) {
        ResetInputs();
        return;
    }
    ReadTable();
    // A refused entry stays in the editors for the user to mend.
    if (accepted)
        ResetInputs();
}

void TNDSpoofingPreventForm::btnDeleteClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    // Destroy alone, at the selected row: never its port list.
    const bool ok = Guarded([&] {
        SkippedColumns skipped(Request->Request.VarList);
        skipped.Skip(PortsItem);
        ComboStatus->SetItemIndex(DestroyIndex);
        Write(*Request);
    });
    if (ok)
        ReadTable();
    ResetInputs();
}

void TNDSpoofingPreventForm::btnCloseClick(QObject*) { Close(); }

void TNDSpoofingPreventForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
