// Oid_safeguard: safeguard engine 1.3.6.1.4.1.171.12.19.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_safeguard {
namespace {

// Option tables.

constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem SafeguardModeItems[] = {{1, "strict"}, {2, "fuzzy"}, {}};
constexpr OptionItem SafeguardCurrentStatusItems[] = {{1, "normal"}, {2, "exhausted"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList SafeguardModeOptions;
constinit MvOptionList SafeguardCurrentStatusOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.19.1.1
// Read by the window "Safeguard Engine Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.19.1.1", "Safeguard Administration State", integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.19.2.1
// Read by TSafeguardCtrlForm as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.19.2.1", "Rising Threshold",           integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.19.2.2", "Falling Threshold",          integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.19.2.3", "Mode",                       integer, readwrite, &SafeguardModeOptions},
    {"1.3.6.1.4.1.171.12.19.2.4", "Alarm Administration State", integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.19.2.5", "Current Status",             integer, readonly,  &SafeguardCurrentStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &DisabledEnabledOptions, &SafeguardModeOptions, &SafeguardCurrentStatusOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    SafeguardModeOptions.Init(SafeguardModeItems, 1, false);
    SafeguardCurrentStatusOptions.Init(SafeguardCurrentStatusItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SafeguardCurrentStatusOptions.Free();
    SafeguardModeOptions.Free();
    DisabledEnabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_safeguard", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_safeguard
