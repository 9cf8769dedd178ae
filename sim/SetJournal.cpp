#include "SetJournal.h"

namespace sim {

namespace {

const char* Letter(ValueType type)
{
    switch (type) {
    case ValueType::Integer: return "i";
    case ValueType::OctetString: return "x";
    case ValueType::Null: return "n";
    case ValueType::ObjectId: return "o";
    case ValueType::IpAddress: return "a";
    case ValueType::Counter32: return "c";
    case ValueType::Gauge32: return "u";
    case ValueType::TimeTicks: return "t";
    case ValueType::Counter64: return "C";
    }
    return "?";
}

} // namespace

std::string SetJournal::Format() const
{
    std::string text;
    for (std::size_t i = 0; i < pdus_.size(); ++i) {
        if (i > 0)
            text += '\n';
        std::string line = "set";
        for (const SetBinding& binding : pdus_[i]) {
            line += ' ';
            const std::string value = DescribeValue(binding.value);
            line += FormatOid(binding.oid) + ' ' + Letter(binding.value.type) + ' '
                + (value.empty() ? "\"\"" : value);
        }
        if (statuses_[i] != 0)
            line += " status=" + std::to_string(statuses_[i]);
        text += line;
    }
    return text;
}

} // namespace sim
