#include "Oid.h"

#include <algorithm>
#include <charconv>

namespace sim {

std::optional<Oid> ParseOid(std::string_view text)
{
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    Oid oid;
    while (true) {
        const auto dot = text.find('.');
        const std::string_view part = text.substr(0, dot);
        SubId value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size())
            return std::nullopt;
        oid.push_back(value);
        if (dot == std::string_view::npos)
            break;
        text.remove_prefix(dot + 1);
    }
    return oid;
}

std::string FormatOid(const Oid& oid)
{
    std::string text;
    for (const SubId sub : oid) {
        if (!text.empty())
            text += '.';
        text += std::to_string(sub);
    }
    return text;
}

bool IsPrefix(const Oid& prefix, const Oid& oid)
{
    return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid Concat(const Oid& head, const Oid& tail)
{
    Oid oid = head;
    oid.insert(oid.end(), tail.begin(), tail.end());
    return oid;
}

} // namespace sim
