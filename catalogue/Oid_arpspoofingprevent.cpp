// Oid_arpspoofingprevent: ARP spoofing prevention 1.3.6.1.4.1.171.12.62, ND spoofing prevention
// 1.3.6.1.4.1.171.12.200.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_arpspoofingprevent {
namespace {

// Option tables.

constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList RowStatusShortOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.62.3.1.1.1
// Read by TARPSpoofingPreventMgmtForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.62.3.1.1.1", "Gateway IP", ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.62.3.1.1.2", "MAC",        macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.62.3.1.1.3", "Ports",      bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.62.3.1.1.4", "Row Status", integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.200.3.1.1.1
// Read by TNDSpoofingPreventForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.200.3.1.1.1", "Gateway IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.200.3.1.1.2", "Gateway MAC",          macaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.200.3.1.1.3", "Ports",                bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.200.3.1.1.4", "Status",               integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &RowStatusShortOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    RowStatusShortOptions.Free();
    RowStatusOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_arpspoofingprevent", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_arpspoofingprevent
