#include "snmp/Exception.h"
#include "snmp/PartValues.h"
#include "snmp/PortList.h"
#include "snmp/VarDescriptor.h"
#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Text and octets of one syntax that convert into each other both ways.
struct RoundTrip {
    std::int32_t syntax;
    const char* text;
    std::string octets;
};

TEST(PartValues, OctetFormOfEachSyntax)
{
    const RoundTrip cases[] = {
        {boolean, "true", Bytes({1, 0, 0, 0})},
        {boolean, "false", Bytes({0, 0, 0, 0})},
        {integer, "-2", Bytes({0xFE, 0xFF, 0xFF, 0xFF})},
        {integer, "258", Bytes({0x02, 0x01, 0, 0})},
        {counter, "4294967295", Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {guage, "7", Bytes({7, 0, 0, 0})},
        {uinteger, "65536", Bytes({0, 0, 1, 0})},
        {timeticks, "1 day 0:00:00.05", Bytes({0x05, 0xD6, 0x83, 0x00})},
        {counter64, "4294967296", Bytes({0, 0, 0, 0, 1, 0, 0, 0})},
        {syntax_double, "1.5", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},
        {octetstr, "001AFF", Bytes({0x00, 0x1A, 0xFF})},
        {bitlist, "E8", Bytes({0xE8})},
        {objectid, "1.3.258", Bytes({1, 0, 0, 0, 3, 0, 0, 0, 2, 1, 0, 0})},
        {ipaddress, "10.0.0.1", Bytes({10, 0, 0, 1})},
        {nsapaddr, "1.2.3.4", Bytes({1, 2, 3, 4})},
        {macaddress, "001122334455", Bytes({0x00, 0x11, 0x22, 0x33, 0x44, 0x55})},
        {ipv6address, "FE800000000000000000000000000001",
         Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
        {inetaddress, "192.0.2.7", Bytes({192, 0, 2, 7})},
        {inetaddress, "20010DB8000000000000000000000001",
         Bytes({0x20, 0x01, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
        {datetime, "2024-1-2,3:4:5.6,-5:30", Bytes({0x07, 0xE8, 1, 2, 3, 4, 5, 6, '-', 5, 30})},
        {displaystr, "abc", "abc"},
        {bool8, "true", Bytes({1})},
        {int8, "-2", Bytes({0xFE})},
        {uint8, "254", Bytes({0xFE})},
        {bool16, "true", Bytes({0, 1})},
        {bool16, "false", Bytes({0, 0})},
        {int16, "-2", Bytes({0xFF, 0xFE})},
        {uint16, "65534", Bytes({0xFF, 0xFE})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToOctets(c.text, c.syntax), c.octets) << std::hex << c.syntax << " " << c.text;
        EXPECT_EQ(OctetsToText(c.octets, c.syntax), c.text) << std::hex << c.syntax;
    }
}

TEST(PartValues, DateTimeOfTheClassLibrary)
{
    const std::string octets = TextToOctets("2024/01/02 03:04:05", bcdatetime);
    ASSERT_EQ(octets.size(), 8u);
    EXPECT_EQ(OctetsToText(octets, bcdatetime), "2024/01/02 03:04:05");
}

TEST(PartValues, NullAndEmptyValues)
{
    const std::int32_t all[] = {boolean, integer, bitstr, octetstr, null, objectid, ipaddress, counter,
                                guage, timeticks, opaque, nsapaddr, counter64, uinteger, syntax_double,
                                macaddress, datetime, bcdatetime, displaystr, ipv6address, bitlist,
                                inetaddress, bool8, int8, uint8, bool16, int16, uint16};
    for (std::int32_t syntax : all) {
        EXPECT_EQ(TextToOctets("(NULL)", syntax), "") << std::hex << syntax;
        EXPECT_EQ(OctetsToText("", syntax), syntax == displaystr ? "" : "(NULL)") << std::hex << syntax;
    }
}

TEST(PartValues, ShortValuesAndUnknownSyntaxesFail)
{
    const struct {
        std::int32_t syntax;
        std::string octets;
    } shortValues[] = {
        {boolean, Bytes({1, 0, 0})},      {integer, Bytes({1})},          {counter, Bytes({1, 2})},
        {timeticks, Bytes({1, 2, 3})},    {counter64, Bytes({1, 2, 3, 4})}, {syntax_double, Bytes({0})},
        {ipaddress, Bytes({10, 0, 0})},   {macaddress, Bytes({1, 2, 3, 4, 5})},
        {datetime, std::string(10, '\1')}, {bcdatetime, std::string(7, '\0')},
        {ipv6address, std::string(15, '\0')}, {inetaddress, Bytes({1, 2, 3})},
        {bool16, Bytes({1})},             {int16, Bytes({1})},            {uint16, Bytes({1})},
    };
    for (const auto& c : shortValues)
        EXPECT_EQ(CodeOf([&] { OctetsToText(c.octets, c.syntax); }), -518) << std::hex << c.syntax;

    EXPECT_EQ(CodeOf([] { TextToOctets("1", 0x99); }), -511);
    EXPECT_EQ(CodeOf([] { OctetsToText("\1", 0x99); }), -511);
    EXPECT_EQ(CodeOf([] { TextToOctets("(NULL)", 0x99); }), -511);
}

TEST(PartValues, ExtractPart)
{
    const std::string value = Bytes({0x00, 0x01, 0x02, 0x03});
    EXPECT_EQ(ExtractPart(value, 1, uint16), Bytes({0x01, 0x02}));
    EXPECT_EQ(ExtractPart(value, 0, integer), value);
    EXPECT_EQ(ExtractPart(value, 3, uint8), Bytes({0x03}));
    EXPECT_EQ(ExtractPart(value, 2, octetstr), Bytes({0x02, 0x03}));   // the rest of the value
    EXPECT_EQ(ExtractPart(value, 4, displaystr), "");
    EXPECT_EQ(ExtractPart("", 5, uint16), "");
    EXPECT_EQ(ExtractPart(std::string(20, '\1'), 2, inetaddress).size(), 16u);

    EXPECT_EQ(CodeOf([&] { ExtractPart(value, 3, uint16); }), -519);
    EXPECT_EQ(CodeOf([&] { ExtractPart(value, 5, octetstr); }), -519);
    EXPECT_EQ(CodeOf([&] { ExtractPart(value, -1, uint8); }), -519);
    EXPECT_EQ(CodeOf([&] { ExtractPart(value, 0, 0x99); }), -511);
}

TEST(PartValues, PutPartExtendsWithZeros)
{
    std::string value;
    PutPart(value, 1, TextToOctets("772", uint16));
    EXPECT_EQ(value, Bytes({0x00, 0x03, 0x04}));
    PutPart(value, 0, Bytes({0xAA}));
    EXPECT_EQ(value, Bytes({0xAA, 0x03, 0x04}));
}

TEST(PartValues, BitsCountFromTheMostSignificantBit)
{
    const std::string value = Bytes({0xA0, 0x01});
    EXPECT_TRUE(TestValueBit(value, 0));
    EXPECT_FALSE(TestValueBit(value, 1));
    EXPECT_TRUE(TestValueBit(value, 2));
    EXPECT_TRUE(TestValueBit(value, 15));
    EXPECT_EQ(CodeOf([&] { TestValueBit(value, 16); }), -519);

    std::string built;
    PutValueBit(built, 9, true);
    EXPECT_EQ(built, Bytes({0x00, 0x40}));
    PutValueBit(built, 9, false);
    PutValueBit(built, 0, true);
    EXPECT_EQ(built, Bytes({0x80, 0x00}));
}

TEST(PortList, BitmapToRanges)
{
    EXPECT_EQ(BitmapToPortList("E8", false), "1-3,5");
    EXPECT_EQ(BitmapToPortList("E8", true), "1-3,5[E8]");
    EXPECT_EQ(BitmapToPortList("03", false), "7-8");
    EXPECT_EQ(BitmapToPortList("00", false), "0");
    EXPECT_EQ(BitmapToPortList("FF", true), "1-8[FF]");
    EXPECT_EQ(BitmapToPortList("81", false), "1,8");
    EXPECT_EQ(BitmapToPortList("40", false), "2");
    EXPECT_EQ(BitmapToPortList("6001", false), "2-3,16");
    EXPECT_EQ(BitmapToPortList("0180", false), "8-9");
    EXPECT_EQ(BitmapToPortList("e8F", true), "1-3,5[e8F]"); // odd last digit ignored
    EXPECT_EQ(BitmapToPortList("", false), "0");
}

TEST(PortList, RangesToBitmap)
{
    EXPECT_EQ(PortListToBitmap("1-3,5", "00"), "e8");
    EXPECT_EQ(PortListToBitmap("all", std::string(16, '0')), std::string(16, 'f'));
    EXPECT_EQ(PortListToBitmap(",,7,,", "0000"), "0200");
    EXPECT_EQ(PortListToBitmap("16", "0000"), "0001");
    EXPECT_EQ(PortListToBitmap("", "00"), "00");
    EXPECT_EQ(PortListToBitmap("1-2", "E8"), "c0"); // as wide as the current value
    for (const char* bad : {"9", "3-1", "0", "1-9", "-2"})
        EXPECT_FALSE(PortListToBitmap(bad, "00").has_value()) << bad;
}

TEST(PortList, CellHex)
{
    EXPECT_EQ(PortListCellHex("1-3,5[E8]"), "E8");
    EXPECT_EQ(PortListCellHex("E8"), "E8");
    EXPECT_EQ(PortListCellHex("1[E8"), "E8");
}

} // namespace
