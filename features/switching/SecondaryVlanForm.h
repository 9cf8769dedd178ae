#pragma once
// The secondary VLAN window (Layer 2 > VLAN > Private VLAN > Secondary VLAN Settings): the
// secondary VLANs attached to each private VLAN, isolated or community, with their ports. The
// user adds one, changes the type and ports of the selected one with Edit, and deletes it. Every
// write is followed by a read of the table once the switch answered; Edit and Delete read at once
// as well, and the later read takes the place of the earlier one.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_SecondaryVlanForm.h"

#include <QPointer>

#include <exception>
#include <memory>

class TSecondaryVlanForm : public ui::Form, public Ui::SecondaryVlanForm, public WindowLifecycle {
public:
    // Items of the request, and the row status combo's indices.
    enum Item { PrivateVlanIdItem, SecondaryVlanIdItem, VlanTypeItem, PortsItem, RowStatusItem };
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TSecondaryVlanForm(QWidget* owner = nullptr);
    ~TSecondaryVlanForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> Ports;

    void FormCreate(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnDelClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void lvDataClick(QObject* sender);
    void lvDataChange(QObject* sender, ui::ListItem* item);

private:
    void ResetInputs();
    // Add's checks, each ending the action with its message.
    bool CheckNewVlan();
    // An exception's text as the request's log line.
    void LogFailure(const std::exception& e);
};

// The window while its menu handler shows it.
extern TSecondaryVlanForm* SecondaryVlanForm;
