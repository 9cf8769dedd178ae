#pragma once
// The port VLAN window (Layer 2 > VLAN > 802.1Q > 802.1Q Bridge > Port Information): each bridge
// port's VLAN ID, acceptable frame types, ingress filtering and GVRP state, with its GVRP
// counters. The selected port's settings are written with one SET, after which the framework
// reads the table again. The window refuses work while its request is busy.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_VLanPortInfomationForm.h"

#include <memory>

class TVLanPortInfomationForm : public ui::Form, public Ui::VLanPortInfomationForm, public WindowLifecycle {
public:
    // Items of the request.
    enum Item {
        PortItem, PortVlanIdItem, FrameTypesItem, IngressFilteringItem, GvrpStateItem, FailedRegistrationsItem,
        LastPduOriginItem
    };

    explicit TVLanPortInfomationForm(QWidget* owner = nullptr);
    ~TVLanPortInfomationForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void ClosebtnClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1qPortVlanEntryChange(QObject* sender, ui::ListItem* item);
};

// The window while its menu handler shows it.
extern TVLanPortInfomationForm* VLanPortInfomationForm;
