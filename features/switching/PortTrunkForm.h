#pragma once
// The port trunk window (Layer 2 > Link Aggregation > Port Trunk Table): the switch's
// link-aggregation trunks, each with an index, a master port, two to eight member ports (the
// master among them), a type and a state. The user lists them, adds one, changes one and
// deletes one; every write is synchronous and followed by a new read. The index range and its
// label depend on the model; on a switch of no known model the window reads nothing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PortTrunkForm.h"

#include <QPointer>

#include <memory>
#include <string>

class TPortTrunkForm : public ui::Form, public Ui::PortTrunkForm, public WindowLifecycle {
public:
    // Items of the trunk table.
    enum Item { IndexItem, MasterPortItem, MemberPortsItem, FloodingPortsItem, TrunkTypeItem, TrunkStateItem };
    // Entries of Combo_State, in the order of the state's options.
    enum StateIndex { EnableIndex = 0, DisableIndex = 1, CreateAndGoIndex = 2, DestroyIndex = 4 };

    explicit TPortTrunkForm(QWidget* owner = nullptr);
    ~TPortTrunkForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    QPointer<TStackingPortUitForm> MemberPorts;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    // Add.
    void BT_SetClick(QObject* sender);
    // Set.
    void SetBtnClick(QObject* sender);
    void BT_DeleteClick(QObject* sender);
    void BT_CloseClick(QObject* sender);
    void LV_PortTrunkClick(QObject* sender);
    void LV_PortTrunkChange(QObject* sender, ui::ListItem* item);
    void Combo_StateChange(QObject* sender);
    void UnitEditKeyPress(QObject* sender, char& key);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The unit and master port edits emptied, every member box unchecked.
    void ClearInputs();
    // Two to eight member boxes checked; a ninth is unchecked again. False after the message.
    bool CheckMembers();

private:
    // The master-port rule: a port of 0 or less is refused.
    bool CheckMasterPort(int port);
    // The master port's box is checked (a port beyond the picker has none).
    bool MasterChecked(int port);
    // The index edit enabled, white and empty, as when no trunk is selected.
    void FreeIndex();
    // Set and Delete on, Add off while a trunk is selected; the opposite without one.
    void RowButtons(bool rowSelected);
    // The cell of the listed row in the column of the item, or "" when there is no such column.
    std::string CellOf(int row, int item) const;
    void FocusIfEnabled(QWidget* control);
    // After an exception of Add, Set or Delete.
    void AfterFailure();
};
