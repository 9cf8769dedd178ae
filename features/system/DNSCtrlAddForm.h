#pragma once
// The dialog of the DNS relay static table window: a domain name and its IPv4 address (the
// entry's keys); the state is "valid". It only adds: Add checks the address and creates the
// entry through the list window's request (ListDialogFrame.h), which reads the table again once
// the switch has accepted it.

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_DNSCtrlAddForm.h"

class TDNSCtrlForm;

class TDNSCtrlAddForm : public ui::Form, public Ui::DNSCtrlAddForm, public ListDialogFrame {
public:
    explicit TDNSCtrlAddForm(TDNSCtrlForm* listWindow);

    void FormActivate(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnCloseClick(QObject* sender);
};

// The dialog while its list window lives.
extern TDNSCtrlAddForm* DNSCtrlAddForm;
