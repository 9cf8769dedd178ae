#include "snmp/TypedValues.h"

#include "snmp/Exception.h"
#include "snmp/PartValues.h"
#include "snmp/SnmpError.h"
#include "snmp/VarDescriptor.h"

#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of 1 to maxDigits decimal digits at pos; false when there is none or it is longer.
bool ReadDigits(std::string_view text, std::size_t& pos, std::size_t maxDigits, std::uint64_t& value)
{
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (pos - start == maxDigits)
            return false;
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        ++pos;
    }
    return pos > start;
}

bool Expect(std::string_view text, std::size_t& pos, std::string_view what)
{
    if (text.substr(pos, what.size()) != what)
        return false;
    pos += what.size();
    return true;
}

bool IsLeapYear(std::uint64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::uint64_t DaysInMonth(std::uint64_t year, std::uint64_t month)
{
    static const std::uint8_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

} // namespace

std::optional<std::int64_t> ReadNumberText(std::string_view text, std::int64_t min, std::int64_t max)
{
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        pos = 1;
    std::uint64_t magnitude = 0;
    // 19 digits stay below 2^63 + 1; a longer number is outside every range here.
    if (!ReadDigits(text, pos, 19, magnitude) || pos != text.size())
        return std::nullopt;
    if (negative) {
        if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1)
            return std::nullopt;
        const std::int64_t value = magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
        if (value < min || value > max)
            return std::nullopt;
        return value;
    }
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ReadUnsignedText(std::string_view text)
{
    std::size_t pos = 0;
    std::uint64_t value = 0;
    // At most 20 digits; the 20-digit ones must not pass 18446744073709551615.
    if (text.empty() || text.size() > 20 || !ReadDigits(text, pos, 20, value) || pos != text.size())
        return std::nullopt;
    if (text.size() == 20 && text > std::string_view("18446744073709551615"))
        return std::nullopt;
    return value;
}

std::optional<std::array<std::uint8_t, 4>> ReadIPv4Text(std::string_view text)
{
    std::array<std::uint8_t, 4> octets{};
    std::size_t pos = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        std::uint64_t value = 0;
        if ((k > 0 && !Expect(text, pos, ".")) || !ReadDigits(text, pos, 3, value) || value > 255)
            return std::nullopt;
        octets[k] = static_cast<std::uint8_t>(value);
    }
    if (pos != text.size())
        return std::nullopt;
    return octets;
}

std::optional<std::uint32_t> ReadTimeTicksText(std::string_view text)
{
    std::size_t pos = 0;
    std::uint64_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    // "1 day " or "3 days, " in front, as the codec writes them ("3 days " is read too).
    const bool withDays = text.find("day") != std::string_view::npos;
    if (withDays) {
        if (!ReadDigits(text, pos, 5, days) || !Expect(text, pos, " day"))
            return std::nullopt;
        Expect(text, pos, "s");
        Expect(text, pos, ",");
        if (!Expect(text, pos, " "))
            return std::nullopt;
    }
    if (!ReadDigits(text, pos, 8, hours) || !Expect(text, pos, ":") || !ReadDigits(text, pos, 2, minutes)
        || !Expect(text, pos, ":") || !ReadDigits(text, pos, 2, seconds) || !Expect(text, pos, "."))
        return std::nullopt;
    // Two digits of hundredths: "5.5" would read as five hundredths.
    const std::size_t hundredthsAt = pos;
    if (!ReadDigits(text, pos, 2, hundredths) || pos != text.size() || pos - hundredthsAt != 2)
        return std::nullopt;
    if (minutes > 59 || seconds > 59 || (withDays && hours > 23))
        return std::nullopt;
    const std::uint64_t total = days * 8640000 + hours * 360000 + minutes * 6000 + seconds * 100 + hundredths;
    if (total > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(total);
}

std::optional<MvDateTime> ReadDateAndTimeText(std::string_view text)
{
    std::size_t pos = 0;
    std::uint64_t year = 0, month = 0, day = 0;
    if (!ReadDigits(text, pos, 5, year) || year > 65535 || !Expect(text, pos, "-") || !ReadDigits(text, pos, 2, month)
        || month < 1 || month > 12 || !Expect(text, pos, "-") || !ReadDigits(text, pos, 2, day) || day < 1
        || day > DaysInMonth(year, month))
        return std::nullopt;
    if (pos < text.size()) {
        std::uint64_t hour = 0, minutes = 0, seconds = 0, tenths = 0;
        if (!Expect(text, pos, ",") || !ReadDigits(text, pos, 2, hour) || hour > 23 || !Expect(text, pos, ":")
            || !ReadDigits(text, pos, 2, minutes) || minutes > 59 || !Expect(text, pos, ":")
            || !ReadDigits(text, pos, 2, seconds) || seconds > 60)
            return std::nullopt;
        if (Expect(text, pos, ".") && (!ReadDigits(text, pos, 1, tenths)))
            return std::nullopt;
        if (pos < text.size()) {
            std::uint64_t offsetHours = 0, offsetMinutes = 0;
            if (!Expect(text, pos, ",") || pos >= text.size() || (text[pos] != '+' && text[pos] != '-'))
                return std::nullopt;
            ++pos;
            if (!ReadDigits(text, pos, 2, offsetHours) || offsetHours > 14 || !Expect(text, pos, ":")
                || !ReadDigits(text, pos, 2, offsetMinutes) || offsetMinutes > 59 || pos != text.size())
                return std::nullopt;
        }
    }
    return MvDateTime(std::string(text));
}

bool NumberRangeOf(std::int32_t syntax, std::int64_t& min, std::int64_t& max)
{
    switch (syntax) {
    case integer:
        min = std::numeric_limits<std::int32_t>::min();
        max = std::numeric_limits<std::int32_t>::max();
        return true;
    case counter:
    case guage:
    case uinteger:
        min = 0;
        max = std::numeric_limits<std::uint32_t>::max();
        return true;
    case int8:
        min = -128;
        max = 127;
        return true;
    case uint8:
        min = 0;
        max = 255;
        return true;
    case int16:
        min = -32768;
        max = 32767;
        return true;
    case uint16:
        min = 0;
        max = 65535;
        return true;
    default:
        return false;
    }
}

std::string RefusalHint(std::int32_t syntax)
{
    std::int64_t min = 0, max = 0;
    if (NumberRangeOf(syntax, min, max))
        return "Please input a number between " + std::to_string(min) + " and " + std::to_string(max) + ".";
    switch (syntax) {
    case ipaddress:
    case nsapaddr:
    case inetaddress:
        return "Please input a valid IP address.";
    case datetime:
        return "Please input a valid date and time.";
    case counter64:
        return "Please input a number between 0 and 18446744073709551615.";
    default:
        return MessageOfCode(MvCode::BadPartValue);
    }
}

void RaiseBadValue(std::int32_t syntax)
{
    throw EBadValue(MessageOfCode(MvCode::BadPartValue), -1, syntax);
}

void CheckValueText(const std::string& text, std::int32_t syntax)
{
    if (text == "(NULL)")
        return;
    bool good = true;
    std::int64_t min = 0, max = 0;
    if (NumberRangeOf(syntax, min, max)) {
        good = ReadNumberText(text, min, max).has_value();
    } else {
        switch (syntax) {
        case counter64:
            good = ReadUnsignedText(text).has_value();
            break;
        case timeticks:
            good = ReadTimeTicksText(text).has_value();
            break;
        case ipaddress:
        case nsapaddr:
            good = ReadIPv4Text(text).has_value();
            break;
        case inetaddress:
            good = text.empty() || text.size() >= 32 || ReadIPv4Text(text).has_value();
            break;
        case datetime:
            good = ReadDateAndTimeText(text).has_value();
            break;
        case macaddress:
            try {
                good = MacTextToOctets(text).size() == 6;
            } catch (const Exception&) {
                good = false;
            }
            break;
        default:
            break;
        }
    }
    if (!good)
        RaiseBadValue(syntax);
}
