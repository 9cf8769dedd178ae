// Oid_vlantrunk: per-model VLAN trunk ports.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_vlantrunk {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.9.6.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "VLAN Trunk Settings" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.6.1.1", "Port",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.9.6.1.2", "State   ", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table1Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.6.1.1", "Port",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.9.6.1.2", "State   ", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table1Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.6.1.1", "Port",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.9.6.1.2", "State   ", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table1Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.6.1.1", "Port",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.9.6.1.2", "State   ", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1Model1, 1}, {Table1Model2, 2}, {Table1Model3, 3}, {Table1Model4, 4},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_vlantrunk", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_vlantrunk
