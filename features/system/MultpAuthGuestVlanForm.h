#pragma once
// The compound authentication guest VLAN window (Security > Compound Authentication > Guest VLAN
// Table): the guest VLANs by VLAN ID with their member ports. Add creates a row and then writes
// its ports, Edit writes the ports of the selected row, Delete destroys it without a question.
// The request is synchronous.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_MultpAuthGuestVlanForm.h"

#include <QPointer>

#include <memory>

class TMultpAuthGuestVlanForm : public ui::Form, public Ui::MultpAuthGuestVlanForm, public WindowLifecycle {
public:
    // Items of the request; entries of cbxDel ("active", "createAndGo", "destroy").
    enum Item { VlanIdItem, PortsItem, RowStatusItem };
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 1, DestroyIndex = 2 };
    // The request's time-out, in hundredths of a second.
    static constexpr int RequestTimeout = 300;

    explicit TMultpAuthGuestVlanForm(QWidget* owner = nullptr);
    ~TMultpAuthGuestVlanForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> PortPicker;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ADDButtonClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void DelBtnClick(QObject* sender);
    void BT_CloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // Back to no selection: the VLAN ID empty and editable, no port ticked, Add on, Edit and
    // Delete off.
    void ResetInputs();

private:
    // One write of the selected row with the item given left out, then the table read again.
    void WriteSelectedRow(int skippedItem);
};

// The window while its menu handler shows it.
extern TMultpAuthGuestVlanForm* MultpAuthGuestVlanForm;
