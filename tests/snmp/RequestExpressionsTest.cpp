#include "snmp/Exception.h"
#include "snmp/OptionList.h"
#include "snmp/SnmpRequest.h"
#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const OptionItem EnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {}};

class RequestExpressionsTest : public testing::Test {
protected:
    RequestExpressionsTest() : options_(EnabledDisabled, 1)
    {
        const VarDescriptor items[] = {
            {"1.3.6.1.3.1", "Text", octetstr, readonly, nullptr},
            {"1.3.6.1.3.2", "Number", integer, readonly, nullptr},
            {"1.3.6.1.3.3", "Flag", boolean, readonly, nullptr},
            {"1.3.6.1.3.4", "State", integer, readwrite, &options_},
            {"1.3.6.1.3.5", "Ticks", timeticks, readonly, nullptr},
            {"1.3.6.1.3.6", "Double", integer, derived, nullptr, "$1*2"},
            {"1.3.6.1.3.7", "Up", boolean, derived, nullptr, "$1-1"},
            {"1.3.6.1.3.8", "Choice", integer, derived, &options_, "1+1", "$1+100"},
            {"1.3.6.1.3.9", "Name", displaystr, derived, nullptr, "1"},
            {},
        };
        request_.VarList = MvSNMPVarList(items, SVT_SV, 0);
        Set(0, "abc");
        Set(1, "21");
        Set(2, "true");
        Set(3, "disabled");
        Set(4, "0:01:00.00");
    }
    void Set(int item, const std::string& value) { request_.VarList.Item(item).value = value; }
    std::string Value(int item) const { return request_.VarList.Item(item).value; }

    MvOptionList options_;
    MvSNMPRequest request_;
};

TEST_F(RequestExpressionsTest, ReferencesExpandToNumbersOrQuotedTexts)
{
    EXPECT_EQ(request_.ExpandReferences("$1>5", false, '$'), "21>5");
    EXPECT_EQ(request_.ExpandReferences("$2&$3", false, '$'), "1&2"); // truth value, option raw value
    EXPECT_EQ(request_.ExpandReferences("$4", false, '$'), "6000");
    EXPECT_EQ(request_.ExpandReferences("$0=x", true, '$'), "\"abc\"=x");
    EXPECT_EQ(request_.ExpandReferences("$", true, '$'), "\"abc\""); // a lone marker reads item 0
    EXPECT_EQ(request_.ExpandReferences("no reference", false, '$'), "no reference");

    Set(0, "a$1");
    EXPECT_EQ(request_.ExpandReferences("$0", true, '$'), "\"a$1\""); // not expanded again

    EXPECT_EQ(CodeOf([&] { request_.ExpandReferences("$0", false, '$'); }), -513);
    EXPECT_EQ(CodeOf([&] { request_.ExpandReferences("$12", true, '$'); }), -12);
    Set(1, "(NULL)");
    EXPECT_EQ(CodeOf([&] { request_.ExpandReferences("$1+1", false, '$'); }), -512);
}

TEST_F(RequestExpressionsTest, DerivedValuesTakeTheirItemsSyntax)
{
    for (int i = 0; i < request_.VarList.Count(); ++i)
        if (i != 8)
            request_.ComputeDerived(i, 1);
    EXPECT_EQ(Value(5), "42");
    EXPECT_EQ(Value(6), "true");
    EXPECT_EQ(Value(7), "disabled");
    EXPECT_EQ(Value(1), "21"); // no expression: unchanged

    Set(1, "1");
    request_.ComputeDerived(6, 1);
    EXPECT_EQ(Value(6), "false");
    request_.ComputeDerived(7, 0); // the set expression: 1+100 has no option text
    EXPECT_EQ(Value(7), "101");

    // Out-of-range results are held at the syntax's limits.
    Set(1, "1e20");
    request_.ComputeDerived(5, 1);
    EXPECT_EQ(Value(5), "2147483647");

    EXPECT_EQ(CodeOf([&] { request_.ComputeDerived(8, 1); }), -513);
}

TEST_F(RequestExpressionsTest, RowConditions)
{
    EXPECT_TRUE(request_.EvalCondition(""));
    EXPECT_TRUE(request_.EvalCondition("$0=abc"));
    EXPECT_TRUE(request_.EvalCondition("$1=21&$2=1"));
    EXPECT_FALSE(request_.EvalCondition("$3=1"));
    Set(1, "(NULL)");
    EXPECT_TRUE(request_.EvalCondition("")); // an empty condition expands nothing
}

} // namespace
