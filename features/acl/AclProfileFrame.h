#pragma once
// The frame of the ACL profile windows: one table of profiles keyed by Profile ID, listed in a
// list view, every column with its value control and no check boxes. A profile is added or
// deleted, never changed; selecting a row only shows it. Every read and write is synchronous:
// it has ended when its handler returns. Which columns a write carries follows from the
// controls themselves: a disabled control, a drop-down list reading "none" or "other" and an
// empty optional edit leave their column out.
//
// A profile window derives from the frame and from its layout, hands the frame its components
// and settings, binds its columns and adds the rules of its own controls:
//
//     TFooProfileForm::TFooProfileForm(QWidget* owner) : TAclProfileFrame(owner, FooSettings)
//     {
//         setupUi(this);
//         Loaded();
//         InitBasicForm();
//         InitWindow();      // 1.25 once more off 96 dpi, unless the settings say otherwise
//         UseComponents({.List = ListView1, ...});
//         ...the window's rules...
//         DoCreate();
//     }
//
// Every section is a virtual step written as the ingress IPv4 profile window has it:
// FormCreate, ClearInputs and ResetInputs (the window's), the row selection, ValidateInputs (the
// window's), Add with its duplicate test, SendProfile with its marking step, Delete, Refresh,
// Close and FormClose. A window replaces the steps that differ: a window that composes its own
// write replaces the marking step, and may bind its columns without ValueControls.

#include "features/common/SkippedColumns.h"
#include "features/common/WindowLifecycle.h"

#include "gui/BasicForm.h"

#include "snmp/Request2Edits.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class StatusBar;
} // namespace ui

struct ProfileFrameSettings {
    const char* Module = "Oid_acl";
    const char* TableOid = nullptr;      // the table's key OID (catalogue/CatalogueIndex.h)
    int KeyCount = 1;
    int RowStatusColumn = -1;
    // Width and height times 1.25 a second time off 96 dpi.
    bool ScaleTwice = true;
    const char* DuplicateMessage = "There is already a record with the same Profile ID. Please modify it.";
    // Profiles that must have names of their own: a listed row whose name cell (the column
    // given) holds the typed name is a duplicate too, tested after the Profile ID.
    const char* NameDuplicateMessage = nullptr;
    int NameColumn = -1;
    // Whether a write or a Delete that raised reads the table again before its message shows.
    bool ReadAfterFailedSend = true;
    bool ReadAfterFailedDelete = false;
};

struct ProfileFrameComponents {
    ui::ListView* List = nullptr;
    ui::Label* RowCount = nullptr;          // the count under "Samples"
    ui::StatusBar* Status = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CloseButton = nullptr;
    ui::Button* SetButton = nullptr;        // kept invisible
    ui::Edit* ProfileIDEdit = nullptr;
    ui::Edit* ProfileNameEdit = nullptr;
    ui::ComboBox* RowStatusComboBox = nullptr;
    // Shown, never edited: made read-only whenever the list changes or a row is shown.
    std::vector<QWidget*> ReadOnlyControls = {};
    // Optional edits whose column a write leaves out while they are empty.
    std::vector<std::pair<int, ui::Edit*>> OptionalEdits = {};
};

// One column's control as the window binds it: an edit with its input rule (and, for a rule with
// "Z", the check it calls when the edit is left), or a drop-down list (no rule).
struct ProfileColumnBinding {
    int Column;
    const char* Rule;
    QWidget* Control;
    EditCheck Check = {};
};

class TAclProfileFrame : public TBasicForm, public WindowLifecycle {
public:
    enum RowStatusIndex { CreateAndGoIndex = 3, DestroyIndex = 5 };

    ~TAclProfileFrame() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    int RowStatusColumn = -1;

    const ProfileFrameSettings& Settings() const { return settings_; }

    // --- the handlers
    virtual void FormCreate(QObject* sender);
    virtual void FormClose(QObject* sender, ui::CloseAction& action);
    virtual void ListView1Change(QObject* sender, ui::ListItem* item);
    virtual void ListView1Click(QObject* sender);
    virtual void BT_GetClick(QObject* sender);
    virtual void BT_AddClick(QObject* sender);
    virtual void BT_DeleteClick(QObject* sender);
    virtual void SetBtnClick(QObject* sender);
    virtual void CloseButtonClick(QObject* sender);

    // --- the sections
    // The inputs emptied and the window's default choices set.
    virtual void ClearInputs() = 0;
    // Back to Add mode: ClearInputs, the buttons, the read-only controls, the rules.
    virtual void ResetInputs();
    // The window's checks before a write, in its order; false after the first failure's message.
    virtual bool ValidateInputs() = 0;
    // A listed row with the Profile ID's text: the window's message, the focus on the edit.
    virtual bool IsDuplicateProfile();
    // One synchronous write of the inputs, then the table read again and Add mode. A typed
    // number or IPv4 address the write would carry that is not what the user typed (empty,
    // malformed, out of range) is refused first with the message naming its field, and the
    // inputs stay. A write that fails with an exception shows its message once the table has
    // been read again.
    virtual void SendProfile();
    // Before SendProfile's write: disabled controls, lists reading "none" or "other" and empty
    // optional edits leave their columns out.
    virtual void MarkSkippedColumns(SkippedColumns& skipped);

protected:
    TAclProfileFrame(QWidget* owner, ProfileFrameSettings settings);

    // Takes the components and connects the frame's handlers; before DoCreate.
    void UseComponents(ProfileFrameComponents components);
    const ProfileFrameComponents& Components() const { return c_; }

    // --- the steps of FormCreate and of the row selection
    virtual void CreateRequest();
    virtual void BindColumns() = 0;
    // The choices the window starts with, before the first read.
    virtual void DefaultIndices() {}
    // The rules ResetInputs runs last.
    virtual void ResetRules() {}
    // The rules run when a row is shown.
    virtual void SelectionRules() {}

    // Binds the columns in order: entry k of ValueControls is column k's control, unless the
    // window composes its own write and keeps ValueControls empty.
    void BindColumns(std::initializer_list<ProfileColumnBinding> bindings, bool asValueControls = true);
    // Add mode: Add and the ID and name edits on, Set and Delete off; Show mode the reverse.
    void AddMode();
    void ShowMode();
    void MakeControlsReadOnly();
    void ShowRowCount() const;
    // The caption of a column's field: the column's own, as the list's header shows it.
    std::string FieldCaption(int column) const;
    // A read whose exception is not wanted (one after a failed write, which has its own).
    void ReadQuietly();
    // After a write that raised: the table read again when asked, Add mode, then the message,
    // so that no later line hides it.
    void RecoverFromFailure(const std::string& failure, bool readAgain);
    // Where a failed write's message goes: status panel 0.
    virtual void ShowFailure(const std::string& failure);

private:
    ProfileFrameSettings settings_;
    ProfileFrameComponents c_;
};
