#include "snmp/PartValues.h"

#include "snmp/Convert.h"
#include "snmp/OctetText.h"
#include "snmp/SnmpError.h"
#include "snmp/ValueTypes.h"
#include "snmp/VarDescriptor.h"

#include <cstring>
#include <vector>

namespace {

std::string LittleEndian(std::uint64_t value, int width)
{
    std::string octets(static_cast<std::size_t>(width), '\0');
    for (int i = 0; i < width; ++i)
        octets[static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
    return octets;
}

std::uint64_t FromLittleEndian(std::string_view octets, int width)
{
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(octets[static_cast<std::size_t>(i)]);
    return value;
}

unsigned FromNetworkOrder16(std::string_view octets)
{
    return static_cast<unsigned>(static_cast<unsigned char>(octets[0])) << 8 | static_cast<unsigned char>(octets[1]);
}

std::string NetworkOrder16(unsigned value)
{
    return {static_cast<char>(value >> 8 & 0xFF), static_cast<char>(value & 0xFF)};
}

// Each dotted number as one octet (low 8 bits).
std::string DottedToOctets(std::string_view text)
{
    std::string octets;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        octets.push_back(static_cast<char>(ReadDecimal(std::string(text.substr(start, dot - start))) & 0xFF));
        if (dot == std::string_view::npos)
            return octets;
        start = dot + 1;
    }
}

std::string DottedQuad(std::string_view octets)
{
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i)
            text.push_back('.');
        text += std::to_string(static_cast<unsigned char>(octets[i]));
    }
    return text;
}

std::string DoubleOctets(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return LittleEndian(bits, 8);
}

double OctetsDouble(std::string_view octets)
{
    const std::uint64_t bits = FromLittleEndian(octets, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool HasOctetForm(std::int32_t syntax)
{
    switch (syntax) {
    case boolean: case integer: case null: case objectid: case ipaddress: case nsapaddr: case counter:
    case guage: case timeticks: case counter64: case uinteger: case syntax_double: case bitstr: case octetstr:
    case opaque: case bitlist: case macaddress: case datetime: case bcdatetime: case displaystr:
    case ipv6address: case inetaddress: case bool8: case int8: case uint8: case bool16: case int16: case uint16:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void BadValue()
{
    RaiseFrameworkError(MvCode::BadPartValue);
}

void RequireOctets(std::string_view octets, std::size_t count)
{
    if (octets.size() < count)
        BadValue();
}

} // namespace

std::string MacTextToOctets(const std::string& text)
{
    if (text.empty())
        return {};
    std::string compact;
    for (const char c : text)
        if (c != ' ')
            compact += c;
    const std::size_t separatorAt = compact.find_first_of("-:.");
    std::vector<std::string> groups;
    if (separatorAt == std::string::npos) {
        for (std::size_t i = 0; compact.size() == 12 && i < 12; i += 2)
            groups.push_back(compact.substr(i, 2));
    } else {
        const char separator = compact[separatorAt];
        std::size_t from = 0;
        for (std::size_t at; (at = compact.find(separator, from)) != std::string::npos; from = at + 1)
            groups.push_back(compact.substr(from, at - from));
        groups.push_back(compact.substr(from));
    }
    std::string octets;
    for (const std::string& group : groups) {
        if (group.empty() || group.size() > 2)
            break;
        int value = 0;
        for (const char c : group) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                RaiseFrameworkError(MvCode::BadPartValue);
            value = value * 16 + digit;
        }
        octets += static_cast<char>(value);
    }
    if (groups.size() != 6 || octets.size() != 6)
        RaiseFrameworkError(MvCode::BadPartValue);
    return octets;
}

std::string TextToOctets(const std::string& text, std::int32_t syntax)
{
    if (!HasOctetForm(syntax))
        RaiseFrameworkError(MvCode::BadSyntax);
    if (text == "(NULL)")
        return {};

    switch (syntax) {
    case boolean:
        return LittleEndian(text == "true" ? 1 : 0, 4);
    case integer:
    case counter:
    case guage:
    case uinteger:
        return LittleEndian(static_cast<std::uint64_t>(ReadDecimal(text)), 4);
    case timeticks:
        return LittleEndian(TimeTicksFromText(text), 4);
    case counter64:
        return LittleEndian(ReadUnsignedDecimal(text), 8);
    case syntax_double:
        return DoubleOctets(ReadReal(text));
    case bitstr:
    case octetstr:
    case opaque:
    case bitlist:
    case ipv6address:
        return HexToOctets(text);
    case macaddress:
        return MacTextToOctets(text);
    case null:
        return {};
    case objectid: {
        std::string octets;
        std::size_t start = 0;
        while (true) {
            const std::size_t dot = text.find('.', start);
            octets += LittleEndian(static_cast<std::uint64_t>(ReadDecimal(std::string(text.substr(start, dot - start)))), 4);
            if (dot == std::string::npos)
                return octets;
            start = dot + 1;
        }
    }
    case ipaddress:
    case nsapaddr:
        return DottedToOctets(text);
    case datetime: {
        const auto wire = MvDateTime(text).ToOctets();
        return std::string(wire.begin(), wire.end());
    }
    case bcdatetime:
        return DoubleOctets(StrToDateTime(text));
    case displaystr:
        return text;
    case inetaddress:
        if (text.empty())
            return {};
        return text.size() <= 16 ? DottedToOctets(text) : HexToOctets(text);
    case bool8:
        return std::string(1, text == "true" ? '\1' : '\0');
    case int8:
    case uint8:
        return std::string(1, static_cast<char>(ReadDecimal(text) & 0xFF));
    case bool16:
        return NetworkOrder16(text == "true" ? 1 : 0);
    default: // int16, uint16
        return NetworkOrder16(static_cast<unsigned>(ReadDecimal(text) & 0xFFFF));
    }
}

std::string OctetsToText(std::string_view octets, std::int32_t syntax)
{
    if (!HasOctetForm(syntax))
        RaiseFrameworkError(MvCode::BadSyntax);
    if (octets.empty())
        return syntax == displaystr ? std::string() : std::string("(NULL)");

    switch (syntax) {
    case boolean:
        RequireOctets(octets, 4);
        return FromLittleEndian(octets, 4) != 0 ? "true" : "false";
    case integer:
        RequireOctets(octets, 4);
        return std::to_string(static_cast<std::int32_t>(FromLittleEndian(octets, 4)));
    case counter:
    case guage:
    case uinteger:
        RequireOctets(octets, 4);
        return std::to_string(FromLittleEndian(octets, 4));
    case timeticks:
        RequireOctets(octets, 4);
        return TimeTicksToText(static_cast<std::uint32_t>(FromLittleEndian(octets, 4)));
    case counter64:
        RequireOctets(octets, 8);
        return std::to_string(FromLittleEndian(octets, 8));
    case syntax_double:
        RequireOctets(octets, 8);
        return FloatToStr(OctetsDouble(octets));
    case bitstr:
    case octetstr:
    case opaque:
    case bitlist:
        return OctetsToHex(octets);
    case macaddress:
        RequireOctets(octets, 6);
        return OctetsToHex(octets);
    case ipv6address:
        RequireOctets(octets, 16);
        return OctetsToHex(octets);
    case null:
        return "(NULL)";
    case objectid: {
        std::string text;
        for (std::size_t i = 0; i + 4 <= octets.size(); i += 4) {
            if (i)
                text.push_back('.');
            text += std::to_string(FromLittleEndian(octets.substr(i), 4));
        }
        return text;
    }
    case ipaddress:
    case nsapaddr:
        RequireOctets(octets, 4);
        return DottedQuad(octets);
    case datetime:
        RequireOctets(octets, 11);
        return MvDateTime::FromOctets(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size()).Format();
    case bcdatetime:
        RequireOctets(octets, 8);
        return DateTimeToText(OctetsDouble(octets));
    case displaystr:
        return std::string(octets);
    case inetaddress:
        if (octets.size() >= 16)
            return OctetsToHex(octets);
        RequireOctets(octets, 4);
        return DottedQuad(octets);
    case bool8:
        return octets[0] != 0 ? "true" : "false";
    case int8:
        return std::to_string(static_cast<signed char>(octets[0]));
    case uint8:
        return std::to_string(static_cast<unsigned char>(octets[0]));
    case bool16:
        RequireOctets(octets, 2);
        return FromNetworkOrder16(octets) != 0 ? "true" : "false";
    case int16:
        RequireOctets(octets, 2);
        return std::to_string(static_cast<std::int16_t>(FromNetworkOrder16(octets)));
    default: // uint16
        RequireOctets(octets, 2);
        return std::to_string(FromNetworkOrder16(octets));
    }
}

int PartWidth(std::int32_t syntax, std::size_t wholeSize)
{
    switch (syntax) {
    case boolean: case integer: case ipaddress: case nsapaddr: case counter: case guage: case uinteger:
    case timeticks:
        return 4;
    case counter64: case syntax_double: case bcdatetime:
        return 8;
    case macaddress:
        return 6;
    case datetime:
        return 11;
    case ipv6address:
        return 16;
    case inetaddress:
        return wholeSize > 15 ? 16 : 4;
    case bool8: case int8: case uint8:
        return 1;
    case bool16: case int16: case uint16:
        return 2;
    case null:
        return 0;
    case bitstr: case octetstr: case objectid: case opaque: case bitlist: case displaystr:
        return -1;
    default:
        RaiseFrameworkError(MvCode::BadSyntax);
    }
}

std::string ExtractPart(std::string_view octets, int offset, std::int32_t syntax)
{
    const int width = PartWidth(syntax, octets.size());
    if (octets.empty())
        return {};
    if (offset < 0 || static_cast<std::size_t>(offset) > octets.size())
        RaiseFrameworkError(MvCode::PartIndexOutOfRange);
    const std::size_t start = static_cast<std::size_t>(offset);
    if (width < 0)
        return std::string(octets.substr(start));
    if (octets.size() - start < static_cast<std::size_t>(width))
        RaiseFrameworkError(MvCode::PartIndexOutOfRange);
    return std::string(octets.substr(start, static_cast<std::size_t>(width)));
}

void PutPart(std::string& octets, int offset, std::string_view part)
{
    const std::size_t start = static_cast<std::size_t>(offset < 0 ? 0 : offset);
    if (octets.size() < start + part.size())
        octets.resize(start + part.size(), '\0');
    octets.replace(start, part.size(), part);
}

bool TestValueBit(std::string_view octets, int bit)
{
    if (bit < 0 || static_cast<std::size_t>(bit / 8) >= octets.size())
        RaiseFrameworkError(MvCode::PartIndexOutOfRange);
    return (static_cast<unsigned char>(octets[static_cast<std::size_t>(bit / 8)]) & (0x80u >> (bit % 8))) != 0;
}

void PutValueBit(std::string& octets, int bit, bool on)
{
    if (bit < 0)
        RaiseFrameworkError(MvCode::PartIndexOutOfRange);
    const std::size_t index = static_cast<std::size_t>(bit / 8);
    if (octets.size() <= index)
        octets.resize(index + 1, '\0');
    const auto mask = static_cast<unsigned char>(0x80u >> (bit % 8));
    auto& octet = reinterpret_cast<unsigned char&>(octets[index]);
    octet = static_cast<unsigned char>(on ? octet | mask : octet & ~mask);
}
