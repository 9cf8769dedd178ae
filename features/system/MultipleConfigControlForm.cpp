#include "features/system/MultipleConfigControlForm.h"

#include "features/system/MultiConfigControlEditForm.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/DeviceState.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/ListView.h"

TMultipleConfigControlForm* MultipleConfigControlForm = nullptr;

namespace {

const char* const ControlTable = "1.3.6.1.4.1.171.12.1.2.8.4.1.1";
const char* const NoTableText = "The configuration control table is missing.";

} // namespace

TMultipleConfigControlForm::TMultipleConfigControlForm(QWidget* owner)
    : ui::Form(owner), ListWindowFrame(this, {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    InitWindow();
    UseList(ListView1, nullptr);
    OnCreate = ui::Handler(this, &TMultipleConfigControlForm::FormCreate);
    OnClose = ui::Handler(this, &TMultipleConfigControlForm::FormClose);
    btnGet->OnClick = ui::Handler(this, &TMultipleConfigControlForm::btnGetClick);
    btnEdit->OnClick = ui::Handler(this, &TMultipleConfigControlForm::btnEditClick);
    btnClose->OnClick = ui::Handler(this, &TMultipleConfigControlForm::btnCloseClick);
    ListView1->OnClick = ui::Handler(this, &TMultipleConfigControlForm::ListView1Click);
    ListView1->OnDblClick = ui::Handler(this, &TMultipleConfigControlForm::ListView1DblClick);
    DoCreate();
}

TMultipleConfigControlForm::~TMultipleConfigControlForm()
{
    Request.reset();
    FreeDialog(::MultiConfigControlEditForm);
}

void TMultipleConfigControlForm::FormCreate(QObject*)
{
    Guarded([&] { ::MultiConfigControlEditForm = new TMultiConfigControlEditForm(this); });
    TMultiConfigControlEditForm* dialog = ::MultiConfigControlEditForm;
    btnEdit->setEnabled(false);
    if (dialog != nullptr)
        CreateRequest(FindTable("Oid_common", ControlTable), MVT_UMV, 1, dialog, NoTableText,
                      [dialog](MvSNMPRequest2Edits& request) {
                          // Activating a configuration keeps a switch busy: 3 s an attempt.
                          request.Request.Timeout = Timeout;
                          request.BindComboBox(ControlIdItem, dialog->cbxCtrlID);
                          request.BindComboBox(ActionItem, dialog->cbxCfgAction);
                      },
                      false);
}

void TMultipleConfigControlForm::btnGetClick(QObject*)
{
    if (Refresh())
        btnEdit->setEnabled(false);
}

void TMultipleConfigControlForm::btnEditClick(QObject*)
{
    TMultiConfigControlEditForm* dialog = ::MultiConfigControlEditForm;
    if (!Request || dialog == nullptr || ListView1->Selected() == nullptr)
        return;
    OpenDialog(*dialog, 0, "Multiple Configuration Control Edit:" + DeviceIPText, true);
}

void TMultipleConfigControlForm::btnCloseClick(QObject*) { Close(); }

void TMultipleConfigControlForm::ListView1Click(QObject*) { btnEdit->setEnabled(ListView1->Selected() != nullptr); }

void TMultipleConfigControlForm::ListView1DblClick(QObject* sender)
{
    if (ListView1->Selected() != nullptr)
        btnEditClick(sender);
}

void TMultipleConfigControlForm::FormClose(QObject*, ui::CloseAction& action)
{
    CloseFrame(action, ::MultiConfigControlEditForm);
}
