#include "snmp/IndexCodec.h"

#include "snmp/Convert.h"
#include "snmp/OctetText.h"
#include "snmp/SnmpError.h"
#include "snmp/TypedValues.h"
#include "snmp/ValueTypes.h"
#include "snmp/VarDescriptor.h"

#include <cstring>
#include <vector>

namespace {

using SubIds = std::vector<std::uint32_t>;

SubIds ParseSubIds(const std::string& dotted)
{
    SubIds ids;
    if (dotted.empty())
        return ids;
    std::size_t start = dotted[0] == '.' ? 1 : 0;
    while (true) {
        const std::size_t dot = dotted.find('.', start);
        ids.push_back(static_cast<std::uint32_t>(ReadUnsignedDecimal(std::string_view(dotted).substr(start, dot - start))));
        if (dot == std::string::npos)
            return ids;
        start = dot + 1;
    }
}

// The sub-identifiers from position count on, as the text after count dots.
std::string RestAfter(const std::string& instance, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count; ++i) {
        pos = instance.find('.', pos);
        if (pos == std::string::npos)
            return {};
        ++pos;
    }
    return instance.substr(pos);
}

// Each sub-identifier stands for an octet through its low 8 bits.
std::string Octets(const SubIds& ids, std::size_t first, std::size_t end)
{
    std::string octets;
    for (std::size_t i = first; i < end; ++i)
        octets.push_back(static_cast<char>(ids[i] & 0xFF));
    return octets;
}

// Sub-identifiers first to end, dotted, each cut by mask.
std::string Dotted(const SubIds& ids, std::size_t first, std::size_t end, std::uint32_t mask = 0xFFFFFFFF)
{
    std::string text;
    for (std::size_t i = first; i < end; ++i) {
        if (i > first)
            text.push_back('.');
        text += std::to_string(ids[i] & mask);
    }
    return text;
}

// An address of octets, one per sub-identifier.
std::string DottedOctets(const SubIds& ids, std::size_t first, std::size_t end)
{
    return Dotted(ids, first, end, 0xFF);
}

double DoubleOf(std::uint32_t low, std::uint32_t high)
{
    const std::uint64_t bits = static_cast<std::uint64_t>(high) << 32 | low;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void AppendDouble(SubIds& ids, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    ids.push_back(static_cast<std::uint32_t>(bits));
    ids.push_back(static_cast<std::uint32_t>(bits >> 32));
}

void AppendOctets(SubIds& ids, const std::string& octets, bool withLength)
{
    if (withLength)
        ids.push_back(static_cast<std::uint32_t>(octets.size()));
    for (char c : octets)
        ids.push_back(static_cast<unsigned char>(c));
}

} // namespace

std::string DecodeIndexValue(const IndexColumn& column, const std::string& instance, std::string& value)
{
    const SubIds s = ParseSubIds(instance);
    const std::size_t n = s.size();
    // Reading is by position; a malformed instance must not be read past its end.
    auto need = [n](std::size_t count) {
        if (count > n)
            RaiseFrameworkError(MvCode::BadKeyCount);
    };
    // A length sub-identifier s0 followed by that many sub-identifiers.
    auto lengthPrefixed = [&]() -> std::size_t {
        need(1);
        need(std::size_t(1) + s[0]);
        return std::size_t(1) + s[0];
    };
    const bool lastOrImplied = column.last || column.implied;
    const bool lastAndImplied = column.last && column.implied;
    std::size_t consumed = 0;

    switch (column.syntax) {
    case boolean:
        need(1);
        value = s[0] != 0 ? "true" : "false";
        consumed = 1;
        break;
    case integer:
        need(1);
        value = std::to_string(static_cast<std::int32_t>(s[0]));
        consumed = 1;
        break;
    case counter:
    case guage:
    case uinteger:
        need(1);
        value = std::to_string(s[0]);
        consumed = 1;
        break;
    case timeticks:
        need(1);
        value = TimeTicksToText(s[0]);
        consumed = 1;
        break;
    case null:
        value = "(NULL)";
        break;
    case ipaddress:
    case nsapaddr:
        need(4);
        value = DottedOctets(s, 0, 4);
        consumed = 4;
        break;
    case macaddress:
        need(6);
        value = OctetsToHex(Octets(s, 0, 6));
        consumed = 6;
        break;
    case counter64:
        need(2);
        value = std::to_string(static_cast<std::uint64_t>(s[0]) << 32 | s[1]);
        consumed = 2;
        break;
    case syntax_double:
    case bcdatetime:
        need(2);
        value = column.syntax == syntax_double ? FloatToStr(DoubleOf(s[0], s[1])) : DateTimeToText(DoubleOf(s[0], s[1]));
        consumed = 2;
        break;
    case datetime: {
        need(11);
        const std::string octets = Octets(s, 0, 11);
        value = MvDateTime::FromOctets(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size()).Format();
        consumed = 11;
        break;
    }
    case bitstr:
    case opaque:
    case bitlist:
    case octetstr:
        if (lastOrImplied) {
            value = OctetsToHex(Octets(s, n > 0 ? 1 : 0, n));
            consumed = n;
        } else if (column.syntax == octetstr && n == 9 && column.position == 1) {
            value = OctetsToHex(Octets(s, 0, 8));
            consumed = 8;
        } else {
            consumed = lengthPrefixed();
            value = OctetsToHex(Octets(s, 1, consumed));
        }
        break;
    case objectid:
        if (lastAndImplied) {
            value = instance;
            consumed = n;
        } else {
            consumed = lengthPrefixed();
            value = Dotted(s, 1, consumed);
        }
        break;
    case displaystr:
        if (lastAndImplied) {
            value = OctetsToPrintable(Octets(s, 0, n));
            consumed = n;
        } else {
            consumed = lengthPrefixed();
            value = OctetsToPrintable(Octets(s, 1, consumed));
        }
        break;
    case ipv6address:
        if (lastAndImplied) {
            value = OctetsToHex(Octets(s, 0, n));
            consumed = n;
        } else {
            need(16);
            value = OctetsToHex(Octets(s, 0, 16));
            consumed = 16;
        }
        break;
    case inetaddress:
        if (lastOrImplied) {
            if (n <= 5) {
                need(4);
                value = DottedOctets(s, n - 4, n);
            } else if (n <= 17) {
                value = OctetsToHex(Octets(s, 1, n));
            } else {
                value = OctetsToHex(Octets(s, 1, 17)) + "%" + instance.substr(instance.size() - 4);
            }
            consumed = n;
        } else if (n >= 17) {
            value = OctetsToHex(Octets(s, 1, 17));
            consumed = 17;
        } else if ((n >= 5 && n <= 15) || (n == 16 && column.keyCount == 6)) {
            value = DottedOctets(s, 1, 5);
            consumed = 5;
        } else {
            need(4);
            value = DottedOctets(s, 0, 4);
            consumed = 4;
        }
        break;
    default:
        RaiseFrameworkError(MvCode::BadSyntax);
    }
    return RestAfter(instance, consumed);
}

std::string EncodeIndexValue(const IndexColumn& column, const std::string& value)
{
    const bool lastAndImplied = column.last && column.implied;
    SubIds ids;
    switch (column.syntax) {
    case boolean:
        ids.push_back(value == "true" ? 1 : 0);
        break;
    case integer:
    case counter:
    case guage:
    case uinteger:
        ids.push_back(static_cast<std::uint32_t>(ReadDecimal(value)));
        break;
    case null:
        break;
    case bitstr:
    case octetstr:
    case opaque:
    case bitlist:
        AppendOctets(ids, HexToOctets(value), !lastAndImplied);
        break;
    case objectid: {
        const SubIds oid = ParseSubIds(value);
        if (!lastAndImplied)
            ids.push_back(static_cast<std::uint32_t>(oid.size()));
        ids.insert(ids.end(), oid.begin(), oid.end());
        break;
    }
    case ipaddress:
    case nsapaddr: {
        SubIds quad = ParseSubIds(value);
        quad.resize(4, 0);
        ids = quad;
        break;
    }
    case timeticks:
        ids.push_back(TimeTicksFromText(value));
        break;
    case counter64: {
        const std::uint64_t number = ReadUnsignedDecimal(value);
        ids.push_back(static_cast<std::uint32_t>(number >> 32));
        ids.push_back(static_cast<std::uint32_t>(number));
        break;
    }
    case syntax_double:
        AppendDouble(ids, ReadReal(value));
        break;
    case bcdatetime:
        AppendDouble(ids, StrToDateTime(value));
        break;
    case datetime: {
        const auto wire = MvDateTime(value).ToOctets();
        ids.assign(wire.begin(), wire.end());
        break;
    }
    case macaddress:
    case ipv6address: {
        const std::size_t width = column.syntax == macaddress ? 6 : 16;
        const std::string octets = HexToOctets(value);
        if (octets.size() >= width)
            AppendOctets(ids, octets.substr(0, width), false);
        break;
    }
    case displaystr:
        AppendOctets(ids, value, !lastAndImplied);
        break;
    case inetaddress: {
        const std::size_t length = value.size();
        if (length < 16)
            return "4." + value;
        if (length <= 32 || length >= 70) {
            AppendOctets(ids, HexToOctets(value), !lastAndImplied);
            break;
        }
        // An IPv6 address with its zone.
        const std::string address = HexToOctets(value.substr(0, 32));
        ids.push_back(static_cast<std::uint32_t>(address.size() + 1));
        AppendOctets(ids, address, false);
        std::string text = Dotted(ids, 0, ids.size());
        if (length > 34)
            text += "." + value.substr(value.find('%') != std::string::npos ? 33 : 32, 4);
        return text;
    }
    default:
        RaiseFrameworkError(MvCode::BadSyntax);
    }
    return Dotted(ids, 0, ids.size());
}

void CheckIndexValue(const IndexColumn& column, const std::string& value)
{
    // A key is never null: "(NULL)" would name the row 0 or 0.0.0.0 as well.
    std::int64_t min = 0, max = 0;
    const bool number = NumberRangeOf(column.syntax, min, max);
    const bool address = column.syntax == ipaddress || column.syntax == nsapaddr;
    if ((number || address) && value == "(NULL)")
        RaiseBadValue(column.syntax);
    if (number || address)
        CheckValueText(value, column.syntax);
}
