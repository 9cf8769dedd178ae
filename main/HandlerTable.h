#pragma once
// The menu handlers as data: one row per handler, keyed by its name as the handler is spelt
// ("Information3Click"). The rows live in one file per top-level menu group (main/handlers/);
// an OnClick name of the menu finds its row ignoring letter case.

#include <span>
#include <string_view>

enum class HandlerFamily {
    GeneratedTable,
    GeneratedScalar,
    ModelDependent,
    GeneratedPages,
    HandMadeForm,  // WindowClass names the window class
    DdmWindow,
    ExternalTool,  // PageSwitch: "/T" + program + "_" + page
    Help,          // the help file
    Refresh,       // the front panel's refresh
    Empty,         // does nothing
};

struct HandlerRow {
    const char* Name;
    HandlerFamily Family;
    const char* PageSwitch = "";
    const char* WindowClass = "";
};

// The rows of every group.
std::span<const std::span<const HandlerRow>> HandlerGroups();

// The row of a handler name, ignoring letter case (ASCII); nullptr when no handler has it.
const HandlerRow* FindHandler(std::string_view name);
