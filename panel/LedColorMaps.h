#pragma once
// The static data of the front panels: the colour maps that turn LED status bytes into colours
// and the one-row descriptor tables of the LED status value, one per model. The maps are built
// once at start-up, before the main window exists, and freed after it is gone; panels and their
// LED requests keep references to them without owning them.

#include "snmp/LedColorMap.h"
#include "snmp/VarDescriptor.h"

#include <string>

extern MvSNMPLedColorMapList PowerLedMap;
extern MvSNMPLedColorMapList ConsoleLedMap;
extern MvSNMPLedColorMapList RpsLedMap;
extern MvSNMPLedColorMapList FanLedMap;
// Ports 1 to 24: the triangle LED, the strip and the thin strip.
extern MvSNMPLedColorMapList PortLedMap;
extern MvSNMPLedColorMapList PortStripMap;
extern MvSNMPLedColorMapList PortThinStripMap;
// Ports 25 and 26: key 3 shows what keys 1 and 2 show.
extern MvSNMPLedColorMapList UplinkLedMap;
extern MvSNMPLedColorMapList UplinkStripMap;
extern MvSNMPLedColorMapList UplinkThinStripMap;

// swDevInfoFrontPanelLedStatus of models 1 to 4, each one row and the end row.
extern const VarDescriptor LedStatusTable1[];
extern const VarDescriptor LedStatusTable2[];
extern const VarDescriptor LedStatusTable3[];
extern const VarDescriptor LedStatusTable4[];

// The table of the model a sysObjectID text names (1.3.6.1.4.1.171.10.133.N.1), or none.
const VarDescriptor* LedStatusTableOf(const std::string& moduleOid);

// Builds every map on the first call only; frees them in the reverse order of building.
void BuildLedColorMaps();
void FreeLedColorMaps();
