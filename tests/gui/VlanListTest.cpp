// VLAN list texts and the bitmaps of one block of 512 VLANs, both ways, and the check of a
// block's list before it is written.

#include "support/FormTest.h"

#include "gui/VlanList.h"

#include "snmp/Exception.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

// 128 hexadecimal digits: the given octets first, then zero octets.
std::string Bitmap(const std::string& start, char fill = '0')
{
    return start + std::string(128 - start.size(), fill);
}

struct ListToHexCase {
    const char* list;
    std::string hex;
};

TEST(VlanList, ListTextsBecomeTheirBitmaps)
{
    const ListToHexCase cases[] = {
        {"1-3,5", Bitmap("E8")},
        {"512", Bitmap("", '0').substr(0, 126) + "01"},
        {"513", Bitmap("80")},
        {"1", Bitmap("80")},
        {",,7,,", Bitmap("02")},
        {"7", Bitmap("02")},
        // 0 is the empty list the bitmaps read back as; alone, in a list, or opening a range.
        {"0", Bitmap("")},
        {"0,5", Bitmap("08")},
        {"0-3", Bitmap("E0")},
        // A block's edit wraps its numbers: 600 is bit 87, as 88 is.
        {"600", Bitmap("0000000000000000000001")},
        {"1-512", Bitmap("", 'F')},
        {"", Bitmap("")},
    };
    for (const ListToHexCase& c : cases) {
        std::string text = c.list;
        VlanListTextToHex(text);
        EXPECT_EQ(text, c.hex) << c.list;
    }
}

TEST(VlanList, ADescendingRangeLeavesTheTextAsItIs)
{
    std::string text = "1,5-3";
    VlanListTextToHex(text);
    EXPECT_EQ(text, "1,5-3");
    VlanFlags flags;
    EXPECT_FALSE(ParseVlanListText("5-3", flags));
}

TEST(VlanList, AnItemThatIsNoNumberRaisesTheConversionError)
{
    for (const char* list : {"abc", "1,x", "3-", "-5", "1-2-3"}) {
        std::string text = list;
        EXPECT_THROW(VlanListTextToHex(text), EConvertError) << list;
    }
}

TEST(VlanList, AHugeRangeSetsEachFlagOnce)
{
    const auto start = std::chrono::steady_clock::now();
    std::string text = "1-2000000000";
    VlanListTextToHex(text);
    EXPECT_EQ(text, Bitmap("", 'F'));
    // Generous: the range must not be walked number by number (seconds).
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

TEST(VlanList, PackEightFlagsPutsTheFirstInTheHighBit)
{
    const bool flags[8] = {true, false, false, false, false, false, false, true};
    EXPECT_EQ(PackEightFlags(flags), 0x81);
}

struct HexToListCase {
    std::string hex;
    int block;
    const char* list;
};

TEST(VlanList, BitmapsReadBackAsLists)
{
    const HexToListCase cases[] = {
        {Bitmap("E8"), 0, "1-3,5"},
        {Bitmap("", 'F'), 1, "513-1024"},
        {Bitmap(""), 0, "0"},
        {Bitmap("", '0').substr(0, 126) + "01", 0, "512"},
        {Bitmap("", '0').substr(0, 126) + "03", 7, "4095-4096"},
        {Bitmap("C0"), 0, "1-2"},
        {Bitmap("A0"), 0, "1,3"},
        // Not hexadecimal digits count as 0.
        {Bitmap("8x8G"), 0, "1,9"},
        // An odd last digit is the high half of a last octet.
        {"E", 0, "1-3"},
        {"018", 0, "8-9"},
        {"", 0, "0"},
    };
    for (const HexToListCase& c : cases)
        EXPECT_EQ(VlanHexToListText(c.hex, c.block), c.list) << c.hex << " block " << c.block;
    EXPECT_EQ(VlanHexToListText("E8", 0, true), "1-3,5[E8]");
}

TEST(VlanList, AListRoundTripsThroughItsBitmap)
{
    for (const char* list : {"1-3,5", "2,4,6-9,511-512", "0"}) {
        std::string text = list;
        VlanListTextToHex(text);
        EXPECT_EQ(VlanHexToListText(text, 0), list);
    }
}

struct BlockCase {
    const char* text;
    int block;
    bool accepted;
};

TEST(VlanList, ABlockTakesOnlyListsOfItsOwnVlans)
{
    const BlockCase cases[] = {
        {"513-600,700,1024", 1, true},
        {"", 1, true},
        {"0", 1, true},
        {"1-512", 0, true},
        {"4094", 7, true},
        {"4095", 7, false},
        {"10", 1, false},
        {"4095", 1, false},
        {"600-1025", 1, false},
        {"20-10", 0, false},
        {"abc", 0, false},
        {"1,,x", 0, false},
        {"0,5", 0, false},
        {"0-3", 0, false},
        {"-5", 0, false},
        {"$10", 0, false},
        {",", 0, false},
        {"5 ", 0, false},
    };
    for (const BlockCase& c : cases)
        EXPECT_EQ(IsVlanBlockListText(c.text, c.block), c.accepted) << '"' << c.text << "\" block " << c.block;
    EXPECT_EQ(VlanBlockCaption(0), "1-512");
    EXPECT_EQ(VlanBlockCaption(7), "3585-4094");
}

class VlanBlockCheck : public FormTest {};

TEST_F(VlanBlockCheck, ARefusedListIsNamedWithItsBlock)
{
    EXPECT_TRUE(CheckVlanBlockText(nullptr, "600", 1));
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_FALSE(CheckVlanBlockText(nullptr, "10", 1));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a VLAN list within 513-1024."});
    // The last block ends at the last VLAN ID, as its caption says.
    ClearMessageBoxes();
    EXPECT_FALSE(CheckVlanBlockText(nullptr, "4000-4095", 7));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a VLAN list within 3585-4094."});
}

} // namespace
