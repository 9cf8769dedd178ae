// Opening a generated window: from running the menu handler of "Basic Information" until its
// window shows the switch's first value, beside a plain snmpget of the same three scalars (one
// process, one exchange). The ratio says how much of the opening is the window's own work.
#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include "catalogue/Catalogue.h"
#include "gui/ConfigForm.h"
#include "main/Families.h"
#include "snmp/GlobalSession.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/SnmpSettings.h"
#include "snmp/VarList.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char* const Scalars[] = {"1.3.6.1.4.1.171.12.1.1.1.0", "1.3.6.1.4.1.171.12.1.1.3.0",
                               "1.3.6.1.4.1.171.12.1.1.5.0"};

void Prepare(const SimSwitch& sim)
{
    static int argc = 1;
    static char name[] = "bench_GeneratedWindow";
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

// One opening: seconds from the handler's start until the first value shows; negative when the
// window did not show it.
double OpenOnce(const HandlerRow& row, HandlerContext& context)
{
    Clock::time_point shown{};
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // Never inside an answer: the value is in the window once the answer has been handled.
        if (ConfigForm == nullptr || !SnmpEventProcessor->Enabled())
            return;
        auto* panel = ConfigForm->findChild<TSNMPEditorPanel*>();
        if (panel == nullptr || panel->EditsPanel->RowCount() == 0 ||
            EditorText(panel->EditsPanel->Rows[0].Editor).empty())
            return;
        shown = Clock::now();
        poll.stop();
        ConfigForm->Close();
    });
    poll.start(0);
    const auto start = Clock::now();
    RunHandlerRow(row, context);
    return shown == Clock::time_point{} ? -1 : std::chrono::duration<double>(shown - start).count();
}

// One snmpget of the same scalars; negative when it failed.
double SnmpgetOnce(const SimSwitch& sim)
{
    std::vector<std::string> args = {"-v2c", "-c", SimCredentials::ReadCommunity, "-t", "5", sim.Endpoint()};
    args.insert(args.end(), std::begin(Scalars), std::end(Scalars));
    const auto start = Clock::now();
    const ToolResult r = RunSnmpTool("snmpget", args);
    if (r.exitCode != 0)
        return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void OpenBasicInformation(benchmark::State& state)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("handlers.dat")}});
    Prepare(sim);
    const HandlerRow* row = FindHandler("BasicInfo1Click");
    std::string caption;
    HandlerContext context{nullptr, &caption, sim.Address(), 1.0f};

    double reference = 0;
    for (int i = 0; i < 5; ++i) {
        const double once = SnmpgetOnce(sim);
        if (once < 0) {
            state.SkipWithError("snmpget failed");
            return;
        }
        reference += once / 5;
    }
    double total = 0;
    for (auto _ : state) {
        const double once = OpenOnce(*row, context);
        if (once < 0) {
            state.SkipWithError("the window did not show its value");
            break;
        }
        state.SetIterationTime(once);
        total += once;
    }
    const double mean = state.iterations() > 0 ? total / static_cast<double>(state.iterations()) : 0;
    state.counters["snmpget ms"] = reference * 1000;
    state.counters["window ms"] = mean * 1000;
    state.counters["ratio"] = reference > 0 ? mean / reference : 0;
}
BENCHMARK(OpenBasicInformation)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

} // namespace
