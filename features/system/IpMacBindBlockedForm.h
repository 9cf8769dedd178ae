#pragma once
// The IP-MAC-port binding blocked window (Security > IP-MAC-Port Binding (IMPB) > Blocked
// Table): the hosts the switch has blocked, by VLAN and MAC address, listed and deleted one at
// a time without a question. The request is synchronous; a click while it is busy does nothing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_IpMacBindBlockedForm.h"

#include <memory>

class TIpMacBindBlockedForm : public ui::Form, public Ui::IpMacBindBlockedForm, public WindowLifecycle {
public:
    // Items of the request; the status combo's index of "destroy".
    enum Item { VlanItem, MacItem, VlanNameItem, PortItem, RowStatusItem };
    static constexpr int DestroyIndex = 1;

    explicit TIpMacBindBlockedForm(QWidget* owner = nullptr);
    ~TIpMacBindBlockedForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void lv1Click(QObject* sender);
    void lv1Change(QObject* sender, ui::ListItem* item);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TIpMacBindBlockedForm* IpMacBindBlockedForm;
