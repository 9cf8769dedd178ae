// One tick of the port statistics window at its largest history (120 points in each of the three
// series), flat and in the 3D view: the window's own work of a poll (PollCounters with the
// histories, the series replaced, the axis labels and y range, and a forced paint of the chart),
// beside the counter read it follows (one synchronous GETNEXT against the simulated switch,
// whose port counters grow on every read). 200 ticks each; the median and the worst tick are
// reported, with the budget of 20 ms median and 50 ms worst for the window's work.
#include "support/SimSwitch.h"

#include "catalogue/Catalogue.h"
#include "features/switching/TpBridgePortInfo_Table.h"
#include "snmp/GlobalSession.h"
#include "snmp/SnmpSettings.h"
#include "snmp/VarList.h"
#include "ui/Application.h"
#include "ui/Chart.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/PageControl.h"
#include "ui/Timer.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Ticks = 200;

void Prepare(const SimSwitch& sim)
{
    static int argc = 1;
    static char name[] = "bench_PortStatisticsChart";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static ui::Application app(argc, argv);
    static QTemporaryDir bootsDir;
    if (GlobalSnmpSession == nullptr) {
        InitRequestStatics();
        CreateGlobalSession(bootsDir.path().toStdString());
        InitCatalogue();
        InitVarListNameTables();
        ui::SetMessageBoxHandler([](const ui::MessageBoxCall&) { return ui::mrOk; });
    }
    DefaultDevice.Address = sim.Address();
    DefaultDevice.Port = static_cast<std::uint16_t>(sim.Port());
    DefaultSecurity.Version = 1;
    DefaultSecurity.ReadCommunity = SimCredentials::ReadCommunity;
    DefaultSecurity.WriteCommunity = SimCredentials::WriteCommunity;
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Tick(benchmark::State& state, bool view3D)
{
    SimSwitch sim({"Kb", {}});
    Prepare(sim);
    auto window = std::make_unique<TTpBridgePortInfo_Table>(nullptr);
    TTpBridgePortInfo_Table& w = *window;
    w.resize(900, 600);
    w.show();
    w.PageControl1->setCurrentIndex(1);
    const auto limit = Clock::now() + std::chrono::seconds(10);
    while ((w.CounterRequest == nullptr || w.LV_TpBridge_Port_Index->Selected() == nullptr) && Clock::now() < limit)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (w.CounterRequest == nullptr) {
        state.SkipWithError("the port list did not come");
        return;
    }
    // No clock: the benchmark is the timer.
    w.Timer1->SetEnabled(false);
    w.HistoryCount = TTpBridgePortInfo_Table::MaxHistoryCount;
    w.BT_ResetClick(nullptr);
    w.CH_Utilization->SetView3D(view3D);

    std::vector<double> gui;
    std::vector<double> reads;
    for (auto _ : state) {
        for (int tick = 0; tick < Ticks; ++tick) {
            const auto readStart = Clock::now();
            if (!w.CounterRequest->Get() || w.LV_Chart->Count() == 0) {
                state.SkipWithError("a counter read failed");
                return;
            }
            const auto start = Clock::now();
            w.PollCounters();
            w.CH_Utilization->viewport()->repaint();
            const auto end = Clock::now();
            reads.push_back(Milliseconds(start - readStart));
            gui.push_back(Milliseconds(end - start));
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::duration<double, std::milli>(Median(gui))).count());
    }
    if (static_cast<int>(w.CH_Utilization->Values(0).size()) != TTpBridgePortInfo_Table::MaxHistoryCount)
        state.SkipWithError("the series do not hold 120 points");
    const double median = Median(gui);
    const double worst = gui.empty() ? 0 : *std::max_element(gui.begin(), gui.end());
    state.counters["tick median ms"] = median;
    state.counters["tick worst ms"] = worst;
    state.counters["read median ms"] = Median(reads);
    state.counters["within budget"] = median <= 20 && worst <= 50 ? 1 : 0;
    w.close();
    window.reset();
}

void FlatChartTick(benchmark::State& state) { Tick(state, false); }
void RibbonChartTick(benchmark::State& state) { Tick(state, true); }

BENCHMARK(FlatChartTick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(RibbonChartTick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace
