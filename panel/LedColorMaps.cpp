#include "panel/LedColorMaps.h"

#include <array>

MvSNMPLedColorMapList PowerLedMap;
MvSNMPLedColorMapList ConsoleLedMap;
MvSNMPLedColorMapList RpsLedMap;
MvSNMPLedColorMapList FanLedMap;
MvSNMPLedColorMapList PortLedMap;
MvSNMPLedColorMapList PortStripMap;
MvSNMPLedColorMapList PortThinStripMap;
MvSNMPLedColorMapList UplinkLedMap;
MvSNMPLedColorMapList UplinkStripMap;
MvSNMPLedColorMapList UplinkThinStripMap;

const VarDescriptor LedStatusTable1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.1.4", "swDevInfoFrontPanelLedStatus", octetstr, readonly, nullptr},
    {},
};
const VarDescriptor LedStatusTable2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.1.4", "swDevInfoFrontPanelLedStatus", octetstr, readonly, nullptr},
    {},
};
const VarDescriptor LedStatusTable3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.1.4", "swDevInfoFrontPanelLedStatus", octetstr, readonly, nullptr},
    {},
};
const VarDescriptor LedStatusTable4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.1.4", "swDevInfoFrontPanelLedStatus", octetstr, readonly, nullptr},
    {},
};

const VarDescriptor* LedStatusTableOf(const std::string& moduleOid)
{
    if (moduleOid == "1.3.6.1.4.1.171.10.133.1.1")
        return LedStatusTable1;
    if (moduleOid == "1.3.6.1.4.1.171.10.133.2.1")
        return LedStatusTable2;
    if (moduleOid == "1.3.6.1.4.1.171.10.133.3.1")
        return LedStatusTable3;
    if (moduleOid == "1.3.6.1.4.1.171.10.133.4.1")
        return LedStatusTable4;
    return nullptr;
}

namespace {

// 0x00BBGGRR.
constexpr std::int32_t Black = 0;
constexpr std::int32_t Lime = 0x00FF00;
constexpr std::int32_t Red = 0x0000FF;
constexpr std::int32_t DarkGrey = 0x4B4B4B;
constexpr std::int32_t Orange = 0x4080FF;
constexpr std::int32_t Amber = 0x04A6FD;
constexpr std::int32_t Green = 0x05B135;
constexpr std::int32_t Yellow = 0x07E8FA;
constexpr std::int32_t LightGreen = 0x7CF759;

constexpr LedColorEntry SystemEntries[] = {{0, Black}, {1, Black}, {2, Lime}, {}};
constexpr LedColorEntry RpsEntries[] = {{0, Black}, {1, Black}, {2, Lime}, {3, Black}, {}};
constexpr LedColorEntry FanEntries[] = {{0, Black}, {1, Black}, {2, Red}, {}};
constexpr LedColorEntry PortLedEntries[] = {{0, DarkGrey}, {1, Orange}, {2, Orange}, {3, Lime}, {4, Lime}, {}};
constexpr LedColorEntry PortStripEntries[] = {{0, Black}, {1, Amber}, {2, Amber}, {3, Green}, {4, Green}, {}};
constexpr LedColorEntry PortThinStripEntries[] = {
    {0, Black}, {1, Yellow}, {2, Yellow}, {3, LightGreen}, {4, LightGreen}, {}};
constexpr LedColorEntry UplinkLedEntries[] = {{0, DarkGrey}, {1, Orange}, {2, Orange}, {3, Orange}, {4, Lime}, {}};
constexpr LedColorEntry UplinkStripEntries[] = {{0, Black}, {1, Amber}, {2, Amber}, {3, Amber}, {4, Green}, {}};
constexpr LedColorEntry UplinkThinStripEntries[] = {
    {0, Black}, {1, Yellow}, {2, Yellow}, {3, Yellow}, {4, LightGreen}, {}};

struct MapRow {
    MvSNMPLedColorMapList* map;
    const LedColorEntry* entries;
    std::uint8_t blinkMask;
};

// The order of building; freeing runs it backwards. Every map: key mask 7, default and absent
// colour black.
const std::array<MapRow, 10> Maps = {{
    {&PowerLedMap, SystemEntries, 0},
    {&ConsoleLedMap, SystemEntries, 0},
    {&RpsLedMap, RpsEntries, 0},
    {&FanLedMap, FanEntries, 2},
    {&PortLedMap, PortLedEntries, 7},
    {&PortStripMap, PortStripEntries, 0},
    {&PortThinStripMap, PortThinStripEntries, 0},
    {&UplinkLedMap, UplinkLedEntries, 7},
    {&UplinkStripMap, UplinkStripEntries, 0},
    {&UplinkThinStripMap, UplinkThinStripEntries, 0},
}};

int BuildCount = 0;

} // namespace

void BuildLedColorMaps()
{
    if (BuildCount++ != 0)
        return;
    for (const MapRow& row : Maps)
        row.map->Init(row.entries, 7, row.blinkMask, Black, Black);
}

void FreeLedColorMaps()
{
    if (BuildCount == 0 || --BuildCount != 0)
        return;
    for (auto row = Maps.rbegin(); row != Maps.rend(); ++row)
        row->map->Free();
}
