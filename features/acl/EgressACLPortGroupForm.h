#pragma once
// The egress ACL port group window: the numbered, named sets of ports that egress rules can name
// in place of a port, listed, added, given other ports and deleted. A plain window that reads
// and writes asynchronously and will not close while it reads the table.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_EgressACLPortGroupForm.h"

#include <QPointer>

#include <memory>

class TEgressACLPortGroupForm : public ui::Form, public Ui::EgressACLPortGroupForm, public WindowLifecycle {
public:
    enum Item { PortGroupIDItem, RowStatusItem, NameItem, PortItem };
    // Item indices of the status list.
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TEgressACLPortGroupForm(QWidget* owner);
    ~TEgressACLPortGroupForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ListView1Click(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);

    // Back to the no-selection state: no port, the ID and name empty and open for typing.
    void ResetInputs();

private:
    // Add mode: Add on, Set and Delete off.
    void AddMode();
};

// The window while its menu item shows it.
extern TEgressACLPortGroupForm* EgressACLPortGroupForm;
