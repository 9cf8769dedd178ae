#pragma once
// The front-panel LED status octet string of a simulated switch. Byte layout: bytes 0 and 1
// unused (0), 2 power, 3 console, 4 RPS, 5 fan, then two bytes per port n at 2n+4 (state) and
// 2n+5 (colour). The pattern is a pure function of the port count and a tick (whole seconds
// since the agent started), so a reader can predict it.

#include <cstdint>
#include <string>

namespace sim {

std::string LedStatusBytes(int ports, std::uint64_t tick);

} // namespace sim
