#include "Value.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace sim {

namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& out)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<ValueType> TypeFromLetter(std::string_view letter)
{
    if (letter == "i") return ValueType::Integer;
    if (letter == "u") return ValueType::Gauge32;
    if (letter == "c") return ValueType::Counter32;
    if (letter == "C") return ValueType::Counter64;
    if (letter == "t") return ValueType::TimeTicks;
    if (letter == "a") return ValueType::IpAddress;
    if (letter == "o") return ValueType::ObjectId;
    if (letter == "s" || letter == "x") return ValueType::OctetString;
    if (letter == "n") return ValueType::Null;
    return std::nullopt;
}

bool IsHexLetter(std::string_view letter)
{
    return letter == "x";
}

std::optional<Value> ParseValue(std::string_view letter, std::string_view text, std::string& error)
{
    const auto type = TypeFromLetter(letter);
    if (!type) {
        error = "unknown type '" + std::string(letter) + "'";
        return std::nullopt;
    }
    Value value;
    value.type = *type;
    switch (*type) {
    case ValueType::Integer: {
        std::int64_t v = 0;
        if (!ParseNumber(text, v) || v < std::numeric_limits<std::int32_t>::min()
            || v > std::numeric_limits<std::int32_t>::max()) {
            error = "not a 32-bit integer: " + std::string(text);
            return std::nullopt;
        }
        value.number = static_cast<std::uint64_t>(v);
        return value;
    }
    case ValueType::Gauge32:
    case ValueType::Counter32:
    case ValueType::TimeTicks:
    case ValueType::Counter64: {
        std::uint64_t v = 0;
        if (!ParseNumber(text, v)
            || (*type != ValueType::Counter64 && v > std::numeric_limits<std::uint32_t>::max())) {
            error = "not an unsigned number of this type: " + std::string(text);
            return std::nullopt;
        }
        value.number = v;
        return value;
    }
    case ValueType::IpAddress: {
        const auto parts = ParseOid(text);
        if (!parts || parts->size() != 4 || parts->at(0) > 255 || parts->at(1) > 255 || parts->at(2) > 255
            || parts->at(3) > 255) {
            error = "not an IPv4 address: " + std::string(text);
            return std::nullopt;
        }
        for (const SubId b : *parts)
            value.bytes += static_cast<char>(b);
        return value;
    }
    case ValueType::ObjectId: {
        const auto oid = ParseOid(text);
        if (!oid || oid->size() < 2) {
            error = "not an object identifier: " + std::string(text);
            return std::nullopt;
        }
        value.oid = *oid;
        return value;
    }
    case ValueType::OctetString:
        if (!IsHexLetter(letter)) {
            value.bytes = std::string(text);
            return value;
        }
        {
            int high = -1;
            for (const char c : text) {
                if (c == ' ' || c == ':' || c == '-')
                    continue;
                const int d = HexDigitValue(c);
                if (d < 0) {
                    error = "not hexadecimal: " + std::string(text);
                    return std::nullopt;
                }
                if (high < 0) {
                    high = d;
                } else {
                    value.bytes += static_cast<char>(high * 16 + d);
                    high = -1;
                }
            }
            if (high >= 0) {
                error = "odd number of hexadecimal digits: " + std::string(text);
                return std::nullopt;
            }
        }
        return value;
    case ValueType::Null:
        return value;
    }
    error = "unsupported type";
    return std::nullopt;
}

Value ZeroValue(ValueType type)
{
    Value value;
    value.type = type;
    if (type == ValueType::IpAddress)
        value.bytes = std::string(4, '\0');
    if (type == ValueType::ObjectId)
        value.oid = {0, 0};
    return value;
}

std::string DescribeValue(const Value& value)
{
    static const char* digits = "0123456789ABCDEF";
    switch (value.type) {
    case ValueType::Integer:
        return std::to_string(value.Signed());
    case ValueType::Gauge32:
    case ValueType::Counter32:
    case ValueType::TimeTicks:
    case ValueType::Counter64:
        return std::to_string(value.number);
    case ValueType::IpAddress: {
        std::string text;
        for (const char b : value.bytes)
            text += (text.empty() ? "" : ".") + std::to_string(static_cast<unsigned char>(b));
        return text;
    }
    case ValueType::ObjectId:
        return FormatOid(value.oid);
    case ValueType::OctetString: {
        std::string text;
        for (const char b : value.bytes) {
            const auto u = static_cast<unsigned char>(b);
            text += digits[u >> 4];
            text += digits[u & 15];
        }
        return text;
    }
    case ValueType::Null:
        return "NULL";
    }
    return "?";
}

} // namespace sim
