#pragma once
// Port numbers across stacking units. A port-number object of the switch holds a global port
// number: port p of unit u is (u - 1) * 64 + p. Shown, n splits into unit n div 64 + 1 and port
// n mod 64, except that a non-zero multiple of 64 is port 64 of unit n div 64, and 0 is port 0
// of unit 0 (no port).

// Ports of one stacking unit in a global port number.
inline constexpr int PortsPerUnitNumber = 64;

struct UnitPort {
    int Unit = 0;
    int Port = 0;
    bool operator==(const UnitPort&) const = default;
};

UnitPort SplitGlobalPort(int globalPort);
int JoinGlobalPort(int unit, int port);
