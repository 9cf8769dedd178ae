#pragma once
// The AAA server group window (Security > Access Authentication Control > Server Group): the
// server groups of the switch with up to eight member servers each. A group is made empty by its
// name and deleted by its name; its members are shown, never edited here (the membership window
// TAAASrvCtrlForm adds and removes them). The built-in groups cannot be deleted.
//
// The request is asynchronous and reports through the request's own defaults: the status bar (no
// panels) takes the log lines, a refused SET a message box. There is no data-complete flag:
// Refresh, Add and Delete act at once, also while a walk runs; each starts a new read, which
// takes over from the one under way, so every group is listed once.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_ServerGroupForm.h"

#include <array>
#include <memory>

class TServerGroupForm : public ui::Form, public Ui::ServerGroupForm, public WindowLifecycle {
public:
    // Items of the server group table: the name (key), eight address and protocol pairs, Row
    // Status.
    enum Item { NameItem = 0, FirstMemberItem = 1, RowStatusItem = 17 };
    static constexpr int MemberCount = 8;
    // Indices of the Row Status combo box.
    enum RowStatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    explicit TServerGroupForm(QWidget* owner = nullptr);
    ~TServerGroupForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    std::array<ui::Edit*, MemberCount> MemberAddresses{};
    std::array<ui::ComboBox*, MemberCount> MemberProtocols{};

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void ListView2Change(QObject* sender, ui::ListItem* item);
    void ListView2Click(QObject* sender);
    void AddButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void ClosebtnClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The name and member address edits emptied; the row count "0" when the list is empty.
    void ResetInputs();

    // Whether name is one of the groups the switch keeps whatever the user does (any case).
    static bool IsBuiltInGroup(const std::string& name);

private:
    // Add and Delete enabled for a new name, Edit and Delete off; the members never editable.
    void NoSelectionState();
    // After Refresh, Add and Delete: the no-selection state, the inputs reset, the row count.
    void Settle();
};

// The window while its menu handler shows it.
extern TServerGroupForm* ServerGroupForm;
