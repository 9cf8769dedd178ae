#include "features/common/GlobalPort.h"

UnitPort SplitGlobalPort(int globalPort)
{
    const int unit = globalPort / PortsPerUnitNumber;
    const int port = globalPort % PortsPerUnitNumber;
    if (port != 0)
        return {unit + 1, port};
    // The last port of a unit, or no port at all.
    return {unit, globalPort != 0 ? PortsPerUnitNumber : 0};
}

int JoinGlobalPort(int unit, int port) { return (unit - 1) * PortsPerUnitNumber + port; }
