#include "features/system/DNSCtrlForm.h"

#include "features/system/DNSCtrlAddForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TDNSCtrlForm* DNSCtrlForm = nullptr;

namespace {

const char* const DnsTable = "1.3.6.1.4.1.171.11.133.N.3.3.2.6.1.1";
const char* const NoTableText = "The switch's model has no DNS relay static table.";

} // namespace

TDNSCtrlForm::TDNSCtrlForm(QWidget* owner) : ui::Form(owner), ListWindowFrame(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    UseList(ListView1, StaticText1);
    OnCreate = ui::Handler(this, &TDNSCtrlForm::FormCreate);
    OnClose = ui::Handler(this, &TDNSCtrlForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TDNSCtrlForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TDNSCtrlForm::btnAddClick);
    btnDelete->OnClick = ui::Handler(this, &TDNSCtrlForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TDNSCtrlForm::btnCloseClick);
    // The list's own handler, which the request keeps and calls when it takes the list.
    ListView1->OnSelectItem = ui::Handler(this, &TDNSCtrlForm::ListView1SelectItem);
    ListView1->OnChange = ui::Handler(this, &TDNSCtrlForm::ListView1Change);
    DoCreate();
}

TDNSCtrlForm::~TDNSCtrlForm()
{
    Request.reset();
    FreeDialog(::DNSCtrlAddForm);
}

void TDNSCtrlForm::FormCreate(QObject*)
{
    Guarded([&] { ::DNSCtrlAddForm = new TDNSCtrlAddForm(this); });
    TDNSCtrlAddForm* dialog = ::DNSCtrlAddForm;
    if (dialog != nullptr)
        CreateRequest(FindModelTable("Oid_ipif", DnsTable, ModuleOIDText), MVT_UMV, 2, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          request.BindEdits(NameItem, "%s{l32}", dialog->edtName);
                          request.BindEdits(AddressItem, "%s{l16}", dialog->edtIP);
                          request.BindComboBox(StateItem, dialog->cbxState);
                      },
                      false);
    // Without the model's table there is nothing to add to.
    if (!Request)
        btnAdd->setEnabled(false);
    btnDelete->setEnabled(false);
    ShowRowCount();
}

void TDNSCtrlForm::btnGetClick(QObject*) { Refresh(); }

void TDNSCtrlForm::btnAddClick(QObject*)
{
    if (!Request || ::DNSCtrlAddForm == nullptr)
        return;
    // A read that runs ends at its next answer; the dialog's read after its write lists the table.
    if (Running(Request.get()))
        Stop(*Request);
    OpenDialog(*::DNSCtrlAddForm, 0, "DNS Relay Static Table: " + DeviceIPText + " (Add)");
}

void TDNSCtrlForm::btnDeleteClick(QObject*)
{
    // Without a selected row nothing happens, and no question is asked.
    if (!Request || ListView1->Selected() == nullptr || ::DNSCtrlAddForm == nullptr)
        return;
    TDNSCtrlAddForm* dialog = ::DNSCtrlAddForm;
    Guarded([&] {
        if (Running(Request.get()))
            StopAndWait(*Request);
    });
    // State invalid on the selected entry; the list is read again.
    WriteSelectedRow({.After = AfterWrite::RequestRereads},
                     [dialog] { dialog->cbxState->SetItemIndex(InvalidIndex); });
    ShowRowCount();
}

void TDNSCtrlForm::btnCloseClick(QObject*) { Close(); }

void TDNSCtrlForm::ListView1SelectItem(QObject*, ui::ListItem*, bool)
{
    btnDelete->setEnabled(ListView1->Selected() != nullptr);
}

void TDNSCtrlForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TDNSCtrlForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::DNSCtrlAddForm); }
