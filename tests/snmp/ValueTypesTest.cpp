#include "snmp/ValueTypes.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

MvDateTime Value(std::uint16_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour, std::uint8_t minutes,
                 std::uint8_t seconds, std::uint8_t tenths, char direction, std::uint8_t utcHours,
                 std::uint8_t utcMinutes)
{
    MvDateTime v{std::string()};
    v.year = year;
    v.month = month;
    v.day = day;
    v.hour = hour;
    v.minutes = minutes;
    v.seconds = seconds;
    v.deciSeconds = tenths;
    v.direction = direction;
    v.utcHours = utcHours;
    v.utcMinutes = utcMinutes;
    return v;
}

TEST(DateAndTime, FormatShowsTheOffsetOnlyWhenThereIsOne)
{
    EXPECT_EQ(Value(2024, 1, 2, 3, 4, 5, 6, '+', 0, 0).Format(), "2024-1-2,3:4:5.6");
    EXPECT_EQ(Value(2024, 1, 2, 3, 4, 5, 6, '-', 0, 0).Format(), "2024-1-2,3:4:5.6");
    EXPECT_EQ(Value(2024, 1, 2, 3, 4, 5, 6, '-', 5, 30).Format(), "2024-1-2,3:4:5.6,-5:30");
    EXPECT_EQ(Value(2024, 1, 2, 3, 4, 5, 6, '+', 0, 30).Format(), "2024-1-2,3:4:5.6,+0:30");
    EXPECT_EQ(Value(2024, 1, 2, 3, 4, 5, 6, '\0', 5, 30).Format(), "2024-1-2,3:4:5.6");
    EXPECT_EQ(Value(65535, 255, 255, 255, 255, 255, 255, '+', 255, 255).Format(),
              "65535-255-255,255:255:255.255,+255:255");
}

TEST(DateAndTime, TextReadsWhatItCanAndLeavesTheRestZero)
{
    struct Case {
        const char* text;
        MvDateTime expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"2024-1-2,3:4:5.6,+5:30", Value(2024, 1, 2, 3, 4, 5, 6, '+', 5, 30)},
             {"2024-1-2,3:4:5.6,-5:30", Value(2024, 1, 2, 3, 4, 5, 6, '-', 5, 30)},
             {"2024-1-2,3:4:5.6", Value(2024, 1, 2, 3, 4, 5, 6, '+', 0, 0)},
             {"2024-1-2", Value(2024, 1, 2, 0, 0, 0, 0, '+', 0, 0)},
             {"abc", Value(0, 0, 0, 0, 0, 0, 0, '+', 0, 0)},
             {"", Value(0, 0, 0, 0, 0, 0, 0, '+', 0, 0)},
             {" 2024- 1- 2, 3: 4: 5. 6", Value(2024, 1, 2, 3, 4, 5, 6, '+', 0, 0)},
             {"70000-1-2", Value(4464, 1, 2, 0, 0, 0, 0, '+', 0, 0)},
             {"2024-300-2", Value(2024, 44, 2, 0, 0, 0, 0, '+', 0, 0)},
             // An offset without minutes keeps the hours the first scan read.
             {"2024-1-2,3:4:5.6,+5", Value(2024, 1, 2, 3, 4, 5, 6, '+', 5, 0)},
         })
        EXPECT_EQ(MvDateTime(c.text), c.expected) << c.text;
}

TEST(DateAndTime, TextAndWireFormRoundTrip)
{
    for (const char* text : {"2024-1-2,3:4:5.6", "2024-12-31,23:59:60.9,-11:45", "1999-6-7,0:0:0.0,+0:30"}) {
        const MvDateTime value(text);
        EXPECT_EQ(value.Format(), text);
        const auto octets = value.ToOctets();
        EXPECT_EQ(MvDateTime::FromOctets(octets.data(), octets.size()), value) << text;
    }
    const auto octets = MvDateTime("2024-1-2,3:4:5.6,-5:30").ToOctets();
    const std::array<std::uint8_t, 11> wire = {0x07, 0xE8, 1, 2, 3, 4, 5, 6, '-', 5, 30};
    EXPECT_EQ(octets, wire);

    MvDateTime swapped("2024-1-2");
    swapped.SwapYear();
    EXPECT_EQ(swapped.year, 0xE807);
    swapped.SwapYear();
    EXPECT_EQ(swapped.year, 2024);

    // A short value: the missing octets read as 0.
    const std::uint8_t shortValue[] = {0x07, 0xE8, 1, 2};
    EXPECT_EQ(MvDateTime::FromOctets(shortValue, sizeof shortValue).Format(), "2024-1-2,0:0:0.0");
}

TEST(DateAndTime, DefaultIsNowWithoutOffset)
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const MvDateTime now;
    EXPECT_EQ(now.year, local.tm_year + 1900);
    EXPECT_EQ(now.deciSeconds, 0);
    EXPECT_EQ(now.direction, '+');
    EXPECT_EQ(now.utcHours, 0);
    EXPECT_EQ(now.utcMinutes, 0);
}

TEST(NumberList, ParsesDelimitedDecimalNumbers)
{
    struct Case {
        const char* text;
        std::vector<int> numbers;
    };
    MvNumList<int> list;
    list.delimiter = ',';
    for (const Case& c : std::initializer_list<Case>{{"1,2,3", {1, 2, 3}},
                                                     {"", {}},
                                                     {"5", {5}},
                                                     {"1,,3", {1, 0, 3}},
                                                     {"4,", {4, 0}},
                                                     {",", {0, 0}},
                                                     {"1.5,2", {1, 2}},
                                                     {"12.99,3.0", {12, 3}},
                                                     {"4294967297", {1}}}) {
        list.Parse(c.text);
        EXPECT_EQ(list.CountItems(c.text), static_cast<int>(c.numbers.size())) << c.text;
        std::vector<int> got;
        for (int i = 0; i < list.Count(); ++i)
            got.push_back(list.Item(i));
        EXPECT_EQ(got, c.numbers) << c.text;
    }
    list.Parse("1,2,3");
    EXPECT_EQ(list.IndexOf(2), 1);
    EXPECT_EQ(list.IndexOf(9), -1);
}

TEST(NumberList, UnsignedListWithPointDelimiterChecksRanges)
{
    MvNumList<unsigned int> list;
    EXPECT_EQ(list.delimiter, '.');
    list.Parse("10.0.0.1");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0), 10u);
    EXPECT_EQ(list.Item(3), 1u);
    EXPECT_TRUE(list.InRange(0, 255));
    EXPECT_FALSE(list.InRange(1, 255));
    EXPECT_FALSE(list.InRange(0, 9));
    list.Parse("4294967295");
    EXPECT_TRUE(list.InRange(0, 4294967295u)); // compared unsigned
    list.Parse("");
    EXPECT_TRUE(list.InRange(5, 1));
}

TEST(BinaryString, OwnsACopyOfItsBytes)
{
    MvBinaryString empty;
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Buffer(), nullptr);

    char source[] = "abc";
    MvBinaryString copy(source, 3);
    source[0] = 'x';
    MvBinaryString second = copy;
    second.Buffer()[1] = 'y';
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(copy.Buffer()), 3), "abc");
    second.SetLength(0);
    EXPECT_EQ(second.Buffer(), nullptr);
}

TEST(IntPower, ThirtyTwoBitPowers)
{
    struct Case {
        std::int32_t base;
        std::uint32_t exponent;
        std::int32_t result;
    };
    for (const Case& c : std::initializer_list<Case>{{2, 7, 128},
                                                     {2, 0, 1},
                                                     {0, 0, 1},
                                                     {-3, 3, -27},
                                                     {2, 31, std::numeric_limits<std::int32_t>::min()},
                                                     {2, 32, 0},
                                                     {3, 21, 1870418611}}) // 3^21 modulo 2^32
        EXPECT_EQ(IntPower(c.base, c.exponent), c.result) << c.base << "^" << c.exponent;
}

} // namespace
