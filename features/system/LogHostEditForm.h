#pragma once
// The dialog of the syslog server window: a server's index (its key), facility, severity, UDP
// port, state, address type and address. Its controls are bound to the list window's request;
// Set checks the mode's input and writes the server through that request (ListDialogFrame.h):
// an add with the Row Status createAndGo, an edit without Row Status.

#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"

#include "ui_LogHostEditForm.h"

class TSystemLogHostForm;

class TLogHostEditForm : public ui::Form, public Ui::LogHostEditForm, public ListDialogFrame {
public:
    explicit TLogHostEditForm(TSystemLogHostForm* listWindow);

    void FormActivate(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);

    // The checks of each mode, in order; a failure has shown its message and moved the focus.
    bool ValidateAdd();
    bool ValidateEdit();

    // The syslog port: 514, or 6000 to 65535 (a text that does not convert is none of them).
    static bool ValidPort(const std::string& text);

private:
    bool Refuse(const std::string& message, QWidget* focus);
    // The port check both modes run first; an empty port passes.
    bool CheckPort();
    // Whether a listed server other than the one at skipRow has the typed address.
    bool AddressTaken(int skipRow) const;
    // The IPv4 check of an address that goes out as IPv4 (type "ipv4", or none shown).
    bool CheckIPv4Address();
};

// The dialog while its list window lives.
extern TLogHostEditForm* LogHostEditForm;
