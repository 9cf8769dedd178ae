// Printable forms, clamping and parsing of the layer's value, OID and address classes.

#include "snmplib/SnmpLib.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ValuesTest, TimeTicksPrintInTheirThreeForms)
{
    const struct {
        unsigned long ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {6000, "0:01:00.00"},
        {8639999, "23:59:59.99"},
        {8640005, "1 day 0:00:00.05"},
        {17280000, "2 days, 0:00:00.00"},
        {4294967295ul, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeTicks(c.ticks).get_printable(), c.text) << c.ticks;
}

TEST(ValuesTest, NumbersAreClampedToTheirWireTypes)
{
    EXPECT_EQ(static_cast<std::int32_t>(SnmpInt32(5000000000ll)), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(static_cast<std::int32_t>(SnmpInt32(-5000000000ll)), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(static_cast<std::uint32_t>(Gauge32(5000000000ull)), 4294967295u);
    EXPECT_EQ(static_cast<std::uint64_t>(Counter64::from_long_double(-3)), 0u);
    EXPECT_EQ(static_cast<std::uint64_t>(Counter64::from_long_double(1e30L)), std::numeric_limits<std::uint64_t>::max());
    const Counter64 split(1, 2);
    EXPECT_EQ(static_cast<std::uint64_t>(split), 4294967298ull);

    Vb vb;
    vb.set_value(SnmpInt32(-7));
    EXPECT_EQ(vb.get_printable_value(), "-7");
    unsigned long asUnsigned = 0;
    EXPECT_EQ(vb.get_value(asUnsigned), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(asUnsigned, 4294967289ul);
    OctetStr notOctets;
    EXPECT_EQ(vb.get_value(notOctets), SNMP_CLASS_INVALID);
}

TEST(ValuesTest, NullAndExceptionsPrintEmpty)
{
    Vb vb(Oid("1.3.6"));
    EXPECT_EQ(vb.get_printable_value(), "");
    for (SmiSyntax tag : {sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE, sNMP_SYNTAX_ENDOFMIBVIEW}) {
        vb.set_raw(tag);
        EXPECT_TRUE(vb.is_exception());
        EXPECT_EQ(vb.get_printable_value(), "");
    }
}

TEST(ValuesTest, OidsParseDottedDecimalOnly)
{
    EXPECT_EQ(Oid(".1.3.6.1.2.1").get_printable(), "1.3.6.1.2.1");
    EXPECT_EQ(Oid("1.3.4294967295").get_printable(), "1.3.4294967295");
    for (const char* bad : {"1.3.4294967296", "1..3", "1.3.", "iso.3", "1.3 ", "-1"}) {
        EXPECT_FALSE(Oid(bad).valid()) << bad;
        EXPECT_EQ(Oid(bad).len(), 0u) << bad;
    }
    Oid column("1.3.6.1.2.1.2.2.1.1");
    EXPECT_TRUE(Oid("1.3.6.1.2.1.2.2.1.1.5").starts_with(column));
    EXPECT_FALSE(Oid("1.3.6.1.2.1.2.2.1.10").starts_with(column));
    column += "7.8";
    EXPECT_EQ(column.get_printable(), "1.3.6.1.2.1.2.2.1.1.7.8");
}

TEST(ValuesTest, AddressesParseWithAndWithoutPorts)
{
    const struct {
        const char* text;
        const char* printable;
    } cases[] = {
        {"192.0.2.7", "192.0.2.7/0"},
        {"192.0.2.7/161", "192.0.2.7/161"},
        {"192.0.2.7:1161", "192.0.2.7/1161"},
        {"[::1]:161", "::1/161"},
        {"fe80::1/162", "fe80::1/162"},
        {"localhost/161", "127.0.0.1/161"},
        {"192.0.2.7/99999", ""},
        {"no-such-host.invalid", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UdpAddress(c.text).get_printable(), c.printable) << c.text;
    // Value addresses are numeric only: no name look-up.
    EXPECT_FALSE(IpAddress("localhost").valid());
    EXPECT_FALSE(IpAddress("1.2.3").valid());
    Vb vb;
    vb.set_value(IpAddress("not an address"));
    EXPECT_EQ(vb.get_printable_value(), "0.0.0.0");
}

} // namespace
