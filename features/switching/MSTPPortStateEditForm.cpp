#include "features/switching/MSTPPortStateEditForm.h"

#include "features/switching/MSTPPortStateForm.h"

TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TMSTPPortStateForm* owner) : ui::Form(owner), window_(owner)
{
    setupUi(this);
    Loaded();
    ScaleForScreen();
    SetPosition(ui::poOwnerFormCenter);
    OnActivate = ui::Handler(this, &TMSTPPortStateEditForm::FormActivate);
    btnEdit->OnClick = ui::Handler(this, &TMSTPPortStateEditForm::btnEditClick);
    btnClose->OnClick = ui::Handler(this, &TMSTPPortStateEditForm::btnCloseClick);
    DoCreate();
}

TMSTPPortStateEditForm::~TMSTPPortStateEditForm()
{
    if (::MSTPPortStateEditForm == this)
        ::MSTPPortStateEditForm = nullptr;
}

void TMSTPPortStateEditForm::FormActivate(QObject*)
{
    // The port and what the switch reports are shown, never written.
    for (QWidget* control : std::initializer_list<QWidget*>{edtPortIndex, edtOperHelloTime, cbxOperEdgePort, cbxOperP2P})
        control->setEnabled(false);
}

void TMSTPPortStateEditForm::btnEditClick(QObject*)
{
    // Closes once the switch accepted the port's settings; a refused write was shown and the
    // dialog keeps what the user chose.
    if (window_->WritePort())
        Close();
}

void TMSTPPortStateEditForm::btnCloseClick(QObject*) { Close(); }
