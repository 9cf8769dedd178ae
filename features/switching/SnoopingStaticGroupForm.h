#pragma once
// What the IGMP and MLD snooping static group windows share: one group of one VLAN per row with
// its member ports. The user lists the groups, adds one, changes its member ports and deletes it;
// the window follows the hand-made window pattern step by step (features/common). Each window
// (IGMPSnoopingStaticGroupForm.h, MLDSnoopingStaticGroupForm.h) builds its own layout, hands its
// components over with UseComponents and names its differences in a StaticGroupKind.

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
struct StaticGroupKind {
    const char* TableOid;            // the Oid_mcast table, by its first OID
    const char* AddressRule;         // the input rule of the group address edit
    const char* AddressEmptyText;    // Add with an empty address
    const char* AddressInvalidText;  // Add after the address check refused
    // The address check; it shows its own message.
    bool (*CheckAddress)(const std::string& text, QWidget* owner);
    // IGMP: Add sets the status to createAndGo itself; MLD: the status must hold it already.
    bool AddSetsCreateAndGo;
};

class TSnoopingStaticGroupForm : public ui::Form, public WindowLifecycle {
public:
    // Items of the variable list, and the status combo's indices of the Row Status options.
    enum Item { VlanItem, AddressItem, MemberPortsItem, RowStatusItem };
    enum StatusIndex { ActiveIndex = 0, CreateAndGoIndex = 3, DestroyIndex = 5 };

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> MemberPorts;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The list's OnClick and OnChanging.
    void ListClick(QObject* sender);
    void ListChanging(QObject* sender, ui::ListItem* item);
    void ResetInputs();

protected:
    TSnoopingStaticGroupForm(QWidget* owner, const StaticGroupKind& kind);

    // The layout's components, once the window's layout is built; then the handlers are set.
    struct Components {
        ui::ListView* List;
        ui::Edit* VlanIDEdit;
        ui::Edit* RepalceIPEdit;
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
    // Add's checks of the typed row, each ending the action with its message.
    bool CheckNewRow();
    // The address edit takes the focus when it can.
    void FocusAddress();

    const StaticGroupKind& kind_;
    Components c_{};
};
