#pragma once
// A typed SNMP value as the simulated switch stores it, and its text form in data files.

#include "Oid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// BER tags of the SNMP value types.
enum class ValueType : std::uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Counter64 = 0x46,
};

struct Value {
    ValueType type = ValueType::Null;
    std::uint64_t number = 0;   // Integer (two's complement), the 32-bit unsigned types, Counter64
    std::string bytes;          // OctetString, IpAddress (4 bytes)
    Oid oid;                    // ObjectId

    std::int64_t Signed() const { return static_cast<std::int64_t>(number); }
    bool operator==(const Value&) const = default;

    static Value Integer(std::int64_t v) { return {ValueType::Integer, static_cast<std::uint64_t>(v), {}, {}}; }
    static Value Unsigned(ValueType type, std::uint64_t v) { return {type, v, {}, {}}; }
    static Value Octets(std::string v) { return {ValueType::OctetString, 0, std::move(v), {}}; }
};

// Type letters of data files (the letters snmpset uses): i u c C t a o s x n.
// "s" and "x" are both OctetString; they differ only in how the value is written.
std::optional<ValueType> TypeFromLetter(std::string_view letter);
bool IsHexLetter(std::string_view letter);

// Parses the value text for a type letter; an error message on failure.
std::optional<Value> ParseValue(std::string_view letter, std::string_view text, std::string& error);

// The value of one hexadecimal digit, -1 for any other character.
int HexDigitValue(char c);

// A zero value of a type (0, empty string, 0.0.0.0, 0.0).
Value ZeroValue(ValueType type);

// Readable form for diagnostics and the control channel.
std::string DescribeValue(const Value& value);

} // namespace sim
