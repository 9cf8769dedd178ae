#include "snmp/VarList.h"

#include <gtest/gtest.h>

namespace {

constexpr OptionItem EnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
constinit MvOptionList StateOptions;

constinit const VarDescriptor IfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", integer, notaccess, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description", displaystr, readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", integer, readwrite, &StateOptions},
    {},
};

std::vector<std::string> Oids(const MvSNMPVarList& list)
{
    std::vector<std::string> oids;
    for (int i = 0; i < list.Count(); ++i)
        oids.push_back(list.Item(i).oid);
    return oids;
}

TEST(VarList, BuildsOwnedItemsFromAStaticTable)
{
    StateOptions.Init(EnabledDisabled, 1);
    const MvSNMPVarList list(IfTable, MVT_UMV, 1);
    EXPECT_EQ(MvSNMPVarList::CountDescriptorRows(IfTable), 3);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.kind, MVT_UMV);
    EXPECT_EQ(list.keyCount, 1);
    EXPECT_EQ(list.suffix, "");
    EXPECT_EQ(list.name, "");
    const MvVarItem& item = list.Item(2);
    EXPECT_EQ(item.oid, "1.3.6.1.2.1.2.2.1.7");
    EXPECT_EQ(item.caption, "Admin Status");
    EXPECT_EQ(item.options, &StateOptions); // shared, not copied
    EXPECT_FALSE(item.getExpression.has_value());
    EXPECT_EQ(item.value, "");
    EXPECT_EQ(item.currentOid, "");
    StateOptions.Free();
}

TEST(VarList, NullOrEmptyTablesAppendNothing)
{
    constexpr VarDescriptor empty[] = {{}};
    MvSNMPVarList list(nullptr, SVT_SV, 0);
    EXPECT_EQ(MvSNMPVarList::CountDescriptorRows(nullptr), 0);
    list.AppendTable(empty);
    EXPECT_EQ(list.Count(), 0);
}

TEST(VarList, RowsWithExpressionsAndValuesAreCopied)
{
    std::string value = "21";
    std::string current = "1.2.3.0";
    const VarDescriptor table[] = {{"1.2.3", "Derived", integer, derived, nullptr, "$1*2", "", "note", &value, &current},
                                   {}};
    MvSNMPVarList list(table, SVT_SV, 0);
    value = "changed";
    const MvVarItem& item = list.Item(0);
    EXPECT_EQ(item.getExpression, "$1*2");
    EXPECT_EQ(item.setExpression, ""); // an empty expression is still an expression
    EXPECT_EQ(item.furtherText, "note");
    EXPECT_EQ(item.value, "21");
    EXPECT_EQ(item.currentOid, "1.2.3.0");
}

TEST(VarList, AccessPredicates)
{
    struct Case {
        std::int32_t access;
        std::uint8_t kind;
        bool indexColumn;
        bool readable, settable, shown, hiddenColumn, implied;
    };
    // clang-format off
    const Case cases[] = {
        // access                 kind     index  read   set    shown  hidden implied
        {notaccess,               MVT_UMV, true,  false, true,  true,  false, false},
        {notaccess,               MVT_FMV, true,  false, true,  true,  false, false},
        {notaccess,               MVT_SV,  true,  false, false, true,  false, false},
        {notaccess,               SVT_SV,  true,  false, false, true,  false, false},
        {notaccess | impliedlength, MVT_UMV, true, false, true, true,  false, true},
        {readonly,                MVT_UMV, false, true,  false, true,  false, false},
        {readwrite,               MVT_UMV, false, true,  true,  true,  false, false},
        {writeonly,               SVT_SV,  false, false, true,  false, true,  false},
        {derived,                 SVT_SV,  false, false, false, true,  false, false},
        {readonly | hidden,       SVT_SV,  false, true,  false, false, true,  false},
        {writeonly | hidden,      SVT_SV,  false, false, true,  false, true,  false},
        {invalid,                 SVT_SV,  false, false, false, false, true,  false},
        {readwrite | invalid,     SVT_SV,  false, false, false, false, true,  false},
        {readwrite | invalid,     MVT_UMV, true,  false, false, false, true,  false},
        {writeonly | impliedlength, SVT_SV, false, false, true, false, false, true},
        {0,                       SVT_SV,  false, false, false, false, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        // Item 0 is the key column of a one-key table; the item under test sits at 0 or 1.
        const VarDescriptor table[] = {{"1.1", "key", integer, notaccess, nullptr},
                                       {"1.2", "column", integer, c.access, nullptr},
                                       {}};
        const MvSNMPVarList list(c.indexColumn ? table + 1 : table, c.kind, 1);
        const int i = c.indexColumn ? 0 : 1;
        const auto where = testing::Message() << "access 0x" << std::hex << c.access << " kind " << int(c.kind)
                                              << (c.indexColumn ? " index column" : "");
        EXPECT_EQ(list.IsReadable(i), c.readable) << where;
        EXPECT_EQ(list.IsSettable(i), c.settable) << where;
        EXPECT_EQ(list.IsShown(i), c.shown) << where;
        EXPECT_EQ(list.IsHiddenColumn(i), c.hiddenColumn) << where;
        EXPECT_EQ(list.HasImpliedIndex(i), c.implied) << where;
    }
}

TEST(VarList, ColumnCountsFollowThePredicates)
{
    const VarDescriptor table[] = {{"1", "a", integer, notaccess, nullptr}, {"2", "b", integer, writeonly, nullptr},
                                   {"3", "c", integer, readwrite, nullptr}, {"4", "d", integer, 0x44, nullptr},
                                   {"5", "e", integer, hidden, nullptr},    {}};
    const MvSNMPVarList list(table, MVT_FMV, 1);
    EXPECT_EQ(list.ShownCount(), 2);
    EXPECT_EQ(list.HiddenColumnCount(), 2);
}

TEST(VarList, AssignmentKeepsSuffixCopyStartsWithoutOne)
{
    MvSNMPVarList built(IfTable, MVT_FMV, 1);
    built.name = "ifTable";
    built.suffix = "9";

    MvSNMPVarList request;
    request.suffix = "3";
    request = built;
    EXPECT_EQ(request.suffix, "3");
    EXPECT_EQ(request.kind, MVT_FMV);
    EXPECT_EQ(request.keyCount, 1);
    EXPECT_EQ(request.name, "ifTable");
    EXPECT_EQ(request.Count(), 3);

    const MvSNMPVarList copy(request);
    EXPECT_EQ(copy.suffix, "");
    EXPECT_EQ(copy.kind, MVT_FMV);
    EXPECT_EQ(copy.name, "ifTable");
    EXPECT_EQ(copy.Count(), 3);

    request = request; // self-assignment keeps the items
    EXPECT_EQ(request.Count(), 3);
}

TEST(VarList, CopiesAreDeep)
{
    MvSNMPVarList source(IfTable, MVT_SV, 0);
    source.Item(1).value = "eth0";
    source.Item(1).getExpression = "$0";
    MvSNMPVarList copy(source);
    copy.Item(1).value = "eth1";
    *copy.Item(1).getExpression = "$2";
    copy.Item(1).access = invalid;
    EXPECT_EQ(source.Item(1).value, "eth0");
    EXPECT_EQ(source.Item(1).getExpression, "$0");
    EXPECT_EQ(source.Item(1).access, readonly);
    EXPECT_EQ(copy.Item(0).value, "");

    MvSNMPVarList replaced(IfTable, MVT_SV, 0);
    replaced.AppendTable(IfTable);
    replaced = source; // replaces, never appends
    EXPECT_EQ(replaced.Count(), 3);
    EXPECT_EQ(replaced.Item(1).value, "eth0");
}

TEST(VarList, AppendToOidsAndAppendTable)
{
    const VarDescriptor two[] = {{"1.3.6.1.2.1.2.2.1.2", "d", displaystr, readonly, nullptr},
                                 {"1.3.6.1.2.1.2.2.1.7", "s", integer, readwrite, nullptr},
                                 {}};
    MvSNMPVarList list(two, MVT_SV, 0);
    list.AppendToOids("7");
    EXPECT_EQ(Oids(list), (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.2.7", "1.3.6.1.2.1.2.2.1.7.7"}));
    list.AppendToOids("7");
    EXPECT_EQ(list.Item(0).oid, "1.3.6.1.2.1.2.2.1.2.7.7");

    list.AppendTable(IfTable);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Item(0).oid, "1.3.6.1.2.1.2.2.1.2.7.7");
    EXPECT_EQ(list.Item(2).oid, "1.3.6.1.2.1.2.2.1.1");

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(VarList, NameTablesTranslateCodesAndNames)
{
    InitVarListNameTables();
    EXPECT_EQ(ListKindNames.ValueToText("2"), "MVT_FMV");
    EXPECT_EQ(SyntaxNames.ValueToText("72"), "double");
    EXPECT_EQ(SyntaxNames.TextToValue("COUNTER64"), "70");
    EXPECT_EQ(SyntaxNames.Count(), 28);
    EXPECT_EQ(AccessNames.TextToValue("invalid"), "32");
    EXPECT_EQ(AccessNames.ValueToText("3"), "3");
    FreeVarListNameTables();
    EXPECT_EQ(SyntaxNames.Count(), 0);
}

} // namespace
