// Finding tables by key and choosing the member of a per-model group for the switch's model.

#include "catalogue/CatalogueIndex.h"

#include <gtest/gtest.h>

#include <string>

TEST(CatalogueIndex, KeysNarrowTablesThatShareTheirFirstOid)
{
    // Two tables begin with the same OID and differ in its caption, one of them empty.
    EXPECT_EQ(FindTables("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1").size(), 2u);
    EXPECT_EQ(FindTable("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1"), nullptr);
    const VarDescriptor* portNumber = FindTable("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1", "Port Number");
    const VarDescriptor* unnamed = FindTable("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1", "");
    ASSERT_NE(portNumber, nullptr);
    ASSERT_NE(unnamed, nullptr);
    EXPECT_NE(portNumber, unnamed);

    // Same OID, caption and row count: the first differing row decides.
    constexpr const char* Oid = "1.3.6.1.2.1.17.7.1.4.2.1.2";
    EXPECT_EQ(FindTables("Oid_qbridge", Oid, "VLAN ID", 4).size(), 2u);
    const VarDescriptor* groups =
        FindTable("Oid_qbridge", Oid, "VLAN ID", 4, {2, "1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address"});
    ASSERT_NE(groups, nullptr);
    EXPECT_STREQ(groups[1].caption, "Group Address");

    // Keys are byte-exact, and a key names a table of its own module only.
    EXPECT_EQ(FindTable("Oid_bridge", "1.3.6.1.2.1.17.4.4.1.1", "port number"), nullptr);
    EXPECT_EQ(FindTable("Oid_qbridge", "1.3.6.1.2.1.1.2"), nullptr);
    EXPECT_EQ(FindTable("Oid_nosuchmodule", "1.3.6.1.2.1.1.2"), nullptr);
    EXPECT_NE(FindTable("Oid_common", "1.3.6.1.2.1.1.2"), nullptr);
}

TEST(CatalogueIndex, ModelGroupMemberFollowsTheSysObjectId)
{
    constexpr const char* Group = "1.3.6.1.4.1.171.11.133.N.1.2.2.1.1.1";
    for (int n = 1; n <= 4; ++n) {
        const std::string sysObjectID = "1.3.6.1.4.1.171.10.133." + std::to_string(n) + ".1";
        EXPECT_EQ(ModelNumberOf(sysObjectID), n);
        const VarDescriptor* table = FindModelTable("Oid_vlancomm", Group, sysObjectID);
        ASSERT_NE(table, nullptr) << n;
        EXPECT_EQ(table[0].oid, "1.3.6.1.4.1.171.11.133." + std::to_string(n) + ".1.2.2.1.1.1");
        EXPECT_EQ(table, FindTable("Oid_vlancomm", table[0].oid));
    }
}

TEST(CatalogueIndex, UnidentifiedModelGetsNoTable)
{
    constexpr const char* Group = "1.3.6.1.4.1.171.11.133.N.1.2.2.1.1.1";
    for (const char* sysObjectID : {"", "1.3.6.1.4.1.171.10.133.5.1", "1.3.6.1.4.1.171.10.133.0.1",
                                    "1.3.6.1.4.1.171.10.133.2.1.0", "1.3.6.1.4.1.171.10.133.2",
                                    ".1.3.6.1.4.1.171.10.133.2.1", "1.3.6.1.4.1.171.10.134.2.1"}) {
        EXPECT_EQ(ModelNumberOf(sysObjectID), 0) << sysObjectID;
        EXPECT_EQ(FindModelTable("Oid_vlancomm", Group, sysObjectID), nullptr) << sysObjectID;
    }
    // A key without the model arc names no group.
    EXPECT_EQ(FindModelTable("Oid_common", "1.3.6.1.2.1.1.2", "1.3.6.1.4.1.171.10.133.1.1"), nullptr);
}
