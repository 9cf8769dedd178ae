#pragma once
// Object identifiers as plain vectors of sub-identifiers. std::vector's ordering is the
// lexicographic order SNMP uses for GETNEXT.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

using SubId = std::uint32_t;
using Oid = std::vector<SubId>;

// "1.3.6.1" or ".1.3.6.1"; nothing else.
std::optional<Oid> ParseOid(std::string_view text);
std::string FormatOid(const Oid& oid);
bool IsPrefix(const Oid& prefix, const Oid& oid);
Oid Concat(const Oid& head, const Oid& tail);

} // namespace sim
