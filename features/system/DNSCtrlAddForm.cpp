#include "features/system/DNSCtrlAddForm.h"

#include "features/system/DNSCtrlForm.h"

#include "features/acl/TextChecks.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"

TDNSCtrlAddForm* DNSCtrlAddForm = nullptr;

TDNSCtrlAddForm::TDNSCtrlAddForm(TDNSCtrlForm* listWindow) : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poScreenCenter);
    ScaleForScreen();
    // Prepared once per showing: a message box that closes activates the dialog again, and must
    // not undo what the user typed.
    OnShow = ui::Handler(this, &TDNSCtrlAddForm::FormActivate);
    btnAdd->OnClick = ui::Handler(this, &TDNSCtrlAddForm::btnAddClick);
    btnClose->OnClick = ui::Handler(this, &TDNSCtrlAddForm::btnCloseClick);
    DoCreate();
}

void TDNSCtrlAddForm::FormActivate(QObject*)
{
    cbxState->SetItemIndex(TDNSCtrlForm::ValidIndex);
    cbxState->setEnabled(false);
    edtName->SetText("");
    edtIP->SetText("");
}

void TDNSCtrlAddForm::btnAddClick(QObject*)
{
    // The address is a key: a text that is no address would key some other row.
    if (!CheckIPAddressText(edtIP->Text(), this)) {
        edtIP->SetFocus();
        return;
    }
    SetRow({.After = AfterWrite::RequestRereads});
}

void TDNSCtrlAddForm::btnCloseClick(QObject*) { Close(); }
