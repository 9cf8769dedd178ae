// The simulated switch's data generated from catalogue tables: walks of tables keyed by integers,
// addresses and strings read back what was generated, and Add creates rows keyed by a MAC and an
// IPv6 address.

#include "../snmp/RequestFixture.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueIndex.h"
#include "snmp/OctetText.h"
#include "snmp/PartValues.h"
#include "snmp/SnmpRequest.h"
#include "simdata/SimDataGenerator.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

using namespace requesttest;

namespace {

struct Window {
    const char* name;
    SimWindowData data;
};

// Tables of different key syntaxes, a scalar window and a table kind without keys.
std::vector<Window> Windows()
{
    return {
        {"ARP spoofing (IPv4 and MAC keys)",
         {.table = FindTable("Oid_arpspoofingprevent", "1.3.6.1.4.1.171.12.62.3.1.1.1"), .kind = MVT_UMV,
          .keyCount = 2, .statusItem = 3}},
        {"ND spoofing (IPv6 and MAC keys)",
         {.table = FindTable("Oid_arpspoofingprevent", "1.3.6.1.4.1.171.12.200.3.1.1.1"), .kind = MVT_UMV,
          .keyCount = 2, .statusItem = 3}},
        {"DHCPv6 relay addresses (string, type and InetAddress keys)",
         {.table = FindTable("Oid_ipif", "1.3.6.1.4.1.171.12.84.1.4.1.1"), .kind = MVT_UMV, .keyCount = 3,
          .statusItem = 3}},
        {"IfX Table (key of another table, Counter64)",
         {.table = FindTable("Oid_common", "1.3.6.1.2.1.2.2.1.1"), .kind = MVT_UMV, .keyCount = 1}},
        {"Option 37 (scalars)", {.table = FindTable("Oid_ipif", "1.3.6.1.4.1.171.12.84.1.5.1"), .kind = SVT_SV}},
        {"Option 18 (a table kind without keys)",
         {.table = FindTable("Oid_ipif", "1.3.6.1.4.1.171.12.84.1.6.1"), .kind = MVT_FMV}},
        {"VLAN replication entries (address types, InetAddress keys, the last of implied length)",
         {.table = FindTable("Oid_mcastreplication", "1.3.6.1.4.1.171.12.71.2.1.1.1"), .kind = MVT_UMV,
          .keyCount = 5}},
    };
}

// The text the request framework shows for a generated value.
std::string Shown(const SimCell& cell, const MvVarItem& item)
{
    std::string text = cell.value;
    if (cell.type == 'x')
        text = item.syntax == inetaddress ? OctetsToText(cell.value, inetaddress) : OctetsToHex(cell.value);
    else if (cell.type == 't')
        text = TimeTicksToText(static_cast<std::uint32_t>(std::stoul(cell.value)));
    return item.options ? item.options->ValueToText(text) : text;
}

class SimDataGeneratorTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitCatalogue();
        EnsureGlobalSession();
        data_ = new SimDataGenerator("Kb");
        for (const Window& window : Windows()) {
            ASSERT_NE(window.data.table, nullptr) << window.name;
            data_->Add(window.data);
        }
        static QTemporaryDir dir;
        sim_ = new SimSwitch({"Kb", {"--data", data_->WriteFile(dir.path().toStdString() + "/windows.dat")}});
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        delete data_;
        FreeCatalogue();
    }

    static std::unique_ptr<MvSNMPRequest> Request(const SimWindowData& window)
    {
        auto request = std::make_unique<MvSNMPRequest>();
        AimAt(*request, *sim_);
        request->VarList = MvSNMPVarList(window.table, window.kind, window.keyCount);
        return request;
    }

    // Every row of a walk: the list after each answer that gave one.
    static std::vector<MvSNMPVarList> Walk(MvSNMPRequest& request)
    {
        std::vector<MvSNMPVarList> rows;
        bool ok = false;
        for (bool first = true;; first = false) {
            const bool more = request.SyncGet(ok, first);
            EXPECT_TRUE(ok);
            const bool table = request.VarList.kind == MVT_FMV || request.VarList.kind == MVT_UMV;
            if (ok && (more || !table))
                rows.push_back(request.VarList);
            if (!more)
                return rows;
        }
    }

    static inline SimDataGenerator* data_ = nullptr;
    static inline SimSwitch* sim_ = nullptr;
};

TEST_F(SimDataGeneratorTest, WalksReadBackWhatWasGenerated)
{
    for (const Window& window : Windows()) {
        SCOPED_TRACE(window.name);
        auto request = Request(window.data);
        const std::vector<MvSNMPVarList> rows = Walk(*request);
        const bool table = window.data.keyCount > 0;
        const std::vector<std::string> indexes = data_->RowIndexes(window.data);
        ASSERT_EQ(rows.size(), table ? indexes.size() : 1u);
        EXPECT_GE(rows.size(), table ? 3u : 1u);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            int readable = 0;
            for (int i = 0; i < rows[r].Count(); ++i) {
                const MvVarItem& item = rows[r].Item(i);
                if (!rows[r].IsReadable(i) || i < window.data.keyCount)
                    continue;
                ++readable;
                EXPECT_EQ(item.currentOid, item.oid + "." + (table ? indexes[r] : "0")) << item.caption;
                const SimCell* cell = data_->Cell(item.currentOid);
                ASSERT_NE(cell, nullptr) << item.currentOid;
                if (cell->step != 0) // a counter grows on every read
                    EXPECT_GT(std::stoull(item.value), std::stoull(cell->value)) << item.caption;
                else
                    EXPECT_EQ(item.value, Shown(*cell, item)) << item.caption;
            }
            EXPECT_GT(readable, 0);
        }
    }
}

TEST_F(SimDataGeneratorTest, KeysDecodeToTheirSyntaxAndDifferPerRow)
{
    const std::vector<Window> windows = Windows();
    auto request = Request(windows[0].data); // IPv4, then MAC
    std::vector<MvSNMPVarList> rows = Walk(*request);
    ASSERT_EQ(rows.size(), 3u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rows[r].Item(0).value, "10.90.90." + std::to_string(r + 1));
        EXPECT_EQ(HexToOctets(rows[r].Item(1).value), std::string("\x02\x53\x56\x00\x01", 5) + char(r + 1));
        EXPECT_EQ(rows[r].Item(3).value, "active");
    }
    request = Request(windows[2].data); // a name, the address type, an IPv6 InetAddress
    rows = Walk(*request);
    ASSERT_EQ(rows.size(), 3u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rows[r].Item(0).value, "interface" + std::to_string(r + 1));
        EXPECT_EQ(rows[r].Item(1).value, "ipv6");
        EXPECT_EQ(HexToOctets(rows[r].Item(2).value).size(), 16u) << rows[r].Item(2).value;
    }
    request = Request(windows[6].data); // types offering "unknown" and "ipv4", IPv4 InetAddresses
    rows = Walk(*request);
    ASSERT_EQ(rows.size(), 3u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rows[r].Item(1).value, "ipv4");
        EXPECT_EQ(rows[r].Item(3).value, "ipv4");
        EXPECT_EQ(rows[r].Item(4).value, "10.90.91." + std::to_string(r + 1)) << "decoded from the instance's end";
    }
}

TEST_F(SimDataGeneratorTest, AddCreatesRowsKeyedByMacAndIpv6Addresses)
{
    const std::vector<Window> windows = Windows();
    struct Case {
        const SimWindowData& window;
        std::string address;
        std::string instance;
    };
    const Case cases[] = {
        {windows[0].data, "10.1.2.3", "10.1.2.3.0.17.34.51.68.85"},
        {windows[1].data, "FE800000000000000000000000000009", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.9.0.17.34.51.68.85"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        sim_->ClearSetJournal();
        auto request = Request(c.window);
        MvSNMPVarList& list = request->VarList;
        list.Item(0).value = c.address;
        list.Item(1).value = "001122334455";
        list.Item(2).value = "F000000000000000";
        list.Item(3).value = "createAndGo";
        bool ok = false;
        MvSNMPError error;
        request->SyncSet(ok, error);
        ASSERT_TRUE(ok) << error.Message;

        const std::string entry = std::string(c.window.table[2].oid).substr(0, std::string(c.window.table[2].oid).rfind('.'));
        const auto journal = sim_->SetJournal();
        ASSERT_EQ(journal.size(), 1u);
        ASSERT_EQ(journal[0].size(), 2u);
        EXPECT_EQ(journal[0][1].oid, entry + ".4." + c.instance);

        const std::vector<MvSNMPVarList> rows = Walk(*Request(c.window));
        ASSERT_EQ(rows.size(), 4u);
        bool found = false;
        for (const MvSNMPVarList& row : rows) {
            if (row.Item(2).currentOid == entry + ".3." + c.instance) {
                found = true;
                EXPECT_EQ(HexToOctets(row.Item(1).value), HexToOctets("001122334455"));
                EXPECT_EQ(row.Item(2).value, "F000000000000000");
                EXPECT_EQ(row.Item(3).value, "active");
            }
        }
        EXPECT_TRUE(found);
    }
}

// What the file declares: one table per entry with its keys (fixed-width addresses, index-only
// keys past the MIB's columns), the status columns, and nothing the switch's own files serve.
TEST_F(SimDataGeneratorTest, FileDeclaresEachEntryOnceAndLeavesTheSwitchOwnDataAlone)
{
    const std::string text = data_->Text();
    EXPECT_NE(text.find("table 1.3.6.1.4.1.171.12.62.3.1.1 index=1,2:6 rowstatus=4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("table 1.3.6.1.4.1.171.12.200.3.1.1 index=1:16,2:6 rowstatus=4\n"), std::string::npos);
    EXPECT_NE(text.find("table 1.3.6.1.4.1.171.12.84.1.4.1 index=200,1,2 rowstatus=3\n"), std::string::npos);
    EXPECT_NE(text.find("column 1.3.6.1.4.1.171.12.84.1.4.1.200 s na\n"), std::string::npos);
    // The IfX Table's key belongs to the interface table, which the window does not read.
    EXPECT_EQ(text.find("table 1.3.6.1.2.1.2.2.1 "), std::string::npos);
    EXPECT_NE(text.find("table 1.3.6.1.2.1.31.1.1.1 index=200\n"), std::string::npos);

    SimDataGenerator more("Kb");
    const VarDescriptor system[] = {
        {"1.3.6.1.2.1.1.2", "Object ID", objectid, readonly, nullptr},
        {"1.3.6.1.2.1.1.5", "Name", displaystr, readwrite, nullptr},
        {"1.3.6.1.2.1.1.99", "Other", integer, readwrite, nullptr},
        {},
    };
    more.Add({.table = system, .kind = SVT_SV});
    // A per-model table of another model adds nothing.
    more.Add({.table = FindTable("Oid_common", "1.3.6.1.2.1.2.2.1.1"), .kind = MVT_UMV, .keyCount = 1, .model = 3});
    EXPECT_EQ(more.Cell("1.3.6.1.2.1.1.2.0"), nullptr);
    EXPECT_EQ(more.Cell("1.3.6.1.2.1.1.5.0"), nullptr);
    ASSERT_NE(more.Cell("1.3.6.1.2.1.1.99.0"), nullptr);
    EXPECT_NE(more.Text().find("1.3.6.1.2.1.1.99.0 i 1 rw\n"), std::string::npos) << more.Text();
    EXPECT_EQ(more.Text().find("31.1.1.1"), std::string::npos);
}

TEST_F(SimDataGeneratorTest, StatusColumnWithItsOwnValues)
{
    const VarDescriptor traps[] = {
        {"1.3.6.1.3.4242.60.1.1", "Index", integer, readonly, nullptr},
        {"1.3.6.1.3.4242.60.1.2", "Address", ipaddress, readwrite, nullptr},
        {"1.3.6.1.3.4242.60.1.5", "Status", integer, readwrite, nullptr},
        {},
    };
    SimDataGenerator data("Ka");
    data.Add({.table = traps, .kind = MVT_FMV, .keyCount = 1, .statusItem = 2, .addText = "3", .deleteText = "2"});
    EXPECT_NE(data.Text().find("table 1.3.6.1.3.4242.60.1 index=1 status=5:3:2\n"), std::string::npos) << data.Text();
    ASSERT_NE(data.Cell("1.3.6.1.3.4242.60.1.5.2"), nullptr);
    EXPECT_EQ(data.Cell("1.3.6.1.3.4242.60.1.5.2")->value, "3");
    EXPECT_EQ(data.Cell("1.3.6.1.3.4242.60.1.1.3")->value, "3");
}

} // namespace
