#include "main/HandlerTable.h"

#include "main/handlers/Groups.h"

#include <array>
#include <string>
#include <unordered_map>

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace

std::span<const std::span<const HandlerRow>> HandlerGroups()
{
    static const std::array<std::span<const HandlerRow>, 12> groups = {
        SystemHandlers,   ManagementHandlers,         Layer2Handlers, Layer3Handlers,     QosHandlers,  AclHandlers,
        SecurityHandlers, NetworkApplicationHandlers, OamHandlers,    MonitoringHandlers, HelpHandlers, WithoutItemHandlers};
    return groups;
}

const HandlerRow* FindHandler(std::string_view name)
{
    static const std::unordered_map<std::string, const HandlerRow*> byName = [] {
        std::unordered_map<std::string, const HandlerRow*> rows;
        for (std::span<const HandlerRow> group : HandlerGroups())
            for (const HandlerRow& row : group)
                rows.emplace(Lower(row.Name), &row);
        return rows;
    }();
    const auto found = byName.find(Lower(name));
    return found == byName.end() ? nullptr : found->second;
}
