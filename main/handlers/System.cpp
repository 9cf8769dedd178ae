// Handler rows of the group "System".
#include "main/handlers/Groups.h"

namespace {

using enum HandlerFamily;

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
};
// clang-format on

} // namespace

const std::span<const HandlerRow> SystemHandlers = Rows;
