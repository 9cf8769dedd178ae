#pragma once
// The DHCP server permit filter window (Security > DHCP Server Screening > DHCP Offer Permit
// Table): which DHCP server, by its IPv4 address and a client MAC address, may answer on which
// ports. Entries are added, their ports changed and deleted (without a question) in the editors
// below the list.
//
// The request is asynchronous. A click while it is busy does nothing; a write's answer clears
// the busy flag while the read sent with the write may still run, and a Refresh then simply
// replaces that read. A write goes out with the read that shows its effect, without waiting for
// the write's answer; a refused write is shown in a message box. The menu handler holds the
// window in a local variable: there is no unit global.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_FilterDHCPPermitForm.h"

#include <QPointer>

#include <memory>

class TFilterDHCPPermitForm : public ui::Form, public Ui::FilterDHCPPermitForm, public WindowLifecycle {
public:
    // Items of the request; the status combo's indices.
    enum Item { ServerIpItem, ClientMacItem, PortsItem, RowStatusItem };
    static constexpr int CreateAndGoIndex = 3;
    static constexpr int DestroyIndex = 5;

    explicit TFilterDHCPPermitForm(QWidget* owner = nullptr);
    ~TFilterDHCPPermitForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // Whether a read or write of the request is being answered: every button but Close waits.
    bool Busy() const;
    // The address checks of Add and Edit, each moving the focus to the edit it refuses.
    bool CheckAddresses();
    // The row written as the editors hold it and the table read at once; false after an
    // exception, whose message is the log line, with Edit and Delete off and the edits emptied.
    bool WriteAndRead();
    // Both edits enabled and empty, no port box ticked.
    void EmptyEditors();
    // Add mode: Add on, Edit and Delete off, the editors empty.
    void AddMode();
};
