#include "snmp/OctetText.h"
#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HexToOctets, ReadsDigitPairsLeniently)
{
    struct Case {
        const char* text;
        std::string octets;
    } cases[] = {
        {"", ""},
        {"001AFF", Bytes({0x00, 0x1A, 0xFF})},
        {"1aff", Bytes({0x1A, 0xFF})},
        {"1 A F F", Bytes({0x1A, 0xFF})},
        {"ABC", Bytes({0x0A, 0xBC})},          // odd count: leading one-digit octet
        {"1 2 3 4", Bytes({0x12, 0x34})},
        {"G1", Bytes({0x01})},                 // a non-hex character counts as 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexToOctets(c.text), c.octets) << c.text;
}

TEST(HexToOctets, AddressWithZone)
{
    std::string address = Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0, 0, 0xFF, 0xFE, 0, 0, 0x01});
    EXPECT_EQ(HexToOctets("FE80000000000000020000FFFE000001%05"), address + Bytes({0x05}));
    // Zones of 3 and 4 digits stay within the text.
    EXPECT_EQ(HexToOctets("FE80000000000000020000FFFE000001%123"), address + Bytes({0x01, 0x23}));
    EXPECT_EQ(HexToOctets("FE80000000000000020000FFFE000001%1234"), address + Bytes({0x12, 0x34}));
}

TEST(HexToOctets, AllHexTextsOfZoneLengthArePlainValues)
{
    // 18 octets print as 36 hex digits and must read back unchanged; so must 35 and 37 digits.
    std::string eighteen;
    for (unsigned i = 0; i < 18; ++i)
        eighteen.push_back(static_cast<char>(0xA0 + i));
    EXPECT_EQ(HexToOctets(OctetsToHex(eighteen)), eighteen);
    EXPECT_EQ(HexToOctets(std::string(35, 'F')), Bytes({0x0F}) + std::string(17, '\xFF'));
    EXPECT_EQ(HexToOctets(std::string(37, '1')), Bytes({0x01}) + std::string(18, '\x11'));
}

TEST(OctetText, HexAndPrintable)
{
    EXPECT_EQ(OctetsToHex(Bytes({0x00, 0x1A, 0xFF})), "001AFF");
    EXPECT_EQ(OctetsToHex(""), "");
    EXPECT_EQ(OctetsToPrintable(Bytes({'a', 'b', 'c', 0, 'd'})), "abc");
    EXPECT_EQ(OctetsToPrintable("xyz"), "xyz");
}

TEST(TimeTicks, TextFormsReadBackToTheirCount)
{
    struct Case {
        std::uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {6000, "0:01:00.00"},
        {8639999, "23:59:59.99"},
        {8640005, "1 day 0:00:00.05"},
        {17280000, "2 days, 0:00:00.00"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeTicksToText(c.ticks), c.text);
        EXPECT_EQ(TimeTicksFromText(c.text), c.ticks) << c.text;
    }
}

TEST(TimeTicks, SecondsCountOnlyWithAPoint)
{
    EXPECT_EQ(TimeTicksFromText("1:02:03"), 372000u);
    EXPECT_EQ(TimeTicksFromText("5.5"), 505u);
    EXPECT_EQ(TimeTicksFromText("12345"), 0u);
    EXPECT_EQ(TimeTicksFromText(""), 0u);
    EXPECT_EQ(TimeTicksFromText("3 days"), 25920000u);
}

TEST(ReadUnsignedDecimal, FullRangeAndLenientForms)
{
    EXPECT_EQ(ReadUnsignedDecimal("18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(ReadUnsignedDecimal("99999999999999999999"), 18446744073709551615ull);
    EXPECT_EQ(ReadUnsignedDecimal("  42abc"), 42u);
    EXPECT_EQ(ReadUnsignedDecimal("-5"), 0u);
    EXPECT_EQ(ReadUnsignedDecimal("x"), 0u);
}

} // namespace
