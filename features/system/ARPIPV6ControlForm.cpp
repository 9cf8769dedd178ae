#include "features/system/ARPIPV6ControlForm.h"

#include "features/system/ARPIPv6ControlEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TARPIPV6ControlForm* ARPIPV6ControlForm = nullptr;

namespace {

const char* const NeighbourTable = "1.3.6.1.4.1.171.12.26.4.1.1.1";
const char* const NoTableText = "The IPv6 neighbour cache table is missing.";

} // namespace

TARPIPV6ControlForm::TARPIPV6ControlForm(QWidget* owner)
    : ui::Form(owner), ListWindowFrame(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    UseList(ListView1, StaticText1);
    OnCreate = ui::Handler(this, &TARPIPV6ControlForm::FormCreate);
    OnClose = ui::Handler(this, &TARPIPV6ControlForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TARPIPV6ControlForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TARPIPV6ControlForm::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TARPIPV6ControlForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TARPIPV6ControlForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TARPIPV6ControlForm::ListView1Click);
    ListView1->OnChange = ui::Handler(this, &TARPIPV6ControlForm::ListView1Change);
    DoCreate();
}

TARPIPV6ControlForm::~TARPIPV6ControlForm()
{
    Request.reset();
    FreeDialog(::ARPIPv6ControlEditForm);
}

void TARPIPV6ControlForm::FormCreate(QObject*)
{
    Guarded([&] { ::ARPIPv6ControlEditForm = new TARPIPv6ControlEditForm(this); });
    TARPIPv6ControlEditForm* dialog = ::ARPIPv6ControlEditForm;
    if (dialog != nullptr)
        CreateRequest(FindTable("Oid_ipif", NeighbourTable), MVT_UMV, 3, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          request.BindEdits(AddressItem, "%s{l32f}", dialog->edtAddress);
                          request.BindEdits(MacItem, "%h{l12}", dialog->edtMac);
                          request.BindEdits(InterfaceItem, "%s{l12}", dialog->edtInterface);
                          request.BindComboBox(ReachStateItem, dialog->cbxState);
                          request.BindComboBox(RouteStatusItem, dialog->cbxRowStatus);
                      },
                      false);
    if (!Request)
        btnAdd->setEnabled(false);
    btnDelete->setEnabled(false);
    ShowRowCount();
}

void TARPIPV6ControlForm::btnGetClick(QObject*)
{
    if (Refresh())
        btnDelete->setEnabled(false);
}

void TARPIPV6ControlForm::btnAddClick(QObject*)
{
    if (::ARPIPv6ControlEditForm == nullptr)
        return;
    // Not refused while a read runs; the list selection stays as it was.
    OpenDialog(*::ARPIPv6ControlEditForm, 0, "IPv6 Neighbor Cache Table: " + DeviceIPText + " (Add)");
}

void TARPIPV6ControlForm::btnDeleteClick(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        Say("Choose the item first.");
    } else {
        if (RefuseWhileReading(Request.get()))
            return;
        TARPIPv6ControlEditForm* dialog = ::ARPIPv6ControlEditForm;
        if (dialog == nullptr)
            return;
        // The Route Status destroy alone, on the selected entry.
        WriteSelectedRow({.Skip = [](SkippedColumns& skipped) { skipped.KeepOnly(RouteStatusItem); }},
                         [dialog] { dialog->cbxRowStatus->SetItemIndex(DestroyIndex); });
    }
    btnDelete->setEnabled(false);
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
}

void TARPIPV6ControlForm::btnCloseClick(QObject*) { Close(); }

void TARPIPV6ControlForm::ListView1Click(QObject*) { btnDelete->setEnabled(ListView1->Selected() != nullptr); }

void TARPIPV6ControlForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TARPIPV6ControlForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::ARPIPv6ControlEditForm); }
