#include "snmp/OptionList.h"

#include <gtest/gtest.h>

namespace {

constexpr OptionItem EnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem AuthProtocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                        {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                        {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                        {}};

struct Translation {
    const char* input;
    const char* expected;
};

TEST(OptionList, IntegerValuesTranslateBothWays)
{
    const MvOptionList list(EnabledDisabled, 1);
    for (const Translation& t : std::initializer_list<Translation>{
             {"2", "disabled"}, {"1", "enabled"}, {"3", "3"}, {"(NULL)", "(NULL)"}, {"x", "x"},
             {"", ""}, {"$2", "disabled"}, {"0x1", "enabled"}, {" 2", "disabled"}, {"2 ", "2 "},
             {"4294967298", "4294967298"}})
        EXPECT_EQ(list.ValueToText(t.input), t.expected) << "value " << t.input;
    for (const Translation& t : std::initializer_list<Translation>{
             {"Enabled", "1"}, {"DISABLED", "2"}, {"1", "1"}, {"enabled ", "enabled "}})
        EXPECT_EQ(list.TextToValue(t.input), t.expected) << "text " << t.input;
    EXPECT_EQ(list.FindByValue(""), -1);
    EXPECT_EQ(list.FindByValue("(NULL)"), -1);
    EXPECT_EQ(list.FindByText("disabled"), 1);
}

TEST(OptionList, TextValuesCompareWholeAndWithoutCase)
{
    const MvOptionList list(AuthProtocols, 2);
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1"), "1.3.6.1.6.3.10.1.1");
    EXPECT_EQ(list.TextToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(list.TextToValue("DES"), "DES");
    // Kind 2 compares text, so a number is no value of it.
    EXPECT_EQ(list.FindByValue("2"), -1);
}

TEST(OptionList, CaseSensitiveListComparesExactly)
{
    const MvOptionList list(EnabledDisabled, 1, true);
    EXPECT_EQ(list.TextToValue("Enabled"), "Enabled");
    EXPECT_EQ(list.TextToValue("enabled"), "1");
}

TEST(OptionList, FirstOfEqualTextsWins)
{
    constexpr OptionItem table[] = {{5, "same"}, {6, "Same"}, {7, ""}, {}};
    const MvOptionList list(table, 1);
    EXPECT_EQ(list.Count(), 3); // an empty text does not end a table
    EXPECT_EQ(list.FindByText("SAME"), 0);
    EXPECT_EQ(list.TextToValue("same"), "5");
    EXPECT_EQ(list.ValueToText("7"), "");
}

TEST(OptionList, EmptyAndNullTablesGiveEmptyLists)
{
    constexpr OptionItem empty[] = {{}};
    for (const OptionItem* table : {static_cast<const OptionItem*>(empty), static_cast<const OptionItem*>(nullptr)}) {
        const MvOptionList list(table, 1);
        EXPECT_EQ(MvOptionList::CountRows(table), 0);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.FindByText("enabled"), -1);
        EXPECT_EQ(list.FindByValue("1"), -1);
        EXPECT_EQ(list.ValueToText("1"), "1");
        EXPECT_EQ(list.TextToValue("enabled"), "enabled");
    }
}

TEST(OptionList, AppendKeepsExistingItemsFirst)
{
    constexpr OptionItem more[] = {{1, "other"}, {3, "third"}, {}};
    MvOptionList list(EnabledDisabled, 1);
    list.AppendTable(more);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0).text, "enabled");
    EXPECT_EQ(list.Item(3).text, "third");
    EXPECT_EQ(list.ValueToText("1"), "enabled"); // the earlier item shadows the appended one
    EXPECT_EQ(list.ValueToText("3"), "third");
}

// Module-level lists are constant-initialised, built at start-up and emptied at exit; the copies
// do not depend on the static table afterwards.
constinit MvOptionList ModuleList;

TEST(OptionList, ModuleLevelListIsBuiltAndFreedInPlace)
{
    EXPECT_EQ(ModuleList.Count(), 0);
    {
        char text[] = "temporary";
        const OptionItem table[] = {{9, text}, {}};
        ModuleList.Init(table, 1);
        text[0] = 'X';
    }
    EXPECT_EQ(ModuleList.ValueToText("9"), "temporary");
    ModuleList.Init(EnabledDisabled, 1); // rebuilding replaces the items
    EXPECT_EQ(ModuleList.Count(), 2);
    ModuleList.Free();
    EXPECT_EQ(ModuleList.Count(), 0);
    EXPECT_EQ(ModuleList.ValueToText("1"), "1");
}

} // namespace
