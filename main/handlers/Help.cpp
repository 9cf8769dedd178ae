// Handler rows of the group "Help".
#include "main/handlers/Groups.h"

namespace {

using enum HandlerFamily;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "Help2Click",  .Family = Help},
    {.Name = "About1Click", .Family = HandMadeForm, .WindowClass = "TAboutForm", .NoCaption = true, .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> HelpHandlers = Rows;
