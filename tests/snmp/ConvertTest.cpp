#include "snmp/Convert.h"
#include "snmp/Exception.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

TEST(Convert, TextToIntegerAcceptsTheClassLibraryForms)
{
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case& c : std::initializer_list<Case>{{"0", 0},
                                                     {"42", 42},
                                                     {"-42", -42},
                                                     {"+7", 7},
                                                     {"  12", 12},
                                                     {"$FF", 255},
                                                     {"0x1f", 31},
                                                     {"-$10", -16},
                                                     {"$FFFFFFFF", -1},
                                                     {"2147483647", 2147483647},
                                                     {"-2147483648", -2147483647 - 1}}) {
        std::int32_t value = 0;
        EXPECT_TRUE(TryStrToInt(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    }
}

TEST(Convert, TextToIntegerRefusesWithTheConversionMessage)
{
    for (const char* text : {"", " ", "-", "$", "0x", "12a", "1 ", "1.5", "2147483648", "-2147483649",
                             "$100000000", "(NULL)", "1e3"}) {
        std::int32_t value = 77;
        EXPECT_FALSE(TryStrToInt(text, value)) << text;
        EXPECT_EQ(value, 77) << text;
        try {
            StrToInt(text);
            ADD_FAILURE() << "no exception for '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(Convert, SixtyFourBitIntegers)
{
    EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
    EXPECT_EQ(UIntToStr(18446744073709551615ULL), "18446744073709551615");
}

TEST(Convert, RealToTextUsesFifteenDigitsAndTheExponentForm)
{
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : std::initializer_list<Case>{{0, "0"},
                                                     {-0.0, "0"},
                                                     {4094, "4094"},
                                                     {-1, "-1"},
                                                     {4294967295.0, "4294967295"},
                                                     {0.5, "0.5"},
                                                     {1.0 / 3, "0.333333333333333"},
                                                     {0.0001, "0.0001"},
                                                     {0.00001, "1E-5"},
                                                     {123456789012345.0, "123456789012345"},
                                                     {1234567890123456.0, "1.23456789012346E15"},
                                                     {1e20, "1E20"},
                                                     {std::numeric_limits<double>::max(), "1.79769313486232E308"},
                                                     {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
                                                     {INFINITY, "INF"},
                                                     {-INFINITY, "-INF"},
                                                     {NAN, "NAN"}})
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

TEST(Convert, LenientReadersTakeTheLongestNumberPrefix)
{
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : std::initializer_list<Case>{{"", 0},
                                                     {"abc", 0},
                                                     {"  2.5x", 2.5},
                                                     {"-3", -3},
                                                     {"+.5", 0.5},
                                                     {"7.", 7},
                                                     {"1e3", 1000},
                                                     {"1e", 1},
                                                     {"1e+", 1},
                                                     {"2E-2*", 0.02},
                                                     {".", 0},
                                                     {"-", 0},
                                                     {"1,5", 1},
                                                     {"0x10", 0},
                                                     {"inf", 0},
                                                     {"1e999", INFINITY},
                                                     {"1e-999", 0}})
        EXPECT_DOUBLE_EQ(ReadReal(c.text), c.value) << c.text;

    EXPECT_EQ(ReadDecimal(" -12x"), -12);
    EXPECT_EQ(ReadDecimal("x"), 0);
    EXPECT_EQ(ReadDecimal("99999999999999999999"), std::numeric_limits<std::int64_t>::max());
}

TEST(Convert, ConversionsIgnoreTheProcessLocale)
{
    // A locale with a decimal comma, where one is installed; the C locale otherwise.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        std::setlocale(LC_ALL, "C");
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    EXPECT_DOUBLE_EQ(ReadReal("2.5"), 2.5);
    EXPECT_EQ(DateTimeToText(45293.5), "2024/01/02 12:00:00");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Convert, DateTimeValuesCountDaysFromTheEndOf1899)
{
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2024, 1, 2, 12), 45293.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 29, 6), -1.25); // the fraction counts from midnight
    EXPECT_THROW(EncodeDateTime(2023, 2, 29), EConvertError);

    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : std::initializer_list<Case>{{0, "1899/12/30 00:00:00"},
                                                     {-1.25, "1899/12/29 06:00:00"},
                                                     {45293.5, "2024/01/02 12:00:00"},
                                                     {36585.0, "2000/02/29 00:00:00"},
                                                     {45293.999999999, "2024/01/03 00:00:00"},
                                                     {1e300, "9999/12/31 23:59:59"},
                                                     {-1e300, "0001/01/01 00:00:00"}})
        EXPECT_EQ(DateTimeToText(c.value), c.text) << c.value;
}

TEST(Convert, DateTimeTextRoundTrips)
{
    for (const char* text : {"2024/01/02 03:04:05", "1899/12/30 00:00:00", "1850/06/15 18:30:00",
                             "9999/12/31 23:59:59", "2000/02/29 12:00:01"})
        EXPECT_EQ(DateTimeToText(StrToDateTime(text)), text);

    EXPECT_DOUBLE_EQ(StrToDateTime(" 2024/1/2 "), 45293);
    EXPECT_DOUBLE_EQ(StrToDateTime("12:00"), 0.5); // a time alone is on day 0
    EXPECT_DOUBLE_EQ(StrToDateTime("2024/1/2 6:00:00.500"), 45293.25 + 0.5 / 86400);
    const int year = DecodeDateTime(NowDateTime()).year;
    EXPECT_EQ(DecodeDateTime(StrToDateTime("3/4")).year, year);
    EXPECT_EQ(DecodeDateTime(StrToDateTime("24/3/4")).year, 2024 + (year - 50 > 2024 ? 100 : 0));

    for (const char* text : {"", "2024", "2024/13/01", "2023/02/29", "2024/01/02 24:00", "2024/01/02 x",
                             "2024-01-02", "1:2:3:4", "2024/01/02 10"}) {
        double value;
        EXPECT_FALSE(TryStrToDateTime(text, value)) << text;
        try {
            StrToDateTime(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid date and time");
        }
    }
}

TEST(Convert, NowIsTodaysDate)
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const DateTimeParts now = DecodeDateTime(NowDateTime());
    // Generous: the test may straddle midnight.
    EXPECT_NEAR(EncodeDateTime(now.year, now.month, now.day),
                EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday), 1.0);
}

} // namespace
