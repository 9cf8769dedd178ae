#include "Convert.h"

#include "Exception.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Leading blanks and an optional sign; i is left on the first character after them.
bool SkipBlanksAndSign(const std::string& text, std::size_t& i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return negative;
}

// Reads an integer of the given width in the class library's way; false for anything but a
// complete number in range.
template <typename Signed>
bool ParseInteger(const std::string& text, Signed& out)
{
    using Unsigned = std::make_unsigned_t<Signed>;
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return false;

    Unsigned magnitude = 0;
    const Unsigned maxMagnitude = hex ? std::numeric_limits<Unsigned>::max()
                                      : static_cast<Unsigned>(std::numeric_limits<Signed>::max()) +
                                            (negative ? 1u : 0u);
    const unsigned base = hex ? 16 : 10;
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexDigitValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0)
            return false;
        if (magnitude > (maxMagnitude - static_cast<Unsigned>(digit)) / base)
            return false;
        magnitude = magnitude * base + static_cast<Unsigned>(digit);
    }
    // Two's complement wrap is what hexadecimal texts mean ("$FFFFFFFF" is -1).
    out = static_cast<Signed>(negative ? static_cast<Unsigned>(0u - magnitude) : magnitude);
    return true;
}

[[noreturn]] void RaiseInvalidInteger(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid integer value");
}

constexpr std::int64_t MSecsPerDay = 86400000;
// 1 January 0001 and 31 December 9999 23:59:59.999 as date-time values.
constexpr double MinDateTime = -693593.0;
constexpr double MaxDateTime = 2958465.99999999;

// Days from 1 January 1970 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

constexpr std::int64_t UnixEpochDate = 25569; // 1 January 1970 as a date-time value

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

int CurrentYear() { return DecodeDateTime(NowDateTime()).year; }

// A run of at most nine digits at pos.
bool ScanNumber(const std::string& s, std::size_t& pos, int& value, int& length)
{
    const std::size_t start = pos;
    value = 0;
    while (pos < s.size() && IsDigit(s[pos]) && pos - start < 9) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
    }
    length = static_cast<int>(pos - start);
    return length > 0 && (pos == s.size() || !IsDigit(s[pos]));
}

bool ScanChar(const std::string& s, std::size_t& pos, char c)
{
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void SkipBlanks(const std::string& s, std::size_t& pos)
{
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
}

bool ScanDate(const std::string& s, std::size_t& pos, double& date)
{
    int n1, n2, n3 = 0, l1, l2, l3 = 0;
    if (!ScanNumber(s, pos, n1, l1) || !ScanChar(s, pos, '/') || !ScanNumber(s, pos, n2, l2))
        return false;
    int year, month, day;
    if (ScanChar(s, pos, '/')) {
        if (!ScanNumber(s, pos, n3, l3))
            return false;
        year = n1;
        month = n2;
        day = n3;
        if (l1 <= 2) {
            // Fifty-year window around this year.
            const int pivot = CurrentYear() - 50;
            year += pivot / 100 * 100;
            if (year < pivot)
                year += 100;
        }
    } else {
        year = CurrentYear();
        month = n1;
        day = n2;
    }
    return TryEncodeDateTime(year, month, day, 0, 0, 0, 0, date);
}

bool ScanTime(const std::string& s, std::size_t& pos, double& time)
{
    int hour, minute, second = 0, msec = 0, len;
    if (!ScanNumber(s, pos, hour, len) || !ScanChar(s, pos, ':') || !ScanNumber(s, pos, minute, len))
        return false;
    if (ScanChar(s, pos, ':')) {
        if (!ScanNumber(s, pos, second, len))
            return false;
        if (ScanChar(s, pos, '.') && !ScanNumber(s, pos, msec, len))
            return false;
    }
    if (hour > 23 || minute > 59 || second > 59 || msec > 999)
        return false;
    time = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + msec) /
           static_cast<double>(MSecsPerDay);
    return true;
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool TryStrToInt(const std::string& text, std::int32_t& value) { return ParseInteger(text, value); }

bool TryStrToInt64(const std::string& text, std::int64_t& value) { return ParseInteger(text, value); }

std::int32_t StrToInt(const std::string& text)
{
    std::int32_t value;
    if (!ParseInteger(text, value))
        RaiseInvalidInteger(text);
    return value;
}

std::int64_t StrToInt64(const std::string& text)
{
    std::int64_t value;
    if (!ParseInteger(text, value))
        RaiseInvalidInteger(text);
    return value;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string UIntToStr(std::uint64_t value) { return std::to_string(value); }

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // "1.5e+308" -> "1.5E308", "1e-05" -> "1E-5".
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-')
            sign = "-";
        exponent.erase(0, 1);
    }
    const std::size_t firstNonZero = exponent.find_first_not_of('0');
    exponent = firstNonZero == std::string::npos ? "0" : exponent.substr(firstNonZero);
    return mantissa + "E" + sign + exponent;
}

double ReadReal(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            end = j;
        }
    }
    std::size_t numberStart = start;
    bool negative = false;
    if (text[numberStart] == '+' || text[numberStart] == '-') {
        negative = text[numberStart] == '-';
        ++numberStart;
    }
    double value = 0;
    const auto result = std::from_chars(text.data() + numberStart, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: tell overflow from underflow by the exponent.
        const std::size_t e = text.find_first_of("eE", numberStart);
        const bool tiny = e != std::string::npos && e < end && text.find('-', e) < end;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::int64_t ReadDecimal(const std::string& text)
{
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        magnitude = magnitude > (limit + 1 - digit) / 10 ? limit + 1 : magnitude * 10 + digit;
    }
    if (negative)
        return magnitude > limit ? std::numeric_limits<std::int64_t>::min()
                                 : -static_cast<std::int64_t>(magnitude);
    return magnitude > limit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                       int millisecond, double& value)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        return false;
    const auto date = static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + UnixEpochDate);
    const double time = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) /
                        static_cast<double>(MSecsPerDay);
    value = date < 0 ? date - time : date + time;
    return true;
}

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond)
{
    double value;
    if (!TryEncodeDateTime(year, month, day, hour, minute, second, millisecond, value))
        throw EConvertError("Invalid argument to date encode");
    return value;
}

DateTimeParts DecodeDateTime(double value)
{
    if (std::isnan(value))
        value = 0;
    if (value < MinDateTime)
        value = MinDateTime;
    if (value > MaxDateTime)
        value = MaxDateTime;
    // Rounded to the millisecond first, so 0.99999999999 reads as the next day's midnight.
    const auto msecs = static_cast<std::int64_t>(std::llround(value * static_cast<double>(MSecsPerDay)));
    const std::int64_t days = msecs / MSecsPerDay;
    std::int64_t time = std::llabs(msecs % MSecsPerDay);
    DateTimeParts parts;
    CivilFromDays(days - UnixEpochDate, parts.year, parts.month, parts.day);
    parts.millisecond = static_cast<int>(time % 1000);
    time /= 1000;
    parts.second = static_cast<int>(time % 60);
    time /= 60;
    parts.minute = static_cast<int>(time % 60);
    parts.hour = static_cast<int>(time / 60);
    return parts;
}

double NowDateTime()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto msec = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec > 59 ? 59 : local.tm_sec, static_cast<int>(msec < 0 ? 0 : msec));
}

std::string DateTimeToText(double value)
{
    const DateTimeParts p = DecodeDateTime(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return buffer;
}

bool TryStrToDateTime(const std::string& text, double& value)
{
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    const std::size_t start = pos;
    double date = 0, time = 0;
    bool ok = ScanDate(text, pos, date);
    if (ok) {
        SkipBlanks(text, pos);
        if (pos < text.size())
            ok = ScanTime(text, pos, time);
    } else {
        pos = start;
        date = 0;
        ok = ScanTime(text, pos, time);
    }
    SkipBlanks(text, pos);
    if (!ok || pos != text.size())
        return false;
    value = date < 0 ? date - time : date + time;
    return true;
}

double StrToDateTime(const std::string& text)
{
    double value;
    if (!TryStrToDateTime(text, value))
        throw EConvertError("'" + text + "' is not a valid date and time");
    return value;
}
