#pragma once
// The current VLAN window (Layer 2 > VLAN > 802.1Q > 802.1Q VLAN > Current Table): the VLANs the
// switch runs now, static and learnt, with the egress and untagged ports of the selected one in
// two pickers that only display, and the number of VLANs deleted so far. Nothing is written.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_VLanCurrentTableForm.h"

#include <QPointer>

#include <memory>

class TVLanCurrentTableForm : public ui::Form, public Ui::VLanCurrentTableForm, public WindowLifecycle {
public:
    // Items of the table request.
    enum Item { TimeMarkItem, VlanIndexItem, FdbIdItem, EgressItem, UntaggedItem, StateItem, CreationTimeItem };

    explicit TVLanCurrentTableForm(QWidget* owner = nullptr);
    ~TVLanCurrentTableForm() override;

    // The VLAN deletes counter.
    std::unique_ptr<MvSNMPRequest2Edits> DeletesRequest;
    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> EgressPorts;
    QPointer<TStackingPortUitForm> UntaggedPorts;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void ClosebtnClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1qVlanCurrentEntryChange(QObject* sender, ui::ListItem* item);
    void LV_dot1qVlanCurrentEntrySelectItem(QObject* sender, ui::ListItem* item, bool selected);

private:
    void ResetInputs();
};

// The window while its menu handler shows it.
extern TVLanCurrentTableForm* VLanCurrentTableForm;
