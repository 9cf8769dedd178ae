#pragma once
// The table every walk benchmark reads: 1,000 generated rows of 3 columns on a simulated switch
// (index, "row-N", a counter), under 1.3.6.1.3.4242.100. bench/SORVANE-BENCH-MIB.txt describes
// it for Net-SNMP's snmptable.
//
// A further measurement is one more .cpp file in bench/ (it becomes bench_<file>): start
// SimSwitch(WalkTableSim()), walk the table once per benchmark iteration, and call
// CountRows(state) so scripts/bench prints its rows per second beside the others.

#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

inline constexpr int WalkTableRows = 1000;
inline constexpr const char* WalkTableOid = "1.3.6.1.3.4242.100";
inline constexpr const char* WalkTableEntryOid = "1.3.6.1.3.4242.100.1";

// The table with a number of rows of its own (the list-view walk reads 1,000 to 50,000).
inline SimSwitchOptions WalkTableSim(int rows = WalkTableRows)
{
    return {"Kb", {"--generate", std::string(WalkTableEntryOid) + ":" + std::to_string(rows) + ":3"}};
}

// Reports rows per second of wall-clock time, one walk of the table per iteration.
inline void CountRows(benchmark::State& state)
{
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(WalkTableRows),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

// One reference walk: Net-SNMP's snmptable with GETNEXT only (-CB), one process per walk, as a
// manager on the same machine sees the simulated switch. Empty when it read the whole table
// (of that many rows), else what went wrong.
inline std::string SnmptableWalk(const SimSwitch& sim, int rows = WalkTableRows)
{
    const std::vector<std::string> args = {"-M", std::string(SORVANE_SOURCE_DIR) + "/bench", "-m", "SORVANE-BENCH-MIB",
                                           "-v2c", "-c", SimCredentials::ReadCommunity, "-CB", "-Cf", ",",
                                           "-t", "5", sim.Endpoint(), WalkTableOid};
    const ToolResult r = RunSnmpTool("snmptable", args);
    const std::string n = std::to_string(rows);
    const std::string lastRow = "\n" + n + ",\"row-" + n + "\"," + std::to_string(3 * rows);
    if (r.exitCode != 0 || r.output.find(lastRow) == std::string::npos)
        return "snmptable failed: " + r.output.substr(0, 200);
    return {};
}

// Rows per second of the reference over a few walks, for benchmarks that report beside it; 0
// when a walk failed.
inline double SnmptableRowsPerSecond(const SimSwitch& sim, int walks)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < walks; ++i)
        if (!SnmptableWalk(sim).empty())
            return 0;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return WalkTableRows * walks / seconds;
}

// Rows per second since start and the ratio to the reference rate, for a walk timed beside
// snmptable on the same switch (goal: a ratio of at least 0.5).
inline void ReportBesideReference(benchmark::State& state, std::chrono::steady_clock::time_point start,
                                  double reference)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double rate = seconds > 0 ? WalkTableRows * static_cast<double>(state.iterations()) / seconds : 0;
    CountRows(state);
    state.counters["snmptable rows/s"] = reference;
    state.counters["ratio"] = reference > 0 ? rate / reference : 0;
}
