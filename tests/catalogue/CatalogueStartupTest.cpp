// Building the option lists at start-up and emptying them at exit.

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Trace;

void Record(const CatalogueModule& module, bool built)
{
    Trace.push_back((built ? "+" : "-") + std::string(module.name));
}

int EmptyLists()
{
    int empty = 0;
    for (const CatalogueModule* m : CatalogueModules())
        for (const MvOptionList* list : m->optionLists)
            empty += list->Count() == 0;
    return empty;
}

int ListCount()
{
    int count = 0;
    for (const CatalogueModule* m : CatalogueModules())
        count += static_cast<int>(m->optionLists.size());
    return count;
}

} // namespace

TEST(CatalogueStartup, UnitsComeFirstThenRecordsInLinkOrderAndExitReversesIt)
{
    const std::vector<std::string> records = {
        "Oid_cfm", "Oid_dhcpserver", "Oid_ipif", "Oid_common", "Oid_acl", "Oid_egressacl",
        "Oid_ddm", "Oid_poe", "Oid_lacpoam", "Oid_lldp", "Oid_mcast", "Oid_mcastproxy",
        "Oid_bridge", "Oid_snmpv3usm", "Oid_snmpv3vacm", "Oid_sim", "Oid_snmptarget",
        "Oid_rmonprobe", "Oid_disman", "Oid_sflow", "Oid_smtp", "Oid_qos", "Oid_dot1x",
        "Oid_radiusacct", "Oid_radiusauth", "Oid_mba", "Oid_equipment", "Oid_time", "Oid_config",
        "Oid_filetransfer", "Oid_timerange", "Oid_sdcard", "Oid_protocolvlan",
        "Oid_macbasedvlan", "Oid_qbridge", "Oid_mcastreplication", "Oid_dnsresolver",
        "Oid_supervlan", "Oid_historycounter"};

    Trace.clear();
    InitCatalogue(Record);
    std::vector<std::string> built = Trace;
    Trace.clear();
    FreeCatalogue(Record);
    const std::vector<std::string> freed = Trace;

    ASSERT_EQ(built.size(), 26u + records.size());
    for (std::size_t i = 0; i < 26; ++i)
        EXPECT_EQ(FindCatalogueModule(built[i].substr(1))->startup, StartupForm::Unit) << built[i];
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(built[26 + i], "+" + records[i]);

    ASSERT_EQ(freed.size(), built.size());
    for (std::size_t i = 0; i < built.size(); ++i)
        EXPECT_EQ(freed[i].substr(1), built[built.size() - 1 - i].substr(1));
}

TEST(CatalogueStartup, ListsExistFromStartUpUntilExit)
{
    InitCatalogue();
    // Every list a row can reach is built; only the capabilities list has no items.
    for (const CatalogueModule* m : CatalogueModules())
        for (const MvOptionList* list : m->optionLists)
            EXPECT_TRUE(list->Kind() == 1 || list->Kind() == 2) << m->name;
    EXPECT_EQ(EmptyLists(), 1);

    FreeCatalogue();
    EXPECT_EQ(EmptyLists(), ListCount());
}

TEST(CatalogueStartup, AUnitBuildsItsListsOnceAndEmptiesThemOnBalance)
{
    const CatalogueModule& ssl = *FindCatalogueModule("Oid_ssl");
    const MvOptionList& list = *ssl.optionLists.front();

    // Initialised twice: built once, emptied by the finalisation that balances the first.
    EXPECT_TRUE(InitializeUnit(ssl));
    EXPECT_FALSE(InitializeUnit(ssl));
    EXPECT_GT(list.Count(), 0);
    EXPECT_FALSE(FinalizeUnit(ssl));
    EXPECT_GT(list.Count(), 0);
    EXPECT_TRUE(FinalizeUnit(ssl));
    EXPECT_EQ(list.Count(), 0);

    // Initialised once, finalised twice: emptied once; the next initialisation only counts.
    EXPECT_TRUE(InitializeUnit(ssl));
    EXPECT_TRUE(FinalizeUnit(ssl));
    EXPECT_FALSE(FinalizeUnit(ssl));
    EXPECT_FALSE(InitializeUnit(ssl));
    EXPECT_EQ(list.Count(), 0);
}

// The option values that are written unusually on purpose, as a window sees them.
class CatalogueLists : public ::testing::Test {
protected:
    void SetUp() override { InitCatalogue(); }
    void TearDown() override { FreeCatalogue(); }
};

TEST_F(CatalogueLists, OptionValuesStayAsWritten)
{
    // A negative value.
    const VarDescriptor* ipv4Profile = FindTable("Oid_acl", "1.3.6.1.4.1.171.12.9.2.2.1.1");
    ASSERT_NE(ipv4Profile, nullptr);
    const VarDescriptor* protocolId = ipv4Profile;
    while (protocolId->oid && std::string(protocolId->oid) != "1.3.6.1.4.1.171.12.9.2.2.1.17")
        ++protocolId;
    ASSERT_NE(protocolId->options, nullptr);
    EXPECT_EQ(protocolId->options->ValueToText("-1"), "-");

    // A list without items leaves values untranslated.
    const VarDescriptor* capabilities = FindTable("Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 2);
    ASSERT_NE(capabilities, nullptr);
    EXPECT_EQ(capabilities[1].options->Count(), 0);

    // Text values: the SNMPv3 authentication protocols.
    const VarDescriptor* users = FindTable("Oid_snmpv3usm", "1.3.6.1.6.3.15.1.2.2.1.1");
    ASSERT_NE(users, nullptr);
    const VarDescriptor* auth = users;
    while (auth->oid && std::string(auth->caption) != "Authentication Protocol")
        ++auth;
    ASSERT_NE(auth->options, nullptr);
    EXPECT_EQ(auth->options->TextToValue("MD5"), "1.3.6.1.6.3.10.1.1.2");

    // Lists that differ only in letter case are different lists.
    const VarDescriptor* protocolType = ipv4Profile + 6;
    ASSERT_STREQ(protocolType->caption, "Protocol Type");
    const VarDescriptor* ipv4Rule = FindTable("Oid_acl", "1.3.6.1.4.1.171.12.9.3.2.1.1");
    ASSERT_NE(ipv4Rule, nullptr);
    const VarDescriptor* ruleProtocol = ipv4Rule;
    while (ruleProtocol->oid && std::string(ruleProtocol->caption) != "Protocol")
        ++ruleProtocol;
    ASSERT_NE(ruleProtocol->options, nullptr);
    EXPECT_EQ(protocolType->options->Item(5).text + "/" + ruleProtocol->options->Item(5).text,
              "protocolID/protocolId");
}
