#pragma once
// The dialog of the IPv6 neighbour window: a static entry's IPv6 address, MAC address and
// interface name (its keys). It only adds: Set checks the three and creates the entry through the
// list window's request (ListDialogFrame.h), sending its Route Status alone.

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_ARPIPv6ControlEditForm.h"

class TARPIPV6ControlForm;

class TARPIPv6ControlEditForm : public ui::Form, public Ui::ARPIPv6ControlEditForm, public ListDialogFrame {
public:
    explicit TARPIPv6ControlEditForm(TARPIPV6ControlForm* listWindow);

    void FormActivate(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);

    // The checks in order; a failure has shown its message and, where it says so, moved the focus.
    bool ValidateInputs();
};

// The dialog while its list window lives.
extern TARPIPv6ControlEditForm* ARPIPv6ControlEditForm;
