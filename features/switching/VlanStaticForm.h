#pragma once
// The static VLAN window (Layer 2 > VLAN > 802.1Q > 802.1Q VLAN > Static Table): every static
// 802.1Q VLAN with its name and its egress, forbidden egress and untagged ports, and the switch's
// next free local VLAN index. The user creates, changes and deletes VLANs.
//
// The switch takes a VLAN's columns one at a time and in a fixed order, so Set writes one column
// per SET and Add creates the VLAN before it writes the forbidden ports. Each of those SETs goes
// out only once the one before has been answered: a SET lost on the way is sent again after the
// time-out, and sent all at once it would then overtake the later ones. Add writes the forbidden
// ports only when the switch created the VLAN, never over a VLAN that was there already.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_VlanStaticForm.h"

#include <QPointer>

#include <memory>

class TVlanStaticForm : public ui::Form, public Ui::VlanStaticForm, public WindowLifecycle {
public:
    // Items of the table request, and the Status combo's indices of the Row Status options.
    enum Item { VlanIdItem, NameItem, EgressItem, ForbiddenItem, UntaggedItem, RowStatusItem };
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TVlanStaticForm(QWidget* owner = nullptr);
    ~TVlanStaticForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // The next free local VLAN index, read synchronously.
    std::unique_ptr<MvSNMPRequest2Edits> IndexRequest;
    QPointer<TStackingPortUitForm> EgressPorts;
    QPointer<TStackingPortUitForm> ForbiddenPorts;
    QPointer<TStackingPortUitForm> UntaggedPorts;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void AddBtnClick(QObject* sender);
    void DeleteBtnClick(QObject* sender);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1qVlanStaticEntryChange(QObject* sender, ui::ListItem* item);
    void LV_dot1qVlanStaticEntryClick(QObject* sender);
    void LV_dot1qVlanStaticEntrySelectItem(QObject* sender, ui::ListItem* item, bool selected);

private:
    void ResetInputs();
    // Set and Delete on, Add off while a row is selected; without one the editors are reset.
    void SelectionChanged();
    void RowButtons(bool rowSelected);
    // The index request read again, unless it is under way; its failure goes to the status line.
    void ReadIndex();
};

// The window while its menu handler shows it.
extern TVlanStaticForm* VlanStaticForm;
