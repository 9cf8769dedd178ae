#pragma once
// The guest VLAN windows (802.1X, MAC-based access control, compound authentication) against a
// simulated Sorvane-Kb switch serving tests/support/data/guest-vlans.dat, one switch per test.

#include "SystemInfoFixture.h"

#include <string>
#include <vector>

class GuestVlanWindowTest : public SystemInfoWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"guest-vlans.dat"}; }

    // One line of the data format applied to the running switch.
    void Serve(const std::string& line) { sim->Control("data " + line); }

    // A port list of eight octets as the SET journal writes it: bit k for port k + 1.
    static std::string PortBits(const std::vector<int>& ports)
    {
        std::string octets(8, '\0');
        for (int port : ports)
            octets[static_cast<std::size_t>((port - 1) / 8)] |= static_cast<char>(0x80 >> ((port - 1) % 8));
        return Hex(octets);
    }
};
