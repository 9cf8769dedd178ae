// Handler rows of the group "Monitoring".
#include "main/handlers/Groups.h"

namespace {

using enum HandlerFamily;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "Statistics1Click", .Family = ExternalTool, .PageSwitch = "/TRmon_Statistics"},
    {.Name = "History1Click",    .Family = ExternalTool, .PageSwitch = "/TRmon_History"},
    {.Name = "AlarmEvent1Click", .Family = ExternalTool, .PageSwitch = "/TRmon_AlarmEvent"},
    // Device Management > "Refresh Panel" (hidden) and the top-level "Refresh".
    {.Name = "RefreshPanel1Click", .Family = Refresh},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> MonitoringHandlers = Rows;
