// Reference walk: Net-SNMP's snmptable with GETNEXT only (-CB), one process per walk, as a
// manager on the same machine sees the simulated switch.
#include "WalkTable.h"

#include <regex>

namespace {

int CountGetBulk(SimSwitch& sim)
{
    std::smatch m;
    const std::string stats = sim.Control("stats");
    static const std::regex getbulk("getbulk=(\\d+)");
    return std::regex_search(stats, m, getbulk) ? std::stoi(m[1]) : -1;
}

void SnmptableGetNext(benchmark::State& state)
{
    SimSwitch sim(WalkTableSim());
    for (auto _ : state) {
        if (const std::string error = SnmptableWalk(sim); !error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    if (CountGetBulk(sim) != 0)
        state.SkipWithError("snmptable used GETBULK");
    CountRows(state);
}
BENCHMARK(SnmptableGetNext)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
