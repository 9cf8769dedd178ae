#pragma once
// The method list window (Security > Access Authentication Control > Login Method List Settings
// and Enable Method List Settings): one class for the switch's login method lists (mode 1) and
// its enable method lists (mode 0). A list has a name and up to four methods tried in order; a
// method of type server-group names a server group. The user reads the lists, adds one, edits
// the methods of the selected one and deletes any but "default". A method after the first
// local (local-enabled) or none is never tried: Add and Edit ask before they go on, and then
// leave such methods out. The request is synchronous for the window's whole life.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_LoginMethodListForm.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class TLoginMethodListForm : public ui::Form, public Ui::LoginMethodListForm, public WindowLifecycle {
public:
    // The two tables the window serves.
    enum Mode { EnableLists = 0, LoginLists = 1 };
    // Items of the request: the name, then a type and a server group per method, the status.
    enum Item { NameItem = 0, RowStatusItem = 9 };
    static constexpr int MethodCount = 4;
    static int TypeItem(int method) { return 2 * method - 1; }        // method 1 to 4
    static int ServerGroupItem(int method) { return 2 * method; }
    // Combo indexes of the method types: server-group; local (local-enabled); none.
    static constexpr int ServerGroupIndex = 5;
    static constexpr int LocalIndex = 6;
    static constexpr int NoneIndex = 7;
    static constexpr int CreateAndGoIndex = 3;
    static constexpr const char* OrderQuestion =
        "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";

    TLoginMethodListForm(QWidget* owner, int mode);
    ~TLoginMethodListForm() override;

    // 1 login lists, 0 enable lists.
    const std::uint8_t ListMode;
    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // The type combo index of each method as the order check sees it; -1: no method.
    std::array<int, MethodCount> MethodIndex{-1, -1, -1, -1};

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void AddButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void DeleteButtonClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void ComboBoxTypeChange(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // Every input empty, every combo box at its first entry; "0" under Samples for an empty list.
    void ResetInputs();
    // True when no method follows a local (local-enabled) or none; fills MethodIndex.
    bool CheckMethodOrder();
    // The methods after the first local (local-enabled) or none, and those without a type, left
    // out of the write.
    void DropIneffectiveMethods(SkippedColumns& skipped);

private:
    std::array<ui::ComboBox*, MethodCount> TypeCombos() const;
    std::array<ui::Edit*, MethodCount> ServerEdits() const;
    // Edit and Delete off, the name and Add on.
    void NoSelection();
    // The order check and, when it fails, the question; false when the user says no. dropped
    // tells whether the ineffective methods are to be left out.
    bool MethodOrderAccepted(bool& dropped);
    // The write of one row, then the read; the window goes back to no selection either way.
    // True when the switch refused the write (its message box has shown why).
    bool WriteAndRefresh(const std::function<void(SkippedColumns&)>& mark);
};

// The window's unit global; its menu handlers keep the window themselves, so it stays empty.
extern TLoginMethodListForm* LoginMethodListForm;
