#pragma once
// The ND spoofing prevention window (Security > ND Spoofing Prevention Table): the gateways, by
// IPv6 address (typed as its 32 hexadecimal digits) and MAC address, with the ports on which
// their neighbour advertisements are checked. Entries are added and deleted, never changed in
// place; Delete asks no question. The request is synchronous; a click while it is busy does
// nothing. After an Add the switch refused, the typed entry stays in the editors.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_NDSpoofingPreventForm.h"

#include <QPointer>

#include <memory>

class TNDSpoofingPreventForm : public ui::Form, public Ui::NDSpoofingPreventForm, public WindowLifecycle {
public:
    // Items of the request; the status combo's indices.
    enum Item { GatewayItem, MacItem, PortsItem, StatusItem };
    static constexpr int CreateAndGoIndex = 3;
    static constexpr int DestroyIndex = 5;

    explicit TNDSpoofingPreventForm(QWidget* owner = nullptr);
    ~TNDSpoofingPreventForm() override;

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
    // The table read again and the row count shown; an exception becomes the log line.
    void ReadTable();
};

// The window while its menu handler shows it.
extern TNDSpoofingPreventForm* NDSpoofingPreventForm;
