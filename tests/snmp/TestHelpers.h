#pragma once
// Small helpers of the codec and request tests.

#include "snmp/Exception.h"

#include <functional>
#include <initializer_list>
#include <string>

// Octets from their values.
inline std::string Bytes(std::initializer_list<unsigned> values)
{
    std::string s;
    for (unsigned v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

// The code (help context) of the framework exception an action raises; 0 when it raises none.
inline int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.HelpContext();
    }
    return 0;
}
