#pragma once
// The frame of the ACL rule windows: one table of rules keyed by Profile ID and Access ID, listed
// in a list view, every column with its value control and, where a write may leave it out, a
// check box beside it. A write carries the columns whose box is checked and enabled, the row
// status, and one rule target: the port list of unit 1's port boxes or its alternative, the
// VLAN-based ID.
//
// A rule window derives from the frame and from its layout, hands the frame its components and
// settings, binds its columns and adds the rules of its own controls:
//
//     TFooRuleForm::TFooRuleForm(QWidget* owner) : TAclRuleFrame(owner, FooSettings)
//     {
//         setupUi(this);
//         Loaded();
//         InitBasicForm();
//         InitWindow();
//         UseComponents({.List = ListView1, ...});
//         ProtocolComboBox->OnChange = ui::Handler(this, &TFooRuleForm::ProtocolComboBoxChange);
//         DoCreate();
//     }
//
// Every section of the window is a virtual step here, written as the ingress IPv4 rule window
// has it: FormCreate, ResetInputs, the row selection, the enabling rules, ValidateInputs (the
// window's own), Add, Edit, Delete, Refresh, Stop and Close, the skipped columns and FormClose.
// A window that differs replaces the step that differs and keeps the others; the smaller
// helpers (the Add and Edit modes, the duplicate test, one write of the rule) serve its own
// version of a step.

#include "features/acl/TextChecks.h"

#include "features/common/SkippedColumns.h"
#include "features/common/WindowLifecycle.h"

#include "gui/BasicForm.h"

#include "snmp/Request2Edits.h"

#include <memory>
#include <string>
#include <vector>

class QAbstractButton;

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class Label;
class ListItem;
class ListView;
class StatusBar;
} // namespace ui

// Where the request writes its log lines.
enum class RuleLogTarget { StatusPanel, StatusBar, None };

// What a rule window names of its table and of the frame's variants.
struct RuleFrameSettings {
    const char* Module = "Oid_acl";
    const char* TableOid = nullptr;      // the table's key OID (catalogue/CatalogueIndex.h)
    int KeyCount = 2;
    int RowStatusColumn = -1;
    int PortListColumn = -1;             // bound to unit 1's port boxes; -1: no port list
    int VLANBasedColumn = -1;            // the port list's alternative; -1: none
    int PortsPerLine = 14;               // port boxes a line of the picker; 0: no picker
    // The request stays synchronous for the window's life: every read and write has ended when
    // its handler returns.
    bool Synchronous = false;
    // Every asynchronous write's answer reported by the window: a success as the log line, a
    // failure in a message box captioned with the program's file name.
    bool ReportSets = false;
    RuleLogTarget LogTarget = RuleLogTarget::StatusPanel;
    const char* DuplicateMessage = "Has already a record with the same Profile ID and Access ID. Please change eithor of them.";
    const char* PermitMessage = "Permit option must be checked.";
};

// A rule target: the column a rule applies to (the port list, a VLAN-based ID, a port, a port
// group) and the box that chooses it, none for the target that holds when no box is checked.
struct RuleTarget {
    QAbstractButton* Box;
    int Column;
};

// The components the frame's steps use; none where a window lacks one.
struct RuleFrameComponents {
    ui::ListView* List = nullptr;
    ui::Label* RowCount = nullptr;       // the count under "Samples"
    ui::StatusBar* Status = nullptr;
    QWidget* PortPanel = nullptr;        // hosts the port picker
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* StopButton = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* UncheckButton = nullptr;
    ui::Button* CloseButton = nullptr;
    ui::Edit* ProfileIDEdit = nullptr;
    ui::Edit* AccessIDEdit = nullptr;
    ui::ComboBox* RowComboBox = nullptr;
    ui::CheckBox* RowBox = nullptr;
    ui::CheckBox* PermitBox = nullptr;
    ui::ComboBox* PermitComboBox = nullptr;
    ui::CheckBox* VLANBaseChkBox = nullptr;
    ui::Edit* VLANBasedVIDEdit = nullptr;
    // The action rules: Enable Priority switches the priority controls; Replace DSCP "enabled"
    // switches on the DSCP value controls and off the ToS state controls, "disabled" the
    // reverse; Replace ToS State likewise with the ToS value and the Replace DSCP controls.
    ui::ComboBox* EnablePriorityComboBox = nullptr;
    ui::ComboBox* ReplacePriorityComboBox = nullptr;
    std::vector<QWidget*> PriorityControls = {};
    ui::ComboBox* EnableReplaceDSCPComboBox = nullptr;
    std::vector<QWidget*> ReplaceDSCPControls = {};
    std::vector<QWidget*> DSCPValueControls = {};
    ui::ComboBox* RepTosStateComboBox = nullptr;
    std::vector<QWidget*> RepTosStateControls = {};
    std::vector<QWidget*> TosValueControls = {};
    // The group switch (" VLAN") and the controls it switches on and off.
    ui::CheckBox* RuleVLANcbx = nullptr;
    std::vector<QWidget*> VLANGroup = {};
    // Boxes Check All and Clear Checks set or clear after the column boxes, enabled or not.
    std::vector<ui::CheckBox*> CheckAllExtras = {};
    // The rule targets of which one write carries one; none given: the VLAN-based ID (chosen by
    // "VLAN-based VID") and the port list, when the settings name their columns.
    std::vector<RuleTarget> Targets = {};
};

// One column's controls as the window binds them: an edit with its input rule, a drop-down list
// (no rule), or, for the port list column, none (unit 1's port boxes).
struct RuleColumnBinding {
    int Column;
    const char* Rule;
    QWidget* Control;
    QAbstractButton* Box;
};

class TAclRuleFrame : public TBasicForm, public WindowLifecycle {
public:
    // Item indices of the Row Status options and of the options every rule window shares.
    enum RowStatusIndex { ActiveIndex = 0, CreateAndGoIndex = 3, DestroyIndex = 5 };
    enum EnabledIndex { EnabledIndex = 0, DisabledIndex = 1 };
    static constexpr const char* NotCompleteText = "Get data not complete.";

    ~TAclRuleFrame() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    int RowStatusColumn = -1;
    int PortListColumn = -1;
    int VLANBasedColumn = -1;

    const RuleFrameSettings& Settings() const { return settings_; }

    // --- the handlers
    virtual void FormCreate(QObject* sender);
    virtual void FormClose(QObject* sender, ui::CloseAction& action);
    virtual void ListView1Change(QObject* sender, ui::ListItem* item);
    virtual void ListView1Click(QObject* sender);
    virtual void GetButtonClick(QObject* sender);
    virtual void AddButtonClick(QObject* sender);
    virtual void EditButtonClick(QObject* sender);
    virtual void DeleteButtonClick(QObject* sender);
    virtual void StopButtonClick(QObject* sender);
    virtual void CloseButtonClick(QObject* sender);
    virtual void CheckButtonClick(QObject* sender);
    virtual void UncheckButtonClick(QObject* sender);
    // The enabling rules the rule windows share.
    virtual void PermitComboBoxChange(QObject* sender);
    virtual void EnablePriorityComboBoxChange(QObject* sender);
    virtual void EnableReplaceDSCPComboBoxChange(QObject* sender);
    virtual void RepTosStateComboBoxChange(QObject* sender);
    virtual void RuleVLANcbxClick(QObject* sender);
    virtual void VLANBaseChkBoxClick(QObject* sender);

    // --- the sections
    // Back to the no-selection state: values cleared, boxes unchecked, the defaults, the rules,
    // no port chosen, the row count.
    virtual void ResetInputs();
    // The window's checks before a write, in its order; false after the first failure's message.
    virtual bool ValidateInputs() = 0;
    // Before a write: the columns after the keys whose box is unchecked or disabled (the row
    // status aside), and every rule target but the chosen one, stay out of it. The chosen target
    // is the first whose box is checked, else the one without a box; with none of them, no
    // target is written.
    virtual void MarkSkippedColumns(SkippedColumns& skipped);

protected:
    TAclRuleFrame(QWidget* owner, RuleFrameSettings settings);

    // Takes the components and connects the frame's handlers; before DoCreate.
    void UseComponents(RuleFrameComponents components);
    const RuleFrameComponents& Components() const { return c_; }

    // --- the steps of FormCreate
    // The request on the settings' table, its list view attached; the lists emptied.
    virtual void CreateRequest();
    // The window binds its columns, in column order (BindColumns below).
    virtual void BindColumns() = 0;
    // The window hides and moves the controls its table has no use for.
    virtual void HideUnusedControls() {}
    // The rules run once before the first read.
    virtual void CreationRules();

    // --- the steps of ResetInputs and of the row selection
    // The default item indices and enabled states of the no-selection state.
    virtual void ResetControls();
    // The rules run when a click leaves no row selected, after ResetInputs.
    virtual void NoRowRules();
    // The rules run when a row is selected, before the rule target is taken from it.
    virtual void RowRules();
    // The rule target of the selected row: a VLAN-based ID from 1 to 4094 checks "VLAN-based
    // VID", any other cell (also one that is no number) clears it.
    virtual void TakeRuleTarget(const ui::ListItem& row);

    // The rules a Refresh that resets twice runs between its two resets (RefreshWithRules).
    virtual void RefreshRules() {}

    // --- helpers of the steps
    // Binds the columns in order: entry k of both lists is column k's.
    void BindColumns(std::initializer_list<RuleColumnBinding> bindings);
    // Add mode: Add and the key edits on, Edit and Delete off; Edit mode the reverse.
    void AddMode();
    void EditMode();
    // A listed row with the key edits' texts: the window's message, the focus on the Profile ID.
    bool IsDuplicateRule();
    // The Permit box unchecked: its message, the focus on the Permit list; false.
    bool RequirePermit();
    // Before the writes of an Add or Edit, once the window's own checks have passed: every typed
    // number or IPv4 address the writes carry (the columns MarkSkippedColumns leaves in, the
    // keys among them) is what the user typed, or the message naming its field, the focus on
    // its edit and false: nothing may go.
    bool TypedFieldsFit();
    // One write of the rule: the columns marked, the row status left out when asked and the
    // status list reads active, the columns given left out too (a window that writes them apart),
    // the flags back afterwards on every path.
    void WriteRule(bool statusOutWhenActive, std::initializer_list<int> alsoSkipped = {});
    // A protocol's field as the protocol list switches it: its box and its edit.
    struct ProtocolField {
        QWidget* Box;
        QWidget* Edit;
    };
    // The fields the chosen protocol uses (bit k of its mask: field k) switched on, the others
    // switched off and emptied; an index without a mask uses none.
    static void SwitchProtocolFields(std::initializer_list<ProtocolField> fields,
                                     std::initializer_list<unsigned> byProtocol, int index);
    // A checked address box whose edit is empty (the message) or holds no dotted IPv4 address
    // (the message naming the box's field): the focus on the edit, false.
    bool CheckIPv4Address(ui::CheckBox* box, ui::Edit* edit, const char* emptyMessage);
    // A checked address box whose edit is empty (the message) or holds no IPv6 address of 32
    // hexadecimal digits (a wrong length gets lengthMessage): the focus on the edit, false.
    bool CheckIPv6Address(ui::CheckBox* box, ui::Edit* edit, const char* emptyMessage,
                          const char* lengthMessage = IPv6LengthMessage);
    void ShowRowCount() const;
    // The caption beside a column's edit: its check box's, else the column's own.
    std::string FieldCaption(int column) const;
    // A Refresh that settles the rules before it reads: refused while the table is read ("Get
    // data not complete."); the read stopped, the inputs reset, RefreshRules, Add mode, the
    // inputs reset again and the table read; a failure leaves Add mode and the inputs reset.
    void RefreshWithRules();
    // The program's file name without its folder.
    static std::string ProgramFileName();

    void OnEndSet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;

private:
    RuleFrameSettings settings_;
    RuleFrameComponents c_;
};
