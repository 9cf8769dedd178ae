// Oid_dhcpv6server: DHCPv6 server 1.3.6.1.4.1.171.12.90, permit filters 1.3.6.1.4.1.171.12.37.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_dhcpv6server {
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
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList NoneStartOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.90.1.1.1
// Read by the window "DHCPv6 Server Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.90.1.1.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.90.1.1.2.1.1
// Read by the window "DHCPv6 Server Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.90.1.1.2.1.1", "Interface Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.1.2.1.2", "Control State",  integer,    readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.90.1.2.1.1.1
// Read by the window "DHCPv6 Server Pool Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.1",   "Name",                  displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.2",   "Begin Address",         ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.3",   "End Address",           ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.4",   "Address Prefix Length", integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.5",   "Domain Name",           displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.6",   "Preferred Lifetime",    guage,       readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.7",   "Valid Lifetime",        guage,       readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.1.1.100", "Row Status",            integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.90.1.2.2.1.1 (after an index-only column)
// Read by the window "DHCPv6 Server DNS Server Address Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {" ",                                 "Pool Name",  displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.2.1.1",   "Index",      integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.2.1.2",   "Address",    ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.2.2.1.100", "Row Status", integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.90.1.3.1.1 (after an index-only column)
// Read by the window "DHCPv6 Server Manual Binding Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table5[] = {
    {" ",                               "Pool Name",    displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.3.1.1",   "IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.3.1.2",   "DUID",         displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.3.1.100", "Row Status",   integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.90.1.4.1.1 (after an index-only column)
// Read by the window "DHCPv6 Server Excluded Address Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table6[] = {
    {" ",                               "Pool Name",     displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.4.1.1",   "Begin Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.4.1.2",   "End Address",   ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.4.1.100", "Row Status",    integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.90.1.5.1.1 (after an index-only column)
// Read by the window "DHCPv6 Server Binding Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table7[] = {
    {" ",                             "Pool Name",          displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.5.1.1", "IPv6 Address",       ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.90.1.5.1.2", "DUID",               displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.90.1.5.1.3", "Preferred Lifetime", guage,       readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.90.1.5.1.4", "Valid Lifetime",     guage,       readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.90.1.5.1.5", "Clear State",        integer,     readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.6.1.1.1
// Read by the window "DHCPv6 Server Screening Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.37.6.1.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.6.1.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.6.2.1.1
// Read by TFilterDHCPv6PermitForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.37.6.2.1.1", "IPv6 Address",  ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.6.2.1.2", "Ports",         bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.37.6.2.1.4", "Server Status", integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.7.1.1.1
// Read by the window "ICMPv6 RA All Node Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.37.7.1.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.7.1.1.2", "Node State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.7.2.1.1
// Read by TFilterAllNodePermitForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.37.7.2.1.1", "IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.7.2.1.2", "Ports",        bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.37.7.2.1.4", "Status",       integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.6.3
// Read by the window "DHCPv6 Server Screening Settings" as SVT_SV.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.37.6.3", "Trap State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.6.4", "Log State",  integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.7.3
// Read by the window "ICMPv6 RA All Node Information Settings" as SVT_SV.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.37.7.3", "Trap State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.7.4", "Log State",  integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &NoneStartOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    NoneStartOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_dhcpv6server", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_dhcpv6server
