// Oid_bpduprotection: BPDU protection 1.3.6.1.4.1.171.12.76.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_bpduprotection {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem BpduProtectionTrapModeItems[] = {
    {1, "none"},
    {2, "attackDetected"},
    {3, "attackCleared"},
    {4, "both"},
    {},
};
constexpr OptionItem BpduProtectionModeItems[] = {{1, "drop"}, {2, "block"}, {3, "shutdown"}, {}};
constexpr OptionItem BpduProtectionStateItems[] = {{1, "normal"}, {2, "underAttack"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList BpduProtectionTrapModeOptions;
constinit MvOptionList BpduProtectionModeOptions;
constinit MvOptionList BpduProtectionStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.76.1.1
// Read by the window "BPDU Protection Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.76.1.1", "Administration State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.76.1.2", "Recovery Time",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.76.1.3", "Trap Mode",            integer, readwrite, &BpduProtectionTrapModeOptions},
    {"1.3.6.1.4.1.171.12.76.1.4", "Log Mode",             integer, readwrite, &BpduProtectionTrapModeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.76.3.1.1.1
// Read by the window "BPDU Protection Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.76.3.1.1.1", "Index",   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.76.3.1.1.2", "State ",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.76.3.1.1.3", "Mode ",   integer, readwrite, &BpduProtectionModeOptions},
    {"1.3.6.1.4.1.171.12.76.3.1.1.4", "State  ", integer, readonly,  &BpduProtectionStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &BpduProtectionTrapModeOptions, &BpduProtectionModeOptions,
    &BpduProtectionStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    BpduProtectionTrapModeOptions.Init(BpduProtectionTrapModeItems, 1, false);
    BpduProtectionModeOptions.Init(BpduProtectionModeItems, 1, false);
    BpduProtectionStateOptions.Init(BpduProtectionStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    BpduProtectionStateOptions.Free();
    BpduProtectionModeOptions.Free();
    BpduProtectionTrapModeOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_bpduprotection", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_bpduprotection
