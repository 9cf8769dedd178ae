#include "snmp/Validators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Check {
    const char* name;
    bool (*accepts)(const std::string&);
    std::vector<std::string> accepted;
    std::vector<std::string> refused;
};

TEST(Validators, AcceptAndRefuseTables)
{
    const Check checks[] = {
        {"IPv4", IsValidIPv4Text,
         {"192.168.0.1", "192.168.000.001", "0.0.0.0", "255.255.255.255"},
         {"192.168.0.256", "192.168.0", "1.2.3.4.5", "1..2.3", "1.2.3.", "a.b.c.d", "0192.168.000.0001",
          "", "...", "1.2.3.-4", "1.2.3.+4", "$FF.1.1.1", "0x1.1.1.1", " 1.2.3.4", "1.2.3.4 ", "1.2.3.0004",
          "1.2.3.4\n"}},
        {"multicast IPv4", IsMulticastIPv4Text,
         {"224.0.0.1", "239.255.255.255"},
         {"223.1.1.1", "240.0.0.1", "224.0.0", "224.0.0.-1", "$E0.0.0.1", "224.0.0.256"}},
        {"IPv6", IsValidIPv6HexText,
         {"20010db8000000000000000000000001", "FE80000000000000020000FFFE000001"},
         {"2001:db8::1", "20010db800000000000000000000001", "20010db80000000000000000000000011",
          "20010db8000000000000000000000g01", ""}},
        {"MAC", IsValidMACText,
         {"00-11-22-33-44-55", "00.11.22.33.44.55", "001122334455", "aA-bB-cC-dD-eE-fF", "001-11-22-33-44-55"},
         {"00:11:22:33:44:55", "00-11-22-33-44", "0-11-22-33-44-55", "00-11-22-33-44-5G", "00-11-22-33-44-55-66",
          "00112233445", "00112233445G", "", "-----"}},
        {"multicast MAC", IsMulticastMACText,
         {"01-00-5E-00-00-01", "03-00-00-00-00-01", "0F-FF-FF-FF-FF-FF"},
         {"FF-FF-FF-FF-FF-FF", "ffffffffffff", "00-11-22-33-44-55", "0a-11-22-33-44-55", "0E-11-22-33-44-55",
          "01-00-00-00-00-00", "", "0"}},
        {"unicast MAC", IsUnicastMACText,
         {"02-00-00-00-00-01", "00-11-22-33-44-55", "0a-00-00-00-00-00"},
         {"00-00-00-00-00-00", "000000000000", "0b-11-22-33-44-55", "01-00-5E-00-00-01", "0F-11-22-33-44-55",
          "", "0"}},
        {"subnet mask", IsValidSubnetMaskText,
         {"255.255.255.0", "255.255.254.0", "255.255.255.255", "0.0.0.0", "128.0.0.0", "255.255.255.252"},
         {"255.0.255.0", "255.255.128.128", "255.255.253.0", "255.255.255", "255.255.255.0.0", "255.255.255.x",
          "0.255.255.255", "255.255.0.255", "255.255.-0.0", "255.255.$FF.0"}},
        {"recover timer", IsValidRecoverTimerText,
         {"0", "60", "1000000"},
         {"59", "1", "1000001", "-1", "4294967296", "12345678901", "", "-"}},
        {"rate limit", IsValidRateLimitText,
         {"0", "64", "10240000"},
         {"63", "10240001", "-5", "", "-", "99999999999"}},
    };
    for (const Check& check : checks) {
        for (const std::string& text : check.accepted)
            EXPECT_TRUE(check.accepts(text)) << check.name << " should accept '" << text << "'";
        for (const std::string& text : check.refused)
            EXPECT_FALSE(check.accepts(text)) << check.name << " should refuse '" << text << "'";
    }
}

} // namespace
