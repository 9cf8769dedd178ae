#include "snmplib/SmiValues.h"

#include <cmath>
#include <cstdio>
#include <limits>

SnmpInt32::SnmpInt32(long long value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        value_ = std::numeric_limits<std::int32_t>::max();
    else if (value < std::numeric_limits<std::int32_t>::min())
        value_ = std::numeric_limits<std::int32_t>::min();
    else
        value_ = static_cast<std::int32_t>(value);
}

std::string SnmpInt32::get_printable() const
{
    return std::to_string(value_);
}

SnmpUInt32::SnmpUInt32(unsigned long long value)
    : value_(value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(value))
{
}

std::string SnmpUInt32::get_printable() const
{
    return std::to_string(value_);
}

std::string TimeTicks::get_printable() const
{
    const unsigned long hundredths = value_ % 100;
    const unsigned long seconds = (value_ / 100) % 60;
    const unsigned long minutes = (value_ / 6000) % 60;
    const unsigned long hours = (value_ / 360000) % 24;
    const unsigned long days = value_ / 8640000;
    char text[64];
    if (days == 0)
        std::snprintf(text, sizeof text, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(text, sizeof text, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else
        std::snprintf(text, sizeof text, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds,
                      hundredths);
    return text;
}

Counter64 Counter64::from_long_double(long double value)
{
    if (!(value > 0))   // also NaN
        return Counter64(std::uint64_t{0});
    if (value >= 18446744073709551615.0L)
        return Counter64(std::numeric_limits<std::uint64_t>::max());
    return Counter64(static_cast<std::uint64_t>(value));
}
