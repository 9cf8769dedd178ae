#pragma once
// The ARP spoofing prevention window (Security > ARP Spoofing Prevention Table): the gateways,
// by IP and MAC address, with the ports on which their ARP replies are checked. Entries are
// added and deleted; one is never changed in place. The request is synchronous; a click while
// it is busy does nothing. A MAC text that is no MAC address is refused without a message (the
// focus goes to it), and an Add sends Ports only when a port of the model's own is ticked.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_ARPSpoofingPreventMgmtForm.h"

#include <QPointer>

#include <memory>

class TARPSpoofingPreventMgmtForm : public ui::Form, public Ui::ARPSpoofingPreventMgmtForm, public WindowLifecycle {
public:
    // Items of the request; the status combo's index of "createAndGo".
    enum Item { GatewayItem, MacItem, PortsItem, RowStatusItem };
    static constexpr int CreateAndGoIndex = 1;

    explicit TARPSpoofingPreventMgmtForm(QWidget* owner = nullptr);
    ~TARPSpoofingPreventMgmtForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // Back to no selection: the edits enabled and empty, no port ticked, Add on, Delete off.
    void ResetInputs();

private:
    // Whether a port among the model's front ports of unit 1 is ticked.
    bool ModelPortTicked() const;
};

// The window while its menu handler shows it.
extern TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm;
