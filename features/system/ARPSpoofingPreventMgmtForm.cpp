#include "features/system/ARPSpoofingPreventMgmtForm.h"

#include "catalogue/CatalogueIndex.h"
#include "gui/PortFunctions.h"
#include "snmp/ControlValidators.h"
#include "snmp/DeviceState.h"
#include "snmp/Exception.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

#include <algorithm>

TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm = nullptr;

TARPSpoofingPreventMgmtForm::TARPSpoofingPreventMgmtForm(QWidget* owner)
    : ui::Form(owner), WindowLifecycle(this, {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    // Entries are not changed in place: no Set, and the column reads Refresh, Add, Delete, Close.
    btnEdit->setVisible(false);
    ui::SetTop(btnDelete, btnEdit->y());
    ui::SetTop(btnClose, 142);
    ComboStatus->hide();
    OnCreate = ui::Handler(this, &TARPSpoofingPreventMgmtForm::FormCreate);
    OnClose = ui::Handler(this, &TARPSpoofingPreventMgmtForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TARPSpoofingPreventMgmtForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TARPSpoofingPreventMgmtForm::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TARPSpoofingPreventMgmtForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TARPSpoofingPreventMgmtForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TARPSpoofingPreventMgmtForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TARPSpoofingPreventMgmtForm::ListView1Change);
    DoCreate();
}

TARPSpoofingPreventMgmtForm::~TARPSpoofingPreventMgmtForm() { Request.reset(); }

void TARPSpoofingPreventMgmtForm::FormCreate(QObject*)
{
    PortPicker = AddPicker("Ports", PageControl1);
    Guarded([&] {
        Request = std::make_unique<MvSNMPRequest2Edits>(this);
        const VarDescriptor* table = FindTable("Oid_arpspoofingprevent", "1.3.6.1.4.1.171.12.62.3.1.1.1");
        if (table == nullptr)
            throw Exception("No descriptor table Oid_arpspoofingprevent for the ARP gateways");
        Request->Request.VarList = MvSNMPVarList(table, MVT_UMV, 2);
        Request->AttachListView(ListView1, true);
        Request->BindEdits(GatewayItem, "%s{l16}", edtIpAddr);
        Request->BindEdits(MacItem, "%s{l12}", edtMacAddr);
        Request->BindComboBox(RowStatusItem, ComboStatus);
        Request->BindControlList(PortsItem, PortBitIndexText(), PortPicker->PortBoxes);
        Attach(*Request, false);
        Request->Mode = 0;
        Read(*Request);
    });
    ShowRowCount(StaticText1, ListView1);
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
}

void TARPSpoofingPreventMgmtForm::ResetInputs()
{
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
    edtIpAddr->setEnabled(true);
    edtMacAddr->setEnabled(true);
    edtIpAddr->SetText("");
    edtMacAddr->SetText("");
    btnAdd->setEnabled(true);
    if (PortPicker)
        PortPicker->UncheckAll();
    ShowRowCount(StaticText1, ListView1);
}

void TARPSpoofingPreventMgmtForm::btnGetClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    // A read that raised leaves the inputs as they are.
    const bool read = Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
    if (read)
        ResetInputs();
}

void TARPSpoofingPreventMgmtForm::ListView1Click(QObject*)
{
    // A selected row is in the editors already; its keys are not to be changed.
    if (ListView1->Selected() == nullptr) {
        ResetInputs();
        return;
    }
    btnDelete->setEnabled(true);
    edtIpAddr->setEnabled(false);
    edtMacAddr->setEnabled(false);
    btnAdd->setEnabled(false);
}

void TARPSpoofingPreventMgmtForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(StaticText1, ListView1); }

bool TARPSpoofingPreventMgmtForm::ModelPortTicked() const
{
    if (!PortPicker)
        return false;
    // An unidentified model has no ports to look at.
    const auto count = static_cast<std::size_t>(std::max(0, PortCountOfModel(ModelNameCopy)));
    const std::size_t end = std::min(count, PortPicker->PortBoxes.size());
    for (std::size_t k = 0; k < end; ++k)
        if (PortPicker->PortBoxes[k]->Checked())
            return true;
    return false;
}

void TARPSpoofingPreventMgmtForm::btnAddClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    if (!ValidateIPv4Text(edtIpAddr)) {
        if (edtIpAddr->isEnabled())
            edtIpAddr->SetFocus();
        return;
    }
    if (!IsValidMACText(edtMacAddr)) {
        if (edtMacAddr->isEnabled())
            edtMacAddr->SetFocus();
        return;
    }
    ComboStatus->SetItemIndex(CreateAndGoIndex);
    bool accepted = false;
    const bool ok = Guarded([&] {
        SkippedColumns skipped(Request->Request.VarList);
        if (!ModelPortTicked())
            skipped.Skip(PortsItem);
        accepted = Write(*Request);
    });
    if (!ok) {
        ResetInputs(); // the exception's log line stays
        return;
    }
    if (accepted) {
        btnGetClick(nullptr);
        return;
    }
    // A refused entry stays in the editors for the user to mend; the list is read again.
    Guarded([&] { Read(*Request); });
    ShowRowCount(StaticText1, ListView1);
}

void TARPSpoofingPreventMgmtForm::btnDeleteClick(QObject*)
{
    if (!Request || Running(Request.get()))
        return;
    // Asks first; destroy goes out alone, then the table is read again. Cancel resets as well.
    Guarded([&] { DeleteSelectedRow(*Request, RowStatusItem, "destroy"); });
    ResetInputs();
}

void TARPSpoofingPreventMgmtForm::btnCloseClick(QObject*) { Close(); }

void TARPSpoofingPreventMgmtForm::FormClose(QObject*, ui::CloseAction& action) { CloseDown(action, ListView1, Request); }
