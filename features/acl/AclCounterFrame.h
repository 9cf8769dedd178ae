#pragma once
// The frame of the two ACL counter windows: the counters of the switch's access rules, one row
// per rule, and the rule's counting switched on or off. Set writes the chosen rule's state,
// waits for the switch's answer (a refused state is shown in a message box) and reads the table
// again; Stop ends a read or the wait; the window closes at any time. The ingress and egress
// windows share this frame and its layout and differ in their table alone.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_ACLCounterForm.h"

#include <memory>

// The counter table a window reads: its module and key (catalogue/CatalogueIndex.h), with the
// caption of its state column, which tells the ingress table from another of the same OIDs.
struct CounterFrameSettings {
    const char* Module = nullptr;
    const char* TableOid = nullptr;
    const char* StateRowOid = nullptr;
    const char* StateCaption = nullptr;
};

class TAclCounterFrame : public ui::Form, public Ui::ACLCounterForm, public WindowLifecycle {
public:
    enum Column { ProfileIDItem, AccessIDItem, StateItem };

    TAclCounterFrame(QWidget* owner, const CounterFrameSettings& settings);
    ~TAclCounterFrame() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void RefreshButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // Back to no rule chosen: the editors empty, Set and the ID edits off.
    void ResetInputs();

private:
    // The IDs are the row's instance and are never typed: their labels and edits stay off, and
    // Set with them unless a row is chosen.
    void DisableKeys();

    const CounterFrameSettings settings_;
};
