// The port statistics chart window against the simulated switch: port 1's frame counters stand
// still unless a test moves them, and every poll is one tick of Timer1 fired by the test.

#include "SwitchingFixture.h"

#include "features/switching/TpBridgePortInfo_Table.h"

#include "ui/Chart.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Timer.h"

#include <QImage>
#include <QLineEdit>

#include <cstdint>

namespace {

const std::string Received = "1.3.6.1.2.1.17.4.4.1.3.1";
const std::string Sent = "1.3.6.1.2.1.17.4.4.1.4.1";
const std::string Discarded = "1.3.6.1.2.1.17.4.4.1.5.1";

using Window = TTpBridgePortInfo_Table;

class PortStatisticsWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"livecounters.dat"}; }

    // The first port list has come and its first port is chosen.
    static void WaitForPorts(Window& w)
    {
        ASSERT_TRUE(WaitFor([&] { return w.CounterRequest != nullptr && w.LV_TpBridge_Port_Index->Selected(); },
                            10000))
            << StatusLine(&w);
    }
    void SetCounters(std::uint64_t received, std::uint64_t sent, std::uint64_t discarded)
    {
        sim->Control("data " + Received + " c " + std::to_string(received));
        sim->Control("data " + Sent + " c " + std::to_string(sent));
        sim->Control("data " + Discarded + " c " + std::to_string(discarded));
    }
    static void Poll(Window& w) { FireTimer(&w, "Timer1"); }
    // Replaces the combo box's text by typing text, key by key.
    static void Retype(ui::ComboBox* combo, const std::string& text)
    {
        TypeInto(combo, "");
        combo->lineEdit()->selectAll();
        TypeInto(combo, text);
    }
    // The counter list's cell of a record: 1 Value, 2 Delta, 3 Rate, 4 Peak, 5 Peak Occured at.
    static std::string Cell(Window& w, int record, int column)
    {
        return Cells(w.LV_TpBridge_Port_Info).at(static_cast<std::size_t>(record)).at(static_cast<std::size_t>(column));
    }
};

TEST_F(PortStatisticsWindow, TheFirstPollPrimesAndTheSecondShowsTheChanges)
{
    InWindow<Window>([&](Window& w) {
        WaitForPorts(w);
        EXPECT_EQ(w.LV_TpBridge_Port_Index->Selected(), w.LV_TpBridge_Port_Index->Item(0));
        EXPECT_EQ(w.ST_Index->Caption(), "1");
        EXPECT_EQ(w.ST_Descr->Caption(), "1518");
        EXPECT_TRUE(w.Timer1->Enabled());
        EXPECT_EQ(w.Timer1->Interval(), 1000);

        Poll(w);
        const auto rows = Cells(w.LV_TpBridge_Port_Info);
        ASSERT_EQ(rows.size(), 3u);
        const char* names[] = {"Input Frames", "Output Frames", "Discard Frames"};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(rows[k][0], names[k]);
            EXPECT_EQ(std::vector<std::string>(rows[k].begin() + 1, rows[k].begin() + 5),
                      (std::vector<std::string>{"0", "0", "0", "0"}));
            EXPECT_EQ(w.CH_Utilization->Values(k), std::vector<double>(10, 0.0)) << "priming zeros only";
        }

        SetCounters(1010, 803, 1);
        Poll(w);
        EXPECT_EQ(Cells(w.LV_TpBridge_Port_Info)[0],
                  (std::vector<std::string>{"Input Frames", "1010", "10", "10", "10", Cell(w, 0, 5)}));
        EXPECT_EQ(Cell(w, 1, 2), "3");
        EXPECT_EQ(Cell(w, 2, 2), "1");
        std::vector<double> expected(9, 0.0);
        expected.push_back(10);
        EXPECT_EQ(w.CH_Utilization->Values(0), expected);
        EXPECT_EQ(w.CH_Utilization->Values(1).back(), 3);
        EXPECT_EQ(w.CH_Utilization->Labels(0).back(), Cell(w, 0, 5));
        EXPECT_EQ(w.CH_Utilization->YRange(), std::make_pair(0.0, 10.0));
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Deltas across a wrap, the rate at the interval in force, a new peak and a longer history.
TEST_F(PortStatisticsWindow, DeltasRatesPeaksAndHistories)
{
    InWindow<Window>([&](Window& w) {
        WaitForPorts(w);
        SetCounters(4294967290u, 0, 0);
        Poll(w); // primes
        SetCounters(5, 0, 0);
        Poll(w);
        EXPECT_EQ(Cell(w, 0, 2), "11") << "wrapped past 2^32 - 1";
        EXPECT_EQ(Cell(w, 0, 4), "11");
        const std::string firstPeakAt = Cell(w, 0, 5);

        Retype(w.CB_Interval, "5");
        EXPECT_EQ(w.Timer1->Interval(), 5000);
        SetCounters(12, 0, 0);
        Poll(w);
        EXPECT_EQ(Cell(w, 0, 2), "7");
        EXPECT_EQ(Cell(w, 0, 3), "1") << "7 frames in 5 seconds";
        EXPECT_EQ(Cell(w, 0, 4), "11") << "no new peak";
        EXPECT_EQ(Cell(w, 0, 5), firstPeakAt);

        SetCounters(112, 0, 0);
        Poll(w);
        EXPECT_EQ(Cell(w, 0, 4), "100");
        EXPECT_EQ(Cell(w, 0, 5), w.CH_Utilization->Labels(0).back());

        // A new count starts over: priming, then every poll drops the oldest point.
        Retype(w.CB_HistoryCount, "20");
        EXPECT_EQ(w.HistoryCount, 20);
        EXPECT_EQ(w.LV_TpBridge_Port_Info->Count(), 0);
        Poll(w);
        EXPECT_EQ(w.CH_Utilization->Values(0), std::vector<double>(20, 0.0));
        for (int n = 1; n <= 21; ++n) {
            SetCounters(112 + static_cast<std::uint64_t>(n) * (n + 1) / 2, 0, 0);
            Poll(w);
        }
        std::vector<double> expected;
        for (int n = 2; n <= 21; ++n)
            expected.push_back(n);
        EXPECT_EQ(w.CH_Utilization->Values(0), expected);
        EXPECT_EQ(w.CH_Utilization->Values(2), std::vector<double>(20, 0.0));
        EXPECT_EQ(w.HistoryLists[0].size(), 20u);
        EXPECT_EQ(Cell(w, 0, 4), "21") << "the peaks were cleared by the new count";
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A poll the switch does not answer is no reading: nothing changes, the status line says why, and
// the next answer only primes, so no delta ever counts the missing reading as 0.
TEST_F(PortStatisticsWindow, AnUnansweredPollChangesNothing)
{
    InWindow<Window>([&](Window& w) {
        WaitForPorts(w);
        w.CounterRequest->Request.Timeout = 30;
        w.CounterRequest->Request.Retries = 0;
        Poll(w);
        SetCounters(1100, 900, 2);
        Poll(w);
        const auto shown = Cells(w.LV_TpBridge_Port_Info);
        const auto points = w.CH_Utilization->Values(0);
        ASSERT_EQ(shown[0][2], "100");

        sim->Control("silence on");
        Poll(w);
        sim->Control("silence off");
        EXPECT_EQ(Cells(w.LV_TpBridge_Port_Info), shown);
        EXPECT_EQ(w.CH_Utilization->Values(0), points);
        EXPECT_EQ(w.Counters[0].current, 1100u);
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);

        SetCounters(1150, 900, 2);
        Poll(w); // primes again
        EXPECT_EQ(Cells(w.LV_TpBridge_Port_Info), shown);
        SetCounters(1160, 901, 2);
        Poll(w);
        EXPECT_EQ(Cell(w, 0, 2), "10");
        EXPECT_EQ(Cell(w, 1, 2), "1");
        EXPECT_EQ(Cell(w, 0, 4), "100") << "no peak near 2^32";
        for (double value : w.CH_Utilization->Values(0))
            EXPECT_LE(value, 100);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

class PortStatisticsWithoutPorts : public PortStatisticsWindow {
protected:
    std::vector<std::string> DataFiles() const override { return {"livecounters.dat", "no-bridge-ports.dat"}; }
};

// A bridge that lists no port at first: the clock runs and nothing is polled; once the switch
// lists ports, Refresh sets the polling up.
TEST_F(PortStatisticsWithoutPorts, PortsListedLaterArePolled)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return w.BT_Refresh->isEnabled(); }, 10000));
        EXPECT_EQ(w.LV_TpBridge_Port_Index->Count(), 0);
        EXPECT_TRUE(w.Timer1->Enabled()) << "the clock runs";
        EXPECT_EQ(w.CounterRequest, nullptr);
        const int reads = Stat("getnext") + Stat("get");
        Poll(w);
        Click(w.BT_Start);
        EXPECT_FALSE(w.Polling);
        Poll(w);
        EXPECT_EQ(Stat("getnext") + Stat("get"), reads) << "no poll";
        EXPECT_EQ(w.LV_TpBridge_Port_Info->Count(), 0);

        for (int port = 1; port <= 2; ++port) {
            sim->Control("data 1.3.6.1.2.1.17.4.4.1.1." + std::to_string(port) + " i " + std::to_string(port));
            sim->Control("data 1.3.6.1.2.1.17.4.4.1.2." + std::to_string(port) + " i 1518");
            for (int column = 3; column <= 5; ++column)
                sim->Control("data 1.3.6.1.2.1.17.4.4.1." + std::to_string(column) + "." + std::to_string(port) +
                             " c 100");
        }
        Click(w.BT_Refresh);
        WaitForPorts(w);
        EXPECT_EQ(w.PortCount, 2);
        Poll(w);
        EXPECT_EQ(w.LV_TpBridge_Port_Info->Count(), 3);
        Click(w.BT_Stop);
        EXPECT_FALSE(w.Polling);
        Click(w.BT_Start);
        EXPECT_TRUE(w.Polling);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// What the two combo boxes take, typed key by key: each key is a change of its own.
TEST_F(PortStatisticsWindow, IntervalAndCountInputs)
{
    struct Case {
        const char* box;
        const char* typed;
        std::vector<std::string> messages;
        int interval; // Timer1's afterwards
        int count;    // HistoryCount afterwards
    };
    const Case cases[] = {
        {"interval", "15", {"Choose Valid Interval"}, 1000, 10},
        {"interval", "ab", {"Choose Valid Interval", "Choose Valid Interval"}, 1000, 10},
        {"interval", "-1", {"Choose Valid Interval", "Choose Valid Interval"}, 1000, 10},
        {"interval", "0", {}, 0, 10},
        {"interval", "10", {}, 10000, 10},
        {"count", "0", {"Choose Valid Count"}, 10000, 10},
        {"count", "121", {"Choose Valid Count"}, 10000, 12},
        {"count", "ab", {"Choose Valid Count", "Choose Valid Count"}, 10000, 12},
        {"count", "120", {}, 10000, 120},
    };
    InWindow<Window>([&](Window& w) {
        WaitForPorts(w);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.box) + " " + c.typed);
            ClearMessageBoxes();
            Retype(std::string(c.box) == "interval" ? w.CB_Interval : w.CB_HistoryCount, c.typed);
            EXPECT_EQ(MessageBoxTexts(), c.messages);
            EXPECT_EQ(w.Timer1->Interval(), c.interval);
            EXPECT_EQ(w.Timer1->Running(), c.interval > 0) << "no timer at 0: no clock, no polls";
            EXPECT_EQ(w.HistoryCount, c.count);
            EXPECT_TRUE(w.Polling);
        }
        // Refused letters leave the count in force: the next port switch builds its histories.
        ClickRow(w.LV_TpBridge_Port_Index, 1);
        EXPECT_EQ(w.ST_Index->Caption(), "2");
        Retype(w.CB_HistoryCount, "abc");
        ClickRow(w.LV_TpBridge_Port_Index, 0);
        ClearMessageBoxes();
        Poll(w);
        EXPECT_TRUE(w.Polling);
        EXPECT_EQ(w.LV_TpBridge_Port_Info->Count(), 3);
        EXPECT_EQ(w.CH_Utilization->Values(1).size(), 120u);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(PortStatisticsWindow, ThreeDLineSwitchesTheChartsView)
{
    InWindow<Window>([&](Window& w) {
        WaitForPorts(w);
        Poll(w);
        SetCounters(1100, 850, 3);
        Poll(w);
        w.PageControl1->setCurrentIndex(1);
        ASSERT_TRUE(WaitFor([&] { return w.CH_Utilization->isVisible(); }, 5000));
        const QImage flat = w.CH_Utilization->grab().toImage();
        Click(w.CK_U3D);
        EXPECT_TRUE(w.CH_Utilization->View3D());
        EXPECT_NE(w.CH_Utilization->grab().toImage(), flat);
        Click(w.CK_U3D);
        EXPECT_FALSE(w.CH_Utilization->View3D());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
