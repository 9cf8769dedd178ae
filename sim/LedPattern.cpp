#include "LedPattern.h"

namespace sim {

// Ordinary ports mix three states that move with the tick: link down (01 00), steady (00 0k) and
// activity (02 or 82 0k), with colours 1 to 4 by port. Combo ports are always linked with
// activity, so that a panel built at any moment finds their medium: copper colours 01 to 03,
// fibre 11 to 13. No port ever shows a code the panels take for an absent uplink.
std::string LedStatusBytes(const LedLayout& layout, std::uint64_t tick)
{
    const int ports = layout.ports > 0 ? layout.ports : 0;
    std::string bytes(6 + 2 * static_cast<std::size_t>(ports), '\0');
    bytes[2] = 2;                              // power: on
    bytes[3] = (tick % 10 < 5) ? 2 : 1;        // console: session on and off
    bytes[4] = 1;                              // RPS: none
    bytes[5] = (tick % 30 == 29) ? 2 : 1;      // fan: a short fault now and then
    for (int n = 1; n <= ports; ++n) {
        const auto port = static_cast<std::uint64_t>(n);
        const unsigned char activity = ((port + tick) % 2 == 0) ? 0x02 : 0x82;
        unsigned char state = 0;
        unsigned char colour = static_cast<unsigned char>(1 + (n - 1) % 4);
        if (const auto combo = layout.combo.find(n); combo != layout.combo.end()) {
            state = activity;
            colour = static_cast<unsigned char>(1 + (n - 1) % 3);
            if (combo->second == Medium::Fibre)
                colour |= 0x10;
        } else if ((port * 3 + tick) % 5 == 0) {
            state = 1;
            colour = 0;
        } else if ((port + tick) % 3 == 0) {
            state = activity;
        }
        bytes[2 * n + 4] = static_cast<char>(state);
        bytes[2 * n + 5] = static_cast<char>(colour);
    }
    return bytes;
}

} // namespace sim
