#pragma once
// Faults a test can switch on in a running agent, and the control commands that set them.

#include "Oid.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sim {

struct Faults {
    int delayMs = 0;          // every answer waits this long
    int dropCount = 0;        // the next requests that get no answer
    bool silent = false;      // no answers at all
    std::vector<std::pair<Oid, int>> errors; // error-status answered for an OID prefix

    // The injected error-status for a binding's OID, 0 for none. The longest prefix wins.
    int ErrorFor(const Oid& oid) const;
};

// Request counters by PDU type, read through the control channel.
struct RequestCounts {
    std::uint64_t get = 0;
    std::uint64_t getNext = 0;
    std::uint64_t getBulk = 0;
    std::uint64_t set = 0;
};

// Error-status by name (noSuchName, genErr, ...) or number; -1 when unknown.
int ErrorStatusFromText(const std::string& text);

} // namespace sim
