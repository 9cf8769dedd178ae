// The control channel of the simulated switch: each fault knob, run-time data, request
// counters, and a restart that keeps SNMPv3 managers working.
#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

namespace {

const char* SysName = "1.3.6.1.2.1.1.5.0";

ToolResult Get(SimSwitch& sim, const std::string& oid, const std::string& security = "v2c")
{
    std::vector<std::string> args = SimSecurityArgs(security);
    args.insert(args.end(), {"-t", "1", "-r", "0", sim.Endpoint(), oid});
    return RunSnmpTool("snmpget", args);
}

double Seconds(const std::chrono::steady_clock::time_point& since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

TEST(SimAgentControl, DelayHoldsEveryAnswer)
{
    SimSwitch sim;
    ASSERT_EQ(sim.Control("delay 400"), "ok");
    auto start = std::chrono::steady_clock::now();
    ToolResult r = Get(sim, SysName);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_GE(Seconds(start), 0.4);
    // Longer than the manager waits: a time-out.
    ASSERT_EQ(sim.Control("delay 1500"), "ok");
    EXPECT_NE(Get(sim, SysName).output.find("Timeout"), std::string::npos);
    ASSERT_EQ(sim.Control("delay 0"), "ok");
    EXPECT_EQ(Get(sim, SysName).exitCode, 0);
}

TEST(SimAgentControl, DropLosesTheNextRequestsOnly)
{
    SimSwitch sim;
    ASSERT_EQ(sim.Control("drop 2"), "ok");
    EXPECT_NE(Get(sim, SysName).output.find("Timeout"), std::string::npos);
    EXPECT_NE(Get(sim, SysName).output.find("Timeout"), std::string::npos);
    EXPECT_EQ(Get(sim, SysName).exitCode, 0);
}

TEST(SimAgentControl, SilenceStopsAllAnswersUntilTurnedOff)
{
    SimSwitch sim;
    ASSERT_EQ(sim.Control("silence on"), "ok");
    EXPECT_NE(Get(sim, SysName).output.find("Timeout"), std::string::npos);
    EXPECT_NE(Get(sim, SysName, "authPriv-SHA-DES").output.find("Timeout"), std::string::npos);
    ASSERT_EQ(sim.Control("silence off"), "ok");
    EXPECT_EQ(Get(sim, SysName, "authPriv-SHA-DES").exitCode, 0);
}

TEST(SimAgentControl, ErrorAnswersTheStatusForAnOidPrefix)
{
    SimSwitch sim;
    ASSERT_EQ(sim.Control("error 1.3.6.1.2.1.1 genErr"), "ok");
    ToolResult r = Get(sim, SysName);
    EXPECT_NE(r.output.find("genErr"), std::string::npos) << r.output;
    // GETNEXT into the prefix and SET under it fail the same way; other objects still answer.
    r = RunSnmpTool("snmpgetnext", {"-v2c", "-c", "tarnel", sim.Endpoint(), "1.3.6.1.2.1"});
    EXPECT_NE(r.output.find("genErr"), std::string::npos) << r.output;
    r = RunSnmpTool("snmpset", {"-v2c", "-c", "quostem", sim.Endpoint(), SysName, "s", "x"});
    EXPECT_NE(r.output.find("genErr"), std::string::npos) << r.output;
    EXPECT_EQ(Get(sim, "1.3.6.1.4.1.171.12.1.1.13.0").exitCode, 0);
    // A number works as well; "off" removes the rule.
    ASSERT_EQ(sim.Control("error 1.3.6.1.2.1.1 2"), "ok");
    EXPECT_NE(Get(sim, SysName, "v1").output.find("noSuchName"), std::string::npos);
    ASSERT_EQ(sim.Control("error 1.3.6.1.2.1.1 off"), "ok");
    EXPECT_EQ(Get(sim, SysName).exitCode, 0);
}

TEST(SimAgentControl, ResetClearsEveryFault)
{
    SimSwitch sim;
    for (const char* command : {"delay 1500", "drop 5", "error 1.3 genErr", "silence on"})
        ASSERT_EQ(sim.Control(command), "ok") << command;
    ASSERT_EQ(sim.Control("reset"), "ok");
    EXPECT_EQ(Get(sim, SysName).exitCode, 0);
}

TEST(SimAgentControl, RejectsMalformedCommands)
{
    SimSwitch sim;
    for (const char* command : {"delay", "delay -5", "drop x", "silence maybe", "error 1.3", "error x genErr",
                                "error 1.3 noSuchStatus", "launch", "data 1.3.6.1 q 5"})
        EXPECT_EQ(sim.Control(command).rfind("error: ", 0), 0u) << command;
}

TEST(SimAgentControl, DataLinesChangeTheRunningAgentAndStatsCountRequests)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("tables.dat")}});
    ASSERT_EQ(sim.Control("data 1.3.6.1.2.1.1.5.0 s \"renamed switch\""), "ok");
    EXPECT_NE(Get(sim, SysName).output.find("\"renamed switch\""), std::string::npos);

    // A walk of three rows of two columns: six values and the GETNEXT that leaves the table.
    const std::regex getnext("getnext=(\\d+)");
    std::smatch before, after;
    const std::string statsBefore = sim.Control("stats");
    ASSERT_TRUE(std::regex_search(statsBefore, before, getnext)) << statsBefore;
    RunSnmpTool("snmpwalk", {"-v2c", "-c", "tarnel", sim.Endpoint(), "1.3.6.1.3.4242.1"});
    const std::string statsAfter = sim.Control("stats");
    ASSERT_TRUE(std::regex_search(statsAfter, after, getnext)) << statsAfter;
    EXPECT_EQ(std::stoi(after[1]) - std::stoi(before[1]), 7);
}

int EngineBoots(const SimSwitch& sim)
{
    std::ifstream in(sim.StateDir() + "/persist/sorvane-sim.conf");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("engineBoots ", 0) == 0)
            return std::stoi(line.substr(12));
    }
    return -1;
}

TEST(SimAgentControl, RestartKeepsEndpointAndCountsEngineBoots)
{
    SimSwitch sim;
    const std::string endpoint = sim.Endpoint();
    const int boots = EngineBoots(sim);
    ASSERT_GE(boots, 1);
    ASSERT_EQ(Get(sim, SysName, "authPriv-MD5-DES").exitCode, 0);
    sim.Restart();
    EXPECT_EQ(sim.Endpoint(), endpoint);
    EXPECT_EQ(EngineBoots(sim), boots + 1);
    EXPECT_EQ(Get(sim, SysName, "authPriv-MD5-DES").exitCode, 0);
    EXPECT_EQ(Get(sim, SysName, "authNoPriv-SHA").exitCode, 0);
}

TEST(SimAgentControl, RefusesBadDataFilesWithFileAndLine)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("sorvane-bad-" + std::to_string(getpid()) + ".dat")).string();
    struct Case {
        const char* line;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"1.3.6.1.3.1.0 q 5", "unknown type 'q'"},
        {"1.3.6.1.3.1.0 i twelve", "not a 32-bit integer"},
        {"1.3.6.1.3.1.0 a 300.1.1.1", "not an IPv4 address"},
        {"1.3.6.1.3.1.0 s \"open", "unterminated"},
        {"column 1.3.6.1.3.9.1.2 i rw", "column 1.3.6.1.3.9.1.2 belongs to no declared table"},
        {"1.3.6.1.3.1.0 i 5 sometimes", "unknown option"},
    };
    for (const Case& c : cases) {
        std::ofstream(path) << "# first line\n" << c.line << "\n";
        const std::string command = std::string(SORVANE_BINARY_DIR) + "/sim/sorvane-sim --model Kb --listen udp:127.0.0.1:9 --data " + path + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[512];
        while (fgets(buffer, sizeof(buffer), pipe) != nullptr)
            output += buffer;
        const int status = pclose(pipe);
        EXPECT_NE(status, 0) << c.line;
        EXPECT_NE(output.find(path + ":2: " + c.message), std::string::npos) << c.line << ": " << output;
    }
    std::filesystem::remove(path);
}

} // namespace

TEST(SimAgentControl, JournalKeepsEverySetPduWithItsBindingsUntilCleared)
{
    SimSwitch sim({"Kb", {"--data", SimSwitch::DataFile("tables.dat")}});
    EXPECT_TRUE(sim.SetJournal().empty());
    const auto set = [&](std::vector<std::string> bindings, const std::string& community) {
        std::vector<std::string> args = {"-v2c", "-c", community, "-t", "1", "-r", "0", sim.Endpoint()};
        args.insert(args.end(), bindings.begin(), bindings.end());
        return RunSnmpTool("snmpset", args);
    };
    ToolResult r = set({"1.3.6.1.3.4242.6.1.0", "i", "7", "1.3.6.1.3.4242.6.2.0", "s", "a b",
                        "1.3.6.1.3.4242.6.3.0", "a", "10.1.2.3"}, "quostem");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    // A refused SET and one with the read community are journaled as received as well.
    set({"1.3.6.1.3.4242.6.1.0", "i", "999"}, "quostem");
    set({"1.3.6.1.3.4242.6.7.0", "x", "001122334455"}, "tarnel");
    set({"1.3.6.1.3.4242.6.2.0", "s", ""}, "quostem");
    EXPECT_EQ(Get(sim, "1.3.6.1.3.4242.6.1.0").exitCode, 0) << "reads are not journaled";

    const std::vector<SetJournalPdu> journal = sim.SetJournal();
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_EQ(journal[0], (SetJournalPdu{{"1.3.6.1.3.4242.6.1.0", 'i', "7"},
                                         {"1.3.6.1.3.4242.6.2.0", 'x', "612062"},
                                         {"1.3.6.1.3.4242.6.3.0", 'a', "10.1.2.3"}}));
    EXPECT_EQ(journal[0][1].Octets(), "a b");
    EXPECT_EQ(journal[1], (SetJournalPdu{{"1.3.6.1.3.4242.6.1.0", 'i', "999"}}));
    EXPECT_EQ(journal[2][0].value, "001122334455");
    EXPECT_EQ(journal[3], (SetJournalPdu{{"1.3.6.1.3.4242.6.2.0", 'x', ""}})) << "an empty value";
    // What the agent answered: wrongValue (10) to 999, noAccess (6) to the read community.
    EXPECT_EQ(sim.SetJournalStatuses(), (std::vector<int>{0, 10, 6, 0}));
    // A dropped PDU is not in it; an injected error is answered and kept.
    sim.ClearSetJournal();
    sim.Control("drop 1");
    set({"1.3.6.1.3.4242.6.1.0", "i", "8"}, "quostem");
    sim.Control("error 1.3.6.1.3.4242.6.1 genErr");
    set({"1.3.6.1.3.4242.6.1.0", "i", "9"}, "quostem");
    EXPECT_EQ(sim.SetJournal(), (std::vector<SetJournalPdu>{{{"1.3.6.1.3.4242.6.1.0", 'i', "9"}}}));
    EXPECT_EQ(sim.SetJournalStatuses(), std::vector<int>{5});

    sim.ClearSetJournal();
    EXPECT_TRUE(sim.SetJournal().empty());
    EXPECT_EQ(sim.Control("journal now").rfind("error: ", 0), 0u);
}
