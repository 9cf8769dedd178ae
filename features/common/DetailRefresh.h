#pragma once
// A list window whose selected row has a detail, read by a second request and read again at a
// refresh interval the user picks: "none", "2s", "5s", "10s", "30s" or "1m". The window keeps
// its table request and its list; this class keeps the detail request, the interval combo box
// and the timer, and calls the window's ShowValues after every detail read:
//
//     Detail.Init(cbxInterval, Timer1);                // FormCreate: timer off, "none"
//     ...table request...
//     Detail.Create(this, FindTable(...), lvChart);    // the detail request (one row, no key)
// Row click: if (row) Detail.ReadRow(row->Caption()); else ResetInputs();
// Interval:  Detail.IntervalChange();
// Tick:      Detail.Tick();
// ResetInputs: Detail.Off();
//
// A row click targets the detail request at that row (its OIDs get the row's index) and reads it
// synchronously; every tick reads the row targeted last, also after the selection was cleared.
// Before the first row click nothing is targeted: a tick sends nothing and ShowValues finds no
// detail row. A tick while the detail request is busy does nothing.

#include "snmp/Request2Edits.h"
#include "snmp/VarDescriptor.h"

#include <functional>
#include <memory>
#include <string>

class WindowLifecycle;

namespace ui {
class ComboBox;
class ListView;
class Timer;
} // namespace ui

class DetailRefresh {
public:
    // The interval choices in combo order, their timer intervals (0: the timer off).
    static constexpr int IntervalCount = 6;
    static const char* IntervalText(int index);
    static int IntervalMs(int index);

    explicit DetailRefresh(WindowLifecycle& window);
    ~DetailRefresh();
    DetailRefresh(const DetailRefresh&) = delete;
    DetailRefresh& operator=(const DetailRefresh&) = delete;

    // The detail request: the table as one row without keys, its answers into the (hidden)
    // detail list, logging in the status line. The window frees it on closing.
    std::unique_ptr<MvSNMPRequest2Edits> Request;
    // The window's ShowDetailValues: after every detail read, with or without a row.
    std::function<void()> ShowValues;

    // The window's combo box and timer: the timer off, the combo box filled and on "none".
    void Init(ui::ComboBox* intervals, ui::Timer* timer);
    void Create(QWidget* owner, const VarDescriptor* table, ui::ListView* detailList);
    // Whether a row was targeted since the window opened.
    bool Targeted() const { return targeted_; }

    // The selected row's detail: the request targeted at its index and read; an exception's
    // message goes to the window's status line.
    void ReadRow(const std::string& index);
    // The timer's tick: the targeted row read again, unless a detail read is under way.
    void Tick();
    // The choice of the combo box: "none" stops the timer, the others set its interval and
    // start it; no choice changes nothing.
    void IntervalChange();
    // Timer off, "none", the detail list emptied.
    void Off();

private:
    void Read();
    // An exception's message into the window's status line.
    void Guarded(const std::function<void()>& step);

    WindowLifecycle& window_;
    ui::ComboBox* intervals_ = nullptr;
    ui::Timer* timer_ = nullptr;
    ui::ListView* detailList_ = nullptr;
    const VarDescriptor* table_ = nullptr;
    bool targeted_ = false;
};
