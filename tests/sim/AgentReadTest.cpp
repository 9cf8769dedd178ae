// The simulated switch seen through Net-SNMP's command-line tools: identity per model and
// security, GET and GETNEXT answers, and the device behaviour the module reads.
#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

namespace {

const char* SysObjectId = "1.3.6.1.2.1.1.2.0";

ToolResult Get(SimSwitch& sim, const std::string& security, const std::vector<std::string>& oids)
{
    std::vector<std::string> args = SimSecurityArgs(security);
    args.insert(args.end(), {"-t", "2", "-r", "1", sim.Endpoint()});
    args.insert(args.end(), oids.begin(), oids.end());
    return RunSnmpTool("snmpget", args);
}

ToolResult Walk(SimSwitch& sim, const std::string& security, const std::string& oid)
{
    std::vector<std::string> args = SimSecurityArgs(security);
    args.insert(args.end(), {"-t", "2", "-r", "1", sim.Endpoint(), oid});
    return RunSnmpTool("snmpwalk", args);
}

int CountLines(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (std::size_t pos = text.find(needle); pos != std::string::npos; pos = text.find(needle, pos + 1))
        ++count;
    return count;
}

// The hexadecimal bytes of the first Hex-STRING in a tool's output.
std::string HexBytes(const std::string& output)
{
    const auto start = output.find("Hex-STRING: ");
    if (start == std::string::npos)
        return {};
    std::string hex;
    for (std::size_t i = start + 12; i < output.size(); ++i) {
        if (std::isxdigit(static_cast<unsigned char>(output[i])))
            hex += output[i];
        else if (output[i] != ' ' && output[i] != '\n')
            break;
    }
    return hex;
}

TEST(SimAgent, EachModelAnswersItsSysObjectIdOverEveryVersionAndSecurityLevel)
{
    const std::vector<std::pair<std::string, int>> models = {{"Ka", 1}, {"Kb", 2}, {"Kc", 3}, {"Kd", 4}};
    const std::vector<std::string> securities = {"v1", "v2c", "noAuthNoPriv", "authNoPriv-MD5",
                                                 "authNoPriv-SHA", "authPriv-MD5-DES", "authPriv-SHA-DES"};
    for (const auto& [model, number] : models) {
        SimSwitch sim({model, {}});
        const std::string expected = "OID: .1.3.6.1.4.1.171.10.133." + std::to_string(number) + ".1";
        for (const std::string& security : securities) {
            const ToolResult r = Get(sim, security, {SysObjectId});
            EXPECT_EQ(r.exitCode, 0) << model << " " << security << ": " << r.output;
            EXPECT_NE(r.output.find(expected), std::string::npos) << model << " " << security << ": " << r.output;
        }
    }
}

TEST(SimAgent, RefusesUnknownCredentialsAndTooLowSecurityLevels)
{
    SimSwitch sim;
    // An unknown community gets no answer at all.
    ToolResult r = RunSnmpTool("snmpget", {"-v2c", "-c", "nobody", "-t", "1", "-r", "0", sim.Endpoint(), SysObjectId});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.output.find("Timeout"), std::string::npos) << r.output;
    // A privacy user may not read without privacy.
    r = RunSnmpTool("snmpget", {"-v3", "-l", "authNoPriv", "-u", SimCredentials::ShaPrivUser, "-a", "SHA", "-A",
                                SimCredentials::AuthPassword, "-t", "2", "-r", "0", sim.Endpoint(), SysObjectId});
    EXPECT_NE(r.output.find("authorizationError"), std::string::npos) << r.output;
    // A wrong pass phrase fails authentication.
    r = RunSnmpTool("snmpget", {"-v3", "-l", "authNoPriv", "-u", SimCredentials::ShaAuthUser, "-a", "SHA", "-A",
                                "not-the-phrase", "-t", "2", "-r", "0", sim.Endpoint(), SysObjectId});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.output.find("uthentication"), std::string::npos) << r.output;
}

TEST(SimAgent, GetAndGetNextAnswerExceptionsByVersion)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("tables.dat")}});
    struct Case {
        const char* tool;
        const char* security;
        const char* oid;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"snmpget", "v2c", "1.3.6.1.2.1.1.5.1", "No Such Instance"},      // known object, no such instance
        {"snmpget", "v2c", "1.3.6.1.2.1.1.99.0", "No Such Object"},       // unknown object
        {"snmpget", "v1", "1.3.6.1.2.1.1.99.0", "noSuchName"},
        {"snmpget", "v1", "1.3.6.1.3.4242.6.10.0", "noSuchName"},         // Counter64 does not exist for SNMPv1
        {"snmpget", "v2c", "1.3.6.1.3.4242.6.10.0", "Counter64: 4294967296"},
        {"snmpgetnext", "v2c", "1.3.6.1.3.4242.2", "1.3.6.1.3.4242.3.1.1.1 = INTEGER: 1"}, // empty table skipped
        {"snmpgetnext", "v1", "1.3.6.1.3.4242.6.9.0", "1.3.6.1.3.4242.7.1.1.1 = INTEGER: 1"}, // past the Counter64
        {"snmpgetnext", "v2c", "1.3.6.1.3.4242.4.1.2", "1.3.6.1.3.4242.4.1.2.1.98 = INTEGER: 2"}, // na column hidden
        {"snmpgetnext", "v2c", "1.3.99", "No more variables left in this MIB View"},
        {"snmpgetnext", "v1", "1.3.99", "noSuchName"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = SimSecurityArgs(c.security);
        args.insert(args.end(), {"-t", "2", "-r", "0", sim.Endpoint(), c.oid});
        const ToolResult r = RunSnmpTool(c.tool, args);
        EXPECT_NE(r.output.find(c.expected), std::string::npos) << c.tool << " " << c.security << " " << c.oid
                                                                << ": " << r.output;
    }
}

TEST(SimAgent, WalksTablesOfTheDataFilesInOidOrder)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("tables.dat")}});
    const ToolResult sparse = Walk(sim, "v2c", "1.3.6.1.3.4242.3");
    EXPECT_EQ(CountLines(sparse.output, " = "), 6) << sparse.output;
    EXPECT_LT(sparse.output.find(".3.1.2.2 = STRING: \"only-two\""), sparse.output.find(".3.1.3.1 = INTEGER: 100"));
    const ToolResult ipv4 = Walk(sim, "v1", "1.3.6.1.3.4242.5.1.2");
    EXPECT_NE(ipv4.output.find(".5.1.2.192.168.1.254 = IpAddress: 255.255.255.0"), std::string::npos) << ipv4.output;
}

TEST(SimAgent, ServesTheDeviceStateTheModuleReadsAtStartUp)
{
    SimSwitch sim({"Kd", {}});
    const ToolResult r = Get(sim, "v2c",
                             {"1.3.6.1.4.1.171.12.1.1.13.0", "1.3.6.1.4.1.171.12.11.1.9.6.0",
                              "1.3.6.1.4.1.171.12.11.1.9.4.1.4.1", "1.3.6.1.4.1.171.12.11.1.9.4.1.9.1",
                              "1.3.6.1.4.1.171.12.11.1.9.4.1.15.1"});
    EXPECT_NE(r.output.find("13.0 = STRING: \"EI\""), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("9.6.0 = INTEGER: 2"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("4.1.4.1 = INTEGER: 24"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("4.1.9.1 = STRING: \"Sorvane-Kd\""), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("4.1.15.1 = INTEGER: 1"), std::string::npos) << r.output;
}

TEST(SimAgent, LedStatusHasTwoBytesPerPortAndChangesOverTime)
{
    const std::vector<std::pair<std::string, int>> models = {{"Ka", 10}, {"Kb", 26}};
    for (const auto& [model, ports] : models) {
        SimSwitch sim({model, {}});
        const std::string oid = "1.3.6.1.4.1.171.11.133." + std::to_string(model == "Ka" ? 1 : 2) + ".1.2.1.1.4.0";
        const std::string first = HexBytes(Get(sim, "v2c", {oid}).output);
        EXPECT_EQ(first.size(), static_cast<std::size_t>(2 * (6 + 2 * ports))) << model << ": " << first;
        EXPECT_EQ(first.substr(4, 2), "02") << "power LED on";
        std::string later = first;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (later == first && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            later = HexBytes(Get(sim, "v2c", {oid}).output);
        }
        EXPECT_NE(later, first) << model;
        EXPECT_EQ(later.size(), first.size());
    }
}

// The front panels decide a combo port's medium once, from whatever value they read first:
// combo ports are always linked, each with its own medium, and no port shows an absent uplink.
TEST(SimAgent, LedStatusCombosKeepTheirMediumAndUplinksStayPresent)
{
    SimSwitch sim({"Kb", {}});
    const std::string oid = "1.3.6.1.4.1.171.11.133.2.1.2.1.1.4.0";
    const auto code = [](const std::string& hex, int port) { return hex.substr(4 * port + 8, 4); };
    std::string first = HexBytes(Get(sim, "v2c", {oid}).output);
    std::string later = first;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (later == first && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        later = HexBytes(Get(sim, "v2c", {oid}).output);
    }
    for (const std::string& hex : {first, later}) {
        ASSERT_EQ(hex.size(), 116u) << hex;
        for (int port = 21; port <= 24; ++port) {
            const std::string c = code(hex, port);
            EXPECT_TRUE(c.substr(0, 2) == "02" || c.substr(0, 2) == "82") << port << ": " << c;
            EXPECT_EQ(c[2], port <= 22 ? '0' : '1') << port << ": " << c;
            EXPECT_TRUE(c[3] >= '1' && c[3] <= '3') << port << ": " << c;
        }
        for (int port : {25, 26})
            for (const char* hidden : {"0200", "8200", "8210", "0000", "0101"})
                EXPECT_NE(code(hex, port), hidden) << port;
    }
}

TEST(SimAgent, PortCountersAdvanceOnEveryRead)
{
    SimSwitch sim;
    const std::string oid = "1.3.6.1.2.1.17.4.4.1.3.1";
    const std::regex counter("Counter32: (\\d+)");
    std::smatch m1, m2;
    const std::string first = Get(sim, "v2c", {oid}).output;
    const std::string second = Get(sim, "v2c", {oid}).output;
    ASSERT_TRUE(std::regex_search(first, m1, counter)) << first;
    ASSERT_TRUE(std::regex_search(second, m2, counter)) << second;
    EXPECT_GT(std::stoul(m2[1]), std::stoul(m1[1]));
}

TEST(SimAgent, GeneratesLargeTables)
{
    SimSwitch sim({"Kb", {"--generate", "1.3.6.1.3.4242.100.1:1000:3"}});
    const ToolResult r = RunSnmpTool("snmpbulkwalk", {"-v2c", "-c", SimCredentials::ReadCommunity, "-t", "5",
                                                      sim.Endpoint(), "1.3.6.1.3.4242.100.1.2"});
    EXPECT_EQ(CountLines(r.output, " = STRING: \"row-"), 1000) << r.output.substr(0, 500);
    EXPECT_NE(r.output.find(".100.1.2.1000 = STRING: \"row-1000\""), std::string::npos);
}

} // namespace
