#pragma once
// What the six windows of the snooping function's learned tables share, for IGMP (IPv4) and MLD
// (IPv6) alike: the data-driven learning groups (groups learned from multicast data, with their
// router ports and timers; Set clears the chosen group), the forwarding tables (per VLAN, source
// and group, the ports the traffic goes to) and the group tables (per VLAN, source and group, the
// include and exclude member ports, the router ports and the timers). The tables are read only
// but for Clear Group: the editor area shows the chosen row in static texts, read-only edits and
// pickers whose boxes cannot be changed. No window refuses to close.
//
// The data-driven and forwarding windows keep no read state of their own: Refresh reads at once
// (a read still under way gives way to it), and Stop ends a read early. The group windows read
// one read at a time. Each window (IGMPSnoopingDataDrivenLearingGroupForm.h ...) builds its own
// layout, hands its components over and names its table in a LearnedTableKind.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class PageControl;
} // namespace ui

// The three tables and their columns.
enum class LearnedTable { DataDriven, Forwarding, Groups };

struct LearnedTableKind {
    LearnedTable Table;
    const char* TableOid; // the Oid_mcast table, by its first OID
};

class TSnoopingLearnedForm : public ui::Form, public WindowLifecycle {
public:
    // Items of the three tables.
    enum DataDrivenItem { DDVlanItem, DDGroupItem, DDRouterPortsItem, DDUpTimeItem, DDExpiryTimeItem, DDClearItem };
    enum ForwardingItem { FwdVlanItem, FwdSourceItem, FwdGroupItem, FwdMemberPortsItem };
    enum GroupItem {
        GrpVlanItem,
        GrpSourceItem,
        GrpGroupItem,
        GrpIncludePortsItem,
        GrpExcludePortsItem,
        GrpRouterPortsItem,
        GrpUpTimeItem,
        GrpExpiryTimeItem
    };

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // One picker per port-list column, in item order.
    std::vector<QPointer<TStackingPortUitForm>> Pickers;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ListView1Click(QObject* sender);
    void ListView1Changing(QObject* sender, ui::ListItem* item);
    void ResetInputs();

protected:
    TSnoopingLearnedForm(QWidget* owner, const LearnedTableKind& kind);

    // The layout's components; a table's window has the ones its columns and buttons need and
    // leaves the others none.
    struct Components {
        ui::ListView* ListView1 = nullptr;
        ui::PageControl* PageControl1 = nullptr;
        ui::Label* StaticText1 = nullptr;
        ui::Button* btnGet = nullptr;
        ui::Button* btnClose = nullptr;
        // Data-driven groups
        ui::Button* btnSet = nullptr;
        ui::Button* StopButton = nullptr;
        ui::ComboBox* CBoxClear = nullptr;
        // Data-driven groups and forwarding
        ui::Label* stVID = nullptr;
        ui::Edit* edtIPAddress = nullptr;
        // Forwarding
        ui::Edit* edtMAC = nullptr;
        // Groups
        ui::Label* stSourceIP = nullptr;
        ui::Label* stGroupIP = nullptr;
        // Data-driven groups and groups
        ui::Edit* edtUptime = nullptr;
        ui::Edit* edtExpiryTime = nullptr; // the groups' edtpExpiryTime
    };
    void UseComponents(const Components& components);

private:
    bool HasDataComplete() const { return kind_.Table == LearnedTable::Groups; }
    // The picker tabs and the bindings of the table's columns.
    void BindColumns(const std::string& ports);
    // The pickers only show the chosen row.
    void DisablePickers();

    const LearnedTableKind& kind_;
    Components c_{};
};
