// BITS values as words, without an agent: every table's word list of a hex text, a value wider
// than its table read from its leading octets, the words back as bits, and the hex reading.

#include "features/switching/BitWords.h"

#include "snmp/VarList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct WordsCase {
    const BitWordTable* table;
    const char* hex;
    const char* words;
};

TEST(BitWords, WordListsOfEveryTable)
{
    const WordsCase cases[] = {
        {&BasicTlvWords, "F0", " Port Description,System Name,System Description,System Capabilities"},
        {&BasicTlvWords, "30", " System Description,System Capabilities"},
        {&BasicTlvWords, "C0", " Port Description,System Name"},
        {&BasicTlvWords, "00", " "},
        {&BasicTlvWords, "0F", " "},
        {&BasicTlvWords, "(NULL)", " "},
        {&BasicTlvWords, "", " "},
        {&BasicTlvWords, "f0", " Port Description,System Name,System Description,System Capabilities"},
        {&Dot3TlvWords, "F0", " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize"},
        {&Dot3TlvWords, "0A", " "},
        {&Dot3TlvWords, "40", " powerViaMDI"},
        {&LocalCapabilityWords, "28", " Bridge,Router"},
        {&LocalCapabilityWords, "40", " Repeater"},
        {&LocalCapabilityWords, "C0", " Other,Repeater"},
        {&LocalCapabilityWords, "04", " Telphone"},
        {&LocalCapabilityWords, "FF",
         " Other,Repeater,Bridge,WLANAccessPoint,Router,Telphone,docsisCableDevice,StationOnly"},
        {&RemoteCapabilityWords, "28", " bridge,router"},
        {&RemoteCapabilityWords, "20", " bridge"},
        {&RemoteCapabilityWords, "04", " telephone"},
        {&LinkAggStatusWords, "C0", " aggCapable,aggEnabled"},
        {&LinkAggStatusWords, "40", " aggEnabled"},
        {&LinkAggStatusWords, "00", " "},
        {&LinkAggStatusWords, "3F", " "},
        // A value wider than its table: its first octet holds the table's bits, so a second
        // octet neither hides them nor lends its bits their words.
        {&RemoteCapabilityWords, "2800", " bridge,router"},
        {&LocalCapabilityWords, "0028", " "},
        {&BasicTlvWords, "F000", " Port Description,System Name,System Description,System Capabilities"},
        {&BasicTlvWords, "0F00", " "},
        {&LinkAggStatusWords, "8040", " aggCapable"},
        // A value no wider than the table is read as the number it spells.
        {&BasicTlvWords, "8", " "},
        {&L2ptpProtocolWords, "C0000000", " stp,gvrp"},
        {&L2ptpProtocolWords, "00000000", " "},
        {&L2ptpProtocolWords, "50000000", " gvrp,mac-01-00-0C-CC-CC-CD"},
        {&L2ptpProtocolWords, "F0000000", " stp,gvrp,mac-01-00-0C-CC-CC-CC,mac-01-00-0C-CC-CC-CD"},
        {&L2ptpProtocolWords, "0F000000", " "},
        {&L2ptpProtocolWords, "80", " "},
        {&L2ptpProtocolWords, "8000000000", " stp"},
    };
    for (const WordsCase& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(WordList(c.hex, *c.table), c.words);
        MvVarItem item;
        item.value = c.hex;
        BitsToNames(item, *c.table);
        EXPECT_EQ(item.value, c.words);
    }
}

TEST(BitWords, WordsBackToBits)
{
    const std::pair<const char*, const char*> cases[] = {
        {" ", "0"},
        {"", "0"},
        {"System Name", "40"},
        {" System Name", "40"},
        {" System Capabilities", "10"},
        {" Port Description,System Name,System Description,System Capabilities", "F0"},
        {" Port Description,System Capabilities", "90"},
        // What stands around the words does not count; their letter case does.
        {"xxSystem Name;; and System Description!", "60"},
        {"system name", "0"},
    };
    for (const auto& [text, hex] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(HexOfWords(text, BasicTlvWords), hex);
        MvVarItem item;
        item.value = text;
        NamesToBits(item, BasicTlvWords);
        EXPECT_EQ(item.value, hex);
    }
    EXPECT_EQ(HexOfWords(" macPhyConfigStatus,powerViaMDI", Dot3TlvWords), "C0");
    EXPECT_EQ(HexOfWords(" gvrp,mac-01-00-0C-CC-CC-CD", L2ptpProtocolWords), "50000000");
    EXPECT_EQ(HexOfWords(" stp,gvrp,mac-01-00-0C-CC-CC-CC,mac-01-00-0C-CC-CC-CD", L2ptpProtocolWords), "F0000000");
    EXPECT_EQ(HexOfWords(" ", L2ptpProtocolWords), "0");
    // A word list read back gives the bits it was made of.
    for (unsigned bits = 0; bits < 0x100; bits += 0x10)
        EXPECT_EQ(ParseHexPrefix(HexOfWords(WordListOf(bits, BasicTlvWords), BasicTlvWords)), bits);
}

TEST(BitWords, ParseHexPrefix)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"F0", 0xF0},      {"0F00", 0xF00},   {"f0", 0xF0},   {"x1", 0},     {"", 0},
        {"(NULL)", 0},     {"1G2", 1},        {"28 00", 0x28}, {"FFFFFFFF", 0xFFFFFFFF},
        // Longer texts keep their last eight digits, as 32 bits do.
        {"123456789ABC", 0x56789ABC},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseHexPrefix(text), value) << text;
}

} // namespace
