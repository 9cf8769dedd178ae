// Oid_lbd: loopback detection 1.3.6.1.4.1.171.12.41.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_lbd {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem LbdModeItems[] = {{1, "vlan-based"}, {2, "port-based"}, {}};
constexpr OptionItem LbdTrapModeItems[] = {
    {1, "none"},
    {2, "loop-detected"},
    {3, "loop-cleared"},
    {4, "both"},
    {},
};
constexpr OptionItem LbdLoopStateItems[] = {{1, "normal"}, {2, "loop"}, {3, "error"}, {4, "none"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList LbdModeOptions;
constinit MvOptionList LbdTrapModeOptions;
constinit MvOptionList LbdLoopStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.41.1.1
// Read by the window "Loopback Detection Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.41.1.1", "Administration State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.41.1.2", "Interval",             integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.41.1.3", "Recover Timer",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.41.1.4", "Mode",                 integer, readwrite, &LbdModeOptions},
    {"1.3.6.1.4.1.171.12.41.1.5", "Trap Mode",            integer, readwrite, &LbdTrapModeOptions},
    {"1.3.6.1.4.1.171.12.41.1.6", "Log State",            integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.41.3.1.1.1
// Read by the window "Loopback Detection Port Management Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.41.3.1.1.1", "Index",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.41.3.1.1.2", "State",      integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.41.3.1.1.3", "Loop VLAN",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.41.3.1.1.4", "Loop State", integer,    readonly,  &LbdLoopStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &LbdModeOptions, &LbdTrapModeOptions, &LbdLoopStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    LbdModeOptions.Init(LbdModeItems, 1, false);
    LbdTrapModeOptions.Init(LbdTrapModeItems, 1, false);
    LbdLoopStateOptions.Init(LbdLoopStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    LbdLoopStateOptions.Free();
    LbdTrapModeOptions.Free();
    LbdModeOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_lbd", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_lbd
