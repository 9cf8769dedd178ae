#include "snmplib/Vb.h"

#include "snmplib/SnmpStatus.h"

void Vb::set_value(const SnmpInt32& value)
{
    syntax_ = sNMP_SYNTAX_INT32;
    number_ = static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(value)));
}

void Vb::set_value(const SnmpUInt32& value)
{
    syntax_ = sNMP_SYNTAX_UINT32;
    number_ = static_cast<std::uint32_t>(value);
}

void Vb::set_value(const Counter32& value)
{
    syntax_ = sNMP_SYNTAX_CNTR32;
    number_ = static_cast<std::uint32_t>(value);
}

void Vb::set_value(const Gauge32& value)
{
    syntax_ = sNMP_SYNTAX_GAUGE32;
    number_ = static_cast<std::uint32_t>(value);
}

void Vb::set_value(const TimeTicks& value)
{
    syntax_ = sNMP_SYNTAX_TIMETICKS;
    number_ = static_cast<std::uint32_t>(value);
}

void Vb::set_value(const Counter64& value)
{
    syntax_ = sNMP_SYNTAX_CNTR64;
    number_ = static_cast<std::uint64_t>(value);
}

void Vb::set_value(const OctetStr& value)
{
    syntax_ = sNMP_SYNTAX_OCTETS;
    octets_ = value.get_string();
}

void Vb::set_value(const Oid& value)
{
    syntax_ = sNMP_SYNTAX_OID;
    oidValue_ = value;
}

void Vb::set_value(const IpAddress& value)
{
    if (value.version() == 6) {
        syntax_ = sNMP_SYNTAX_OCTETS;
        octets_.assign(reinterpret_cast<const char*>(value.data()), 16);
        return;
    }
    syntax_ = sNMP_SYNTAX_IPADDR;
    octets_.assign(4, '\0');
    if (value.valid())
        octets_.assign(reinterpret_cast<const char*>(value.data()), 4);
}

void Vb::set_null()
{
    syntax_ = sNMP_SYNTAX_NULL;
    number_ = 0;
    octets_.clear();
}

void Vb::set_raw(SmiSyntax syntax, const std::string& octets)
{
    syntax_ = syntax;
    number_ = 0;
    octets_ = octets;
}

bool Vb::is_exception() const
{
    return syntax_ == sNMP_SYNTAX_NOSUCHOBJECT || syntax_ == sNMP_SYNTAX_NOSUCHINSTANCE ||
           syntax_ == sNMP_SYNTAX_ENDOFMIBVIEW;
}

namespace {

bool IsUnsigned32(SmiSyntax s)
{
    return s == sNMP_SYNTAX_CNTR32 || s == sNMP_SYNTAX_GAUGE32 || s == sNMP_SYNTAX_TIMETICKS ||
           s == sNMP_SYNTAX_UINT32;
}

} // namespace

int Vb::get_value(SnmpInt32& value) const
{
    long wide = 0;
    const int status = get_value(wide);
    if (status == SNMP_CLASS_SUCCESS)
        value = SnmpInt32(wide);
    return status;
}

int Vb::get_value(long& value) const
{
    if (syntax_ == sNMP_SYNTAX_INT32) {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(number_));
        return SNMP_CLASS_SUCCESS;
    }
    if (IsUnsigned32(syntax_)) {
        value = static_cast<long>(number_);
        return SNMP_CLASS_SUCCESS;
    }
    return SNMP_CLASS_INVALID;
}

int Vb::get_value(SnmpUInt32& value) const
{
    unsigned long wide = 0;
    const int status = get_value(wide);
    if (status == SNMP_CLASS_SUCCESS)
        value = SnmpUInt32(wide);
    return status;
}

int Vb::get_value(unsigned long& value) const
{
    if (IsUnsigned32(syntax_) || syntax_ == sNMP_SYNTAX_INT32) {
        value = static_cast<std::uint32_t>(number_);
        return SNMP_CLASS_SUCCESS;
    }
    return SNMP_CLASS_INVALID;
}

int Vb::get_value(TimeTicks& value) const
{
    if (!IsUnsigned32(syntax_))
        return SNMP_CLASS_INVALID;
    value = TimeTicks(number_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Counter64& value) const
{
    if (syntax_ == sNMP_SYNTAX_CNTR64 || IsUnsigned32(syntax_)) {
        value = Counter64(number_);
        return SNMP_CLASS_SUCCESS;
    }
    return SNMP_CLASS_INVALID;
}

int Vb::get_value(OctetStr& value) const
{
    if (syntax_ != sNMP_SYNTAX_OCTETS && syntax_ != sNMP_SYNTAX_OPAQUE && syntax_ != sNMP_SYNTAX_IPADDR)
        return SNMP_CLASS_INVALID;
    value = OctetStr(octets_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Oid& value) const
{
    if (syntax_ != sNMP_SYNTAX_OID)
        return SNMP_CLASS_INVALID;
    value = oidValue_;
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(IpAddress& value) const
{
    if (syntax_ != sNMP_SYNTAX_IPADDR && !(syntax_ == sNMP_SYNTAX_OCTETS && (octets_.size() == 4 || octets_.size() == 16)))
        return SNMP_CLASS_INVALID;
    const IpAddress ip(reinterpret_cast<const unsigned char*>(octets_.data()), octets_.size());
    if (!ip.valid())
        return SNMP_CLASS_INVALID;
    value = ip;
    return SNMP_CLASS_SUCCESS;
}

std::string Vb::get_printable_value() const
{
    switch (syntax_) {
    case sNMP_SYNTAX_INT32:
        return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(number_)));
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_UINT32:
    case sNMP_SYNTAX_CNTR64:
        return std::to_string(number_);
    case sNMP_SYNTAX_TIMETICKS:
        return TimeTicks(number_).get_printable();
    case sNMP_SYNTAX_OID:
        return oidValue_.get_printable();
    case sNMP_SYNTAX_IPADDR:
        return IpAddress(reinterpret_cast<const unsigned char*>(octets_.data()), octets_.size()).get_printable();
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE:
        return octets_;
    default:
        return {};
    }
}
