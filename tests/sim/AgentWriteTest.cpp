// SET on the simulated switch through snmpset: row creation and deletion, all-or-nothing
// multi-binding SETs and the error-status of each kind of bad binding per SNMP version.
#include "support/SimSwitch.h"
#include "support/SnmpTools.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Rows = "1.3.6.1.3.4242.7.1"; // RowStatus table: .2 name, .3 number, .4 status

class SimAgentWrite : public testing::Test {
protected:
    SimSwitch sim{{"Kb", {"--data", SimSwitch::DataFile("tables.dat")}}};

    ToolResult Set(const std::string& security, const std::vector<std::string>& bindings)
    {
        std::vector<std::string> args = SimSecurityArgs(security);
        args.insert(args.end(), {"-t", "2", "-r", "0", sim.Endpoint()});
        args.insert(args.end(), bindings.begin(), bindings.end());
        return RunSnmpTool("snmpset", args);
    }
    std::string Walk(const std::string& oid)
    {
        return RunSnmpTool("snmpwalk", {"-v2c", "-c", SimCredentials::ReadCommunity, sim.Endpoint(), oid}).output;
    }
};

TEST_F(SimAgentWrite, CreateAndGoWithColumnsInAnyOrderThenDestroy)
{
    // The columns come before the status in the PDU.
    ToolResult r = Set("v2c-write", {Rows + ".3.5", "i", "55", Rows + ".2.5", "s", "fifth", Rows + ".4.5", "i", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    std::string table = Walk(Rows);
    EXPECT_NE(table.find(".7.1.1.5 = INTEGER: 5"), std::string::npos) << table; // index column filled in
    EXPECT_NE(table.find(".7.1.2.5 = STRING: \"fifth\""), std::string::npos) << table;
    EXPECT_NE(table.find(".7.1.3.5 = INTEGER: 55"), std::string::npos) << table;
    EXPECT_NE(table.find(".7.1.4.5 = INTEGER: 1"), std::string::npos) << table;   // active

    // A second createAndGo on the same row is inconsistent.
    r = Set("v2c-write", {Rows + ".4.5", "i", "4"});
    EXPECT_NE(r.output.find("inconsistentValue"), std::string::npos) << r.output;

    // destroy removes the row even with another column in the same PDU.
    r = Set("authPriv-SHA-DES", {Rows + ".2.5", "s", "ignored", Rows + ".4.5", "i", "6"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    table = Walk(Rows);
    EXPECT_EQ(table.find(".5 = "), std::string::npos) << table;
    EXPECT_NE(table.find(".7.1.2.1 = STRING: \"existing\""), std::string::npos) << table;
}

TEST_F(SimAgentWrite, CreateAndWaitLeavesTheRowNotInServiceWithDefaultsUntilActive)
{
    ASSERT_EQ(Set("v2c-write", {Rows + ".4.9", "i", "5"}).exitCode, 0);
    std::string table = Walk(Rows);
    EXPECT_NE(table.find(".7.1.2.9 = STRING: \"new\""), std::string::npos) << table;
    EXPECT_NE(table.find(".7.1.4.9 = INTEGER: 2"), std::string::npos) << table;
    ASSERT_EQ(Set("v2c-write", {Rows + ".4.9", "i", "1"}).exitCode, 0);
    EXPECT_NE(Walk(Rows).find(".7.1.4.9 = INTEGER: 1"), std::string::npos);
}

TEST_F(SimAgentWrite, TableWithItsOwnStatusValuesAddsAndDeletes)
{
    const std::string routes = "1.3.6.1.3.4242.8.1"; // 1 valid, 2 invalid
    ASSERT_EQ(Set("v2c-write", {routes + ".2.10.2.0.0", "a", "10.0.0.1", routes + ".3.10.2.0.0", "i", "1"}).exitCode, 0);
    std::string table = Walk(routes);
    EXPECT_NE(table.find(".8.1.1.10.2.0.0 = IpAddress: 10.2.0.0"), std::string::npos) << table;
    EXPECT_NE(table.find(".8.1.2.10.2.0.0 = IpAddress: 10.0.0.1"), std::string::npos) << table;
    ASSERT_EQ(Set("v2c-write", {routes + ".3.10.1.0.0", "i", "2"}).exitCode, 0);
    table = Walk(routes);
    EXPECT_EQ(table.find("10.1.0.0 ="), std::string::npos) << table;
}

// A row whose status cell says nodelete stays, by destroy or by the table's own delete value;
// its status still changes, and the other rows are deleted as before.
TEST_F(SimAgentWrite, RowsThatRefuseDeletionStay)
{
    const std::string routes = "1.3.6.1.3.4242.8.1"; // 1 valid, 2 invalid
    ASSERT_EQ(sim.Control("data " + Rows + ".4.1 i 1 nodelete").rfind("ok", 0), 0u);
    ASSERT_EQ(sim.Control("data " + routes + ".3.10.1.0.0 i 1 nodelete").rfind("ok", 0), 0u);

    ToolResult r = Set("v2c-write", {Rows + ".4.1", "i", "6"});
    EXPECT_NE(r.output.find("inconsistentValue"), std::string::npos) << r.output;
    r = Set("v2c-write", {routes + ".3.10.1.0.0", "i", "2"});
    EXPECT_NE(r.output.find("inconsistentValue"), std::string::npos) << r.output;
    EXPECT_NE(Walk(Rows).find(".7.1.2.1 = STRING: \"existing\""), std::string::npos);
    EXPECT_NE(Walk(routes).find(".8.1.3.10.1.0.0 = INTEGER: 1"), std::string::npos);

    ASSERT_EQ(Set("v2c-write", {Rows + ".4.1", "i", "2"}).exitCode, 0);
    r = Set("v2c-write", {Rows + ".4.1", "i", "6"});
    EXPECT_NE(r.output.find("inconsistentValue"), std::string::npos) << "the option outlives a status change";
    ASSERT_EQ(Set("v2c-write", {Rows + ".4.2", "i", "4"}).exitCode, 0);
    ASSERT_EQ(Set("v2c-write", {Rows + ".4.2", "i", "6"}).exitCode, 0);
    EXPECT_EQ(Walk(Rows).find(".7.1.4.2 = "), std::string::npos);
    // The option belongs to a row, not to a column.
    EXPECT_NE(sim.Control("data column " + Rows + ".4 i rw nodelete").rfind("ok", 0), 0u);
}

TEST_F(SimAgentWrite, FixedWidthOctetKeysCreateRowsWithoutALengthPrefix)
{
    // An integer key, then a MAC address of six octets; a second table keyed by an IPv6 address.
    const std::string macs = "1.3.6.1.3.4242.90.1";
    const std::string ipv6 = "1.3.6.1.3.4242.91.1";
    for (const std::string& line :
         {"table " + macs + " index=1,2:6 rowstatus=4", "column " + macs + ".1 i na", "column " + macs + ".2 x na",
          "column " + macs + ".3 i rw", "column " + macs + ".4 i rw", "table " + ipv6 + " index=1:16 rowstatus=3",
          "column " + ipv6 + ".1 x na", "column " + ipv6 + ".2 s rw", "column " + ipv6 + ".3 i rw"})
        ASSERT_EQ(sim.Control("data " + line).rfind("ok", 0), 0u) << line;

    const std::string mac = ".7.0.1.2.3.4.165";
    ToolResult r = Set("v2c-write", {macs + ".3" + mac, "i", "12", macs + ".4" + mac, "i", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    std::string table = Walk(macs);
    EXPECT_NE(table.find(".90.1.3.7.0.1.2.3.4.165 = INTEGER: 12"), std::string::npos) << table;
    EXPECT_NE(table.find(".90.1.4.7.0.1.2.3.4.165 = INTEGER: 1"), std::string::npos) << table;
    // The key columns were filled in from the instance (they are not accessible, so not walked).
    EXPECT_EQ(table.find(".90.1.2."), std::string::npos) << table;

    const std::string address = ".254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.9";
    r = Set("v2c-write", {ipv6 + ".2" + address, "s", "gateway", ipv6 + ".3" + address, "i", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(Walk(ipv6).find(".91.1.2.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.9 = STRING: \"gateway\""),
              std::string::npos);

    // One octet short, or a length prefix in front: the instance names no row of these keys.
    r = Set("v2c-write", {macs + ".4.7.0.1.2.3.4", "i", "4"});
    EXPECT_NE(r.output.find("inconsistentName"), std::string::npos) << r.output;
    r = Set("v2c-write", {ipv6 + ".3.16" + address, "i", "4"});
    EXPECT_NE(r.output.find("inconsistentName"), std::string::npos) << r.output;
}

// A table declared createbyset makes a missing row when a read-write column of it is written:
// two integer keys filled in from the instance, the column as sent; an existing row is changed
// as before, a read-only column still makes nothing, and a table without the option still
// answers noCreation.
TEST_F(SimAgentWrite, ATableCreatedByAColumnSetMakesTheMissingRow)
{
    const std::string limits = "1.3.6.1.3.4242.92.1";
    for (const std::string& line :
         {"table " + limits + " index=2,3 createbyset", "column " + limits + ".1 i rw", "column " + limits + ".2 i na",
          "column " + limits + ".3 i na", "column " + limits + ".4 i ro", limits + ".1.1.1 i 10",
          limits + ".4.1.1 i 3"})
        ASSERT_EQ(sim.Control("data " + line).rfind("ok", 0), 0u) << line;

    ToolResult r = Set("v2c-write", {limits + ".1.5.20", "i", "-1"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    std::string table = Walk(limits);
    EXPECT_NE(table.find(".92.1.1.5.20 = INTEGER: -1"), std::string::npos) << table;
    EXPECT_NE(table.find(".92.1.4.5.20 = INTEGER: 0"), std::string::npos) << table; // its other columns
    EXPECT_EQ(table.find(".92.1.2."), std::string::npos) << table;                   // keys not walked

    ASSERT_EQ(Set("v2c-write", {limits + ".1.1.1", "i", "12"}).exitCode, 0);
    table = Walk(limits);
    EXPECT_NE(table.find(".92.1.1.1.1 = INTEGER: 12"), std::string::npos) << table;
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 4) << table; // two rows, two columns each

    r = Set("v2c-write", {limits + ".4.7.7", "i", "1"});
    EXPECT_NE(r.output.find("noCreation"), std::string::npos) << r.output;
    r = Set("v2c-write", {limits + ".1.7", "i", "1"}); // one key short
    EXPECT_NE(r.output.find("inconsistentName"), std::string::npos) << r.output;
    r = Set("v2c-write", {Rows + ".2.42", "s", "orphan"});
    EXPECT_NE(r.output.find("noCreation"), std::string::npos) << r.output;
    EXPECT_EQ(Walk(limits), table);
}

TEST_F(SimAgentWrite, OneBadBindingChangesNothingAndNamesItsError)
{
    struct Case {
        std::vector<std::string> bad;
        const char* v2Error;
        const char* v1Error;
    };
    const std::vector<Case> cases = {
        {{"1.3.6.1.3.4242.6.2.0", "s", std::string(33, 'x')}, "wrongLength", "badValue"},
        {{"1.3.6.1.3.4242.6.1.0", "s", "text"}, "wrongType", "badValue"},
        {{"1.3.6.1.3.4242.6.8.0", "i", "3"}, "wrongValue", "badValue"},             // enum 1,2
        {{"1.3.6.1.2.1.1.2.0", "o", "1.3.6.1"}, "notWritable", "noSuchName"},       // read-only
        {{"1.3.6.1.3.4242.77.0", "i", "1"}, "notWritable", "noSuchName"},           // no such object
        {{Rows + ".2.42", "s", "orphan"}, "noCreation", "noSuchName"},              // no row, no status
        {{Rows + ".4.1", "i", "4"}, "inconsistentValue", "badValue"},               // row exists
        {{Rows + ".4.1", "i", "3"}, "wrongValue", "badValue"},                      // notReady cannot be set
    };
    const std::vector<std::string> good = {"1.3.6.1.3.4242.6.1.0", "i", "77", Rows + ".4.30", "i", "4"};
    for (const Case& c : cases) {
        for (const auto& [security, expected] : {std::pair{"v2c-write", c.v2Error}, std::pair{"v1-write", c.v1Error}}) {
            std::vector<std::string> bindings = good;
            bindings.insert(bindings.end(), c.bad.begin(), c.bad.end());
            const ToolResult r = Set(security, bindings);
            EXPECT_NE(r.exitCode, 0) << c.bad[0];
            EXPECT_NE(r.output.find(expected), std::string::npos) << security << " " << c.bad[0] << ": " << r.output;
            EXPECT_NE(r.output.find("Failed object: ." + c.bad[0]), std::string::npos) << r.output;
        }
    }
    const std::string after = Walk("1.3.6.1.3.4242");
    EXPECT_NE(after.find(".6.1.0 = INTEGER: 5"), std::string::npos) << after;
    EXPECT_EQ(after.find(".7.1.4.30"), std::string::npos) << after;
}

TEST_F(SimAgentWrite, ReadCommunityCannotWrite)
{
    ToolResult r = Set("v2c", {"1.3.6.1.3.4242.6.1.0", "i", "7"});
    EXPECT_NE(r.output.find("noAccess"), std::string::npos) << r.output;
    r = Set("v1", {"1.3.6.1.3.4242.6.1.0", "i", "7"});
    EXPECT_NE(r.output.find("readOnly"), std::string::npos) << r.output;
    r = Set("v1-write", {"1.3.6.1.3.4242.6.1.0", "i", "7", "1.3.6.1.3.4242.6.3.0", "a", "10.9.8.7"});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(Walk("1.3.6.1.3.4242.6.3").find("IpAddress: 10.9.8.7"), std::string::npos);
}

} // namespace

// The 802.3ad LAG MIB lives under iso.member-body (1.2), beside the iso.org data.
TEST(SimAgentMemberBody, ObjectsUnder12AreReadAndWritten)
{
    SimSwitch sim{{"Kb", {"--data", SimSwitch::DataFile("livecounters.dat")}}};
    const std::string actorKey = "1.2.840.10006.300.43.1.2.1.1.4.1";
    auto get = [&] {
        return RunSnmpTool("snmpget", {"-v2c", "-c", SimCredentials::ReadCommunity, sim.Endpoint(), actorKey}).output;
    };
    EXPECT_NE(get().find("INTEGER: 1"), std::string::npos) << get();
    const ToolResult r = RunSnmpTool("snmpset", {"-v2c", "-c", SimCredentials::WriteCommunity, "-t", "2", "-r", "0",
                                                 sim.Endpoint(), actorKey, "i", "300", "1.3.6.1.2.1.10.7.10.1.1.1",
                                                 "i", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(get().find("INTEGER: 300"), std::string::npos) << get();
}
