#pragma once
// A variable binding: an OID and a value with its wire tag.

#include "snmplib/Address.h"
#include "snmplib/OctetStr.h"
#include "snmplib/Oid.h"
#include "snmplib/SmiValues.h"

#include <cstdint>
#include <string>

class Vb {
public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}

    void set_oid(const Oid& oid) { oid_ = oid; }
    const Oid& get_oid() const { return oid_; }
    void get_oid(Oid& oid) const { oid = oid_; }
    std::string get_printable_oid() const { return oid_.get_printable(); }

    void set_value(const SnmpInt32& value);
    void set_value(const SnmpUInt32& value);   // sent as Unsigned32
    void set_value(const Counter32& value);
    void set_value(const Gauge32& value);
    void set_value(const TimeTicks& value);
    void set_value(const Counter64& value);
    void set_value(const OctetStr& value);
    void set_value(const Oid& value);
    // An invalid address is sent as 0.0.0.0. IPv6 addresses are sent as 16-octet strings.
    void set_value(const IpAddress& value);
    void set_null();
    // An opaque value (its octets) or one of the exception tags without a value.
    void set_raw(SmiSyntax syntax, const std::string& octets = {});

    // Each returns SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID when the binding's value is not
    // of a matching type (the target is then left unchanged). Integers read the signed
    // value, unsigned numbers any of the 32-bit unsigned tags.
    int get_value(SnmpInt32& value) const;
    int get_value(long& value) const;
    int get_value(SnmpUInt32& value) const;
    int get_value(unsigned long& value) const;
    int get_value(TimeTicks& value) const;
    int get_value(Counter64& value) const;
    int get_value(OctetStr& value) const;   // octet strings, opaque values and IP addresses
    int get_value(Oid& value) const;
    int get_value(IpAddress& value) const;

    SmiSyntax get_syntax() const { return syntax_; }
    // True for noSuchObject, noSuchInstance and endOfMibView.
    bool is_exception() const;
    // The value as text: numbers in decimal, time ticks in their time form, OIDs dotted, IP
    // addresses dotted, octet strings as their octets; NULL and the exceptions give "".
    std::string get_printable_value() const;

private:
    Oid oid_;
    SmiSyntax syntax_ = sNMP_SYNTAX_NULL;
    std::uint64_t number_ = 0;      // integers (two's complement of the 32-bit value) and counters
    std::string octets_;            // octet strings, opaque values, IP addresses
    Oid oidValue_;
};
