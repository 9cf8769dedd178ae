#include "features/switching/ERPSSubRingForm.h"

#include "features/switching/ERPSubRingEditForm.h"

#include "features/common/EditorEnabling.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TERPSSubRingForm* ERPSSubRingForm = nullptr;

namespace {

const char* const SubRingTable = "1.3.6.1.4.1.171.12.78.3.2.1.1";
const char* const NoTableText = "The ERPS sub-ring table is missing.";
const char* const Title = "ERPS Sub-Ring Table: ";

} // namespace

TERPSSubRingForm::TERPSSubRingForm(QWidget* owner)
    : ui::Form(owner), ListWindowFrame(this, {.LogOnly = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    InitWindow();
    UseList(ListView1, StaticText1);
    OnCreate = ui::Handler(this, &TERPSSubRingForm::FormCreate);
    OnClose = ui::Handler(this, &TERPSSubRingForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TERPSSubRingForm::btnGetClick);
    btnAdd->OnClick = ui::Handler(this, &TERPSSubRingForm::btnAddClick);
    btnEdit->OnClick = ui::Handler(this, &TERPSSubRingForm::btnEditClick);
    btnDelete->OnClick = ui::Handler(this, &TERPSSubRingForm::btnDeleteClick);
    btnClose->OnClick = ui::Handler(this, &TERPSSubRingForm::btnCloseClick);
    // The list's own handler, which the request keeps and calls when it takes the list.
    ListView1->OnSelectItem = ui::Handler(this, &TERPSSubRingForm::ListView1SelectItem);
    ListView1->OnDblClick = ui::Handler(this, &TERPSSubRingForm::ListView1DblClick);
    ListView1->OnChange = ui::Handler(this, &TERPSSubRingForm::ListView1Change);
    RowButtons(false);
    DoCreate();
}

TERPSSubRingForm::~TERPSSubRingForm()
{
    Request.reset();
    FreeDialog(::ERPSubRingEditForm);
}

void TERPSSubRingForm::FormCreate(QObject*)
{
    Guarded([&] { ::ERPSubRingEditForm = new TERPSubRingEditForm(this); });
    TERPSubRingEditForm* dialog = ::ERPSubRingEditForm;
    if (dialog != nullptr)
        CreateRequest(FindTable("Oid_common", SubRingTable), MVT_UMV, 2, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          request.BindEdits(VlanItem, "%i", dialog->EditVID);
                          request.BindEdits(SubRingVlanItem, "%i", dialog->SubRingEdit);
                          request.BindComboBox(TCItem, dialog->cbxTC);
                          request.BindComboBox(RowStatusItem, dialog->cbxRowStatus);
                      },
                      false);
    if (!Request)
        btnAdd->setEnabled(false);
    btnDelete->setEnabled(false);
    ShowRowCount();
}

void TERPSSubRingForm::RowButtons(bool rowSelected)
{
    btnAdd->setEnabled(!rowSelected);
    btnEdit->setEnabled(rowSelected);
    btnDelete->setEnabled(rowSelected);
}

void TERPSSubRingForm::ListView1SelectItem(QObject*, ui::ListItem*, bool)
{
    RowButtons(ListView1->Selected() != nullptr);
}

void TERPSSubRingForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TERPSSubRingForm::btnGetClick(QObject*)
{
    if (Refresh())
        btnDelete->setEnabled(false);
}

void TERPSSubRingForm::btnAddClick(QObject*)
{
    TERPSubRingEditForm* dialog = ::ERPSubRingEditForm;
    if (dialog == nullptr)
        return;
    // Both VLAN IDs are always written; the TC propagation state only when its box is checked.
    for (ui::CheckBox* box : {dialog->CheckBox2, dialog->CheckBox3}) {
        box->SetChecked(true);
        box->setEnabled(false);
        ui::SetColor(box, ui::clBtnFace);
    }
    for (ui::CheckBox* box : {dialog->CheckBox2, dialog->CheckBox3, dialog->CheckBox4})
        box->setVisible(true);
    dialog->CheckBox4->SetChecked(false);
    EnableEditors({dialog->EditVID, dialog->SubRingEdit}, true);
    dialog->EditVID->SetText("");
    dialog->SubRingEdit->SetText("");
    dialog->cbxTC->SetItemIndex(-1);
    OpenDialog(*dialog, AddMode, Title + DeviceIPText + " (Add)");
}

void TERPSSubRingForm::OpenEditDialog()
{
    if (ListView1->Selected() == nullptr)
        return;
    if (TERPSubRingEditForm* dialog = ::ERPSubRingEditForm) {
        for (ui::CheckBox* box : {dialog->CheckBox2, dialog->CheckBox3, dialog->CheckBox4})
            box->setVisible(false);
        // The row goes into the dialog first, as selecting it did (which enables every editor);
        // the keys of the row are not changed.
        const bool loaded = Guarded([&] { LoadSelectedRow(); });
        EnableEditors({dialog->EditVID, dialog->SubRingEdit}, false);
        if (Request && loaded)
            OpenDialog(*dialog, EditMode, Title + DeviceIPText + " (Edit)");
    }
    Deselect(ListView1);
    btnEdit->setEnabled(false);
    btnDelete->setEnabled(false);
}

void TERPSSubRingForm::btnEditClick(QObject*) { OpenEditDialog(); }

void TERPSSubRingForm::ListView1DblClick(QObject*) { OpenEditDialog(); }

void TERPSSubRingForm::btnDeleteClick(QObject*)
{
    if (ListView1->Selected() == nullptr) {
        Say("Choose the item first.");
    } else if (TERPSubRingEditForm* dialog = ::ERPSubRingEditForm) {
        // The row's status destroy, with its TC propagation state as it is.
        WriteSelectedRow({}, [dialog] { dialog->cbxRowStatus->SetItemIndex(DestroyIndex); });
    }
    btnDelete->setEnabled(false);
    if (ListView1->Count() == 0)
        StaticText1->SetCaption("0");
}

void TERPSSubRingForm::btnCloseClick(QObject*) { Close(); }

void TERPSSubRingForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::ERPSubRingEditForm); }
