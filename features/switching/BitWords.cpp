#include "features/switching/BitWords.h"

#include "snmp/VarList.h"

#include <cstdio>

namespace {

constexpr BitWord BasicTlv[] = {
    {0x80, "Port Description"},
    {0x40, "System Name"},
    {0x20, "System Description"},
    {0x10, "System Capabilities"},
};

constexpr BitWord Dot3Tlv[] = {
    {0x80, "macPhyConfigStatus"},
    {0x40, "powerViaMDI"},
    {0x20, "linkAggregation"},
    {0x10, "maxFrameSize"},
};

constexpr BitWord LocalCapability[] = {
    {0x80, "Other"},
    {0x40, "Repeater"},
    {0x20, "Bridge"},
    {0x10, "WLANAccessPoint"},
    {0x08, "Router"},
    {0x04, "Telphone"},
    {0x02, "docsisCableDevice"},
    {0x01, "StationOnly"},
};

constexpr BitWord RemoteCapability[] = {
    {0x80, "other"},
    {0x40, "repeater"},
    {0x20, "bridge"},
    {0x10, "wlanAccessPoint"},
    {0x08, "router"},
    {0x04, "telephone"},
    {0x02, "docsisCableDevice"},
    {0x01, "stationOnly"},
};

constexpr BitWord LinkAggStatus[] = {
    {0x80, "aggCapable"},
    {0x40, "aggEnabled"},
};

constexpr BitWord L2ptpProtocol[] = {
    {0x80000000, "stp"},
    {0x40000000, "gvrp"},
    {0x20000000, "mac-01-00-0C-CC-CC-CC"},
    {0x10000000, "mac-01-00-0C-CC-CC-CD"},
};

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

const BitWordTable BasicTlvWords{1, BasicTlv};
const BitWordTable Dot3TlvWords{1, Dot3Tlv};
const BitWordTable LocalCapabilityWords{1, LocalCapability};
const BitWordTable RemoteCapabilityWords{1, RemoteCapability};
const BitWordTable LinkAggStatusWords{1, LinkAggStatus};
const BitWordTable L2ptpProtocolWords{4, L2ptpProtocol};

std::uint32_t ParseHexPrefix(std::string_view text)
{
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            break;
        value = value * 16u + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::uint32_t BitsOfValue(std::string_view hex, const BitWordTable& table)
{
    // The masks are the bits of the value's first Width octets: reading a longer value as one
    // number would shift them into its last octet.
    const std::size_t digits = static_cast<std::size_t>(table.Width) * 2;
    return ParseHexPrefix(hex.size() > digits ? hex.substr(0, digits) : hex);
}

std::string WordListOf(std::uint32_t bits, const BitWordTable& table)
{
    std::string text = " ";
    for (const BitWord& row : table.Words) {
        if ((bits & row.Mask) == 0)
            continue;
        if (text != " ")
            text += ',';
        text += row.Word;
    }
    return text;
}

std::string WordList(std::string_view hex, const BitWordTable& table)
{
    return WordListOf(BitsOfValue(hex, table), table);
}

std::string HexOfWords(std::string_view text, const BitWordTable& table)
{
    std::uint32_t bits = 0;
    for (const BitWord& row : table.Words)
        if (text.find(row.Word) != std::string_view::npos)
            bits |= row.Mask;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(bits));
    return hex;
}

void BitsToNames(MvVarItem& item, const BitWordTable& table) { item.value = WordList(item.value, table); }

void NamesToBits(MvVarItem& item, const BitWordTable& table) { item.value = HexOfWords(item.value, table); }
