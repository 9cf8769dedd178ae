#include "snmp/LedColorMap.h"

#include <gtest/gtest.h>

namespace {

constexpr LedColorEntry PortColours[] = {{0, 0x4B4B4B}, {1, 0x4080FF}, {3, 0x00FF00}, {0x102, 0x0000FF}, {2, 0xFFFFFF}, {}};

TEST(LedColorMap, LooksUpTheLowOctetOfTheFirstMatchingKey)
{
    const MvSNMPLedColorMapList map(PortColours, 0x0F, 0x80, 0x808080, -1);
    EXPECT_EQ(map.Count(), 5);
    EXPECT_EQ(map.KeyMask, 0x0F);
    EXPECT_EQ(map.BlinkMask, 0x80);
    EXPECT_EQ(map.DefaultColour, 0x808080);
    EXPECT_EQ(map.AbsentColour, -1);
    struct Case {
        std::uint8_t octet;
        int index;
        std::int32_t colour;
    };
    for (const Case& c : std::initializer_list<Case>{{3, 2, 0x00FF00},
                                                     {0, 0, 0x4B4B4B},
                                                     {2, 3, 0x0000FF}, // key 0x102 answers 2 and shadows key 2
                                                     {4, -1, 0},
                                                     {0x83, -1, 0}}) { // masks are the caller's part
        EXPECT_EQ(map.IndexOfKey(c.octet), c.index) << int(c.octet);
        EXPECT_EQ(map.ColourOf(c.octet), c.colour) << int(c.octet);
    }
}

TEST(LedColorMap, EmptyArraysAndAddedEntries)
{
    constexpr LedColorEntry empty[] = {{}};
    MvSNMPLedColorMapList map(empty, 0xFF, 0, 0, 0);
    EXPECT_EQ(MvSNMPLedColorMapList::CountEntries(nullptr), 0);
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.ColourOf(0), 0);

    constexpr LedColorEntry more[] = {{1, 0x111111}, {5, 0x555555}, {}};
    map.AddEntries(PortColours);
    map.AddEntries(more);
    EXPECT_EQ(map.Count(), 7);
    EXPECT_EQ(map.ColourOf(1), 0x4080FF); // the added key 1 is never found
    EXPECT_EQ(map.ColourOf(5), 0x555555);
}

} // namespace
