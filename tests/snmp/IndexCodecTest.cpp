#include "snmp/Exception.h"
#include "snmp/IndexCodec.h"
#include "snmp/VarDescriptor.h"

#include <gtest/gtest.h>

namespace {

IndexColumn Column(std::int32_t syntax, bool last = true, bool implied = false, int position = 0, int keyCount = 1)
{
    return IndexColumn{syntax, last, implied, keyCount, position};
}

struct IndexCase {
    IndexColumn column;
    const char* instance;   // what the column reads from
    const char* value;      // its value text
    const char* rest;       // what is left of the instance
};

// Index encodings that decode to a value and encode back to the consumed sub-identifiers.
TEST(IndexCodec, ValuesRoundTrip)
{
    const IndexCase cases[] = {
        {Column(integer, false), "7.3.97.98.99", "7", "3.97.98.99"},
        {Column(integer), "4294967295", "-1", ""},
        {Column(uinteger), "4294967295", "4294967295", ""},
        {Column(boolean, false), "1.5", "true", "5"},
        {Column(timeticks), "6000", "0:01:00.00", ""},
        {Column(displaystr, true, false, 1, 2), "3.97.98.99", "abc", ""},
        {Column(displaystr, false), "2.104.105.9", "hi", "9"},
        {Column(displaystr, true, true), "97.98.99", "abc", ""},
        {Column(octetstr, false), "2.0.255.1", "00FF", "1"},
        {Column(ipaddress, false), "10.0.0.1.5", "10.0.0.1", "5"},
        {Column(macaddress), "0.17.34.51.68.85", "001122334455", ""},
        {Column(counter64), "1.2", "4294967298", ""},
        {Column(objectid, false), "3.1.3.6.9", "1.3.6", "9"},
        {Column(objectid, true, true), "1.3.6.1.2", "1.3.6.1.2", ""},
        {Column(ipv6address, false), "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.7", "FE800000000000000000000000000001", "7"},
        {Column(datetime), "7.232.1.2.3.4.5.6.43.5.30", "2024-1-2,3:4:5.6,+5:30", ""},
        {Column(null, false), "5", "(NULL)", "5"},
    };
    for (const auto& c : cases) {
        std::string value;
        EXPECT_EQ(DecodeIndexValue(c.column, c.instance, value), c.rest) << c.instance;
        EXPECT_EQ(value, c.value) << c.instance;
        const std::string instance = c.instance, rest = c.rest;
        const std::string consumed = c.column.syntax == null ? ""
                                     : rest.empty()          ? instance
                                                             : instance.substr(0, instance.size() - rest.size() - 1);
        EXPECT_EQ(EncodeIndexValue(c.column, c.value), consumed) << c.value;
    }
}

TEST(IndexCodec, InternetAddresses)
{
    std::string value;
    // Length-prefixed IPv4 before another key, bare IPv4 as the last key.
    EXPECT_EQ(DecodeIndexValue(Column(inetaddress, false), "4.192.0.2.7.1", value), "1");
    EXPECT_EQ(value, "192.0.2.7");
    EXPECT_EQ(DecodeIndexValue(Column(inetaddress), "192.0.2.7", value), "");
    EXPECT_EQ(value, "192.0.2.7");
    EXPECT_EQ(DecodeIndexValue(Column(inetaddress), "4.192.0.2.7", value), "");
    EXPECT_EQ(value, "192.0.2.7");
    EXPECT_EQ(EncodeIndexValue(Column(inetaddress), "192.0.2.7"), "4.192.0.2.7");
    // IPv6 with its length.
    const std::string v6 = "16.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1";
    EXPECT_EQ(DecodeIndexValue(Column(inetaddress, false), v6 + ".9", value), "9");
    EXPECT_EQ(value, "20010DB8000000000000000000000001");
    EXPECT_EQ(EncodeIndexValue(Column(inetaddress), value), v6);
    // An address with a zone: the count covers the zone.
    EXPECT_EQ(EncodeIndexValue(Column(inetaddress), "FE80000000000000020000FFFE000001%0005"),
              "17.254.128.0.0.0.0.0.0.2.0.0.255.254.0.0.1.0005");
}

TEST(IndexCodec, ShortInstancesRaiseBadKeyCount)
{
    const struct {
        IndexColumn column;
        const char* instance;
    } cases[] = {
        {Column(integer), ""},
        {Column(ipaddress), "10.0.0"},
        {Column(macaddress), "1.2.3.4.5"},
        {Column(counter64), "1"},
        {Column(datetime), "7.232.1"},
        {Column(displaystr, false), "5.97.98"},     // length larger than what follows
        {Column(octetstr, false), "3.1"},
        {Column(objectid, false), "4294967295.1"},
        {Column(ipv6address, false), "1.2.3"},
        {Column(inetaddress), "1.2.3"},
        {Column(inetaddress, false), "1.2"},
    };
    for (const auto& c : cases) {
        std::string value = "untouched";
        try {
            DecodeIndexValue(c.column, c.instance, value);
            ADD_FAILURE() << "no exception for " << c.instance;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -514) << c.instance;
        }
    }
}

TEST(IndexCodec, UnknownSyntaxRaisesBadSyntax)
{
    std::string value;
    for (std::int32_t syntax : {0x99, static_cast<int>(uint16)}) {
        try {
            DecodeIndexValue(Column(syntax), "1", value);
            ADD_FAILURE();
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -511);
        }
        try {
            EncodeIndexValue(Column(syntax), "1");
            ADD_FAILURE();
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext(), -511);
        }
    }
}

} // namespace
