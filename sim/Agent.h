#pragma once
// The SNMP agent of one simulated switch: Net-SNMP's agent library acting as its own master
// agent on one loopback UDP address, answering from a DataModel, with the users and
// communities of the simulated switch and the faults of its control channel.

#include "DataModel.h"
#include "Faults.h"

#include <string>

namespace sim {

struct AgentOptions {
    std::string listen;          // "udp:127.0.0.x:port"
    std::string stateDir;        // Net-SNMP configuration and persistent files (engine boots)
    std::string controlPath;     // UNIX socket of the control channel
    std::string readCommunity = "tarnel";
    std::string writeCommunity = "quostem";
    bool verbose = false;
};

// Runs until SIGTERM or SIGINT; returns the process exit code. One agent per process.
int RunAgent(const AgentOptions& options, DataModel& model);

} // namespace sim
