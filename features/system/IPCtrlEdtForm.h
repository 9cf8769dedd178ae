#pragma once
// The dialog of the IP interface window: every column of an interface with, for a writable one,
// a check box that puts it into the write. Its controls are bound to the list window's request
// and listed in the list window's column lists (TBasicForm); Set checks the mode's input and
// writes the ticked columns through that request (ListDialogFrame.h).

#include "features/system/ListDialogFrame.h"

#include "gui/BasicForm.h"

#include "ui_IPCtrlEdtForm.h"

class TIpCtrlForm;

class TIPCtrlEdtForm : public TBasicForm, public Ui::IPCtrlEdtForm, public ListDialogFrame {
public:
    explicit TIPCtrlEdtForm(TIpCtrlForm* listWindow);

    void FormActivate(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);

    // The checks of each mode, in order; a failure has shown its message.
    bool ValidateAdd();
    bool ValidateEdit();

private:
    // Both the address and the mask are empty.
    bool WithoutAddress() const;
    // The address and the mask whose boxes put them into the write hold addresses; otherwise a
    // message that names the field, and the focus on its edit.
    bool SentAddressesValid();
    // The write of the ticked columns, and of the State whose box is always ticked.
    void SendChecked(bool withoutAddress);

    TIpCtrlForm& list_;
};

// The dialog while its list window lives.
extern TIPCtrlEdtForm* IPCtrlEdtForm;
