// Reference walk: Net-SNMP's snmptable with GETNEXT only (-CB), one process per walk, as a
// manager on the same machine sees the simulated switch.
#include "WalkTable.h"

#include "support/SnmpTools.h"

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
    const std::vector<std::string> args = {"-M", std::string(SORVANE_SOURCE_DIR) + "/bench", "-m", "SORVANE-BENCH-MIB",
                                           "-v2c", "-c", SimCredentials::ReadCommunity, "-CB", "-Cf", ",",
                                           "-t", "5", sim.Endpoint(), WalkTableOid};
    for (auto _ : state) {
        const ToolResult r = RunSnmpTool("snmptable", args);
        if (r.exitCode != 0 || r.output.find("\n1000,\"row-1000\",3000") == std::string::npos) {
            state.SkipWithError(("snmptable failed: " + r.output.substr(0, 200)).c_str());
            break;
        }
    }
    if (CountGetBulk(sim) != 0)
        state.SkipWithError("snmptable used GETBULK");
    CountRows(state);
}
BENCHMARK(SnmptableGetNext)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
