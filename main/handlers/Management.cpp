// Handler rows of the group "Management".
#include "main/handlers/Groups.h"

namespace {

using enum HandlerFamily;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "ARPTable1Click", .Family = ExternalTool, .PageSwitch = "/TMIB_ARP"},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> ManagementHandlers = Rows;
