// sorvane-sim: one simulated Sorvane switch, an SNMP agent on a loopback address.
#include "Agent.h"
#include "DataFile.h"

#include <arpa/inet.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#ifndef SORVANE_SIM_DATA_DIR
#define SORVANE_SIM_DATA_DIR "sim/data"
#endif
#ifndef SORVANE_DEMO_DATA_DIR
#define SORVANE_DEMO_DATA_DIR "build/release/simdata"
#endif

namespace {

const char* Usage =
    "usage: sorvane-sim --model Ka|Kb|Kc|Kd --listen udp:127.x.y.z:PORT [options]\n"
    "  --demo                 serve every window of the menu: the demo data the build writes for the\n"
    "                         model (" SORVANE_DEMO_DATA_DIR "/demo-M.dat, from sorvane-simdata --demo),\n"
    "                         loaded before any --data file\n"
    "  --data FILE            load a further data file (repeatable; later lines win)\n"
    "  --data-dir DIR         where common.dat and the model files are (default: the source tree)\n"
    "  --state-dir DIR        Net-SNMP configuration and persistent state (default: a temporary directory)\n"
    "  --control PATH         UNIX socket of the control channel (default: STATE-DIR/control)\n"
    "  --generate ENTRY:ROWS[:COLUMNS]  fill a table with ROWS generated rows (3 columns by default)\n"
    "  --read-community NAME  default tarnel\n"
    "  --write-community NAME default quostem\n"
    "  --verbose              Net-SNMP's log on standard error\n"
    "A switch of any model with the tables of every window, for the module to try it against:\n"
    "  sorvane-sim --model Kc --listen udp:127.0.0.1:16300 --demo\n";

int Fail(const std::string& message)
{
    std::cerr << "sorvane-sim: " << message << "\n";
    return 64;
}

// "udp:127.0.0.5:1161" or "127.0.0.5:1161" -> "udp:127.0.0.5:1161"; only loopback addresses.
bool NormaliseListen(std::string text, std::string& out)
{
    if (text.rfind("udp:", 0) == 0)
        text = text.substr(4);
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string address = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    in_addr addr{};
    if (inet_pton(AF_INET, address.c_str(), &addr) != 1 || (ntohl(addr.s_addr) >> 24) != 127)
        return false;
    if (port.empty() || port.find_first_not_of("0123456789") != std::string::npos || std::stoi(port) <= 0
        || std::stoi(port) > 65535)
        return false;
    out = "udp:" + address + ":" + port;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::map<std::string, int> models = {{"Ka", 1}, {"Kb", 2}, {"Kc", 3}, {"Kd", 4}};
    std::string model;
    std::string dataDir = SORVANE_SIM_DATA_DIR;
    std::vector<std::string> dataFiles;
    std::vector<std::string> generators;
    bool demo = false;
    sim::AgentOptions options;
    bool ownStateDir = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc)
                return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--demo") {
            demo = true;
        } else if (!value(v)) {
            return Fail("unknown option or missing value: " + arg + "\n" + Usage);
        } else if (arg == "--model") {
            model = v;
        } else if (arg == "--listen") {
            if (!NormaliseListen(v, options.listen))
                return Fail("--listen needs udp:127.x.y.z:PORT (loopback only): " + v);
        } else if (arg == "--data") {
            dataFiles.push_back(v);
        } else if (arg == "--data-dir") {
            dataDir = v;
        } else if (arg == "--state-dir") {
            options.stateDir = v;
        } else if (arg == "--control") {
            options.controlPath = v;
        } else if (arg == "--generate") {
            generators.push_back(v);
        } else if (arg == "--read-community") {
            options.readCommunity = v;
        } else if (arg == "--write-community") {
            options.writeCommunity = v;
        } else {
            return Fail("unknown option: " + arg + "\n" + Usage);
        }
    }
    if (models.count(model) == 0)
        return Fail("--model must be Ka, Kb, Kc or Kd\n" + std::string(Usage));
    if (options.listen.empty())
        return Fail("--listen is required\n" + std::string(Usage));

    sim::DataModel data;
    try {
        sim::LoadDataFile(data, dataDir + "/common.dat");
        sim::LoadDataFile(data, dataDir + "/model-" + model + ".dat");
        if (demo) {
            const std::string demoFile = std::string(SORVANE_DEMO_DATA_DIR) + "/demo-" + model + ".dat";
            if (!std::filesystem::exists(demoFile))
                return Fail(demoFile + " is missing: build the target demo-data (sorvane-simdata --demo writes it)");
            sim::LoadDataFile(data, demoFile);
        }
        for (const std::string& file : dataFiles)
            sim::LoadDataFile(data, file);
    } catch (const sim::DataFileError& e) {
        return Fail(e.what());
    }
    for (const std::string& spec : generators) {
        // ENTRY:ROWS[:COLUMNS]
        const auto first = spec.find(':');
        const auto second = spec.find(':', first == std::string::npos ? first : first + 1);
        const auto entry = sim::ParseOid(spec.substr(0, first));
        int rows = 0;
        int columns = 3;
        try {
            if (first != std::string::npos)
                rows = std::stoi(spec.substr(first + 1, second - first - 1));
            if (second != std::string::npos)
                columns = std::stoi(spec.substr(second + 1));
        } catch (const std::exception&) {
            rows = 0;
        }
        if (!entry || rows <= 0 || columns < 1)
            return Fail("--generate needs ENTRY:ROWS[:COLUMNS]: " + spec);
        data.GenerateTable(*entry, rows, columns);
    }

    std::error_code ec;
    if (options.stateDir.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-sim-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            return Fail("cannot create a state directory");
        options.stateDir = pattern;
        ownStateDir = true;
    }
    std::filesystem::create_directories(options.stateDir, ec);
    if (ec)
        return Fail("cannot create " + options.stateDir + ": " + ec.message());
    options.stateDir = std::filesystem::absolute(options.stateDir).string();
    if (options.controlPath.empty())
        options.controlPath = options.stateDir + "/control";

    const int code = sim::RunAgent(options, data);
    if (ownStateDir)
        std::filesystem::remove_all(options.stateDir, ec);
    return code;
}
