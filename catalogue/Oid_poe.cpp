// Oid_poe: power over Ethernet 1.3.6.1.4.1.171.12.24.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_poe {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem Enabled2Disabled3Items[] = {{2, "enabled"}, {3, "disabled"}, {}};
constexpr OptionItem PoePowerDisconnectMethodItems[] = {{1, "denyNextPort"}, {2, "denyLowPriorityPort"}, {}};
constexpr OptionItem PoePoEModeItems[] = {{1, "normal"}, {2, "poe"}, {}};
constexpr OptionItem PoePriorityItems[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {}};
constexpr OptionItem PoePowerLimitItems[] = {
    {1, "class0"},
    {2, "class1"},
    {3, "class2"},
    {4, "class3"},
    {5, "user-defined"},
    {},
};
constexpr OptionItem PoeLEDStateItems[] = {{1, "on"}, {2, "off"}, {3, "error"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList Enabled2Disabled3Options;
constinit MvOptionList PoePowerDisconnectMethodOptions;
constinit MvOptionList PoePoEModeOptions;
constinit MvOptionList PoePriorityOptions;
constinit MvOptionList PoePowerLimitOptions;
constinit MvOptionList PoeLEDStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.24.1.1
// Read by the window "PoE System Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.24.1.1", "Power Limit",             integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.24.1.2", "Power Disconnect Method", integer, readwrite, &PoePowerDisconnectMethodOptions},
    {"1.3.6.1.4.1.171.12.24.1.6", "Legacy PD",               integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.24.1.4
// Read by the window "PoE Mode Setting" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.24.1.4", "PoE Mode", integer, readwrite, &PoePoEModeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.24.2.1.1.1
// Read by the window "PoE System Information" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.24.2.1.1.1", "Box ID",            integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.24.2.1.1.2", "Consumption",       integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.2.1.1.3", "Remained",          integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.2.1.1.4", "Limit",             integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.2.1.1.5", "Disconnect Method", integer, readonly,  &PoePowerDisconnectMethodOptions},
    {"1.3.6.1.4.1.171.12.24.2.1.1.7", "Legacy PD",         integer, readonly,  &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.24.3.1.1.1
// Read by the window "PoE Port Settings" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.24.3.1.1.1", "Port Index",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.24.3.1.1.2", "State",           integer,    readwrite, &Enabled2Disabled3Options},
    {"1.3.6.1.4.1.171.12.24.3.1.1.3", "Priority",        integer,    readwrite, &PoePriorityOptions},
    {"1.3.6.1.4.1.171.12.24.3.1.1.4", "Power Limit",     integer,    readwrite, &PoePowerLimitOptions},
    {"1.3.6.1.4.1.171.12.24.3.1.1.5", "User Defined",    integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.24.3.1.1.6", "Time Range Name", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.24.4.1.1.1
// Read by the window "PoE Port Information" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.24.4.1.1.1", "Port Index", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.24.4.1.1.2", "Class",      integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.4.1.1.3", "Power",      integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.4.1.1.4", "Voltage",    integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.4.1.1.5", "Current",    integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.4.1.1.6", "State",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.24.4.1.1.7", "LED State",  integer,    readonly,  &PoeLEDStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.24.1.11.1.1
// Read by the window "PoE System Stacking Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.24.1.11.1.1", "Unit ID",                 integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.24.1.11.1.2", "Power Limit",             integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.24.1.11.1.3", "Power Disconnect Method", integer, readwrite, &PoePowerDisconnectMethodOptions},
    {"1.3.6.1.4.1.171.12.24.1.11.1.5", "LED Mode",                integer, readwrite, &PoePoEModeOptions},
    {"1.3.6.1.4.1.171.12.24.1.11.1.6", "Legacy PD",               integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &Enabled2Disabled3Options, &PoePowerDisconnectMethodOptions,
    &PoePoEModeOptions, &PoePriorityOptions, &PoePowerLimitOptions, &PoeLEDStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    Enabled2Disabled3Options.Init(Enabled2Disabled3Items, 1, false);
    PoePowerDisconnectMethodOptions.Init(PoePowerDisconnectMethodItems, 1, false);
    PoePoEModeOptions.Init(PoePoEModeItems, 1, false);
    PoePriorityOptions.Init(PoePriorityItems, 1, false);
    PoePowerLimitOptions.Init(PoePowerLimitItems, 1, false);
    PoeLEDStateOptions.Init(PoeLEDStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    PoeLEDStateOptions.Free();
    PoePowerLimitOptions.Free();
    PoePriorityOptions.Free();
    PoePoEModeOptions.Free();
    PoePowerDisconnectMethodOptions.Free();
    Enabled2Disabled3Options.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_poe", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_poe
