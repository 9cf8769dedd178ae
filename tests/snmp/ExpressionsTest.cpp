#include "snmp/Convert.h"
#include "snmp/Exception.h"
#include "snmp/Expressions.h"
#include "snmp/TextUtil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Expressions, ArithmeticSplitsAtTheFirstOperator)
{
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : std::initializer_list<Case>{{"1+2*3", 7},
                                                     {"2*3+1", 7},
                                                     {"(1+2)*3", 9},
                                                     {"((1+2)*(3+1))/2", 6},
                                                     {"10-4-3", 9}, // 10-(4-3)
                                                     {"8/4/2", 4},  // 8/(4/2)
                                                     {"-5", -5},
                                                     {"2*-3", -3}, // splits at "-" first: "2*" reads as 0
                                                     {"2*(0-3)", -3},
                                                     {"8/4*2", 16}, // the left of "*" is read as a number
                                                     {" 1.5 + 2 ", 3.5},
                                                     {"abc", 0},
                                                     {"", 0},
                                                     {"(1+2", 2}, // no closing parenthesis: "(1" reads as 0
                                                     {"1e3", 1000}})
        EXPECT_DOUBLE_EQ(EvalArithmetic(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(EvalArithmetic("1/0")));
}

TEST(Expressions, NowIsTheCurrentDateTimeValue)
{
    const double before = NowDateTime();
    const double now = EvalArithmetic("NOW*1");
    const double after = NowDateTime();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    EXPECT_NEAR(EvalArithmetic("now-1"), before - 1, 1.0 / 24);
    EXPECT_EQ(EvalArithmetic(" NOW"), 0); // only the whole, untrimmed text
    EXPECT_TRUE(EvalComparison("NOW > 40000"));
}

TEST(Expressions, ComparisonsCompareTrimmedTexts)
{
    struct Case {
        const char* text;
        bool result;
    };
    for (const Case& c : std::initializer_list<Case>{{"a=a", true},
                                                     {" x = x ", true},
                                                     {"10<9", true}, // text order, not numbers
                                                     {"9>=10", true},
                                                     {"a<=a", true},
                                                     {"a<>b", true},
                                                     {"a<>a", false},
                                                     {"\"a b\"=a b", true},
                                                     {"\"x\"=\"y\"", false},
                                                     {"a=b>c", false}, // "a=b" > "c"
                                                     {"b=a>a=b", true},
                                                     {"\xe9>z", true}, // bytes compare unsigned
                                                     {"TRUE", true},
                                                     {"False", false},
                                                     {"=", true}})
        EXPECT_EQ(EvalComparison(c.text), c.result) << c.text;

    for (const char* text : {"maybe", "", " true", "1"}) {
        try {
            EvalComparison(text);
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), " Bad logic operand!");
            EXPECT_EQ(e.HelpContext(), -1);
        }
    }
}

TEST(Expressions, LogicCombinesComparisons)
{
    struct Case {
        const char* text;
        bool result;
    };
    for (const Case& c : std::initializer_list<Case>{{"a=a|b=c", true},
                                                     {"a=b|b=c", false},
                                                     {"a=b&c=c", false},
                                                     {"a=a&c=c", true},
                                                     {"!a=b", true},
                                                     {"!a=a", false},
                                                     {"(a=b)|(c=c)", true},
                                                     {"(a=b)|c=c", true},
                                                     {"((a=a)&(b=b))&!(c=d)", true},
                                                     {"x=\"a|b\"", false}, // the "|" is inside quotes
                                                     {"\"a|b\"=a|b", true},
                                                     {"a=a|maybe", true}}) // the right side is not evaluated
        EXPECT_EQ(EvalLogic(c.text), c.result) << c.text;

    // Blanks next to a replaced group leave a bare truth value with blanks.
    EXPECT_THROW(EvalLogic("(a=b) | c=c"), Exception);
    EXPECT_THROW(EvalLogic("a=a&maybe"), Exception);
    EXPECT_FALSE(EvalLogic("a=b&maybe")); // the right side is not evaluated
    EXPECT_THROW(EvalLogic("a=b|maybe"), Exception);
}

TEST(TextHelpers, UnquoteSpanReplaceAndSplit)
{
    struct UnquoteCase {
        const char* text;
        const char* result;
    };
    for (const UnquoteCase& c : std::initializer_list<UnquoteCase>{
             {"", ""}, {"\"", ""}, {"\"abc\"", "abc"}, {"\"abc", "\"abc"}, {"abc\"", "abc\""}, {"\"\"", ""}})
        EXPECT_EQ(Unquote(c.text), c.result) << c.text;

    EXPECT_EQ(SpanOfChars("12ab", 1, "0123456789"), 2);
    EXPECT_EQ(SpanOfChars("$12+3", 2, "0123456789"), 3);
    EXPECT_EQ(SpanOfChars("abc", 1, "0123456789"), 0);
    EXPECT_EQ(SpanOfChars("12", 3, "0123456789"), 0);
    EXPECT_EQ(SpanOfChars("12", 0, "0123456789"), 0);

    EXPECT_EQ(ReplaceAll("[MIN] to [MAX], [MIN]", "[MIN]", "1"), "1 to [MAX], 1");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa"); // replaced text is not scanned again
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");

    std::string left = "L", right = "R";
    EXPECT_EQ(SplitAtOperator({"<>", ">=", ">"}, "a>b>=c", left, right), 1);
    EXPECT_EQ(left, "a>b");
    EXPECT_EQ(right, "c");
    left = "L";
    EXPECT_EQ(SplitAtOperator({"<>", "="}, "abc", left, right), -1);
    EXPECT_EQ(left, "L");

    EXPECT_EQ(Trim("\t a b \r\n"), "a b");
    EXPECT_TRUE(SameText("Enabled", "eNABLED"));
    EXPECT_FALSE(SameText("enabled", "enabled "));
}

} // namespace
