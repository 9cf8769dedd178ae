#pragma once
// The edit dialog of the spanning tree port state window (MSTPPortStateForm.h): one port's
// settings, its number and operational values shown but not editable. Set writes them through
// the window's request and closes the dialog once the switch accepted them; a refused write keeps
// the dialog open with what the user chose.

#include "ui/Form.h"

#include "ui_MSTPPortStateEditForm.h"

class TMSTPPortStateForm;

class TMSTPPortStateEditForm : public ui::Form, public Ui::MSTPPortStateEditForm {
public:
    // Made by the port state window, its owner.
    explicit TMSTPPortStateEditForm(TMSTPPortStateForm* owner);
    ~TMSTPPortStateEditForm() override;

    void FormActivate(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnCloseClick(QObject* sender);

private:
    TMSTPPortStateForm* window_;
};

// The dialog while its window is open.
extern TMSTPPortStateEditForm* MSTPPortStateEditForm;
