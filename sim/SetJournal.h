#pragma once
// The journal of the SET PDUs the agent received, in arrival order, each with its variable
// bindings as sent and the error status the agent answered. Tests read it through the control
// channel to check exactly what a window wrote and whether the switch took it.

#include "DataModel.h"

#include <string>
#include <vector>

namespace sim {

class SetJournal {
public:
    void Add(std::vector<SetBinding> bindings)
    {
        pdus_.push_back(std::move(bindings));
        statuses_.push_back(0);
    }
    // The error status answered to the PDU added last; the first one set stays.
    void Answered(int errorStatus)
    {
        if (!statuses_.empty() && statuses_.back() == 0)
            statuses_.back() = errorStatus;
    }
    void Clear()
    {
        pdus_.clear();
        statuses_.clear();
    }
    const std::vector<std::vector<SetBinding>>& Pdus() const { return pdus_; }

    // One line per PDU: "set", then its bindings as "OID TYPE VALUE" triples, all separated by
    // blanks; TYPE a data-file letter (i u c C t a o x n), VALUE without blanks (octet strings
    // in hexadecimal, IpAddress dotted; an empty octet string is ""); last "status=N" when the
    // agent answered error status N (none: noError). A PDU without bindings is the line "set".
    std::string Format() const;

private:
    std::vector<std::vector<SetBinding>> pdus_;
    std::vector<int> statuses_;
};

} // namespace sim
