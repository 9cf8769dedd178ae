#pragma once
// The IPv6 neighbour window (Management > IPv6 Neighbor Settings > Cache Table): the switch's
// IPv6 neighbour cache. Add opens the dialog TARPIPv6ControlEditForm, which creates a static
// entry; Delete destroys the selected entry. The window follows the list window frame
// (ListWindowFrame.h) without DataComplete: its request's busy flag alone refuses work, and it
// may close while a read runs. It reacts to clicks on the list, not to selection changes.

#include "features/system/ListWindowFrame.h"

#include "ui/Form.h"

#include "ui_ARPIPV6ControlForm.h"

class TARPIPV6ControlForm : public ui::Form, public Ui::ARPIPV6ControlForm, public ListWindowFrame {
public:
    // Items of the neighbour cache table.
    enum Item { AddressItem, MacItem, InterfaceItem, ReachStateItem, RouteStatusItem };
    // Indices of the Route Status combo box: "createAndGo" and "destroy".
    enum StatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TARPIPV6ControlForm(QWidget* owner = nullptr);
    ~TARPIPV6ControlForm() override;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TARPIPV6ControlForm* ARPIPV6ControlForm;
