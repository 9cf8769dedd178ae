#pragma once
// The MSTP instance window (Layer 2 > Spanning Tree > Spanning Tree > Instance Information): the
// switch's MSTP instances with the VLANs mapped to each and each instance's root and timer
// state. Add creates an instance (its number and the row status alone), Edit writes the
// selected instance's checked VLAN blocks and its priority, Delete removes it. The VLANs of
// each block of 512 are shown and typed as a list text ("1-3,5"); the request converts
// (MSTPNewRequestEdits.h).

#include "features/common/VlanBlockEditors.h"
#include "features/common/WindowLifecycle.h"
#include "features/switching/MSTPNewRequestEdits.h"

#include "gui/BasicForm.h"

#include "ui_MSTPVLANUnitForm.h"

#include <memory>

class TMSTPVLANUnitForm : public TBasicForm, public Ui::MSTPVLANUnitForm, public WindowLifecycle {
public:
    // Items of the instance table.
    enum Item { InstanceItem = 0, FirstRangeItem = 1, LastRangeItem = 8, TypeItem = 9, StatusItem = 10,
                PriorityItem = 11, RowStatusItem = 23 };
    // The instance numbers and priorities the switch takes (the input rules of VIDEdit and
    // PriorityEdit).
    static constexpr long long MinInstance = 1, MaxInstance = 7;
    static constexpr long long MinPriority = 0, MaxPriority = 61440;
    // EditMode while a write collects its values.
    enum Mode { NoWrite = 0, AddMode = 1, EditRowMode = 2 };

    explicit TMSTPVLANUnitForm(QWidget* owner = nullptr);
    ~TMSTPVLANUnitForm() override;

    // The edits and boxes of VLAN block items 1 to 8.
    VlanBlockEditors VlanBlocks{FirstRangeItem};
    // The edit and the box of VLAN block item k (1 to 8).
    ui::Edit* RangeEdit(int item) const { return VlanBlocks.Edit(item); }
    ui::CheckBox* RangeBox(int item) const { return VlanBlocks.Box(item); }
    std::unique_ptr<MSTPNewRequestEdits> Request;
    int EditMode = NoWrite;

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

    // No row: every input off but the instance number. A row: every input on but the instance
    // number.
    void ShowNoSelection();
    void ShowSelection();

private:
    void BindColumns();
    // Edit and Delete on and Add off with a row, the reverse without.
    void ShowButtons(bool rowSelected);
};

// The window while its menu handler shows it.
extern TMSTPVLANUnitForm* MSTPVLANUnitForm;
