#include "LedPattern.h"

namespace sim {

// Per port and tick: every fifth position is a port without link (state 1: the panel draws
// it absent), every third of the others blinks (state 2, activity), the rest are lit steady
// (state 0). Odd ports show colour 3 (1000 Mbit/s), even ports colour 1 (10/100 Mbit/s);
// ports above 24 are combo ports that switch to the fibre colours (0x10 set) every four ticks.
std::string LedStatusBytes(int ports, std::uint64_t tick)
{
    std::string bytes(6 + 2 * static_cast<std::size_t>(ports > 0 ? ports : 0), '\0');
    bytes[2] = 2;                              // power: on
    bytes[3] = (tick % 10 < 5) ? 2 : 1;        // console: session on and off
    bytes[4] = 1;                              // RPS: none
    bytes[5] = (tick % 30 == 29) ? 2 : 1;      // fan: a short fault now and then
    for (int n = 1; n <= ports; ++n) {
        const std::uint64_t phase = static_cast<std::uint64_t>(n) * 3 + tick;
        unsigned char state = 0;
        unsigned char colour = (n % 2 == 1) ? 3 : 1;
        if (phase % 5 == 0) {
            state = 1;
            colour = 0;
        } else if ((static_cast<std::uint64_t>(n) + tick) % 3 == 0) {
            state = 2;
        }
        if (n > 24 && colour != 0 && (tick / 4) % 2 == 1)
            colour |= 0x10;
        bytes[2 * n + 4] = static_cast<char>(state);
        bytes[2 * n + 5] = static_cast<char>(colour);
    }
    return bytes;
}

} // namespace sim
