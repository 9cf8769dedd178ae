// Pass phrase to key and key localization, against the test vectors of RFC 3414 (A.3).

#include "snmplib/SnmpStatus.h"
#include "snmplib/Usm.h"
#include "snmplib/UsmKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

TEST(UsmKeysTest, MatchesTheStandardVectors)
{
    const std::string engineId("\0\0\0\0\0\0\0\0\0\0\0\x02", 12);
    struct Case {
        int protocol;
        const char* ku;
        const char* kul;
    } const cases[] = {
        {SNMP_AUTHPROTOCOL_HMACMD5, "9faf3283884e92834ebc9847d8edd963", "526f5eed9fcce26f8964c2930787d82b"},
        {SNMP_AUTHPROTOCOL_HMACSHA, "9fb5cc0381497b3793528939ff788d5d79145211",
         "6695febc9288e36282235fc7151f128497b38f3f"},
    };
    for (const Case& c : cases) {
        const std::string ku = UsmPasswordToKey(c.protocol, "maplesyrup");
        EXPECT_EQ(Hex(ku), c.ku);
        EXPECT_EQ(Hex(UsmLocalizeKey(c.protocol, ku, engineId)), c.kul);
    }
    EXPECT_EQ(UsmPasswordToKey(SNMP_AUTHPROTOCOL_NONE, "maplesyrup"), "");
    EXPECT_EQ(UsmPasswordToKey(SNMP_AUTHPROTOCOL_HMACMD5, ""), "");
    // Shorter than the eight characters Net-SNMP insists on: a key all the same.
    EXPECT_EQ(UsmPasswordToKey(SNMP_AUTHPROTOCOL_HMACSHA, "abc").size(), 20u);
}

TEST(UsmKeysTest, RegistrationChecksProtocolsAndPassPhrases)
{
    EXPECT_EQ(usmAddUserName("u", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, "a", "p"), SNMPv3_USM_OK);
    EXPECT_EQ(usmAddUserName("u", 9, SNMP_PRIVPROTOCOL_NONE, "a", ""), SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL);
    EXPECT_EQ(usmAddUserName("u", SNMP_AUTHPROTOCOL_HMACMD5, 9, "a", "p"), SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL);
    EXPECT_EQ(usmAddUserName("u", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_DES, "", "p"),
              SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);
    EXPECT_EQ(usmAddUserName("u", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, "", ""), SNMPv3_USM_ERROR);
    EXPECT_EQ(usmAddUserName("", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", ""), SNMPv3_USM_ERROR);
}

} // namespace
