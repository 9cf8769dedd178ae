// The SNMP layer's own walk: one row per GETNEXT through its callback API, each answer handled
// by the event pump (timer and socket notifiers) inside Qt's event loop, as the module walks a
// table. Reported beside the snmptable reference on the same table, with their ratio.
#include "WalkTable.h"

#include "snmp/GlobalSession.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmplib/SnmpLib.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct Walk {
    Oid columns[3];
    int rows = 0;
    bool failed = false;
    QEventLoop* loop = nullptr;
};
Walk walk;

void NextRow(int reason, Snmp* session, Pdu& answer, SnmpTarget& target, CallbackToken)
{
    if (reason != SNMP_CLASS_ASYNC_RESPONSE || answer.get_error_status() != 0 || answer.get_vb_count() != 3) {
        walk.failed = true;
        walk.loop->quit();
        return;
    }
    if (!answer.get_vb(0).get_oid().starts_with(walk.columns[0])) {
        walk.loop->quit();   // the first column has left its table
        return;
    }
    ++walk.rows;
    Pdu next;
    for (int i = 0; i < 3; ++i)
        next += Vb(answer.get_vb(i).get_oid());
    if (session->get_next(next, target, NextRow, 0) != SNMP_CLASS_SUCCESS) {
        walk.failed = true;
        walk.loop->quit();
    }
}

// One walk of the table; false when it failed or did not find every row.
bool WalkOnce(const CTarget& target)
{
    QEventLoop loop;
    walk.loop = &loop;
    walk.rows = 0;
    walk.failed = false;
    Pdu first;
    for (const Oid& column : walk.columns)
        first += Vb(column);
    if (GlobalSnmpSession->get_next(first, target, NextRow, 0) != SNMP_CLASS_SUCCESS)
        return false;
    loop.exec();
    return !walk.failed && walk.rows == WalkTableRows;
}

void SnmplibPumpWalk(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "bench_SnmplibPumpWalk";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    // The boots counter file goes to a directory of its own.
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::filesystem::path dir = pattern;
    InitRequestStatics();
    CreateGlobalSession(dir.string());

    SimSwitch sim(WalkTableSim());
    CTarget target(GenAddress(sim.Address() + "/" + std::to_string(sim.Port())), SimCredentials::ReadCommunity);
    target.set_version(version2c);
    target.set_timeout(500);
    for (int i = 0; i < 3; ++i)
        walk.columns[i] = Oid(std::string(WalkTableEntryOid) + "." + std::to_string(i + 1));

    // The reference on the same switch, timed beside the layer's walk.
    const double reference = SnmptableRowsPerSecond(sim, 3);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!WalkOnce(target)) {
            state.SkipWithError("the walk failed or missed rows");
            break;
        }
    }
    ReportBesideReference(state, start, reference);
    ReleaseRequestStatics();
    std::filesystem::remove_all(dir);
}
BENCHMARK(SnmplibPumpWalk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
