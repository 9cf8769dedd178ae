// Oid_mcastproxy: IGMP and MLD snooping proxy 1.3.6.1.4.1.171.12.80.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_mcastproxy {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem ActiveInactiveItems[] = {{1, "active"}, {2, "inactive"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList ActiveInactiveOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.80.1.1
// Read by the window "IGMP Proxy Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.80.1.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.1.2
// Read by the window "MLD Proxy Global Settings" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.80.1.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.3.1.1.1.1
// Read by TIGMPSnoopingProxyUpstreamInterfaceForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.80.3.1.1.1.1", "Index",                       integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.1.1.1.2", "VLAN ID",                     integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.1.1.1.3", "Dynamic Router Ports",        bitlist,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.80.3.1.1.1.4", "Static Router Ports",         bitlist,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.1.1.1.5", "Unsolicited Report Interval", integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.1.1.1.6", "Source IP",                   ipaddress, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.3.1.2.1.1 (after an index-only column)
// Read by the window "IGMP Proxy Downstream Interface Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {" ",                               "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.1.2.1.1", "Row Status", integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.3.2.1.1.1
// Read by TMLDSnoopingProxyUpstreamInterfaceForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.80.3.2.1.1.1", "Index",                       integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.2.1.1.2", "VLAN ID",                     integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.2.1.1.3", "Dynamic Router Ports",        bitlist,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.80.3.2.1.1.4", "Static Router Ports",         bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.2.1.1.5", "Unsolicited Report Interval", integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.2.1.1.6", "Source IP",                   ipv6address, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.3.2.2.1.1 (after an index-only column)
// Read by the window "MLD Proxy Downstream Interface Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {" ",                               "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.3.2.2.1.1", "Row Status", integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.2.1.1.1.1
// Read by TMcastProxyGroupForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.80.2.1.1.1.1", "Destination Address",          ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.2.1.1.1.2", "Source Address",               ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.2.1.1.1.3", "Downstream VLAN ID",           integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.2.1.1.1.4", "Downstream VLAN Member Ports", bitlist,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.80.2.1.1.1.5", "State",                        integer,   readonly,  &ActiveInactiveOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.80.2.2.1.1.1
// Read by TMcastProxyGroupForm as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.80.2.2.1.1.1", "Destination Address",          ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.2.2.1.1.2", "Source Address",               ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.2.2.1.1.3", "Downstream VLAN ID",           integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.80.2.2.1.1.4", "Downstream VLAN Member Ports", bitlist,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.80.2.2.1.1.5", "Status",                       integer,     readonly,  &ActiveInactiveOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &ActiveInactiveOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    ActiveInactiveOptions.Init(ActiveInactiveItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    ActiveInactiveOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_mcastproxy", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_mcastproxy
