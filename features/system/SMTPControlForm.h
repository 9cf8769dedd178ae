#pragma once
// The SMTP settings window (Network Application > SMTP > Global Settings): the switch's mail
// client (state, server address and port, the sender, a test mail's subject and content, an
// IPv6 server, port and interface), and a test mail the switch sends on request. Each setting
// has a box; Set writes the ticked ones and reads every setting again. The window keeps its
// caption and its size; the 40 s time-out covers the switch's slow answer to a test mail.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_SMTPControlForm.h"

#include <array>
#include <memory>

class TSMTPControlForm : public ui::Form, public Ui::SMTPControlForm, public WindowLifecycle {
public:
    enum Item {
        StatusItem,
        ServerAddressItem,
        ServerPortItem,
        SelfMailItem,
        SubjectItem,
        ContentItem,
        SendTestItem,
        SendTestStatusItem,
        IPv6AddressItem,
        IPv6PortItem,
        IPv6InterfaceItem,
        ItemCount
    };

    explicit TSMTPControlForm(QWidget* owner = nullptr);
    ~TSMTPControlForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void ChangeSetState(QObject* sender);
    void Check_AllClick(QObject* sender);
    void Clear_AllClick(QObject* sender);
    void Btn_RefreshClick(QObject* sender);
    void Btn_SetClick(QObject* sender);
    void Button1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // The box of each item, CheckBox1 to CheckBox11.
    std::array<ui::CheckBox*, ItemCount> Boxes() const;
    // The settings' access as the window opened (read-write, Send Test Status read-only).
    SavedColumnFlags FlagsAtOpening;
};

// The window's unit global; its menu handler keeps the window in a variable of its own.
extern TSMTPControlForm* SMTPControlForm;
