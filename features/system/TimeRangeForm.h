#pragma once
// The time range window (System > Time Range > Management Table): the switch's time range
// profiles, each a name, the days of the week and a daily start and end time. The user ticks
// the days; the window joins them into the text the switch keeps ("Mon,Thu") and splits a
// row's text back into the boxes. Add, Edit and Delete each write the row and read the table
// again at once; while a read runs the window refuses them and closing.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_TimeRangeForm.h"

#include <array>
#include <memory>
#include <string>

class TTimeRangeForm : public ui::Form, public Ui::TimeRangeForm, public WindowLifecycle {
public:
    enum Item { NameItem, WeekDaysItem, StartItem, EndItem, StatusItem };

    explicit TTimeRangeForm(QWidget* owner = nullptr);
    ~TTimeRangeForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void FormCloseQuery(QObject* sender, bool& canClose);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void btnGetClick(QObject* sender);
    void btnAddClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnDeleteClick(QObject* sender);
    void btnStopClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);

    // The ticked days' names into edtweekdays, Monday first, joined with ",".
    void JoinWeekDays();
    // Ticks the days whose three-letter name occurs in edtweekdays (letter case counts).
    void SplitWeekDays();
    // Back to the empty state: no name, days, times or status.
    void ResetInputs();

private:
    std::array<ui::CheckBox*, 7> DayBoxes() const;
    // The checks of Add and Edit, in order; false after the message.
    bool ValidateInputs(bool adding);
    // After Edit and Delete: back to adding.
    void BackToAdding();
};

// The window while its menu handler shows it.
extern TTimeRangeForm* TimeRangeForm;
