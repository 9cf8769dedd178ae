#pragma once
// What the IGMP and MLD multicast VLAN windows share: VLANs that carry multicast traffic from
// source ports to member ports, with an optional replacement of the source address and of the
// priority and a list of multicast profiles. Four port pickers show the source, member, tagged
// member and untagged source ports. Add creates a VLAN from its name and settings (never its
// ports, its state or its address type: a new VLAN gets its ports by Set once it has been read
// back), Set writes the chosen VLAN, Delete removes it. Each write leaves out the columns it must
// not carry, and every column is written again by the next write. Which editors can be used
// follows the row selection (and, in the MLD window, the address type). Each window
// (IGMPMulticastVlanForm.h, mldMulticastVlanForm.h) builds its own layout and names its
// differences in a MulticastVlanKind.

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

// The differences between the IGMP and the MLD window.
struct MulticastVlanKind {
    const char* TableOid; // the Oid_mcast table, by its first OID
    int TypeIndex;        // the address type the editors start with: ipv4 (IGMP), ipv6 (MLD)
    // IGMP: Add and Set check the name, the replacement address and the remap priority, Add the
    // source ports against the untagged source ports, and Set leaves the address type out.
    // MLD: none of these; an empty name, address, remap priority (and, in Set, profile list) is
    // left out, and Set always writes the type ipv6.
    bool ChecksInput;
};

class TMulticastVlanForm : public ui::Form, public WindowLifecycle {
public:
    // Items of the variable list.
    enum Item {
        VlanItem,
        NameItem,
        SourcePortsItem,
        MemberPortsItem,
        TagMemberPortsItem,
        UntagSourcePortsItem,
        StateItem,
        TypeItem,
        AddressItem,
        RemapPriorityItem,
        ReplacePriorityItem,
        ProfileItem,
        RowStatusItem
    };
    // The Row Status combo's indices of its three options, and Replace Priority's "disabled".
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 1, DestroyIndex = 2 };
    static constexpr int ReplacePriorityDisabledIndex = 1;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> SourcePorts;
    QPointer<TStackingPortUitForm> MemberPorts;
    QPointer<TStackingPortUitForm> TagMemberPorts;
    QPointer<TStackingPortUitForm> UntagSourcePorts;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_IGMPMulticastVlanEntryClick(QObject* sender);
    void LV_IGMPMulticastVlanEntryChanging(QObject* sender, ui::ListItem* item);
    void CBoxTypeChange(QObject* sender);
    void ResetInputs();

    // The remap priority typed: "none" stands for -1 (the edit then shows -1); any other text
    // must be a whole number from -1 to 7, else "Please input a number between -1 and 7" (owned
    // by owner) and false.
    static bool CheckRemapPriority(ui::Edit* edit, QWidget* owner);

protected:
    TMulticastVlanForm(QWidget* owner, const MulticastVlanKind& kind);

    // The layout's components, once the window's layout is built; then the handlers are set.
    struct Components {
        ui::ListView* List;
        ui::Edit* VlanIDEdit;
        ui::Edit* VlanNameEdit;
        ui::ComboBox* CBoxState;
        ui::ComboBox* CBoxType;
        ui::Edit* RepalceIPEdit;
        ui::Edit* RemapPriorityEdit;
        ui::ComboBox* CBoxRaplacePriority;
        ui::Edit* ProfileIDListEdit;
        ui::ComboBox* CBoxStatus;
        ui::PageControl* PageControl1;
        ui::Label* StaticText1;
        ui::Button* btnGet;
        ui::Button* btnSet;
        ui::Button* btnAdd;
        ui::Button* btnDelete;
        ui::Button* btnClose;
    };
    void UseComponents(const Components& components);

private:
    // Set and Delete on, Add off while a row is selected; the opposite without one.
    void RowButtons(bool rowSelected);
    // Which editors can be used with a row selected or without one.
    void ShowRowEditors(bool rowSelected);
    // The replacement address can be given: IGMP while a row is selected, MLD unless the type
    // is "unknown".
    void ShowAddressEditor();
    // The input checks of Add and Set that leave empty columns out: false after a message.
    bool CheckAddress(SkippedColumns& skipped);
    bool CheckRemapPriority(SkippedColumns& skipped);
    // The window that checks no input of its own (MLD): a replacement address or remap priority
    // that is typed is one the switch can take; false after the message naming the field.
    bool CheckTypedIfGiven();

    const MulticastVlanKind& kind_;
    Components c_{};
};
