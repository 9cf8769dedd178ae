#pragma once
// The AAA server table window (Security > Access Authentication Control > Server Information):
// the authentication servers of the switch, keyed by address and protocol, with their port, key
// (shown as typed), time-out and retry count. Servers are added, edited and deleted in place; a
// port, key, time-out or retry count left empty is not written, so the switch keeps its own.
// The request is synchronous for the window's whole life; its log lines go to status panel 0.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_ServerInformationForm.h"

#include <memory>

class TServerInformationForm : public ui::Form, public Ui::ServerInformationForm, public WindowLifecycle {
public:
    // Items of the server table: address and protocol are the keys.
    enum Item { AddressItem, ProtocolItem, PortItem, KeyItem, TimeoutItem, RetryItem, RowStatusItem };
    // Index of "createAndGo" in the Row Status combo box.
    static constexpr int CreateAndGoIndex = 3;

    explicit TServerInformationForm(QWidget* owner = nullptr);
    ~TServerInformationForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ListView1Click(QObject* sender);
    void AddButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The five edits emptied; the row count "0" when the list is empty.
    void ResetInputs();

private:
    // Edit and Delete off; the keys and Add on for a new server.
    void NoSelectionState();
    // The port, time-out and retry count that hold a text are numbers the switch takes;
    // otherwise the message that names the field, the focus on its edit, and false.
    bool CheckTypedValues();
    // Leaves the empty optional columns out of the write.
    static void SkipEmptyValues(SkippedColumns& skipped, const TServerInformationForm& form);
};

// The window while its menu handler shows it.
extern TServerInformationForm* ServerInformationForm;
