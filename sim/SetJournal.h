#pragma once
// The journal of the SET PDUs the agent received, in arrival order, each with its variable
// bindings as sent (whatever the agent then answered). Tests read it through the control
// channel to check exactly what a window wrote.

#include "DataModel.h"

#include <string>
#include <vector>

namespace sim {

class SetJournal {
public:
    void Add(std::vector<SetBinding> bindings) { pdus_.push_back(std::move(bindings)); }
    void Clear() { pdus_.clear(); }
    const std::vector<std::vector<SetBinding>>& Pdus() const { return pdus_; }

    // One line per PDU: "set", then its bindings as "OID TYPE VALUE" triples, all separated by
    // blanks; TYPE a data-file letter (i u c C t a o x n), VALUE without blanks (octet strings
    // in hexadecimal, IpAddress dotted; an empty octet string is ""). A PDU without bindings is
    // the line "set".
    std::string Format() const;

private:
    std::vector<std::vector<SetBinding>> pdus_;
};

} // namespace sim
