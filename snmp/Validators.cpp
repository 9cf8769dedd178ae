#include "Validators.h"

#include "Convert.h"

#include <cstdint>
#include <vector>

namespace {

bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }

bool AllHexDigits(const std::string& text)
{
    for (char c : text)
        if (!IsHexDigit(c))
            return false;
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// A part of a dotted address: 1 to 3 decimal digits. Anything else (a sign, "$", blanks, an
// empty part) counts as 999, which no check admits.
int AddressPart(const std::string& part)
{
    if (part.empty() || part.size() > 3)
        return 999;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            return 999;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The four parts of a dotted IPv4 text, or false.
bool DottedQuad(const std::string& text, int parts[4])
{
    if (text.size() > 16)
        return false;
    const std::vector<std::string> pieces = Split(text, '.');
    if (pieces.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        parts[i] = AddressPart(pieces[static_cast<std::size_t>(i)]);
        if (parts[i] > 255)
            return false;
    }
    return true;
}

int CountOf(const std::string& text, const std::string& characters, std::size_t from = 0)
{
    int n = 0;
    for (std::size_t i = from; i < text.size(); ++i)
        n += characters.find(text[i]) != std::string::npos;
    return n;
}

} // namespace

bool IsValidIPv4Text(const std::string& text)
{
    int parts[4];
    return DottedQuad(text, parts);
}

bool IsMulticastIPv4Text(const std::string& text)
{
    int parts[4];
    return DottedQuad(text, parts) && parts[0] >= 224 && parts[0] <= 239;
}

bool IsValidIPv6HexText(const std::string& text)
{
    return text.size() == 32 && AllHexDigits(text);
}

bool IsValidMACText(const std::string& text)
{
    const char separator = text.find('-') != std::string::npos ? '-' : text.find('.') != std::string::npos ? '.' : '\0';
    if (separator == '\0')
        return text.size() == 12 && AllHexDigits(text);
    const std::vector<std::string> groups = Split(text, separator);
    if (groups.size() != 6)
        return false;
    // Only the first two characters of a group are examined.
    for (const std::string& group : groups)
        if (group.size() < 2 || !IsHexDigit(group[0]) || !IsHexDigit(group[1]))
            return false;
    return true;
}

bool IsMulticastMACText(const std::string& text)
{
    if (text.size() < 2)
        return false;
    if (CountOf(text, "Ff") == 12) // broadcast, with or without separators
        return false;
    if (CountOf(text, "0", 2) > 9)
        return false;
    return std::string("02468ACEace").find(text[1]) == std::string::npos;
}

bool IsUnicastMACText(const std::string& text)
{
    if (text.size() < 2)
        return false;
    if (CountOf(text, "0") == 12) // the all-zero address
        return false;
    return std::string("13579BbDdFf").find(text[1]) == std::string::npos;
}

bool IsValidSubnetMaskText(const std::string& text)
{
    int parts[4];
    if (!DottedQuad(text, parts))
        return false;
    for (int i = 0; i < 4; ++i) {
        switch (parts[i]) {
        case 0: case 128: case 192: case 224: case 240: case 248: case 252: case 254: case 255:
            break;
        default:
            return false;
        }
        if (i < 3 && (parts[i + 1] > parts[i] || (parts[i] < 255 && parts[i + 1] != 0)))
            return false;
    }
    return true;
}

bool IsValidRecoverTimerText(const std::string& text)
{
    std::int64_t value;
    if (text.size() > 10 || !TryStrToInt64(text, value))
        return false;
    return value == 0 || (value >= 60 && value <= 1000000);
}

bool IsValidRateLimitText(const std::string& text)
{
    std::int32_t value;
    if (!TryStrToInt(text, value))
        return false;
    return value == 0 || (value >= 64 && value <= 10240000);
}
