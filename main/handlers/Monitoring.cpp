// Handler rows of the group "Monitoring".
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "Statistics1Click", .Family = ExternalTool, .PageSwitch = "/TRmon_Statistics"},
    {.Name = "History1Click",    .Family = ExternalTool, .PageSwitch = "/TRmon_History"},
    {.Name = "AlarmEvent1Click", .Family = ExternalTool, .PageSwitch = "/TRmon_AlarmEvent"},
    // Device Management > "Refresh Panel" (hidden) and the top-level "Refresh".
    {.Name = "RefreshPanel1Click", .Family = Refresh},
    {.Name = "DeviceInformation1Click", .Family = ModelDependent, .Title = "Device Information",             .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.1.1"}, .Layout = Editor},
    {.Name = "HibernationTable1Click",  .Family = GeneratedTable, .Title = "Power Saving Hibernation Table", .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.6.1.1.100", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> MonitoringHandlers = Rows;
