#pragma once
// The group destination window (Layer 2 > VLAN > 802.1Q > Forwarding/Filtering > Tp Group
// Destination Forwarded, an item the menu keeps hidden): the multicast groups the switch forwards
// in each VLAN, with the egress and GMRP-learnt ports of the selected one. Nothing is written.
// The pickers show the ports of unit 1; the port lists carry the other units as well.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_TpGroupDestinationForwardedForm.h"

#include <QPointer>

#include <memory>

class TTpGroupDestinationForwardedForm : public ui::Form,
                                         public Ui::TpGroupDestinationForwardedForm,
                                         public WindowLifecycle {
public:
    // Items of the request.
    enum Item { VlanItem, GroupAddressItem, EgressItem, LearntItem };

    explicit TTpGroupDestinationForwardedForm(QWidget* owner = nullptr);
    ~TTpGroupDestinationForwardedForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> EgressPorts;
    QPointer<TStackingPortUitForm> LearntPorts;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1qTpGroupEntryChange(QObject* sender, ui::ListItem* item);
};

// The window while its menu handler shows it.
extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;
