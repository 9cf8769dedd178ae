#include "features/switching/PPOEForm.h"

#include "features/switching/PPOEEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/ListView.h"

TPPOEForm* PPOEForm = nullptr;

namespace {

const char* const Title = "PPPoE  Circuit ID Insert Port Table";
const char* const NoTableText = "The PPPoE circuit ID table is missing.";

} // namespace

TPPOEForm::TPPOEForm(QWidget* owner)
    : ui::Form(owner), ListWindowFrame(this, {.CloseQuery = true, .KeepLayoutSize = true})
{
    setupUi(this);
    Loaded();
    InitWindow();
    UseList(ListView1, StaticText1);
    btnEdit->setEnabled(false);
    OnCreate = ui::Handler(this, &TPPOEForm::FormCreate);
    OnCloseQuery = ui::Handler(this, &TPPOEForm::FormCloseQuery);
    OnClose = ui::Handler(this, &TPPOEForm::FormClose);
    btnRefresh->OnClick = ui::Handler(this, &TPPOEForm::btnRefreshClick);
    btnEdit->OnClick = ui::Handler(this, &TPPOEForm::btnEditClick);
    btnClose->OnClick = ui::Handler(this, &TPPOEForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TPPOEForm::ListView1Click);
    ListView1->OnDblClick = ui::Handler(this, &TPPOEForm::ListView1DblClick);
    ListView1->OnChange = ui::Handler(this, &TPPOEForm::ListView1Change);
    DoCreate();
}

TPPOEForm::~TPPOEForm()
{
    Request.reset();
    FreeDialog(::PPOEEditForm);
}

void TPPOEForm::FormCreate(QObject*)
{
    Guarded([&] { ::PPOEEditForm = new TPPOEEditForm(this); });
    TPPOEEditForm* dialog = ::PPOEEditForm;
    if (dialog == nullptr)
        return;
    CreateRequest(FindTable("Oid_common", "1.3.6.1.4.1.171.12.79.1.2.1.1.1"), MVT_UMV, 1, dialog, NoTableText,
                  [dialog](MvSNMPRequest2Edits& request) {
                      request.BindEdits(IndexItem, "%i", dialog->EditIndex);
                      request.BindComboBox(StateItem, dialog->cbxState);
                      request.BindComboBox(CircuitIDItem, dialog->cbxCircuitID);
                      request.BindEdits(UDFStringItem, "%s{l32}", dialog->EditUDF);
                  });
}

void TPPOEForm::ListView1Click(QObject*)
{
    // A click anywhere in the list: a read still under way ends at its next answer, keeping the
    // rows it brought. Edit waits for a port the user chose: a click beside the rows chooses none.
    btnEdit->setEnabled(ListView1->Selected() != nullptr);
    if (Request)
        Request->Request.Active = 0;
}

void TPPOEForm::btnEditClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete");
        return;
    }
    OpenEditDialog();
}

void TPPOEForm::ListView1DblClick(QObject*)
{
    // Its click has stopped a read under way: the dialog opens once that read has ended, so that
    // its write never runs beside it.
    if (Request && Running(Request.get()) && !StopAndWait(*Request))
        return;
    OpenEditDialog();
}

void TPPOEForm::OpenEditDialog()
{
    // Without a chosen port the dialog would write the port its empty index edit names.
    if (ListView1->Selected() == nullptr)
        return;
    if (::PPOEEditForm != nullptr)
        OpenDialog(*::PPOEEditForm, 0, std::string(Title) + ": " + DeviceIPText + " (Edit)", true);
}

void TPPOEForm::btnRefreshClick(QObject*)
{
    if (DataComplete == 0) {
        Say("Get data not complete");
        return;
    }
    if (Refresh())
        btnEdit->setEnabled(false);
}

void TPPOEForm::ListView1Change(QObject*, ui::ListItem*) { ShowRowCount(); }

void TPPOEForm::btnCloseClick(QObject*) { Close(); }

void TPPOEForm::FormCloseQuery(QObject*, bool& canClose) { canClose = MayClose(); }

void TPPOEForm::FormClose(QObject*, ui::CloseAction& action) { CloseFrame(action, ::PPOEEditForm); }
