#include "snmp/Exception.h"
#include "snmp/OptionList.h"
#include "snmp/SnmpRequest.h"
#include "snmp/ValueCodec.h"
#include "snmp/VarDescriptor.h"
#include "snmplib/Vb.h"
#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string OctetsOf(const Vb& vb)
{
    OctetStr octets;
    vb.get_value(octets);
    return octets.get_string();
}

struct WireCase {
    std::int32_t syntax;
    const char* text;          // value text written
    SmiSyntax tag;             // wire tag it goes out with
    std::string wire;          // the octets for octet-string tags, else the printable value
    const char* readBack;      // the text the binding reads as
};

TEST(ValueCodec, TextsAndWireValuesBothWays)
{
    const std::string ipv6 = "20010DB8000000000000000000000001";
    const std::string ipv6Octets = Bytes({0x20, 0x01, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    const WireCase cases[] = {
        {boolean, "true", sNMP_SYNTAX_INT32, "1", "true"},
        {boolean, "yes", sNMP_SYNTAX_INT32, "0", "false"},
        {integer, "-5", sNMP_SYNTAX_INT32, "-5", "-5"},
        {counter, "7", sNMP_SYNTAX_GAUGE32, "7", "7"},
        {guage, "4294967295", sNMP_SYNTAX_GAUGE32, "4294967295", "4294967295"},
        {uinteger, "12", sNMP_SYNTAX_GAUGE32, "12", "12"},
        {timeticks, "1 day 0:00:00.05", sNMP_SYNTAX_TIMETICKS, "1 day 0:00:00.05", "1 day 0:00:00.05"},
        {timeticks, "2 days, 0:00:00.00", sNMP_SYNTAX_TIMETICKS, "2 days, 0:00:00.00", "2 days, 0:00:00.00"},
        {counter64, "18446744073709551615", sNMP_SYNTAX_CNTR64, "18446744073709551615", "18446744073709551615"},
        {octetstr, "001aff", sNMP_SYNTAX_OCTETS, Bytes({0x00, 0x1A, 0xFF}), "001AFF"},
        {octetstr, "1 A F F", sNMP_SYNTAX_OCTETS, Bytes({0x1A, 0xFF}), "1AFF"},
        {bitstr, "80", sNMP_SYNTAX_OCTETS, Bytes({0x80}), "80"},
        {opaque, "0102", sNMP_SYNTAX_OCTETS, Bytes({1, 2}), "0102"},
        {bitlist, "E8", sNMP_SYNTAX_OCTETS, Bytes({0xE8}), "E8"},
        {macaddress, "001122334455", sNMP_SYNTAX_OCTETS, Bytes({0, 0x11, 0x22, 0x33, 0x44, 0x55}), "001122334455"},
        {ipv6address, ipv6.c_str(), sNMP_SYNTAX_OCTETS, ipv6Octets, ipv6.c_str()},
        {null, "anything", sNMP_SYNTAX_NULL, "", "(NULL)"},
        {objectid, "1.3.6.1.4.1.171", sNMP_SYNTAX_OID, "1.3.6.1.4.1.171", "1.3.6.1.4.1.171"},
        {ipaddress, "10.0.0.1", sNMP_SYNTAX_IPADDR, "10.0.0.1", "10.0.0.1"},
        {nsapaddr, "1.2.3.4", sNMP_SYNTAX_IPADDR, "1.2.3.4", "1.2.3.4"},
        {syntax_double, "1.5", sNMP_SYNTAX_OCTETS, Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), "1.5"},
        {datetime, "2024-1-2,3:4:5.6,-5:30", sNMP_SYNTAX_OCTETS, Bytes({0x07, 0xE8, 1, 2, 3, 4, 5, 6, '-', 5, 30}),
         "2024-1-2,3:4:5.6,-5:30"},
        {bcdatetime, "2024/01/02 03:04:05", sNMP_SYNTAX_OCTETS, "", "2024/01/02 03:04:05"},
        {displaystr, "abc", sNMP_SYNTAX_OCTETS, "abc", "abc"},
        {inetaddress, "10.0.0.1", sNMP_SYNTAX_OCTETS, Bytes({10, 0, 0, 1}), "10.0.0.1"},
        {inetaddress, "0.0.0.0", sNMP_SYNTAX_OCTETS, Bytes({0, 0, 0, 0}), "0.0.0.0"},
        {inetaddress, ipv6.c_str(), sNMP_SYNTAX_OCTETS, ipv6Octets, ipv6.c_str()},
        // "(NULL)" sends a null binding for every syntax.
        {integer, "(NULL)", sNMP_SYNTAX_NULL, "", "(NULL)"},
        {inetaddress, "(NULL)", sNMP_SYNTAX_NULL, "", ""},
        {octetstr, "(NULL)", sNMP_SYNTAX_NULL, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax 0x" << std::hex << c.syntax << " " << c.text);
        Vb vb(Oid("1.3.6.1.3.1.0"));
        ValueTextToVb(c.text, c.syntax, vb);
        EXPECT_EQ(vb.get_syntax(), c.tag);
        if (!c.wire.empty()) {
            EXPECT_EQ(c.tag == sNMP_SYNTAX_OCTETS ? OctetsOf(vb) : vb.get_printable_value(), c.wire);
        }
        EXPECT_EQ(VbToValueText(vb, c.syntax), c.readBack);
    }
}

TEST(ValueCodec, EmptyAndShortReceivedValues)
{
    Vb empty;
    empty.set_null();
    EXPECT_EQ(VbToValueText(empty, counter), "(NULL)");
    EXPECT_EQ(VbToValueText(empty, datetime), "(NULL)");
    EXPECT_EQ(VbToValueText(empty, octetstr), "");
    EXPECT_EQ(VbToValueText(empty, displaystr), "");

    Vb text;
    text.set_value(OctetStr(Bytes({'a', 'b', 'c', 0, 'd'})));
    EXPECT_EQ(VbToValueText(text, displaystr), "abc");

    // Fixed-width values shorter than their width read the missing octets as 0.
    Vb shortDate;
    shortDate.set_value(OctetStr(Bytes({0x07, 0xE8, 1, 2})));
    EXPECT_EQ(VbToValueText(shortDate, datetime), "2024-1-2,0:0:0.0");
    Vb shortDouble;
    shortDouble.set_value(OctetStr(Bytes({0, 0})));
    EXPECT_EQ(VbToValueText(shortDouble, syntax_double), "0");

    Vb number;
    number.set_value(SnmpInt32(5));
    EXPECT_EQ(VbToValueText(number, boolean), "true");
}

TEST(ValueCodec, SyntaxesWithoutWireFormRaiseBadSyntax)
{
    for (std::int32_t syntax : {0x99, static_cast<int>(uint16), static_cast<int>(bool8)}) {
        Vb vb;
        try {
            ValueTextToVb("1", syntax, vb);
            ADD_FAILURE() << syntax;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -511);
        }
        try {
            VbToValueText(vb, syntax);
            ADD_FAILURE() << syntax;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -511);
        }
    }
}

// An item with an option list holds display texts; the request translates on the way in and out.
TEST(ValueCodec, RequestTranslatesThroughOptionLists)
{
    static const OptionItem states[] = {{7, "enabled"}, {2, "disabled"}, {}};
    MvOptionList options(states, 1);
    const VarDescriptor table[] = {{"1.3.6.1.3.1", "State", integer, readwrite, &options}, {}};
    MvSNMPRequest request;
    request.VarList = MvSNMPVarList(table, SVT_SV, 0);

    Vb received;
    received.set_value(SnmpInt32(7));
    request.VbToText(0, received);
    EXPECT_EQ(request.VarList.Item(0).value, "enabled");

    for (const char* written : {"enabled", "7"}) {
        request.VarList.Item(0).value = written;
        Vb sent;
        request.TextToVb(0, sent);
        EXPECT_EQ(sent.get_printable_value(), "7") << written;
    }
}

} // namespace
