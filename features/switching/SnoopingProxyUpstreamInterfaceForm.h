#pragma once
// What the IGMP and MLD proxy upstream interface windows share: each row, numbered by an index,
// holds a VLAN ID, its dynamic (learned, read-only) and static router ports, the unsolicited
// report interval and a source address. Set writes the row whose index stands in the index edit;
// rows are neither added nor deleted. The windows keep no read state of their own: the framework
// reports every read and write in the status line, and a Refresh gives way to no read but
// replaces one still under way (IGMPSnoopingProxyUpstreamInterfaceForm.h,
// MLDSnoopingProxyUpstreamInterfaceForm.h).

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <QPointer>

#include <memory>

namespace ui {
class Button;
class Edit;
class Label;
class ListItem;
class ListView;
class PageControl;
} // namespace ui

// The differences between the IGMP and the MLD window.
struct ProxyUpstreamKind {
    const char* TableOid;     // the Oid_mcastproxy table, by its first OID
    const char* SourceIPRule; // the input rule of the source address edit
    bool ReadAfterSet;        // IGMP: the table is read again at once behind the write
    bool IPv6Source;          // MLD: the source address is 32 hexadecimal digits, else dotted IPv4
};

class TSnoopingProxyUpstreamInterfaceForm : public ui::Form, public WindowLifecycle {
public:
    enum Item { IndexItem, VlanItem, DynamicPortsItem, StaticPortsItem, IntervalItem, SourceIPItem };

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> DynamicPorts;
    QPointer<TStackingPortUitForm> StaticPorts;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ListView1Click(QObject* sender);
    void ListView1Changing(QObject* sender, ui::ListItem* item);
    // The edits emptied, the dynamic ports unchecked, Set off; the static ports keep their marks.
    void ResetInputs();

protected:
    TSnoopingProxyUpstreamInterfaceForm(QWidget* owner, const ProxyUpstreamKind& kind);

    struct Components {
        ui::ListView* ListView1;
        ui::Edit* IndexEdit;
        ui::Edit* VIDEdit;
        ui::Edit* IntervalTime;
        ui::Edit* edtIPAddress;
        ui::PageControl* PageControl1;
        ui::Label* StaticText1;
        ui::Button* btnGet;
        ui::Button* btnSet;
        ui::Button* btnClose;
    };
    void UseComponents(const Components& components);

private:
    // The typed index, VLAN ID, interval and source address, each a value the switch can take;
    // false after the message that names the first field that is not.
    bool CheckInputs();
    // The dynamic ports are the switch's: shown, never changed.
    void DisableDynamicPorts();

    const ProxyUpstreamKind& kind_;
    Components c_{};
};
