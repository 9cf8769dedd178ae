#pragma once
// The transparent bridge's port statistics (Layer 2 > Spanning Tree > Transparent Bridge > Port
// Information Table): the bridge's ports in a list, and for the chosen port its frames
// received, sent and discarded, read on every tick of the poll timer. Each counter shows its
// last reading, the change since the poll before, the rate per second, the largest change and
// when it came; the chart draws the last HistoryCount changes of each counter.
//
// The first poll after a port switch (a row click, a new count, Refresh) only takes a reading;
// the changes start with the second. A poll that got no reading from the switch changes
// nothing and says why in the status line; the reading after it only primes again, so every
// change shown spans two readings of the switch.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_TpBridgePortInfo_Table.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Timer;
}

class TTpBridgePortInfo_Table : public ui::Form, public Ui::TpBridgePortInfo_Table, public WindowLifecycle {
public:
    // One counter of the chosen port.
    struct CounterRecord {
        std::uint32_t current = 0;  // this poll's reading
        std::uint32_t previous = 0; // the reading before
        std::uint32_t peak = 0;     // the largest delta since the last reset
        std::uint32_t delta = 0;    // current - previous, modulo 2^32
        const char* name;
    };
    // One point of a chart series: a delta and the time it was taken (" hh:mm:ss ").
    struct HistoryData {
        std::uint32_t value = 0;
        std::string time;
    };
    static constexpr int RecordCount = 3;
    static constexpr int DefaultHistoryCount = 10;
    static constexpr int MaxHistoryCount = 120;
    static constexpr int MaxIntervalSeconds = 10;

    explicit TTpBridgePortInfo_Table(QWidget* owner = nullptr);
    ~TTpBridgePortInfo_Table() override;

    // Frames received, sent and discarded: the counter list's rows, the histories and the chart
    // series in this order.
    std::array<CounterRecord, RecordCount> Counters{{{.name = "Input Frames"},
                                                    {.name = "Output Frames"},
                                                    {.name = "Discard Frames"}}};
    // Reads the bridge's ports, in the background.
    std::unique_ptr<MvSNMPRequest2Edits> PortListRequest;
    // Reads the chosen port's counters, waited for; made when the first port list with rows
    // has come.
    std::unique_ptr<MvSNMPRequest2Edits> CounterRequest;
    // Per counter its last HistoryCount deltas, oldest first.
    std::array<std::deque<HistoryData>, RecordCount> HistoryLists;
    // The chart's series of the three counters.
    std::vector<int> SeriesList;
    // Points kept per history: the count last accepted.
    int HistoryCount = DefaultHistoryCount;
    // Polls since the last port switch (or since a poll without a reading); 0 primes.
    int PollCount = 0;
    // Ticks read counters only while set (Pause and Start).
    bool Polling = false;
    // Until a port list with rows has come.
    bool FirstPortList = true;
    // The rows of that port list; 0: Pause, Start and the port switch do nothing.
    int PortCount = 0;
    ui::Timer* Timer1;

    void FormCreate(QObject* sender);
    void Timer1Timer(QObject* sender);
    void BT_RefreshClick(QObject* sender);
    void LV_TpBridge_Port_IndexClick(QObject* sender);
    void BT_PortSetClick(QObject* sender);
    // The port switch: the counter request aimed at the port in ST_Index, rows and histories
    // back to their start.
    void BT_ResetClick(QObject* sender);
    void BT_StopClick(QObject* sender);
    void BT_StartClick(QObject* sender);
    void CB_IntervalChange(QObject* sender);
    void CB_HistoryCountChange(QObject* sender);
    void CK_U3DClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The end of every port-list read.
    void PortListReceived(MvSNMPRequest2Controls* sender, const MvSNMPError& result);
    void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result) override;
    // One poll's reading (the row in LV_Chart) into the records, the list and the chart.
    void PollCounters();
    void InitCounterRows();
    void ResetHistory();
    void ClearCounterRows();

    // The wall-clock time as the window shows it: " hh:mm:ss ".
    static std::string TimeText();

private:
    // The counter read of the port in ST_Index.
    void AimCounterRequest();
    void CreateCounterRequest(const std::string& firstPort);
    // The series drawn from the histories.
    void DrawHistories();

    // Raised by every port switch: a reading taken across one belongs to the port before.
    unsigned portSwitches_ = 0;
    // Why the last counter read failed, as the request reported it.
    std::string readFailure_;
};

// The window while its menu handler shows it.
extern TTpBridgePortInfo_Table* TpBridgePortInfo_Table;
