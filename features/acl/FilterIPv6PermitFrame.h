#pragma once
// What the two IPv6 permit filter windows share (FilterDHCPv6PermitForm.h for DHCPv6 servers,
// FilterAllNodePermitForm.h for ICMPv6 router advertisements to all nodes): the entries of an
// IPv6 address, typed as its 32 hexadecimal digits, with the ports it is permitted on, listed,
// added and deleted (without a question); entries are not changed in place, so Edit stays hidden.
//
// The request is synchronous for the window's life: every read and write has ended when its
// handler returns, and a click while the request is busy does nothing. Refresh leaves Add as it
// was: after a row was selected, Add comes back with a click beside the rows or a Delete. After
// an Add the switch refused (its message box shown by the request), the table is read again and
// the typed entry stays in the editors for the user to mend.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_FilterIPv6PermitForm.h"

#include <QPointer>

#include <memory>

class TFilterIPv6PermitFrame : public ui::Form, public Ui::FilterIPv6PermitForm, public WindowLifecycle {
public:
    // Items of the request; the status combo's indices.
    enum Item { AddressItem, PortsItem, StatusItem };
    static constexpr int CreateAndGoIndex = 3;
    static constexpr int DestroyIndex = 5;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

protected:
    // keyOid: the table's address column in Oid_dhcpv6server.
    TFilterIPv6PermitFrame(QWidget* owner, const char* keyOid);
    ~TFilterIPv6PermitFrame() override;

    // The address check of Add, with its message.
    virtual bool CheckAddress() = 0;

private:
    bool Busy() const;
    // The table read again and the row count shown; an exception becomes the log line.
    void ReadTable();
    // Edit and Delete off, the address edit enabled and empty, no port box ticked; Add as it was.
    void EmptyEditors();

    const char* keyOid_;
};
