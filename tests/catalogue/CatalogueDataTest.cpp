// The transcribed tables: their number and size per module, their form, where their rows point,
// and the rows that are written unusually on purpose.

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A per-model group counts once, as its four members are one table written four times.
struct ModuleFigures {
    const char* name;
    int tables;
    int rows;
};

constexpr ModuleFigures Figures[] = {
    {"Oid_common", 102, 496}, {"Oid_vlancomm", 5, 10}, {"Oid_vlantrunk", 1, 2},
    {"Oid_trafficsegmentation", 1, 2}, {"Oid_qbridge", 24, 84}, {"Oid_bridge", 3, 12},
    {"Oid_qinq", 3, 14}, {"Oid_privatevlan", 2, 10}, {"Oid_protocolvlan", 3, 11},
    {"Oid_macbasedvlan", 1, 4}, {"Oid_subnetvlan", 2, 10}, {"Oid_voicevlan", 7, 27},
    {"Oid_supervlan", 4, 23}, {"Oid_vlancounter", 1, 7}, {"Oid_mcast", 50, 310},
    {"Oid_mcastproxy", 8, 28}, {"Oid_mcastreplication", 5, 23}, {"Oid_lldp", 44, 223},
    {"Oid_lacpoam", 14, 124}, {"Oid_cfm", 14, 118}, {"Oid_acl", 30, 342},
    {"Oid_egressacl", 12, 173}, {"Oid_dhcpserver", 20, 84}, {"Oid_dhcpv6server", 13, 43},
    {"Oid_filternetbios", 2, 4}, {"Oid_arpspoofingprevent", 2, 8}, {"Oid_dot1x", 11, 71},
    {"Oid_radiusauth", 6, 31}, {"Oid_radiusacct", 3, 18}, {"Oid_aac", 7, 52},
    {"Oid_commonsecurity", 1, 3}, {"Oid_mba", 13, 88}, {"Oid_multipleauth", 3, 12},
    {"Oid_wac", 5, 39}, {"Oid_jwac", 8, 78}, {"Oid_portsecurity", 6, 20}, {"Oid_ipmacbind", 8, 55},
    {"Oid_trusthost", 2, 14}, {"Oid_ssh", 6, 29}, {"Oid_ssl", 2, 8}, {"Oid_safeguard", 2, 6},
    {"Oid_bpduprotection", 2, 8}, {"Oid_lbd", 2, 10}, {"Oid_ipif", 18, 71},
    {"Oid_dnsresolver", 6, 25}, {"Oid_sim", 8, 47}, {"Oid_disman", 7, 55}, {"Oid_smtp", 2, 14},
    {"Oid_sflow", 4, 19}, {"Oid_rmonprobe", 3, 9}, {"Oid_time", 4, 22}, {"Oid_timerange", 3, 11},
    {"Oid_config", 17, 71}, {"Oid_filetransfer", 4, 20}, {"Oid_sdcard", 3, 13},
    {"Oid_systemlogunit", 5, 13}, {"Oid_historycounter", 3, 37}, {"Oid_snmpengine", 1, 4},
    {"Oid_mpdstats", 1, 3}, {"Oid_snmptarget", 8, 45}, {"Oid_snmpv3usm", 3, 20},
    {"Oid_snmpv3vacm", 5, 23}, {"Oid_equipment", 17, 88}, {"Oid_poe", 6, 28}, {"Oid_ddm", 4, 19},
    {"Oid_dot3unit", 5, 24}, {"Oid_qos", 16, 55},
};

bool IsIndexOnly(const VarDescriptor& row)
{
    return std::strcmp(row.oid, " ") == 0 || row.oid[0] == '\0';
}

bool SameRow(const VarDescriptor& a, const VarDescriptor& b)
{
    return std::strcmp(a.oid, b.oid) == 0 && std::strcmp(a.caption, b.caption) == 0;
}

// Every table of every module, with its module.
struct TableRef {
    const CatalogueModule* module;
    CatalogueTable table;
};

std::vector<TableRef> AllTables()
{
    std::vector<TableRef> all;
    for (const CatalogueModule* m : CatalogueModules())
        for (const CatalogueTable& t : m->tables)
            all.push_back({m, t});
    return all;
}

} // namespace

TEST(CatalogueData, EachModuleHasItsTablesAndRows)
{
    const auto modules = CatalogueModules();
    ASSERT_EQ(modules.size(), std::size(Figures));
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const CatalogueModule& m = *modules[i];
        SCOPED_TRACE(m.name);
        EXPECT_STREQ(m.name, Figures[i].name);
        int tables = 0;
        int rows = 0;
        for (const CatalogueTable& t : m.tables) {
            if (t.model <= 1) {
                ++tables;
                rows += TableRowCount(t.rows);
            }
        }
        EXPECT_EQ(tables, Figures[i].tables);
        EXPECT_EQ(rows, Figures[i].rows);
    }
}

TEST(CatalogueData, TotalsWithTheModelGroupsExpanded)
{
    int tables = 0, rows = 0, blankIndex = 0, emptyIndex = 0, implied = 0;
    for (const TableRef& t : AllTables()) {
        ++tables;
        rows += TableRowCount(t.table.rows);
        if (t.table.model > 1)
            continue;
        for (const VarDescriptor* r = t.table.rows; r->oid; ++r) {
            blankIndex += std::strcmp(r->oid, " ") == 0;
            emptyIndex += r->oid[0] == '\0';
            implied += r->access == (notaccess | impliedlength);
        }
    }
    EXPECT_EQ(tables, 715);
    EXPECT_EQ(rows, 3887);
    EXPECT_EQ(blankIndex, 163);
    EXPECT_EQ(emptyIndex, 2);
    EXPECT_EQ(implied, 9);
}

TEST(CatalogueData, EveryRowIsAStaticRowOfItsOwnModule)
{
    const std::set<int> syntaxes = {integer,   displaystr,  counter,   ipaddress, octetstr,
                                    guage,     bitlist,     macaddress, ipv6address, counter64,
                                    bitstr,    timeticks,   inetaddress, objectid, datetime};
    const std::set<int> accesses = {notaccess, readonly, readwrite, notaccess | impliedlength};
    for (const TableRef& t : AllTables()) {
        const VarDescriptor* rows = t.table.rows;
        const int count = TableRowCount(rows);
        SCOPED_TRACE(std::string(t.module->name) + " " + rows[std::max(KeyRowIndex(rows), 0)].oid);
        ASSERT_GE(count, 1);
        EXPECT_GE(KeyRowIndex(rows), 0);
        for (int i = 0; i < count; ++i) {
            const VarDescriptor& r = rows[i];
            ASSERT_NE(r.caption, nullptr);
            EXPECT_TRUE(syntaxes.count(r.syntax)) << r.oid;
            EXPECT_TRUE(accesses.count(r.access)) << r.oid;
            if (IsIndexOnly(r)) {
                EXPECT_EQ(r.access & notaccess, notaccess) << r.caption;
            }
            EXPECT_TRUE(!r.getExpression && !r.setExpression && !r.furtherText && !r.value && !r.currentOid);
            if (r.options) {
                const auto& own = t.module->optionLists;
                EXPECT_NE(std::find(own.begin(), own.end(), r.options), own.end()) << r.oid;
            }
        }
        const VarDescriptor& end = rows[count];
        EXPECT_TRUE(!end.caption && end.syntax == 0 && end.access == 0 && !end.options &&
                    !end.getExpression && !end.setExpression && !end.furtherText && !end.value &&
                    !end.currentOid);
    }
}

TEST(CatalogueData, ModelGroupsHaveFourMembersUnderTheirOwnBranch)
{
    for (const CatalogueModule* m : CatalogueModules()) {
        const auto tables = m->tables;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            if (tables[i].model != 1)
                continue;
            ASSERT_LE(i + 4, tables.size()) << m->name;
            for (int n = 1; n <= 4; ++n) {
                const CatalogueTable& member = tables[i + n - 1];
                ASSERT_EQ(member.model, n) << m->name;
                const std::string branch = "1.3.6.1.4.1.171.11.133." + std::to_string(n) + ".";
                for (const VarDescriptor* r = member.rows; r->oid; ++r) {
                    if (!IsIndexOnly(*r)) {
                        EXPECT_TRUE(std::string_view(r->oid).starts_with(branch)) << r->oid;
                    }
                }
            }
        }
    }
}

// The key of a table is its key row's OID, then its caption, the row count and the first row in
// which it differs from a table that agrees on all of these; each must pick out one table.
TEST(CatalogueData, EveryTableHasAUniqueKeyInItsModule)
{
    for (const TableRef& t : AllTables()) {
        const VarDescriptor* rows = t.table.rows;
        const VarDescriptor& key = rows[KeyRowIndex(rows)];
        std::vector<const VarDescriptor*> same;
        for (const CatalogueTable& o : t.module->tables) {
            const VarDescriptor& oKey = o.rows[KeyRowIndex(o.rows)];
            if (o.rows != rows && SameRow(oKey, key) && TableRowCount(o.rows) == TableRowCount(rows))
                same.push_back(o.rows);
        }
        CatalogueRow differing;
        for (const VarDescriptor* o : same) {
            int i = 0;
            while (rows[i].oid && SameRow(rows[i], o[i]))
                ++i;
            ASSERT_NE(rows[i].oid, nullptr) << t.module->name << ": two tables alike, " << key.oid;
            differing = {i + 1, rows[i].oid, rows[i].caption};
        }
        EXPECT_EQ(FindTable(t.module->name, key.oid, key.caption, TableRowCount(rows), differing), rows)
            << t.module->name << " " << key.oid << " \"" << key.caption << "\"";
    }
}

// Rows written unusually on purpose; each must stay exactly as it is.
TEST(CatalogueData, IrregularRowsStayAsWritten)
{
    // An index-only column (OID text one blank) before the key row.
    EXPECT_STREQ(FindTable("Oid_ipif", "1.3.6.1.4.1.171.12.84.1.4.1.1")[0].oid, " ");
    // The two index-only columns whose OID text is empty.
    EXPECT_STREQ(FindTable("Oid_qbridge", "1.3.6.1.2.1.17.7.1.4.3.1.1")[0].oid, "");
    EXPECT_STREQ(FindTable("Oid_dot1x", "1.0.8802.1.1.1.1.2.4.1.1")[0].caption, "Port Number");
    // Index-only columns after a real row.
    EXPECT_STREQ(FindTable("Oid_cfm", "1.3.111.2.802.1.1.8.1.6.2.1.1")[1].oid, " ");
    // Blanks and empty captions are kept byte for byte.
    EXPECT_STREQ(FindTable("Oid_common", "1.3.6.1.2.1.17.2.15.1.1")[2].caption, "Status        ");
    EXPECT_STREQ(FindTable("Oid_mcast", "1.3.6.1.4.1.171.12.73.2.1.3.1.5")[0].caption, "VLAN  ID");
    EXPECT_STREQ(FindTable("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1", "")[2].caption, "          Input Frames");
    // Columns that look mistyped keep their declared syntax.
    EXPECT_EQ(FindTable("Oid_qbridge", "1.3.6.1.2.1.17.4.4.1.1", " Port Index", 4,
                        {2, "1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames"})[1].syntax, integer);
    // Index columns of implied length.
    EXPECT_EQ(FindTable("Oid_snmptarget", "1.3.6.1.6.3.13.1.1.1.1")[0].access, notaccess | impliedlength);
}

TEST(CatalogueData, TheModelGroupExceptionIsOnlyInModelTwo)
{
    constexpr const char* Group = "1.3.6.1.4.1.171.11.133.N.1.3.2.1.4.1.1";
    for (int n = 1; n <= 4; ++n) {
        const std::string sysObjectID = "1.3.6.1.4.1.171.10.133." + std::to_string(n) + ".1";
        const VarDescriptor* table = FindModelTable("Oid_ipif", Group, sysObjectID);
        ASSERT_NE(table, nullptr) << n;
        EXPECT_STREQ(table[1].caption, n == 2 ? "Max Reassmbly Size" : "Max. Reassmbly Size");
    }
}
