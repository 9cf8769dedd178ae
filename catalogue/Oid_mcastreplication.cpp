// Oid_mcastreplication: IP multicast VLAN replication 1.3.6.1.4.1.171.12.71.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_mcastreplication {
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
constexpr OptionItem AddrTypeIpv4Items[] = {{0, "unknown"}, {1, "ipv4"}, {}};
constexpr OptionItem McastReplicationTTLStatusItems[] = {{1, "decrease"}, {2, "nodecrease"}, {}};
constexpr OptionItem McastReplicationSourceMACStateItems[] = {{1, "replace"}, {2, "noreplace"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList ActiveInactiveOptions;
constinit MvOptionList AddrTypeIpv4Options;
constinit MvOptionList McastReplicationTTLStatusOptions;
constinit MvOptionList McastReplicationSourceMACStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.71.1.1
// Read by the window "IP Multicast VLAN Replication Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.71.1.1", "State",            integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.71.3.1", "TTL Status",       integer, readwrite, &McastReplicationTTLStatusOptions},
    {"1.3.6.1.4.1.171.12.71.3.2", "Source MAC State", integer, readwrite, &McastReplicationSourceMACStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.71.2.1.1.1 (after an index-only column)
// Read by the window "IP Multicast VLAN Replication Information Table" as MVT_UMV with 5 key
// columns.
constexpr VarDescriptor Table2[] = {
    {" ",                             "Name",                displaystr,  notaccess,                 nullptr},
    {"1.3.6.1.4.1.171.12.71.2.1.1.1", "Group Address Type",  integer,     notaccess,                 &AddrTypeIpv4Options},
    {"1.3.6.1.4.1.171.12.71.2.1.1.2", "Group Address",       inetaddress, notaccess,                 nullptr},
    {"1.3.6.1.4.1.171.12.71.2.1.1.3", "Source Address Type", integer,     notaccess,                 &AddrTypeIpv4Options},
    {"1.3.6.1.4.1.171.12.71.2.1.1.4", "Source Address",      inetaddress, notaccess | impliedlength, nullptr},
    {"1.3.6.1.4.1.171.12.71.2.1.1.5", "State",               integer,     readonly,                  &ActiveInactiveOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.71.3.3.1.1
// Read by the window "IP Multicast VLAN Replication Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.71.3.3.1.1", "Name",           displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.3.1.2", "Source VLAN ID", integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.3.1.3", "Row Status",     integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.71.3.4.1.1 (after an index-only column)
// Read by the window "IP Multicast VLAN Replication Source Table" as MVT_UMV with 6 key columns.
constexpr VarDescriptor Table4[] = {
    {" ",                             "Name",                displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.4.1.1", "Group Address Type",  integer,     notaccess, &AddrTypeIpv4Options},
    {"1.3.6.1.4.1.171.12.71.3.4.1.2", "Group Address Start", inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.4.1.3", "Group Address End",   inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.4.1.4", "Source Address Type", integer,     readwrite, &AddrTypeIpv4Options},
    {"1.3.6.1.4.1.171.12.71.3.4.1.5", "Source Address",      inetaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.4.1.6", "Row Status",          integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.71.3.5.1.1 (after an index-only column)
// Read by the window "IP Multicast VLAN Replication Destination Table" as MVT_UMV with 2 key
// columns.
constexpr VarDescriptor Table5[] = {
    {" ",                             "Name",       displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.5.1.1", "VLAN ID",    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.5.1.2", "Port",       bitstr,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.71.3.5.1.3", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &ActiveInactiveOptions, &AddrTypeIpv4Options,
    &McastReplicationTTLStatusOptions, &McastReplicationSourceMACStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    ActiveInactiveOptions.Init(ActiveInactiveItems, 1, false);
    AddrTypeIpv4Options.Init(AddrTypeIpv4Items, 1, false);
    McastReplicationTTLStatusOptions.Init(McastReplicationTTLStatusItems, 1, false);
    McastReplicationSourceMACStateOptions.Init(McastReplicationSourceMACStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    McastReplicationSourceMACStateOptions.Free();
    McastReplicationTTLStatusOptions.Free();
    AddrTypeIpv4Options.Free();
    ActiveInactiveOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_mcastreplication", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_mcastreplication
