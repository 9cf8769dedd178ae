#include "snmp/ValueCodec.h"

#include "snmp/Convert.h"
#include "snmp/OctetText.h"
#include "snmp/PartValues.h"
#include "snmp/SnmpError.h"
#include "snmp/TypedValues.h"
#include "snmp/ValueTypes.h"
#include "snmp/VarDescriptor.h"
#include "snmplib/Vb.h"


namespace {

std::string OctetsOf(const Vb& vb)
{
    OctetStr octets;
    vb.get_value(octets);
    return octets.get_string();
}

// A value carried in a fixed number of octets; missing octets of a short value read as 0.
std::string FixedWidthText(const Vb& vb, std::int32_t syntax, std::size_t width)
{
    std::string octets = OctetsOf(vb);
    if (octets.size() < width)
        octets.resize(width, '\0');
    return OctetsToText(octets, syntax);
}

bool HasWireForm(std::int32_t syntax)
{
    switch (syntax) {
    case boolean: case integer: case bitstr: case octetstr: case null: case objectid: case ipaddress:
    case counter: case guage: case timeticks: case opaque: case nsapaddr: case counter64: case uinteger:
    case syntax_double: case macaddress: case datetime: case bcdatetime: case displaystr: case ipv6address:
    case bitlist: case inetaddress:
        return true;
    default:
        return false;
    }
}

// The syntaxes whose empty value is an empty text rather than "(NULL)".
bool KeepsEmptyValue(std::int32_t syntax)
{
    switch (syntax) {
    case bitstr: case octetstr: case opaque: case macaddress: case ipv6address: case bitlist: case inetaddress:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string VbToValueText(const Vb& vb, std::int32_t syntax)
{
    std::string text;
    switch (syntax) {
    case boolean: {
        long value = 0;
        vb.get_value(value);
        text = value != 0 ? "true" : "false";
        break;
    }
    case integer: {
        long value = 0;
        vb.get_value(value);
        text = std::to_string(value);
        break;
    }
    case bitstr:
    case octetstr:
    case opaque:
    case bitlist:
    case macaddress:
    case ipv6address:
        text = OctetsToHex(OctetsOf(vb));
        break;
    case null:
        text = "(NULL)";
        break;
    case objectid: {
        Oid value;
        vb.get_value(value);
        text = value.get_printable();
        break;
    }
    case ipaddress:
    case nsapaddr: {
        IpAddress value;
        vb.get_value(value);
        text = value.get_printable();
        break;
    }
    case counter:
    case guage:
    case uinteger: {
        unsigned long value = 0;
        vb.get_value(value);
        text = std::to_string(value);
        break;
    }
    case timeticks: {
        TimeTicks value;
        vb.get_value(value);
        text = TimeTicksToText(value);
        break;
    }
    case counter64: {
        Counter64 value;
        vb.get_value(value);
        text = std::to_string(static_cast<std::uint64_t>(value));
        break;
    }
    case syntax_double:
    case bcdatetime:
        text = FixedWidthText(vb, syntax, 8);
        break;
    case datetime:
        text = FixedWidthText(vb, syntax, MvDateTime::WireSize);
        break;
    case displaystr:
        text = OctetsToPrintable(OctetsOf(vb));
        break;
    case inetaddress: {
        // Too short for an address (or empty): every octet is kept in hex.
        const std::string octets = OctetsOf(vb);
        text = octets.size() >= 4 ? OctetsToText(octets, inetaddress) : OctetsToHex(octets);
        break;
    }
    default:
        RaiseFrameworkError(MvCode::BadSyntax);
    }
    if (!KeepsEmptyValue(syntax) && vb.get_printable_value().empty())
        text = syntax == displaystr ? "" : "(NULL)";
    return text;
}

void ValueTextToVb(const std::string& text, std::int32_t syntax, Vb& vb)
{
    if (!HasWireForm(syntax))
        RaiseFrameworkError(MvCode::BadSyntax);
    if (text == "(NULL)") {
        vb.set_null();
        return;
    }
    // A text that would go out as another value (an empty number as 0, 300 as 44) goes nowhere.
    CheckValueText(text, syntax);
    switch (syntax) {
    case boolean:
        vb.set_value(SnmpInt32(text == "true" ? 1 : 0));
        break;
    case integer:
        vb.set_value(SnmpInt32(static_cast<std::int32_t>(ReadDecimal(text))));
        break;
    case counter:
    case guage:
    case uinteger:
        vb.set_value(Gauge32(static_cast<std::uint32_t>(ReadDecimal(text))));
        break;
    case bitstr:
    case octetstr:
    case opaque:
    case bitlist:
    case ipv6address:
        vb.set_value(OctetStr(HexToOctets(text)));
        break;
    case macaddress:
        vb.set_value(OctetStr(MacTextToOctets(text)));
        break;
    case null:
        vb.set_null();
        break;
    case objectid:
        vb.set_value(Oid(text));
        break;
    case ipaddress:
    case nsapaddr: {
        const auto octets = ReadIPv4Text(text);
        vb.set_value(IpAddress(octets->data(), octets->size()));
        break;
    }
    case timeticks:
        vb.set_value(TimeTicks(TimeTicksFromText(text)));
        break;
    case counter64:
        vb.set_value(Counter64(ReadUnsignedDecimal(text)));
        break;
    case syntax_double:
    case datetime:
    case bcdatetime:
        vb.set_value(OctetStr(TextToOctets(text, syntax)));
        break;
    case displaystr:
        vb.set_value(OctetStr(text));
        break;
    default: // inetaddress: an IPv6 address in hex, an IPv4 address dotted, or none
        if (text.size() >= 32)
            vb.set_value(OctetStr(HexToOctets(text)));
        else if (text.empty())
            vb.set_value(OctetStr(std::string()));
        else
            vb.set_value(OctetStr(ReadIPv4Text(text)->data(), 4));
        break;
    }
}
