#pragma once
// BITS values shown as words. A word table names the bits of a value (its masks and words, in the
// order the words are listed) and says how many octets wide the value is. A value travels as a
// hex text ("F0", two digits per octet); a window shows it as a word list: one blank, then the
// words of the set bits joined by "," without blanks (" Port Description,System Name"), or the
// blank alone when no known bit is set. A word list, or whatever the user typed, goes back to a
// hex text by looking for each word in it.
//
//     BitsToNames(list.Item(3), BasicTlvWords);   // "C0" -> " Port Description,System Name"
//     NamesToBits(list.Item(3), BasicTlvWords);   // " System Name" -> "40"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct MvVarItem;

struct BitWord {
    std::uint32_t Mask;
    const char* Word;
};

struct BitWordTable {
    // Octets of the value the masks are bits of: 1 for 0x80 .. 0x01, 4 for 0x80000000 .. 0x1.
    int Width;
    std::span<const BitWord> Words;
};

// The basic TLVs a port transmits.
extern const BitWordTable BasicTlvWords;
// The IEEE 802.3 TLVs a port transmits.
extern const BitWordTable Dot3TlvWords;
// The switch's own system capabilities ("Telphone" is the word the local window has always shown).
extern const BitWordTable LocalCapabilityWords;
// A neighbour's system capabilities.
extern const BitWordTable RemoteCapabilityWords;
// The link aggregation status of a port.
extern const BitWordTable LinkAggStatusWords;
// The layer-2 protocols a tunnelling port carries (four octets, the flags in the first).
extern const BitWordTable L2ptpProtocolWords;

// The number the leading hexadecimal digits of the text spell (0-9, A-F, a-f), up to the first
// other character; 0 when the text does not start with one. Kept in 32 bits: the digits of a
// longer text push the first ones out.
std::uint32_t ParseHexPrefix(std::string_view text);

// The bits of a value's hex text as the table reads them: a text longer than the table's width
// is read from its leading octets (a longer value puts its first octets first), a shorter one as
// the number it spells.
std::uint32_t BitsOfValue(std::string_view hex, const BitWordTable& table);

// The word list of the bits that the table names.
std::string WordListOf(std::uint32_t bits, const BitWordTable& table);
// The word list of a value's hex text.
std::string WordList(std::string_view hex, const BitWordTable& table);

// The bits of every word that occurs in the text (letter case counts; whatever stands around the
// words does not), as upper-case hex without leading zeros: "0" when no word occurs.
std::string HexOfWords(std::string_view text, const BitWordTable& table);

// The item's value text, a hex text, becomes its word list.
void BitsToNames(MvVarItem& item, const BitWordTable& table);
// The item's value text, a word list or what the user typed, becomes a hex text.
void NamesToBits(MvVarItem& item, const BitWordTable& table);
