// Oid_filternetbios: NetBIOS filter 1.3.6.1.4.1.171.12.37.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_filternetbios {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.37.2.1.1.1
// Read by the window "NetBIOS Filtering (Filter NetBIOS Over TCP/IP)" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.37.2.1.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.2.1.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.3.1.1.1
// Read by the window "Extensive NetBIOS Filtering (Filter NetBIOS Over 802.2)" as MVT_UMV with 1
// key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.37.3.1.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.3.1.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
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
    "Oid_filternetbios", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_filternetbios
