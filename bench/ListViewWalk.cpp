// A window's walk of a large table into its list view (MvSNMPRequest2Edits::AttachListView), on
// a shown window (Qt offscreen), beside the same driver's walk without a list view ("bare") and
// snmptable -CB on the same simulated table, at 1,000, 10,000 and 50,000 rows of 3 columns.
//
// Each round walks snmptable, bare and list view in turn, over several rounds; the figures are
// medians over the rounds, and the ratio list/bare is taken within each round (its median and
// spread are printed), so a machine that slows down for a while moves both sides of a ratio.
// The CPU time of each walk is printed beside its wall-clock time: on a busy machine the latter
// stretches with the load. "gap" is the longest time the event loop did not come round.
// Goals: ratio at most 1.5 at 10,000 rows and 2 at 50,000; the list view's time per row at
// 50,000 rows at most 1.5 x that at 1,000; the longest event-loop gap under 50 ms; the list of
// 50,000 rows under 100 MB.
#include "WalkTable.h"

#include "snmp/GlobalSession.h"
#include "snmp/Request2Edits.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/VarList.h"

#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/MessageLoop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Rounds = 5;

const VarDescriptor WalkColumns[] = {
    {"1.3.6.1.3.4242.100.1.1", "Index", integer, readonly, nullptr},
    {"1.3.6.1.3.4242.100.1.2", "Name", displaystr, readonly, nullptr},
    {"1.3.6.1.3.4242.100.1.3", "Counter", counter, readonly, nullptr},
    {},
};

QApplication& App()
{
    static int argc = 1;
    static char name[] = "bench_ListViewWalk";
    static char* argv[] = {name, nullptr};
    // The same on every machine, with or without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(argc, argv);
    static QTemporaryDir bootsDir;
    if (GlobalSnmpSession == nullptr) {
        InitRequestStatics();
        CreateGlobalSession(bootsDir.path().toStdString());
    }
    return app;
}

// The window's driver, counting the rows it is handed.
class CountingDriver : public MvSNMPRequest2Edits {
public:
    using MvSNMPRequest2Edits::MvSNMPRequest2Edits;
    int rows = 0;
    void RowReceived() override
    {
        ++rows;
        MvSNMPRequest2Edits::RowReceived();
    }
};

struct WalkResult {
    double seconds = 0;
    double cpuSeconds = 0;
    double longestGapMs = 0;
    std::string error;
};

// The CPU time this process has used so far: on a busy machine the wall-clock times stretch
// with the load, this shows what the walk itself cost.
double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// One asynchronous read in the window's event loop; a timer every 2 ms notes the longest time
// the loop did not come round, and ends the loop when the read is over.
WalkResult Walk(CountingDriver& driver, int rows)
{
    WalkResult result;
    driver.rows = 0;
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer sinceTick;
    tick.callOnTimeout([&] {
        result.longestGapMs = std::max(result.longestGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
        if (driver.Busy == 0)
            loop.quit();
    });
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    sinceTick.start();
    tick.start(2);
    if (!driver.Get()) {
        result.error = "the read did not start";
        return result;
    }
    loop.exec();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.cpuSeconds = CpuSeconds() - cpuStart;
    if (driver.rows != rows)
        result.error = "walk read " + std::to_string(driver.rows) + " rows";
    return result;
}

double SecondsOf(const std::function<std::string()>& run, std::string& error)
{
    const auto start = std::chrono::steady_clock::now();
    error = run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double HeapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The process's peak resident memory so far.
double PeakRssMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void ListViewWalk(benchmark::State& state)
{
    App();
    const int rows = static_cast<int>(state.range(0));
    SimSwitch sim(WalkTableSim(rows));

    ui::Form form;
    form.resize(640, 480);
    auto* list = new ui::ListView(&form);
    list->setGeometry(0, 0, 640, 480);
    form.show();

    const auto driver = [&](ui::ListView* view) {
        auto d = std::make_unique<CountingDriver>(&form);
        d->Request.Device.Address = sim.Address();
        d->Request.Device.Port = static_cast<std::uint16_t>(sim.Port());
        d->Request.Security.Version = 1;
        d->Request.Security.ReadCommunity = SimCredentials::ReadCommunity;
        d->Request.Timeout = 2000;
        d->Request.VarList = MvSNMPVarList(WalkColumns, MVT_FMV, 1);
        if (view != nullptr)
            d->AttachListView(view);
        return d;
    };
    const std::unique_ptr<CountingDriver> bare = driver(nullptr);
    const std::unique_ptr<CountingDriver> listed = driver(list);

    std::vector<double> reference, bareSeconds, listSeconds, ratios, bareCpu, listCpu;
    double bareGap = 0, listGap = 0, listMiB = 0;
    for (auto _ : state) {
        for (int round = 0; round < Rounds; ++round) {
            std::string error;
            reference.push_back(SecondsOf([&] { return SnmptableWalk(sim, rows); }, error));
            const WalkResult b = Walk(*bare, rows);
            list->Clear();
            ui::ProcessMessages();
            const double heapBefore = HeapBytes();
            const WalkResult l = Walk(*listed, rows);
            for (const std::string& e : {error, b.error, l.error})
                if (!e.empty()) {
                    state.SkipWithError(e.c_str());
                    return;
                }
            if (list->Count() != rows || list->Item(rows - 1)->Cell(2) != std::to_string(3 * rows)) {
                state.SkipWithError("the list view does not hold the table");
                return;
            }
            listMiB = std::max(listMiB, (HeapBytes() - heapBefore) / (1024.0 * 1024.0));
            bareSeconds.push_back(b.seconds);
            listSeconds.push_back(l.seconds);
            ratios.push_back(l.seconds / b.seconds);
            bareCpu.push_back(b.cpuSeconds);
            listCpu.push_back(l.cpuSeconds);
            bareGap = std::max(bareGap, b.longestGapMs);
            listGap = std::max(listGap, l.longestGapMs);
        }
    }
    list->Clear();

    state.counters["rows"] = rows;
    state.counters["rows/s"] = rows / Median(listSeconds);
    state.counters["snmptable s"] = Median(reference);
    state.counters["bare s"] = Median(bareSeconds);
    state.counters["list s"] = Median(listSeconds);
    state.counters["bare cpu s"] = Median(bareCpu);
    state.counters["list cpu s"] = Median(listCpu);
    state.counters["list us/row"] = Median(listSeconds) / rows * 1e6;
    state.counters["ratio"] = Median(ratios);
    state.counters["ratio min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["ratio max"] = *std::max_element(ratios.begin(), ratios.end());
    state.counters["bare gap ms"] = bareGap;
    state.counters["list gap ms"] = listGap;
    state.counters["list MiB"] = listMiB;
    state.counters["peak RSS MiB"] = PeakRssMiB();
}
BENCHMARK(ListViewWalk)->Arg(1000)->Arg(10000)->Arg(50000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
