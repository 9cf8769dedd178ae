#include "RequestFixture.h"
#include "TestHelpers.h"

#include "snmp/Exception.h"

#include <QElapsedTimer>

using namespace requesttest;

namespace {

// Walks a table as the driver does; counts the exchanges.
Rows SyncWalk(MvSNMPRequest& request, int& exchanges, bool& lastOk)
{
    Rows rows;
    bool first = true;
    exchanges = 0;
    while (true) {
        ++exchanges;
        const bool more = request.SyncGet(lastOk, first);
        if (!more)
            break;
        if (lastOk) {
            rows.push_back(Values(request.VarList));
            first = false;
        }
    }
    return rows;
}

using SyncRequestTest = RequestTest;

TEST_F(SyncRequestTest, ThreeRowWalkTakesFourExchanges)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    int exchanges = 0;
    bool ok = false;
    const int before = GetNextCount();
    const Rows rows = SyncWalk(*request, exchanges, ok);

    EXPECT_EQ(rows, (Rows{{"1", "first", "10"}, {"2", "second", "20"}, {"3", "third", "30"}}));
    EXPECT_EQ(exchanges, 4);
    EXPECT_EQ(GetNextCount() - before, 4);
    EXPECT_TRUE(ok);
    // The fourth answer left both columns: no row, the key untouched.
    EXPECT_EQ(Values(request->VarList), (std::vector<std::string>{"3", "(NOTDONE)", "(NOTDONE)"}));
    EXPECT_TRUE(Reports().empty());
}

TEST_F(SyncRequestTest, EmptyTableGivesNoRowAndOk)
{
    const VarDescriptor columns[] = {
        {"1.3.6.1.3.4242.2.1.1", "Name", displaystr, readonly, nullptr},
        {"1.3.6.1.3.4242.2.1.2", "Number", integer, readonly, nullptr},
        {},
    };
    auto request = Request(MvSNMPVarList(columns, MVT_FMV, 0));
    int exchanges = 0;
    bool ok = false;
    EXPECT_TRUE(SyncWalk(*request, exchanges, ok).empty());
    EXPECT_EQ(exchanges, 1);
    EXPECT_TRUE(ok);
}

// Column 2 has only row 2, column 3 rows 1 and 3. Each cell lands in its own row, and the key
// of the last row comes from the column that goes on, not from the one that left the table.
TEST_F(SyncRequestTest, SparseTableKeepsCellsInTheirRows)
{
    const VarDescriptor columns[] = {
        {"1.3.6.1.3.4242.3.1.1", "Row", integer, notaccess, nullptr},
        {"1.3.6.1.3.4242.3.1.2", "Text", displaystr, readonly, nullptr},
        {"1.3.6.1.3.4242.3.1.3", "Number", integer, readonly, nullptr},
        {},
    };
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        auto request = Request(MvSNMPVarList(columns, MVT_FMV, 1), version);
        int exchanges = 0;
        bool ok = false;
        const Rows rows = SyncWalk(*request, exchanges, ok);
        EXPECT_EQ(rows, (Rows{{"1", "(NULL)", "100"}, {"2", "only-two", "(NULL)"}, {"3", "(NOTDONE)", "300"}}));
        EXPECT_EQ(exchanges, 4);
        EXPECT_TRUE(ok);
    }
}

TEST_F(SyncRequestTest, StringAndAddressIndexedTables)
{
    const VarDescriptor byName[] = {
        {"1.3.6.1.3.4242.4.1.1", "Name", displaystr, notaccess, nullptr},
        {"1.3.6.1.3.4242.4.1.2", "Number", integer, readonly, nullptr},
        {"1.3.6.1.3.4242.4.1.3", "Text", displaystr, readonly, nullptr},
        {},
    };
    const VarDescriptor byAddress[] = {
        {"1.3.6.1.3.4242.5.1.1", "Address", ipaddress, readonly, nullptr},
        {"1.3.6.1.3.4242.5.1.2", "Mask", ipaddress, readonly, nullptr},
        {"1.3.6.1.3.4242.5.1.3", "Metric", integer, readonly, nullptr},
        {},
    };
    int exchanges = 0;
    bool ok = false;
    auto names = Request(MvSNMPVarList(byName, MVT_UMV, 1));
    EXPECT_EQ(SyncWalk(*names, exchanges, ok),
              (Rows{{"b", "2", "bee"}, {"ab", "1", "ab-row"}, {"abc", "3", "abc-row"}}));
    EXPECT_EQ(names->VarList.Item(0).currentOid, "1.3.6.1.3.4242.4.1.1.3.97.98.99");

    auto addresses = Request(MvSNMPVarList(byAddress, MVT_FMV, 1));
    EXPECT_EQ(SyncWalk(*addresses, exchanges, ok),
              (Rows{{"10.0.0.1", "255.0.0.0", "1"}, {"192.168.1.254", "255.255.255.0", "20"}}));
    EXPECT_TRUE(ok);
}

// Running off the end of an SNMPv1 agent's MIB gives noSuchName repeating the OIDs asked for;
// SNMPv2c gives endOfMibView. Both end the walk without a failure report.
TEST_F(SyncRequestTest, WalkOffTheEndOfTheMibEndsQuietly)
{
    const VarDescriptor columns[] = {
        {"1.3.99.1.1.1", "Row", integer, readonly, nullptr},
        {"1.3.99.1.1.2", "Name", displaystr, readonly, nullptr},
        {},
    };
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        auto request = Request(MvSNMPVarList(columns, MVT_FMV, 0), version);
        int exchanges = 0;
        bool ok = true;
        EXPECT_EQ(SyncWalk(*request, exchanges, ok), (Rows{{"1", "one"}, {"2", "two"}}));
        EXPECT_EQ(exchanges, 3);
        EXPECT_TRUE(Reports().empty());
    }
}

TEST_F(SyncRequestTest, NoSuchNameOnTheFirstExchangeReportsEveryReadableItem)
{
    Sim().Control("error 1.3.6.1.3.4242.1.1 noSuchName");
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1), 0);
    bool ok = true;
    EXPECT_FALSE(request->SyncGet(ok, true));
    EXPECT_FALSE(ok);
    ASSERT_EQ(Reports().size(), 2u);
    for (const MvSNMPError& report : Reports()) {
        EXPECT_EQ(report.Code, -102);
        EXPECT_EQ(report.Message, "(SNMP) Variable does not exist!");
    }
    EXPECT_EQ(Reports()[1].Sequence, 2u);
    EXPECT_EQ(request->GetErrorSequence(), 2u);
}

TEST_F(SyncRequestTest, OneRowListWithSuffix)
{
    const VarDescriptor columns[] = {
        {"1.3.6.1.3.4242.1.1.1", "Name", displaystr, readonly, nullptr},
        {"1.3.6.1.3.4242.1.1.2", "Number", integer, readonly, nullptr},
        {"1.3.6.1.3.4242.1.1.9", "Double", integer, derived, nullptr, "$1*2"}, // computed, never read
        {},
    };
    MvSNMPVarList list(columns, MVT_SV, 0);
    auto request = Request(list);
    request->VarList.suffix = "2";
    bool ok = false;
    EXPECT_FALSE(request->SyncGet(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(Values(request->VarList), (std::vector<std::string>{"second", "20", "40"}));
    EXPECT_EQ(request->VarList.Item(0).currentOid, "1.3.6.1.3.4242.1.1.1.2");

    request->UseGetNextForRow = 1;
    const int before = GetNextCount();
    EXPECT_FALSE(request->SyncGet(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(Values(request->VarList), (std::vector<std::string>{"third", "30", "60"}));
    EXPECT_EQ(GetNextCount() - before, 1);
}

TEST_F(SyncRequestTest, ScalarsOverEveryVersion)
{
    const VarDescriptor scalars[] = {
        {"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.3", "Address", ipaddress, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.5", "Ticks", timeticks, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.7", "MAC", macaddress, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.10", "Big", counter64, readonly, nullptr},
        {},
    };
    struct Case {
        int version;
        const char* user;
        int level;
        int auth;
        int priv;
    } cases[] = {
        {1, "", 1, 1, 1},
        {3, SimCredentials::NoAuthUser, 1, 1, 1},
        {3, SimCredentials::ShaPrivUser, 3, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        auto request = Request(MvSNMPVarList(scalars, SVT_SV, 0), c.version);
        request->Security.SecurityModel = 3;
        request->Security.SecurityName = c.user;
        request->Security.SecurityLevel = c.level;
        request->Security.AuthProtocol = c.auth;
        request->Security.PrivProtocol = c.priv;
        request->Security.AuthPassword = SimCredentials::AuthPassword;
        request->Security.PrivPassword = SimCredentials::PrivPassword;
        bool ok = false;
        EXPECT_FALSE(request->SyncGet(ok, true));
        EXPECT_TRUE(ok);
        EXPECT_EQ(Values(request->VarList),
                  (std::vector<std::string>{"5", "192.168.0.1", "0:02:03.45", "001122334455", "4294967296"}));
        EXPECT_TRUE(Reports().empty());
    }
}

TEST_F(SyncRequestTest, GetNextOnScalarsIsRefusedBeforeSending)
{
    const VarDescriptor scalars[] = {{"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr}, {}};
    auto request = Request(MvSNMPVarList(scalars, SVT_SV, 0));
    const int before = GetNextCount();
    bool ok = true;
    EXPECT_EQ(CodeOf([&] { request->SyncGet(ok, false); }), -510);
    EXPECT_EQ(GetNextCount(), before);
    EXPECT_EQ(request->GetErrorSequence(), 0u);
}

TEST_F(SyncRequestTest, UnresolvableAddressRaisesInvalidAddress)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    bool ok = true;
    MvSNMPError error;
    for (const char* address : {"no-such-host.invalid", ""}) {
        request->Device.Address = address;
        EXPECT_EQ(CodeOf([&] { request->SyncGet(ok, true); }), -509) << address;
        EXPECT_EQ(CodeOf([&] { request->SyncSet(ok, error); }), -509) << address;
    }
}

TEST_F(SyncRequestTest, InactiveRequestSendsNothing)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    request->Active = 0;
    const int before = GetNextCount();
    bool ok = true;
    EXPECT_FALSE(request->SyncGet(ok, true));
    EXPECT_FALSE(ok);
    MvSNMPError error;
    ok = true;
    request->SyncSet(ok, error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(GetNextCount(), before);
}

// Row 1 of the RowStatus table: the key selects the row and is never sent itself (the agent
// would refuse it, the column being read-only).
const VarDescriptor RowStatusColumns[] = {
    {"1.3.6.1.3.4242.7.1.1", "Row", integer, readonly, nullptr},
    {"1.3.6.1.3.4242.7.1.2", "Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.7.1.3", "Number", integer, readwrite, nullptr},
    {},
};

std::vector<std::string> ReadRow(const MvSNMPRequest& writer, const std::string& row)
{
    MvSNMPVarList list(RowStatusColumns, MVT_SV, 0);
    MvSNMPRequest reader;
    reader.Device = writer.Device;
    reader.Security = writer.Security;
    reader.VarList = list;
    reader.VarList.suffix = row;
    bool ok = false;
    reader.SyncGet(ok, true);
    return ok ? Values(reader.VarList) : std::vector<std::string>{};
}

TEST_F(SyncRequestTest, SetWritesTheSettableItemsOfOneRow)
{
    auto request = Request(MvSNMPVarList(RowStatusColumns, MVT_FMV, 1));
    MvSNMPVarList& list = request->VarList;
    list.Item(0).value = "1";
    list.Item(1).value = "renamed";
    list.Item(2).value = "42";
    bool ok = false;
    MvSNMPError error;
    request->SyncSet(ok, error);
    EXPECT_TRUE(ok) << error.Message;
    EXPECT_EQ(ReadRow(*request, "1"), (std::vector<std::string>{"1", "renamed", "42"}));

    // An item made invalid for one write is left out of it.
    list.Item(1).value = "again";
    list.Item(2).value = "43";
    list.Item(2).access = invalid;
    request->SyncSet(ok, error);
    EXPECT_TRUE(ok) << error.Message;
    EXPECT_EQ(ReadRow(*request, "1"), (std::vector<std::string>{"1", "again", "42"}));
}

// A table list without keys walks scalars as one row; its write goes where the walk found each
// item (".0"), not to the object with an empty index.
TEST_F(SyncRequestTest, TableListWithoutKeysWritesWhereItsWalkReadEachItem)
{
    const VarDescriptor scalars[] = {
        {"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr},
        {"1.3.6.1.3.4242.6.2", "Text", displaystr, readwrite, nullptr},
        {},
    };
    for (std::uint8_t kind : {MVT_FMV, MVT_UMV}) {
        SCOPED_TRACE(int(kind));
        auto request = Request(MvSNMPVarList(scalars, kind, 0));
        int exchanges = 0;
        bool ok = false;
        EXPECT_EQ(SyncWalk(*request, exchanges, ok), (Rows{{"5", "text"}}));
        Sim().ClearSetJournal();
        // The walk has ended: the values written are those read, at the instances read.
        request->VarList.Item(0).value = "5";
        request->VarList.Item(1).value = "text";
        MvSNMPError error;
        request->SyncSet(ok, error);
        EXPECT_TRUE(ok) << error.Message;
        const auto journal = Sim().SetJournal();
        ASSERT_EQ(journal.size(), 1u);
        ASSERT_EQ(journal[0].size(), 2u);
        EXPECT_EQ(journal[0][0].oid, "1.3.6.1.3.4242.6.1.0");
        EXPECT_EQ(journal[0][1].oid, "1.3.6.1.3.4242.6.2.0");
    }
    // Before any read the items are written as scalars.
    auto request = Request(MvSNMPVarList(scalars, MVT_UMV, 0));
    request->VarList.Item(0).value = "5";
    request->VarList.Item(1).value = "text";
    Sim().ClearSetJournal();
    bool ok = false;
    MvSNMPError error;
    request->SyncSet(ok, error);
    EXPECT_TRUE(ok) << error.Message;
    const auto journal = Sim().SetJournal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0][0].oid, "1.3.6.1.3.4242.6.1.0");
}

TEST_F(SyncRequestTest, FailedSetFillsTheCallersRecord)
{
    auto request = Request(MvSNMPVarList(RowStatusColumns, MVT_FMV, 1));
    request->VarList.Item(0).value = "1";
    request->VarList.Item(1).value = "name";
    request->VarList.Item(2).value = "5000"; // outside 0..1000
    bool ok = true;
    MvSNMPError error;
    request->SyncSet(ok, error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.Code, -110);
    EXPECT_EQ(error.Message, "(SNMP) Cannot create/set variable, Wrong Value!");
    EXPECT_EQ(error.ErrorIndex, 2);
    EXPECT_EQ(error.Sequence, 1u);
    EXPECT_TRUE(Reports().empty()); // the synchronous write reports through its record only
    EXPECT_EQ(request->VarList.Item(2).value, "5000");
}

TEST_F(SyncRequestTest, TimeOutIsAResult)
{
    Sim().Control("silence on");
    const VarDescriptor scalars[] = {{"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr}, {}};
    auto request = Request(MvSNMPVarList(scalars, SVT_SV, 0));
    request->Timeout = 20;
    request->Retries = 1;
    bool ok = true;
    QElapsedTimer clock;
    clock.start();
    request->SyncGet(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].Code, -405);
    EXPECT_EQ(Reports()[0].Message, "(SNMPClass) SNMP request timed out!");
}

TEST_F(SyncRequestTest, TimeoutCeilingShortensEveryWait)
{
    // A request that asks for six tries of six seconds waits at most the ceiling per try.
    Sim().Control("silence on");
    const VarDescriptor scalars[] = {{"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr}, {}};
    auto request = Request(MvSNMPVarList(scalars, SVT_SV, 0));
    request->Timeout = 600;
    request->Retries = 5;
    TimeoutCeiling = 10;
    struct Restore {
        ~Restore() { TimeoutCeiling = 0; }
    } restore;
    bool ok = true;
    QElapsedTimer clock;
    clock.start();
    request->SyncGet(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].Code, -405);
    EXPECT_EQ(request->Timeout, 600); // the request keeps what it asks for
}

} // namespace
