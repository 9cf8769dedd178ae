#pragma once
// What the IGMP and MLD snooping router port windows share: per VLAN the ports behind which the
// switch sees multicast routers, static (set by the user), dynamic (learned, read-only) and
// forbidden, each on its own picker tab. Set writes the static and forbidden ports of the
// selected VLAN; rows are neither added nor deleted. Stop ends a long read early
// (IGMPRouterPortsForm.h, MLDRouterProtsForm.h).

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <QPointer>

#include <memory>
#include <string>

namespace ui {
class Button;
class Label;
class ListItem;
class ListView;
class PageControl;
} // namespace ui

// The differences between the IGMP and the MLD window.
struct RouterPortsKind {
    const char* TableOid;       // the Oid_mcast table, by its first OID
    std::uint8_t ListKind;      // MVT_FMV: the bound controls are off after a read until a row is chosen
    // Tab captions, in tab order: static, dynamic, forbidden at their places.
    const char* StaticTab;
    const char* DynamicTab;
    const char* ForbiddenTab;
    bool DynamicTabLast;        // IGMP: static, forbidden, dynamic; MLD: static, dynamic, forbidden
};

class TRouterPortsForm : public ui::Form, public WindowLifecycle {
public:
    enum Item { VlanItem, StaticItem, DynamicItem, ForbiddenItem };

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> StaticPorts;
    QPointer<TStackingPortUitForm> DynamicPorts;
    QPointer<TStackingPortUitForm> ForbiddenPorts;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ResetInputs();
    // OnEndGet: idle, and the static and forbidden boxes usable whatever the read did to them.
    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;
    // The dynamic ports are the switch's: never changed by the user.
    void DisableDynamicPorts();

protected:
    TRouterPortsForm(QWidget* owner, const RouterPortsKind& kind);

    struct Components {
        ui::ListView* ListView1;
        ui::Label* stVlanID;
        ui::PageControl* PageControl1;
        ui::Label* StaticText1;
        ui::Button* btnGet;
        ui::Button* btnSet;
        ui::Button* btnStop;
        ui::Button* btnClose;
    };
    void UseComponents(const Components& components);

private:
    const RouterPortsKind& kind_;
    Components c_{};
};
