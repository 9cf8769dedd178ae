#include "ValueTypes.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Formatted input of the standard kind: "%d" reads a decimal number after optional white space,
// any other character must match. Stores each number as soon as it is read and returns how
// many were read.
int ScanNumbers(const std::string& text, const char* format, std::int64_t* values)
{
    std::size_t pos = 0;
    int read = 0;
    for (const char* f = format; *f != '\0'; ++f) {
        if (f[0] == '%' && f[1] == 'd') {
            ++f;
            while (pos < text.size() && IsSpace(text[pos]))
                ++pos;
            bool negative = false;
            if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
                negative = text[pos++] == '-';
            if (pos >= text.size() || text[pos] < '0' || text[pos] > '9')
                return read;
            std::int64_t value = 0;
            for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
                if (value < std::numeric_limits<std::int32_t>::max())
                    value = value * 10 + (text[pos] - '0');
            if (value > std::numeric_limits<std::int32_t>::max())
                value = std::numeric_limits<std::int32_t>::max();
            values[read++] = negative ? -value : value;
        } else if (pos < text.size() && text[pos] == *f) {
            ++pos;
        } else {
            return read;
        }
    }
    return read;
}

} // namespace

MvDateTime::MvDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    year = static_cast<std::uint16_t>(local.tm_year + 1900);
    month = static_cast<std::uint8_t>(local.tm_mon + 1);
    day = static_cast<std::uint8_t>(local.tm_mday);
    hour = static_cast<std::uint8_t>(local.tm_hour);
    minutes = static_cast<std::uint8_t>(local.tm_min);
    seconds = static_cast<std::uint8_t>(local.tm_sec);
}

MvDateTime::MvDateTime(const std::string& text)
{
    std::int64_t values[9];
    const auto store = [&](int count) {
        std::uint8_t* const bytes[] = {&month, &day, &hour, &minutes, &seconds, &deciSeconds, &utcHours, &utcMinutes};
        for (int i = 0; i < count; ++i) {
            // Cut to the field's width, as the value's two's complement.
            const auto v = static_cast<std::uint64_t>(values[i]);
            if (i == 0)
                year = static_cast<std::uint16_t>(v);
            else
                *bytes[i - 1] = static_cast<std::uint8_t>(v);
        }
        return count;
    };
    if (store(ScanNumbers(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", values)) == 9)
        return;
    if (store(ScanNumbers(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", values)) == 9) {
        direction = '-';
        return;
    }
    store(ScanNumbers(text, "%d-%d-%d,%d:%d:%d.%d", values));
}

std::string MvDateTime::Format() const
{
    char buffer[96];
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-'))
        std::snprintf(buffer, sizeof buffer, "%u-%u-%u,%u:%u:%u.%u,%c%u:%u", year, month, day, hour, minutes,
                      seconds, deciSeconds, direction, utcHours, utcMinutes);
    else
        std::snprintf(buffer, sizeof buffer, "%u-%u-%u,%u:%u:%u.%u", year, month, day, hour, minutes, seconds,
                      deciSeconds);
    return buffer;
}

void MvDateTime::SwapYear() { year = static_cast<std::uint16_t>((year >> 8) | (year << 8)); }

std::array<std::uint8_t, MvDateTime::WireSize> MvDateTime::ToOctets() const
{
    return {static_cast<std::uint8_t>(year >> 8), static_cast<std::uint8_t>(year & 0xff), month, day, hour,
            minutes, seconds, deciSeconds, static_cast<std::uint8_t>(direction), utcHours, utcMinutes};
}

MvDateTime MvDateTime::FromOctets(const std::uint8_t* octets, std::size_t length)
{
    std::uint8_t o[WireSize] = {};
    if (octets != nullptr)
        std::memcpy(o, octets, length < WireSize ? length : WireSize);
    MvDateTime value{std::string()};
    value.year = static_cast<std::uint16_t>(o[0] << 8 | o[1]);
    value.month = o[2];
    value.day = o[3];
    value.hour = o[4];
    value.minutes = o[5];
    value.seconds = o[6];
    value.deciSeconds = o[7];
    value.direction = static_cast<char>(o[8]);
    value.utcHours = o[9];
    value.utcMinutes = o[10];
    return value;
}

template <typename T>
int MvNumList<T>::CountItems(const std::string& text) const
{
    if (text.empty())
        return 0;
    int count = 1;
    for (char c : text)
        count += c == delimiter;
    return count;
}

template <typename T>
void MvNumList<T>::Parse(const std::string& text)
{
    items_.assign(static_cast<std::size_t>(CountItems(text)), T{});
    std::size_t k = 0;
    bool fraction = false;
    for (char c : text) {
        if (c == delimiter) {
            ++k;
            fraction = false;
        } else if (c == '.') {
            fraction = true;
        } else if (!fraction) {
            // Unsigned arithmetic: a long number wraps instead of overflowing.
            const auto item = static_cast<std::uint32_t>(items_[k]);
            items_[k] = static_cast<T>(item * 10u + static_cast<std::uint32_t>(c - '0'));
        }
    }
}

template <typename T>
int MvNumList<T>::IndexOf(T value) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == value)
            return static_cast<int>(i);
    return -1;
}

template <typename T>
bool MvNumList<T>::InRange(T low, T high) const
{
    const auto lo = static_cast<std::uint32_t>(low);
    const auto hi = static_cast<std::uint32_t>(high);
    for (T item : items_) {
        const auto v = static_cast<std::uint32_t>(item);
        if (v < lo || v > hi)
            return false;
    }
    return true;
}

template class MvNumList<int>;
template class MvNumList<unsigned int>;

void MvBinaryString::Assign(const void* data, std::size_t length)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (bytes == nullptr)
        length = 0;
    bytes_.assign(bytes, bytes + length);
}

void MvBinaryString::SetLength(std::size_t length)
{
    bytes_.assign(length, 0);
    if (length == 0)
        bytes_.shrink_to_fit();
}

std::int32_t IntPower(std::int32_t base, std::uint32_t exponent)
{
    // Square and multiply: the same product modulo 2^32 as repeated multiplication.
    std::uint32_t result = 1;
    auto factor = static_cast<std::uint32_t>(base);
    for (; exponent != 0; exponent >>= 1) {
        if (exponent & 1u)
            result *= factor;
        factor *= factor;
    }
    return static_cast<std::int32_t>(result);
}
