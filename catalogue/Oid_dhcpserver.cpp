// Oid_dhcpserver: DHCP server 1.3.6.1.4.1.171.12.38, filters 1.3.6.1.4.1.171.12.37.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_dhcpserver {
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
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionItem StringHexItems[] = {{1, "string"}, {2, "hex"}, {}};
constexpr OptionItem DhcpServerNetBIOSNodeTypeItems[] = {
    {1, "broadcast"},
    {2, "peer_to_peer"},
    {3, "mixed"},
    {4, "hybid"},
    {},
};
constexpr OptionItem DhcpServerLeaseStateItems[] = {{1, "predefined"}, {2, "infinite"}, {}};
constexpr OptionItem DhcpServerTypeItems[] = {{1, "ethernet"}, {2, "ieee802"}, {}};
constexpr OptionItem DhcpServerType2Items[] = {{1, "ethernet"}, {2, "iee802"}, {}};
constexpr OptionItem DhcpServerStateItems[] = {{1, "manual"}, {2, "automatic"}, {}};
constexpr OptionItem DhcpServerMethodItems[] = {{1, "ping"}, {2, "gratuitous-arp"}, {}};
constexpr OptionItem DhcpServerIllegalServerLogSuppressDurationItems[] = {
    {1, "duration_1min"},
    {2, "duration_5min"},
    {3, "duration_30min"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList StringHexOptions;
constinit MvOptionList DhcpServerNetBIOSNodeTypeOptions;
constinit MvOptionList DhcpServerLeaseStateOptions;
constinit MvOptionList DhcpServerTypeOptions;
constinit MvOptionList DhcpServerType2Options;
constinit MvOptionList DhcpServerStateOptions;
constinit MvOptionList DhcpServerMethodOptions;
constinit MvOptionList DhcpServerIllegalServerLogSuppressDurationOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.38.1.1
// Read by the window "DHCP Server Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.38.1.1", "State",              integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.38.1.2", "Ping Packet Number", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.1.3", "Ping Timeout",       integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.1.1.1
// Read by the window "DHCP Server Excluded Address Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.38.3.1.1.1", "Begin",      ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.1.1.2", "End",        ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.1.1.3", "Row Status", integer,   readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.2.1.1.1
// Read by the window "DHCP Server Pool Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.1",  "Name",                 displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.2",  "Network Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.3",  "Network Address Mask", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.4",  "Domain Name",          displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.5",  "NetBIOS Node Type",    integer,    readwrite, &DhcpServerNetBIOSNodeTypeOptions},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.6",  "Lease State",          integer,    readwrite, &DhcpServerLeaseStateOptions},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.7",  "Lease Day",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.8",  "Lease Hour",           integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.9",  "Lease Minute",         integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.10", "Boot File",            displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.11", "Next Server",          ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.12", "Row Status",           integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.38.3.2.1.1.13", "Option 43 Value",      displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.2.2.1.1
// Read by the window "DHCP Server DNS Server Address Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.38.3.2.2.1.1", "Pool Name",  displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.2.1.2", "Index",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.2.1.3", "IP Address", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.2.1.4", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.2.3.1.1
// Read by the window "DHCP Server NetBIOS Name Server Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.38.3.2.3.1.1", "Pool Name",  displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.3.1.2", "Index",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.3.1.3", "Server",     ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.3.1.4", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.2.4.1.1
// Read by the window "DHCP Server Default Router Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.38.3.2.4.1.1", "Pool Name",      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.4.1.2", "Index",          integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.4.1.3", "Default Router", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.4.1.4", "Row Status",     integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.2.5.1.1
// Read by the window "DHCP Server Pool Class Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.38.3.2.5.1.1", "Pool Name",     displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.5.1.2", "Class Name",    displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.5.1.3", "Address Begin", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.5.1.4", "Address End",   ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.5.1.5", "Row Status",    integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.2.6.1.1 (after 2 index-only columns)
// Read by the window "DHCP Server Pool Option Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {" ",                               "Pool Name",    displaystr, notaccess, nullptr},
    {" ",                               "Profile Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.2.6.1.1", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.3.1.1
// Read by the window "DHCP Server Manual Binding Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.38.3.3.1.1", "Pool Name",        displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.3.1.2", "IP Address",       ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.3.1.3", "Hardware Address", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.3.1.4", "Type",             integer,    readwrite, &DhcpServerTypeOptions},
    {"1.3.6.1.4.1.171.12.38.3.3.1.5", "Row Status",       integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.4.1.1
// Read by the window "DHCP Server Dynamic Binding Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.38.3.4.1.1", "Pool Name",        displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.4.1.2", "IP Address",       ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.4.1.3", "Hardware Address", macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.38.3.4.1.4", "Type",             integer,    readonly,  &DhcpServerType2Options},
    {"1.3.6.1.4.1.171.12.38.3.4.1.5", "State",            integer,    readonly,  &DhcpServerStateOptions},
    {"1.3.6.1.4.1.171.12.38.3.4.1.6", "Life Time",        integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.38.3.4.1.7", "Clear State",      integer,    readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.5.1.1
// Read by the window "DHCP Server Conflict IP Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.38.3.5.1.1", "IP Address",     ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.5.1.2", "Method",         integer,    readonly,  &DhcpServerMethodOptions},
    {"1.3.6.1.4.1.171.12.38.3.5.1.3", "Detection Time", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.38.3.5.1.4", "Clear State",    integer,    readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.6.1
// Read by the window "DHCP Server Class State Settings" as SVT_SV.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.38.3.6.1", "Class State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.6.2.1.1
// Read by the window "DHCP Server Class Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.38.3.6.2.1.1", "Class Name",   displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.6.2.1.2", "Option",       integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.6.2.1.3", "Option Type",  integer,    readwrite, &StringHexOptions},
    {"1.3.6.1.4.1.171.12.38.3.6.2.1.4", "Option Value", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.6.2.1.5", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.9.1.1.1
// Read by the window "DHCP Server Profile Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.38.3.9.1.1.1", "Profile Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.9.1.1.2", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.38.3.9.2.1.1 (after an index-only column)
// Read by the window "DHCP Server Option Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table15[] = {
    {" ",                               "Profile Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.9.2.1.1", "Code",         integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.9.2.1.2", "Value Type",   integer,    readwrite, &StringHexOptions},
    {"1.3.6.1.4.1.171.12.38.3.9.2.1.3", "Value",        displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.38.3.9.2.1.4", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.1.1.1.1
// Read by TFilterDHCPPermitForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.37.1.1.1.1", "Server IP",  ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.1.1.1.2", "Client MAC", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.1.1.1.3", "Ports",      bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.37.1.1.1.4", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.1.2.1.1
// Read by the window "DHCP Server Screening Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.37.1.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.1.2.1.2", "Port State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.1.3
// Read by the window "DHCP Server Screening Settings" as SVT_SV.
constexpr VarDescriptor Table18[] = {
    {"1.3.6.1.4.1.171.12.37.1.3", "Illegal Server Log Suppress Duration", integer, readwrite, &DhcpServerIllegalServerLogSuppressDurationOptions},
    {"1.3.6.1.4.1.171.12.37.1.4", "Trap Log State",                       integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.4.1.1.1
// Read by the window "IGMP Snooping Filter Layer 3 Control Packets Table" as MVT_UMV with 1 key
// column.
constexpr VarDescriptor Table19[] = {
    {"1.3.6.1.4.1.171.12.37.4.1.1.1", "Port Index",       integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.37.4.1.1.2", "RIP State",        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.4.1.1.3", "OSPF State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.4.1.1.4", "VRRP State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.4.1.1.5", "PIM State",        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.4.1.1.6", "DVMRP State",      integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.37.4.1.1.7", "IGMP Query State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.37.6.1
// Read by TRPCPortMapperForm as SVT_SV.
constexpr VarDescriptor Table20[] = {
    {"1.3.6.1.4.1.171.12.37.6.1", "Enabled Ports", bitstr, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
    {Table18}, {Table19}, {Table20},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &RowStatusShortOptions, &NoneStartOptions,
    &StringHexOptions, &DhcpServerNetBIOSNodeTypeOptions, &DhcpServerLeaseStateOptions,
    &DhcpServerTypeOptions, &DhcpServerType2Options, &DhcpServerStateOptions,
    &DhcpServerMethodOptions, &DhcpServerIllegalServerLogSuppressDurationOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    StringHexOptions.Init(StringHexItems, 1, false);
    DhcpServerNetBIOSNodeTypeOptions.Init(DhcpServerNetBIOSNodeTypeItems, 1, false);
    DhcpServerLeaseStateOptions.Init(DhcpServerLeaseStateItems, 1, false);
    DhcpServerTypeOptions.Init(DhcpServerTypeItems, 1, false);
    DhcpServerType2Options.Init(DhcpServerType2Items, 1, false);
    DhcpServerStateOptions.Init(DhcpServerStateItems, 1, false);
    DhcpServerMethodOptions.Init(DhcpServerMethodItems, 1, false);
    DhcpServerIllegalServerLogSuppressDurationOptions.Init(DhcpServerIllegalServerLogSuppressDurationItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    DhcpServerIllegalServerLogSuppressDurationOptions.Free();
    DhcpServerMethodOptions.Free();
    DhcpServerStateOptions.Free();
    DhcpServerType2Options.Free();
    DhcpServerTypeOptions.Free();
    DhcpServerLeaseStateOptions.Free();
    DhcpServerNetBIOSNodeTypeOptions.Free();
    StringHexOptions.Free();
    NoneStartOptions.Free();
    RowStatusShortOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_dhcpserver", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_dhcpserver
