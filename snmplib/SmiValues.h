#pragma once
// The wire tags of variable bindings and the numeric value classes. Every value is clamped to
// its 32-bit (or 64-bit) wire type when it is built from a wider number.

#include <cstdint>
#include <string>

enum SmiSyntax : std::uint8_t {
    sNMP_SYNTAX_INT32 = 0x02,
    sNMP_SYNTAX_OCTETS = 0x04,
    sNMP_SYNTAX_NULL = 0x05,
    sNMP_SYNTAX_OID = 0x06,
    sNMP_SYNTAX_IPADDR = 0x40,
    sNMP_SYNTAX_CNTR32 = 0x41,
    sNMP_SYNTAX_GAUGE32 = 0x42,
    sNMP_SYNTAX_TIMETICKS = 0x43,
    sNMP_SYNTAX_OPAQUE = 0x44,
    sNMP_SYNTAX_CNTR64 = 0x46,
    sNMP_SYNTAX_UINT32 = 0x47,
    sNMP_SYNTAX_NOSUCHOBJECT = 0x80,
    sNMP_SYNTAX_NOSUCHINSTANCE = 0x81,
    sNMP_SYNTAX_ENDOFMIBVIEW = 0x82,
};

class SnmpInt32 {
public:
    SnmpInt32() = default;
    SnmpInt32(long long value);   // NOLINT: clamps to the 32-bit range
    operator std::int32_t() const { return value_; }  // NOLINT
    std::string get_printable() const;

private:
    std::int32_t value_ = 0;
};

class SnmpUInt32 {
public:
    SnmpUInt32() = default;
    SnmpUInt32(unsigned long long value);  // NOLINT: clamps to the 32-bit range
    operator std::uint32_t() const { return value_; }  // NOLINT
    std::string get_printable() const;

protected:
    std::uint32_t value_ = 0;
};

class Counter32 : public SnmpUInt32 {
public:
    using SnmpUInt32::SnmpUInt32;
};

class Gauge32 : public SnmpUInt32 {
public:
    using SnmpUInt32::SnmpUInt32;
};

// Hundredths of a second; printed "h:mm:ss.hh", "1 day h:mm:ss.hh" or "n days, h:mm:ss.hh".
class TimeTicks : public SnmpUInt32 {
public:
    using SnmpUInt32::SnmpUInt32;
    std::string get_printable() const;
};

class Counter64 {
public:
    Counter64() = default;
    Counter64(std::uint64_t value) : value_(value) {}   // NOLINT
    Counter64(std::uint32_t high, std::uint32_t low)
        : value_((static_cast<std::uint64_t>(high) << 32) | low) {}
    // From a real number, clamped to 0 .. 2^64-1 (the framework reads counters as reals).
    static Counter64 from_long_double(long double value);

    operator std::uint64_t() const { return value_; }  // NOLINT
    std::uint32_t high() const { return static_cast<std::uint32_t>(value_ >> 32); }
    std::uint32_t low() const { return static_cast<std::uint32_t>(value_); }
    std::string get_printable() const { return std::to_string(value_); }

private:
    std::uint64_t value_ = 0;
};
