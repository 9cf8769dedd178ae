#include "snmp/OctetText.h"

#include "snmp/Convert.h"
#include "snmplib/SmiValues.h"

#include <algorithm>
#include <limits>

namespace {

bool IsHexDigit(char c)
{
    return HexDigitValue(c) >= 0;
}

// A character that is not a hex digit is worth 0.
int HexValue(char c)
{
    return std::max(HexDigitValue(c), 0);
}

// Digit pairs from the start; an odd count gives a leading one-digit octet.
void AppendHexDigits(std::string& out, std::string_view digits)
{
    std::size_t pos = 0;
    if (digits.size() % 2 == 1) {
        out.push_back(static_cast<char>(HexValue(digits[0])));
        pos = 1;
    }
    for (; pos + 1 < digits.size(); pos += 2)
        out.push_back(static_cast<char>(HexValue(digits[pos]) << 4 | HexValue(digits[pos + 1])));
}

bool AllHex(std::string_view text)
{
    for (char c : text)
        if (!IsHexDigit(c))
            return false;
    return true;
}

std::size_t SkipBlanks(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

} // namespace

std::string HexToOctets(std::string_view text)
{
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            digits.push_back(c);

    std::string octets;
    octets.reserve(digits.size() / 2 + 1);
    const std::size_t n = digits.size();
    // An address with a zone only when the separator really separates: all-hex texts of this
    // length are plain values (an 18-octet value prints as 36 digits).
    if (n >= 35 && n <= 37 && !IsHexDigit(digits[32]) && AllHex(std::string_view(digits).substr(0, 32))) {
        AppendHexDigits(octets, std::string_view(digits).substr(0, 32));
        AppendHexDigits(octets, std::string_view(digits).substr(33));
        return octets;
    }
    AppendHexDigits(octets, digits);
    return octets;
}

std::string OctetsToHex(std::string_view octets)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto b = static_cast<unsigned char>(c);
        text.push_back(digits[b >> 4]);
        text.push_back(digits[b & 0x0F]);
    }
    return text;
}

std::string OctetsToPrintable(std::string_view octets)
{
    return std::string(octets.substr(0, octets.find('\0')));
}

std::uint64_t ReadUnsignedDecimal(std::string_view text)
{
    std::size_t pos = SkipBlanks(text);
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            return 0;
        ++pos;
    }
    std::uint64_t value = 0;
    constexpr std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const unsigned d = static_cast<unsigned>(text[pos] - '0');
        value = value > (limit - d) / 10 ? limit : value * 10 + d;
    }
    return value;
}

std::uint32_t TimeTicksFromText(std::string_view text)
{
    std::int64_t total = 0;
    std::string_view rest = text;
    std::size_t at = rest.find("days");
    std::size_t word = 4;
    if (at == std::string_view::npos) {
        at = rest.find("day");
        word = 3;
    }
    if (at != std::string_view::npos) {
        total = ReadDecimal(std::string(rest.substr(0, at))) * 8640000;
        rest.remove_prefix(at + word);
    }
    if (std::size_t comma = rest.find(','); comma != std::string_view::npos)
        rest.remove_prefix(comma + 1);
    if (std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
        total += ReadDecimal(std::string(rest.substr(0, colon))) * 360000;
        rest.remove_prefix(colon + 1);
        if (colon = rest.find(':'); colon != std::string_view::npos) {
            total += ReadDecimal(std::string(rest.substr(0, colon))) * 6000;
            rest.remove_prefix(colon + 1);
        }
    }
    if (std::size_t point = rest.find('.'); point != std::string_view::npos)
        total += ReadDecimal(std::string(rest.substr(0, point))) * 100 + ReadDecimal(std::string(rest.substr(point + 1)));
    return static_cast<std::uint32_t>(total);
}

std::string TimeTicksToText(std::uint32_t ticks)
{
    return TimeTicks(ticks).get_printable();
}
