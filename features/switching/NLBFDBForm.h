#pragma once
// What the two NLB forwarding table windows share (Layer 2 > NLB FDB): the static forwarding
// entries of the switch's network load balancing, each keyed by its MAC address (and, in the
// multicast table, its VLAN) and holding the egress ports chosen in a port picker. Add creates an
// entry, Set writes the selected entry's ports, Delete destroys the entry the key edits name; the
// framework reads the table again after Add and Delete. The windows keep no DataComplete: their
// request's busy flag alone refuses work (NLBMulticastFDBForm.h, NLBUnicastFDBForm.h).

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <QPointer>

#include <memory>
#include <string>

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class PageControl;
} // namespace ui

class TNLBFDBForm : public ui::Form, public WindowLifecycle {
public:
    // Indices of the hidden Row Status combo: "createAndGo" and "destroy".
    enum StatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> Ports;

    // Items of the variable list: the keys first, then the egress ports and the Row Status.
    int PortsItem() const { return keys_; }
    int StatusItem() const { return keys_ + 1; }

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void AddBtnClick(QObject* sender);
    void DeleteBtnClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListClick(QObject* sender);
    void ListChange(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The editors back to the no-selection state: no port ticked, the keys empty and editable,
    // the status empty, the row count shown.
    void ResetInputs();

protected:
    // The layout's components, once the window's layout is built; then the handlers are set.
    struct Components {
        ui::ListView* List;
        ui::Edit* VlanEdit; // none in the unicast window
        ui::Edit* MacEdit;
        ui::ComboBox* UStatus;
        ui::PageControl* pgc1;
        ui::Label* ST_Count;
        ui::Button* RefreshBtn;
        ui::Button* AddBtn;
        ui::Button* DeleteBtn;
        ui::Button* SetBtn;
        ui::Button* CloseButton;
    };

    // tableOid: the table's first column; keys: its key columns; missingKeys: Add's message
    // when a key edit is empty.
    TNLBFDBForm(QWidget* owner, const char* tableOid, int keys, const char* missingKeys);
    void UseComponents(const Components& components);

    const Components& C() const { return c_; }

private:
    // The typed keys name a row the switch can have: the VLAN ID a number from 1 to 4094, the
    // MAC address twelve hexadecimal digits; false after the message.
    bool CheckKeys();
    bool KeysEmpty() const;

    const char* tableOid_;
    int keys_;
    const char* missingKeys_;
    Components c_{};
};
