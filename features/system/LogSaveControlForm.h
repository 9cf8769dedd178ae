#pragma once
// The log save window (System > System Log > Save Settings): how the switch saves its log (at a
// time interval, on demand, or at each log entry) and the interval. Its request is synchronous
// for the window's whole life; Set writes the method, and the interval only for "time-interval",
// then reads both again.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_LogSaveControlForm.h"

#include <memory>

class TLogSaveControlForm : public ui::Form, public Ui::LogSaveControlForm, public WindowLifecycle {
public:
    enum Item { MethodItem, IntervalItem };
    // Index of the method combo box whose interval is written: "time-interval".
    static constexpr int TimeIntervalIndex = 0;

    explicit TLogSaveControlForm(QWidget* owner = nullptr);
    ~TLogSaveControlForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void cbxLogSaveMethodChange(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void Button1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TLogSaveControlForm* LogSaveControlForm;
