#pragma once
// The frame of the CPU interface filter rule windows: the rule frame with its request kept
// synchronous for the window's life. Every read and write has ended when the handler that
// started it returns, so the windows keep no read state, have no Stop button and never refuse a
// button. Refresh reads the table and goes back to the Add mode; Add and Edit write once and
// read again; Delete writes destroy alone, without a question, and reads again. An exception of
// any handler, Delete's included, goes to status panel 0 and leaves the window in the Add mode;
// a refused write is shown by the request in its message box.
//
// The windows have no VLAN-based alternative to the port list: the Port column has no box and
// goes with every Add and Edit. A window binds its columns and names its own checks:
//
//     TCPUFilterFooRuleForm::TCPUFilterFooRuleForm(QWidget* owner)
//         : TCPUFilterRuleFrame(owner, {.TableOid = ..., .RowStatusColumn = 8, .PortListColumn = 9,
//                                       .PortsPerLine = 12, .LogTarget = RuleLogTarget::StatusBar})
//     {
//         setupUi(this);
//         Loaded();
//         InitBasicForm();
//         InitWindow();
//         UseComponents({.List = ListView1, ...});
//         DoCreate();
//     }

#include "features/acl/AclRuleFrame.h"

class TCPUFilterRuleFrame : public TAclRuleFrame {
public:
    void GetButtonClick(QObject* sender) override;
    void AddButtonClick(QObject* sender) override;
    void EditButtonClick(QObject* sender) override;
    void DeleteButtonClick(QObject* sender) override;
    // These windows have no Permit rule.
    void PermitComboBoxChange(QObject* sender) override;

    // Values cleared (every list at its first entry), boxes unchecked, "VLAN" unchecked with its
    // rule, no port chosen, the row count.
    void ResetInputs() override;

protected:
    // The settings' request is synchronous whatever they say.
    TCPUFilterRuleFrame(QWidget* owner, RuleFrameSettings settings);

    // Permit "permit" and Row Status createAndGo for the first rule typed, then the "VLAN" rule.
    void CreationRules() override;
    // A selected row: no rule of the frame's. No row: the "VLAN" rule.
    void RowRules() override;
    void NoRowRules() override;

    // Edit's writes: one write of the rule, Row Status left out while it reads active. A window
    // that writes some columns apart replaces it.
    virtual void WriteEdit();
    // One write of the column alone at the instance of the key edits.
    void WriteColumnAlone(int column);
};
