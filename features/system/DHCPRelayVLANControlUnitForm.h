#pragma once
// The DHCP relay VLAN window (Network Application > DHCP Relay Management > Management > VLAN
// Control Table): for each DHCP server the relay forwards to, the VLANs on which it serves it.
// Add creates a server (its address and the row status alone), Edit writes the selected server's
// checked VLAN blocks, Delete removes it. The VLANs of each block of 512 are shown and typed as a
// list text ("1-3,5"); the request converts (DHCPRelayVLANControlRequestEdits.h). The window edits
// in place on TBasicForm, a check box per column, without DataComplete.

#include "features/common/VlanBlockEditors.h"
#include "features/common/WindowLifecycle.h"
#include "features/system/DHCPRelayVLANControlRequestEdits.h"

#include "gui/BasicForm.h"

#include "ui_DHCPRelayVLANControlUnitForm.h"

#include <memory>

class TDHCPRelayVLANControlUnitForm : public TBasicForm,
                                      public Ui::DHCPRelayVLANControlUnitForm,
                                      public WindowLifecycle {
public:
    // Items of the DHCP relay VLAN table.
    enum Item { AddressItem = 0, FirstRangeItem = 1, LastRangeItem = 8, RowStatusItem = 9 };
    // Mode while a write collects its values.
    enum WriteMode { NoWrite = 0, AddMode = 1, EditMode = 2 };

    explicit TDHCPRelayVLANControlUnitForm(QWidget* owner = nullptr);
    ~TDHCPRelayVLANControlUnitForm() override;

    // The edits and boxes of VLAN block items 1 to 8.
    VlanBlockEditors VlanBlocks{FirstRangeItem};
    // The edit and the box of VLAN block item k (1 to 8).
    ui::Edit* RangeEdit(int item) const { return VlanBlocks.Edit(item); }
    ui::CheckBox* RangeBox(int item) const { return VlanBlocks.Box(item); }
    std::unique_ptr<DHCPRelayVLANControlRequestEdits> Request;
    int Mode = NoWrite;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void AddButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void CheckButtonClick(QObject* sender);
    void UncheckButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // No row: every input off but the server address. A row: every input on but the address.
    void ShowNoSelection();
    void ShowSelection();

private:
    void BindColumns();
    // Edit and Delete on and Add off with a row, the reverse without.
    void ShowButtons(bool rowSelected);
    // The write of the current Mode inside the skipped-column marks; an exception goes to the
    // status line. True when the write was handed to the request.
    bool WriteMarked();
};

// The window while its menu handler shows it.
extern TDHCPRelayVLANControlUnitForm* DHCPRelayVLANControlUnitForm;
