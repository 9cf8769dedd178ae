#pragma once
// The LLDP management address window (Layer 2 > LLDP > Configuration > Address Configuration):
// the switch's management addresses and the ports that advertise each. Set writes the port list
// of the chosen address and waits for the switch's answer, then reads the table again; Stop
// ends a read or the wait. The window keeps its layout size.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_LLDP_Management_Address.h"

#include <QPointer>

#include <memory>

class TLLDP_Management_Address : public ui::Form, public Ui::LLDP_Management_Address, public WindowLifecycle {
public:
    enum Item { SubtypeItem, AddressItem, PortsItem };

    explicit TLLDP_Management_Address(QWidget* owner = nullptr);
    ~TLLDP_Management_Address() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> Ports;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1SelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TLLDP_Management_Address* LLDP_Management_Address;
