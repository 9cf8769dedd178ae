#pragma once
// The spanning tree port state window (Layer 2 > Spanning Tree > Port State Information): the
// settings and states of every port, read into a list; Edit (or a double click) shows the
// chosen port in its dialog (MSTPPortStateEditForm.h), whose Set writes it. The port's
// administrative hello time exists under MSTP only, so under STP and RSTP the write leaves it
// out; the window reads the version on its own synchronous request.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_MSTPPortStateForm.h"

#include <memory>

class TMSTPPortStateEditForm;

class TMSTPPortStateForm : public ui::Form, public Ui::MSTPPortStateForm, public WindowLifecycle {
public:
    // Items of the port table.
    enum Item {
        PortItem, OperHelloTimeItem, AdminHelloTimeItem, PortEnableItem, ExtPathCostItem, MigrationItem,
        AdminEdgePortItem, OperEdgePortItem, AdminP2PItem, OperP2PItem, BPDUFilteringItem, RestrictedRoleItem,
        RestrictedTCNItem
    };

    explicit TMSTPPortStateForm(QWidget* owner = nullptr);
    ~TMSTPPortStateForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> PortVersionRequest;
    std::unique_ptr<MvSNMPRequest2Edits> PortStateRequest;
    // The access flags of the port table's items as the window opened.
    SavedColumnFlags FlagsAtOpening;

    void FormCreate(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnEditClick(QObject* sender);
    void lvMSTPPortStateDblClick(QObject* sender);
    void lvMSTPPortStateSelectItem(QObject* sender, ui::ListItem* item, bool selected);
    void lvMSTPPortStateChanging(QObject* sender, ui::ListItem* item);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The dialog on the chosen port.
    void EditSelectedPort();

    // The dialog's Set: the port written and waited for (without the administrative hello time
    // under STP and RSTP), then the table read again. True when the switch accepted the write.
    bool WritePort();

private:
    void ReadVersion();
};

// The window while its menu handler shows it.
extern TMSTPPortStateForm* MSTPPortStateForm;
