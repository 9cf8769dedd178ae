// The framework's own walk: AsyncGet on an MVT_FMV list of the table, each answer arriving
// through the event pump and sending the next GETNEXT from its handler, as a window's read does.
// Reported beside the snmptable reference on the same table, with their ratio.
#include "WalkTable.h"

#include "snmp/GlobalSession.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/SnmpRequest.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <chrono>

namespace {

const VarDescriptor WalkColumns[] = {
    {"1.3.6.1.3.4242.100.1.1", "Index", integer, readonly, nullptr},
    {"1.3.6.1.3.4242.100.1.2", "Name", displaystr, readonly, nullptr},
    {"1.3.6.1.3.4242.100.1.3", "Counter", counter, readonly, nullptr},
    {},
};

// One walk: rows handed on until the answer that ends it.
struct Walk {
    explicit Walk(MvSNMPRequest& r) : request(r) {}

    MvSNMPRequest& request;
    QEventLoop loop;
    int rows = 0;
    std::string error;
    std::string lastRow;

    void OnAnswer(MvSNMPError& result, MvSNMPVarList& list)
    {
        if (result.Code != 0 || result.EndOfWalk) {
            if (result.Code != 0)
                error = result.Message;
            loop.quit();
            return;
        }
        ++rows;
        lastRow = list.Item(0).value + "," + list.Item(1).value + "," + list.Item(2).value;
        Send(false);
    }
    void Send(bool first)
    {
        bool ok = false;
        request.AsyncGet(ok, [this](MvSNMPError& result, MvSNMPVarList& list) { OnAnswer(result, list); }, first);
        if (!ok) {
            error = "not sent";
            loop.quit();
        }
    }
};

void FrameworkAsyncWalk(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "bench_AsyncWalk";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir bootsDir;
    if (GlobalSnmpSession == nullptr) {
        InitRequestStatics();
        CreateGlobalSession(bootsDir.path().toStdString());
    }

    SimSwitch sim(WalkTableSim());
    MvSNMPRequest request;
    request.Device.Address = sim.Address();
    request.Device.Port = static_cast<std::uint16_t>(sim.Port());
    request.Security.Version = 1;
    request.Security.ReadCommunity = SimCredentials::ReadCommunity;
    request.Timeout = 500;
    request.VarList = MvSNMPVarList(WalkColumns, MVT_FMV, 1);

    const double reference = SnmptableRowsPerSecond(sim, 3);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        Walk walk{request};
        walk.Send(true);
        if (walk.error.empty())
            walk.loop.exec();
        if (!walk.error.empty() || walk.rows != WalkTableRows || walk.lastRow != "1000,row-1000,3000") {
            state.SkipWithError(("walk failed: " + walk.error + " after " + std::to_string(walk.rows) + " rows").c_str());
            break;
        }
    }
    ReportBesideReference(state, start, reference);
}
BENCHMARK(FrameworkAsyncWalk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
