#pragma once
// The table every walk benchmark reads: 1,000 generated rows of 3 columns on a simulated switch
// (index, "row-N", a counter), under 1.3.6.1.3.4242.100. bench/SORVANE-BENCH-MIB.txt describes
// it for Net-SNMP's snmptable.

#include "support/SimSwitch.h"

#include <benchmark/benchmark.h>

inline constexpr int WalkTableRows = 1000;
inline constexpr const char* WalkTableOid = "1.3.6.1.3.4242.100";
inline constexpr const char* WalkTableEntryOid = "1.3.6.1.3.4242.100.1";

inline SimSwitchOptions WalkTableSim()
{
    return {"Kb", {"--generate", std::string(WalkTableEntryOid) + ":" + std::to_string(WalkTableRows) + ":3"}};
}

// Reports rows per second of wall-clock time, one walk of the table per iteration.
inline void CountRows(benchmark::State& state)
{
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(WalkTableRows),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}
