#pragma once
// The forward-all window (Layer 2 > VLAN > 802.1Q > Forwarding/Filtering > Multicast Forwarding
// Information, an item the menu keeps hidden): for each VLAN the ports that forward every
// multicast frame, and the static and forbidden ports the user sets for it. The pickers show the
// ports of unit 1; a Set writes the lists back with the other units' ports as they were.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_MulticastForwardingInformationForm.h"

#include <QPointer>

#include <memory>

class TMulticastForwardingInformationForm : public ui::Form,
                                            public Ui::MulticastForwardingInformationForm,
                                            public WindowLifecycle {
public:
    // Items of the request.
    enum Item { VlanItem, AllPortsItem, StaticPortsItem, ForbiddenPortsItem };

    explicit TMulticastForwardingInformationForm(QWidget* owner = nullptr);
    ~TMulticastForwardingInformationForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> ForwardPorts;
    QPointer<TStackingPortUitForm> StaticPorts;
    QPointer<TStackingPortUitForm> ForbiddenPorts;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1qForwardUnregisteredEntryChange(QObject* sender, ui::ListItem* item);
};

// The window while its menu handler shows it.
extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;
