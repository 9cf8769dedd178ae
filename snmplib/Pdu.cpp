#include "snmplib/Pdu.h"

const Vb& Pdu::get_vb(int index) const
{
    static const Vb empty;
    if (index < 0 || index >= get_vb_count())
        return empty;
    return vbs_[static_cast<std::size_t>(index)];
}

void Pdu::set_vb(const Vb& vb, int index)
{
    if (index >= 0 && index < get_vb_count())
        vbs_[static_cast<std::size_t>(index)] = vb;
}

void Pdu::clear()
{
    vbs_.clear();
    errorStatus_ = 0;
    errorIndex_ = 0;
}
