// Oid_subnetvlan: subnet VLAN 1.3.6.1.4.1.171.12.75.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_subnetvlan {
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

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.75.3.2.1.1
// Read by the window "Subnet VLAN IPv4 Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.75.3.2.1.1", "IP Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.2.1.2", "IP Mask",    ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.2.1.3", "VLAN ID",    integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.2.1.4", "Priority",   integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.2.1.5", "Row Status", integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.75.3.3.1.1
// Read by the window "Subnet VLAN IPv6 Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.75.3.3.1.1", "Address",       ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.3.1.2", "Prefix Length", integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.3.1.3", "VLAN ID",       integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.3.1.4", "Priority",      integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.75.3.3.1.5", "Row Status",    integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    RowStatusOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_subnetvlan", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_subnetvlan
