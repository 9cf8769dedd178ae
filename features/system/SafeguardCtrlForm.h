#pragma once
// The safeguard engine window (Security > Safeguard Engine > Settings): the CPU load at which the
// switch starts and stops protecting itself (rising and falling thresholds, 20 to 100 percent),
// the mode and the alarm state, and the engine's current state. Each setting has a box; Set
// writes the ticked ones, each in a SET of its own, the falling threshold before the rising one
// when it drops below what was last read, so the switch never sees a falling threshold above the
// rising one. The request is synchronous for the window's whole life.

#include "features/common/SkippedColumns.h"
#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_SafeguardCtrlForm.h"

#include <cstdint>
#include <memory>

class TSafeguardCtrlForm : public ui::Form, public Ui::SafeguardCtrlForm, public WindowLifecycle {
public:
    enum Item { RisingItem, FallingItem, ModeItem, AlarmItem, CurrentStateItem };

    explicit TSafeguardCtrlForm(QWidget* owner = nullptr);
    ~TSafeguardCtrlForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // The items' access words as the window built them.
    SavedColumnFlags SavedFlags;
    // 1 while a Set writes the falling threshold before the rising one.
    std::uint8_t FallingFirst = 0;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void ChangeSetState(QObject* sender);
    void btnCheckAllClick(QObject* sender);
    void btnClearCheckClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);

private:
    // The ticked thresholds are numbers from 20 to 100; false after the message.
    bool ValidateThresholds();
    // One SET for each ticked setting, in the order the switch needs.
    void SendCheckedSettings();
};

// The window while its menu handler shows it.
extern TSafeguardCtrlForm* SafeguardCtrlForm;
