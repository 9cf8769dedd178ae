#pragma once
// The frame of the egress ACL rule windows (IPv4, Ethernet, IPv6): the rule frame without a port
// picker, whose rules apply to one of three targets (a VLAN-based ID, one port, or one egress
// port group), may be bound to a named time range, and whose every write is reported by the
// window itself. Refresh, Add and Edit wait while the table is read ("Get data not complete.").
//
// A window derives from the frame and its layout, hands over its components and its target and
// time range controls, binds its columns and adds its own checks:
//
//     TFooRuleForm::TFooRuleForm(QWidget* owner) : TEgressRuleFrame(owner, FooSettings)
//     {
//         setupUi(this);
//         Loaded();
//         InitBasicForm();
//         InitWindow();
//         UseEgressComponents({.List = ListView1, ...}, {.PortChkBox = PortChkBox, ...});
//         DoCreate();
//     }

#include "features/acl/AclRuleFrame.h"

namespace ui {
class CheckBox;
class Edit;
} // namespace ui

// What differs between the egress windows beyond their table.
struct EgressRuleVariant {
    // Add goes out while the table is read (the read it starts takes the place of the running one).
    bool AddWhileReading = false;
    // Add leaves the inputs as they were typed.
    bool KeepInputsAfterAdd = false;
    // Edit hands a createAndGo row status to Add and a destroy to Delete, and tests for a running
    // read only once the inputs passed their checks.
    bool EditByRowStatus = false;
};

// The rule targets other than the VLAN-based ID, and the time range.
struct EgressRuleComponents {
    int PortColumn = -1;
    int PortGroupColumn = -1;
    ui::CheckBox* PortChkBox = nullptr;
    ui::Edit* PortEdit = nullptr;
    ui::CheckBox* cbxPortGroup = nullptr;
    ui::Edit* PortGroupEdit = nullptr;
    ui::CheckBox* cbxTimeRange = nullptr;
    ui::Edit* TimeRangeEdit = nullptr;
};

class TEgressRuleFrame : public TAclRuleFrame {
public:
    // Ranges of the rule targets a row names.
    static constexpr int MaxVLANBasedID = 4094;
    static constexpr int MaxPort = 384;
    static constexpr int MaxPortGroup = 64;

    int PortColumn = -1;
    int PortGroupColumn = -1;

    void ListView1Click(QObject* sender) override;
    void GetButtonClick(QObject* sender) override;
    void AddButtonClick(QObject* sender) override;
    void EditButtonClick(QObject* sender) override;

    // The rule targets, one at a time: checking one takes the others away.
    void VLANBaseChkBoxClick(QObject* sender) override;
    void PortChkBoxClick(QObject* sender);
    void cbxPortGroupClick(QObject* sender);
    void cbxTimeRangeClick(QObject* sender);

protected:
    TEgressRuleFrame(QWidget* owner, RuleFrameSettings settings, EgressRuleVariant variant = {});

    void UseEgressComponents(RuleFrameComponents components, EgressRuleComponents egress);
    const EgressRuleComponents& Egress() const { return e_; }

    // The no-selection state adds: " VLAN" off, the targets and the time range box usable.
    void ResetControls() override;
    // A selected row's target: the first of VLAN-based ID (1 to 4094), Port (1 to 384) and Port
    // Group (1 to 64) that its cell holds. A cell that is no integer stops the click with the
    // conversion message.
    void TakeRuleTarget(const ui::ListItem& row) override;
    // A click that leaves no row selected: the action rules and the " VLAN" group.
    void NoRowRules() override;
    // A selected row adds the time range; the Permit rule does not run, the actions keep the
    // enabling they had.
    void RowRules() override;
    // The rules run after a row click, selected or not (the targets settle in this order).
    virtual void TargetRules();
    // The rules Refresh runs between its two resets: the actions, then the targets.
    void RefreshRules() override;

    // Add from its checks on: the duplicate test, Permit, createAndGo, one write and the read.
    void AddRule();

private:
    EgressRuleVariant variant_;
    EgressRuleComponents e_;
};
