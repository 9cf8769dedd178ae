#pragma once
// The private VLAN window (Layer 2 > VLAN > Private VLAN > Private VLAN Settings): each private
// VLAN with its name and its promiscuous and trunk ports. Add creates a VLAN by its ID and name;
// its port lists are set afterwards with Edit on the selected VLAN. Every write is followed by a
// read of the table once the switch answered. The window refuses nothing while a read runs: a new
// read takes the place of the one under way.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PrivateVLANForm.h"

#include <QPointer>

#include <memory>

class TPrivateVLANForm : public ui::Form, public Ui::PrivateVLANForm, public WindowLifecycle {
public:
    // Items of the request, and the row status combo's indices.
    enum Item { VlanIdItem, NameItem, PromiscuousItem, TrunkItem, RowStatusItem };
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TPrivateVLANForm(QWidget* owner = nullptr);
    ~TPrivateVLANForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PromiscuousPorts;
    QPointer<TStackingPortUitForm> TrunkPorts;

    void FormCreate(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void btnDelClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void lvDataClick(QObject* sender);
    void lvDataChanging(QObject* sender, ui::ListItem* item);

private:
    void ResetInputs();
    void EnablePickers(bool enabled);
    // An exception's text as the request's log line, then the editors reset.
    void Failed(const std::exception& e);
};

// The window while its menu handler shows it.
extern TPrivateVLANForm* PrivateVLANForm;
