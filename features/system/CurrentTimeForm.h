#pragma once
// The current time window (System > Time Management > Current Time): what the switch's clock
// can do (its time capacity, decoded into names), the current clock, which Set writes, and
// whether the clock is reset on reboot. The request is asynchronous; a Refresh while a read
// runs takes its place.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_CurrentTimeForm.h"

#include <memory>
#include <string>

class TCurrentTimeForm : public ui::Form, public Ui::CurrentTimeForm, public WindowLifecycle {
public:
    enum Item { CapacityItem, ClockItem, ResetItem };

    explicit TCurrentTimeForm(QWidget* owner = nullptr);
    ~TCurrentTimeForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // The decoded capacity names.
    std::string CapacityText;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // The end of every read, answered or failed: the capacity shown by name.
    void ShowTimeCapacity(MvSNMPRequest2Controls* sender, const MvSNMPError& result);

    // A blank, then the names of the capacity bits set in the leading hexadecimal digits of
    // text, joined with ","; empty for an empty text.
    static std::string CapacityNames(const std::string& text);
    // Whether text is a clock the switch can be set to: "y-m-d,h:m:s.d" with an optional
    // ",+h:m" or ",-h:m" from UTC, every field a decimal number within its range and the day one
    // that its month has.
    static bool IsClockText(const std::string& text);
};

// The window while its menu handler shows it.
extern TCurrentTimeForm* CurrentTimeForm;
