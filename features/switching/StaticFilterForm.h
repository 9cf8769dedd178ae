#pragma once
// What the Q-BRIDGE static unicast and multicast filtering windows share: the entries of one
// filtering table (filtering database, MAC address, receive port; a port list and a status),
// listed, created with the status "permanent" and deleted with "invalid". The windows keep no
// DataComplete: they refuse to add while their request is busy, and the framework reads the table
// again after each write (UnicastFilterInformationForm.h, MulticastFilterInformationForm.h).

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

class TStaticFilterForm : public ui::Form, public WindowLifecycle {
public:
    // Items of the variable list; the status combo's index of "permanent".
    enum Item { VlanItem, MacItem, ReceivePortItem, PortsItem, StatusItem };
    static constexpr int PermanentIndex = 2;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> Ports;

    void FormCreate(QObject* sender);
    void DeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ListChange(QObject* sender, ui::ListItem* item);
    // The typed keys name a row the switch can have: the VLAN ID a number from 1 to 4094, the MAC
    // address twelve hexadecimal digits; false after the message, with the focus in the edit.
    bool CheckKeys();
    // The editors back to the no-selection state: no port ticked, the keys and the status empty,
    // the row count shown.
    void ResetInputs();

protected:
    // The layout's components, once the window's layout is built; then the handlers are set.
    struct Components {
        ui::ListView* List;
        ui::Edit* VlanEdit;
        ui::Edit* MacEdit;
        ui::ComboBox* StatusCombo;
        ui::PageControl* PageControl1;
        ui::Label* ST_Count;
        ui::Button* RefreshBtn;
        ui::Button* AddBtn;
        ui::Button* DeleteBtn;
        ui::Button* btnClose;
        ui::Button* SetBtn; // none in the unicast window
    };

    // rowCaption names the table's MAC row (it tells the two tables apart); portsTab captions the
    // picker's tab.
    TStaticFilterForm(QWidget* owner, const char* macRowOid, const char* macRowCaption, const char* portsTab);
    void UseComponents(const Components& components);

    // Reads the table (only when the request is idle, if asked), then shows the row count.
    void ReadTable(bool whenIdle);
    // The no-selection state of the editors, keys and buttons after a write or a deletion.
    virtual void NoSelection() = 0;

    const Components& C() const { return c_; }

private:
    const char* macRowOid_;
    const char* macRowCaption_;
    const char* portsTab_;
    Components c_{};
};
