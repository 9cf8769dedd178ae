// Handler rows of the group "Layer 2 ".
#include "main/handlers/Groups.h"

namespace {

using enum HandlerFamily;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "StaticTable1Click", .Family = ExternalTool, .PageSwitch = "/TBridge_StaticFilter"},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> Layer2Handlers = Rows;
