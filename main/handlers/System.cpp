// Handler rows of the group "System".
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "Information3Click",    .Family = ExternalTool, .PageSwitch = "/TMIB_Info"},
    {.Name = "IfTable1Click",        .Family = ExternalTool, .PageSwitch = "/TMIB_IFTable"},
    {.Name = "IFCounter1Click",      .Family = ExternalTool, .PageSwitch = "/TMIB_IFCounters"},
    {.Name = "IPCounters1Click",     .Family = ExternalTool, .PageSwitch = "/TMIB_IPCounters"},
    {.Name = "IPRouting1Click",      .Family = ExternalTool, .PageSwitch = "/TMIB_IPRouting"},
    {.Name = "IPAddressTable1Click", .Family = ExternalTool, .PageSwitch = "/TMIB_IPAddress"},
    {.Name = "ICMPCounters1Click",   .Family = ExternalTool, .PageSwitch = "/TMIB_ICMPCounters"},
    {.Name = "UDPCounters1Click",    .Family = ExternalTool, .PageSwitch = "/TMIB_UDPCounters"},
    {.Name = "BasicInfo1Click",           .Family = GeneratedScalar, .Title = "Basic Information",     .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.1"}},
    {.Name = "AgentTrapManagement1Click", .Family = GeneratedTable,  .Title = "Trap Management Table", .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.4.2.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Status = {4, "enabled", "disabled"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> SystemHandlers = Rows;
