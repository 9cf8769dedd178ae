#pragma once
// The Telnet and Web window (Management > Telnet/Web Settings): whether the switch's Telnet and
// Web servers run and on which TCP port each listens, four scalars of the identified model. Each
// value has a check box; Set Checked writes the ticked values in one SET and reads all four
// again. The request is synchronous for the window's whole life. A switch whose model is not
// identified has none of these scalars: the window opens empty and sends nothing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_TCPWEBForm.h"

#include <memory>

class TTCPWEBForm : public ui::Form, public Ui::TCPWEBForm, public WindowLifecycle {
public:
    enum Item { TelnetStateItem, TelnetPortItem, WebStateItem, WebPortItem };

    explicit TTCPWEBForm(QWidget* owner = nullptr);
    ~TTCPWEBForm() override;

    // None while the model is not identified.
    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void ClearButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void TCPcbxChange(QObject* sender);
    void WEBcbxChange(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);

    // One SET of the ticked values; the column flags are back afterwards on every path.
    void SetChecked();

private:
    // A server switched off has no port to set: its port edit and box are emptied and disabled.
    void ApplyServerState(ui::ComboBox* state, ui::Edit* port, ui::CheckBox* portBox);
};

// The window while its menu handler shows it.
extern TTCPWEBForm* TCPWEBForm;
