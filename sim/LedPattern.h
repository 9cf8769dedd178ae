#pragma once
// The front-panel LED status octet string of a simulated switch. Byte layout: bytes 0 and 1
// unused (0), 2 power, 3 console, 4 RPS, 5 fan, then two bytes per port n at 2n+4 (state) and
// 2n+5 (colour). The pattern is a pure function of the layout and a tick (whole seconds since
// the agent started), so a reader can predict it.

#include <cstdint>
#include <map>
#include <string>

namespace sim {

// The medium a combo port shows, fixed for the agent's life.
enum class Medium { Copper, Fibre };

struct LedLayout {
    int ports = 0;
    std::map<int, Medium> combo; // combo ports by number
};

std::string LedStatusBytes(const LedLayout& layout, std::uint64_t tick);

} // namespace sim
