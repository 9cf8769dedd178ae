// Oid_ipif: IPv6 routes and neighbours 1.3.6.1.4.1.171.12.26, per-model L3 tables, DHCPv6 relay
// 1.3.6.1.4.1.171.12.84.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_ipif {
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
constexpr OptionItem OtherDisabledEnabledItems[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem IpifBackupStateItems[] = {{1, "primary"}, {2, "backup"}, {3, "none"}, {}};
constexpr OptionItem IpifStateItems[] = {{1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
constexpr OptionItem IpifReachStateItems[] = {
    {1, "incomplete"},
    {2, "reachable"},
    {3, "stale"},
    {4, "delay"},
    {5, "probe"},
    {6, "static"},
    {},
};
constexpr OptionItem IpifIPv6NeighborCacheDeleteActionItems[] = {
    {1, "all"},
    {2, "static-all"},
    {3, "dynamic-all"},
    {4, "other"},
    {},
};
constexpr OptionItem IpifModeItems[] = {{1, "other"}, {3, "bootp"}, {4, "dhcp"}, {}};
constexpr OptionItem IpifState2Items[] = {{2, "invalid"}, {3, "valid"}, {}};
constexpr OptionItem IpifStatusItems[] = {
    {1, "other"},
    {2, "invalid"},
    {3, "valid"},
    {4, "active"},
    {5, "inActive"},
    {},
};
constexpr OptionItem IpifAddressTypeItems[] = {{2, "ipv6"}, {}};
constexpr OptionItem IpifRemoteIDTypeItems[] = {
    {1, "default"},
    {2, "cid-with-user-defined"},
    {3, "user-defined"},
    {4, "vendor1"},
    {},
};
constexpr OptionItem IpifInterfaceIDTypeItems[] = {{1, "default"}, {2, "cid"}, {3, "vendor1"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList OtherDisabledEnabledOptions;
constinit MvOptionList IpifBackupStateOptions;
constinit MvOptionList IpifStateOptions;
constinit MvOptionList IpifReachStateOptions;
constinit MvOptionList IpifIPv6NeighborCacheDeleteActionOptions;
constinit MvOptionList IpifModeOptions;
constinit MvOptionList IpifState2Options;
constinit MvOptionList IpifStatusOptions;
constinit MvOptionList IpifAddressTypeOptions;
constinit MvOptionList IpifRemoteIDTypeOptions;
constinit MvOptionList IpifInterfaceIDTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.26.3.1.1.1
// Read by TIpv6StaticRouteForm as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.26.3.1.1.1", "Destination",    ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.26.3.1.1.2", "Prefix Length",  integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.26.3.1.1.3", "Interface Name", displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.26.3.1.1.4", "Next Hop",       ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.26.3.1.1.5", "Metric",         integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.26.3.1.1.7", "Protocol",       displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.26.3.1.1.8", "Status",         integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.26.3.1.1.9", "Backup State",   integer,     readwrite, &IpifBackupStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.26.4.1.1.1
// Read by TARPIPV6ControlForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.26.4.1.1.1", "IPv6 Address",   ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.26.4.1.1.2", "MAC Address",    macaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.26.4.1.1.3", "Interface Name", displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.26.4.1.1.4", "Reach State",    integer,     readonly,  &IpifReachStateOptions},
    {"1.3.6.1.4.1.171.12.26.4.1.1.5", "Route Status",   integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.26.4.2
// Read by the window "IPv6 Neighbor Cache Delete Action" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.26.4.2", "IPv6 Neighbor Cache Delete Action", integer, readwrite, &IpifIPv6NeighborCacheDeleteActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.3.2.1.7
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "All Interface State" as SVT_SV.
constexpr VarDescriptor Table4Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.7", "State", integer, readwrite, &IpifStateOptions},
    {},
};

constexpr VarDescriptor Table4Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.7", "State", integer, readwrite, &IpifStateOptions},
    {},
};

constexpr VarDescriptor Table4Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.7", "State", integer, readwrite, &IpifStateOptions},
    {},
};

constexpr VarDescriptor Table4Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.7", "State", integer, readwrite, &IpifStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.3.2.1.4.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "IPv6 Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.4.1.1", "Interface Name",      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.4.1.2", "Max. Reassmbly Size", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.4.1.3", "Retransmit Timer",    guage,      readwrite, nullptr},
    {},
};

// Model 2 captions 1.3.6.1.4.1.171.11.133.2.1.3.2.1.4.1.2 "Max Reassmbly Size".
constexpr VarDescriptor Table5Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.4.1.1", "Interface Name",     displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.4.1.2", "Max Reassmbly Size", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.4.1.3", "Retransmit Timer",   guage,      readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table5Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.4.1.1", "Interface Name",      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.4.1.2", "Max. Reassmbly Size", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.4.1.3", "Retransmit Timer",    guage,      readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table5Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.4.1.1", "Interface Name",      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.4.1.2", "Max. Reassmbly Size", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.4.1.3", "Retransmit Timer",    guage,      readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.3.2.1.5.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "IPv6 Address Control Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table6Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.5.1.1", "Interface Name", displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.5.1.2", "IPv6 Address",   ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.5.1.3", "Prefix Length",  integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.5.1.8", "State",          integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr VarDescriptor Table6Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.5.1.1", "Interface Name", displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.5.1.2", "IPv6 Address",   ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.5.1.3", "Prefix Length",  integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.5.1.8", "State",          integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr VarDescriptor Table6Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.5.1.1", "Interface Name", displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.5.1.2", "IPv6 Address",   ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.5.1.3", "Prefix Length",  integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.5.1.8", "State",          integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr VarDescriptor Table6Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.5.1.1", "Interface Name", displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.5.1.2", "IPv6 Address",   ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.5.1.3", "Prefix Length",  integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.5.1.8", "State",          integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.3.2.1.3.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TIpCtrlForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.1",  "Interface Name",                 displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.2",  "Index",                          integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.3",  "IP Address",                     ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.4",  "IP Subnet Mask",                 ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.5",  "VLAN Name",                      displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.8",  "Mode",                           integer,     readwrite, &IpifModeOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.9",  "Admin State",                    integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.10", "IPv4 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.22", "DHCP Option12 State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.23", "DHCP Option12 Host Name",        displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.12", "IPv6 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.14", "IPv6 Link Local Address",        ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.15", "IPv6 Link Local Prefix Length ", integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.17", "IPv6 Link Local Auto State",     integer,     readwrite, &IpifStateOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.20", "DHCPv6 Client State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.1.3.1.16", "State",                          integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr VarDescriptor Table7Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.1",  "Interface Name",                 displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.2",  "Index",                          integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.3",  "IP Address",                     ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.4",  "IP Subnet Mask",                 ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.5",  "VLAN Name",                      displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.8",  "Mode",                           integer,     readwrite, &IpifModeOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.9",  "Admin State",                    integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.10", "IPv4 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.22", "DHCP Option12 State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.23", "DHCP Option12 Host Name",        displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.12", "IPv6 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.14", "IPv6 Link Local Address",        ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.15", "IPv6 Link Local Prefix Length ", integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.17", "IPv6 Link Local Auto State",     integer,     readwrite, &IpifStateOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.20", "DHCPv6 Client State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.1.3.1.16", "State",                          integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr VarDescriptor Table7Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.1",  "Interface Name",                 displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.2",  "Index",                          integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.3",  "IP Address",                     ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.4",  "IP Subnet Mask",                 ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.5",  "VLAN Name",                      displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.8",  "Mode",                           integer,     readwrite, &IpifModeOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.9",  "Admin State",                    integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.10", "IPv4 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.22", "DHCP Option12 State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.23", "DHCP Option12 Host Name",        displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.12", "IPv6 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.14", "IPv6 Link Local Address",        ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.15", "IPv6 Link Local Prefix Length ", integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.17", "IPv6 Link Local Auto State",     integer,     readwrite, &IpifStateOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.20", "DHCPv6 Client State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.1.3.1.16", "State",                          integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr VarDescriptor Table7Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.1",  "Interface Name",                 displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.2",  "Index",                          integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.3",  "IP Address",                     ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.4",  "IP Subnet Mask",                 ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.5",  "VLAN Name",                      displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.8",  "Mode",                           integer,     readwrite, &IpifModeOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.9",  "Admin State",                    integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.10", "IPv4 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.22", "DHCP Option12 State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.23", "DHCP Option12 Host Name",        displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.12", "IPv6 Admin State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.14", "IPv6 Link Local Address",        ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.15", "IPv6 Link Local Prefix Length ", integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.17", "IPv6 Link Local Auto State",     integer,     readwrite, &IpifStateOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.20", "DHCPv6 Client State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.1.3.1.16", "State",                          integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.3.3.2.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "DNS Relay Global Settings" as SVT_SV.
constexpr VarDescriptor Table8Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.1", "State",              integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.2", "Primary Server",     ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.3", "Secondary Server",   ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.4", "Cache State",        integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.5", "Static Table State", integer,   readwrite, &OtherDisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table8Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.1", "State",              integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.2", "Primary Server",     ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.3", "Secondary Server",   ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.4", "Cache State",        integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.5", "Static Table State", integer,   readwrite, &OtherDisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table8Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.1", "State",              integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.2", "Primary Server",     ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.3", "Secondary Server",   ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.4", "Cache State",        integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.5", "Static Table State", integer,   readwrite, &OtherDisabledEnabledOptions},
    {},
};

constexpr VarDescriptor Table8Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.1", "State",              integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.2", "Primary Server",     ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.3", "Secondary Server",   ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.4", "Cache State",        integer,   readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.5", "Static Table State", integer,   readwrite, &OtherDisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.3.3.2.6.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TDNSCtrlForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table9Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.6.1.1", "Domain Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.6.1.2", "IP Address",  ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.3.3.2.6.1.3", "State",       integer,    readwrite, &IpifState2Options},
    {},
};

constexpr VarDescriptor Table9Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.6.1.1", "Domain Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.6.1.2", "IP Address",  ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.3.3.2.6.1.3", "State",       integer,    readwrite, &IpifState2Options},
    {},
};

constexpr VarDescriptor Table9Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.6.1.1", "Domain Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.6.1.2", "IP Address",  ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.3.3.2.6.1.3", "State",       integer,    readwrite, &IpifState2Options},
    {},
};

constexpr VarDescriptor Table9Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.6.1.1", "Domain Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.6.1.2", "IP Address",  ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.3.3.2.6.1.3", "State",       integer,    readwrite, &IpifState2Options},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.3.2.4
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "ARP Aging Time" as SVT_SV.
constexpr VarDescriptor Table10Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.4", "Aging Time", integer, readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table10Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.4", "Aging Time", integer, readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table10Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.4", "Aging Time", integer, readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table10Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.4", "Aging Time", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.3.2.5.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TIpStaticRouteForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table11Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.5.1.1", "Route Destination", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.5.1.2", "Route Mask",        ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.5.1.4", "Next Hop",          ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.5.1.3", "Backup State",      integer,   readwrite, &IpifBackupStateOptions},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.5.1.5", "Metric",            integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.3.2.5.1.6", "Status",            integer,   readwrite, &IpifStatusOptions},
    {},
};

constexpr VarDescriptor Table11Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.5.1.1", "Route Destination", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.5.1.2", "Route Mask",        ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.5.1.4", "Next Hop",          ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.5.1.3", "Backup State",      integer,   readwrite, &IpifBackupStateOptions},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.5.1.5", "Metric",            integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.3.2.5.1.6", "Status",            integer,   readwrite, &IpifStatusOptions},
    {},
};

constexpr VarDescriptor Table11Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.5.1.1", "Route Destination", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.5.1.2", "Route Mask",        ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.5.1.4", "Next Hop",          ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.5.1.3", "Backup State",      integer,   readwrite, &IpifBackupStateOptions},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.5.1.5", "Metric",            integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.3.2.5.1.6", "Status",            integer,   readwrite, &IpifStatusOptions},
    {},
};

constexpr VarDescriptor Table11Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.5.1.1", "Route Destination", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.5.1.2", "Route Mask",        ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.5.1.4", "Next Hop",          ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.5.1.3", "Backup State",      integer,   readwrite, &IpifBackupStateOptions},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.5.1.5", "Metric",            integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.3.2.5.1.6", "Status",            integer,   readwrite, &IpifStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.1.1
// Read by the window "DHCPv6 Relay Settings" as SVT_SV.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.84.1.1", "Hop Count",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.84.1.2", "Global State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.1.3.1.1
// Read by the window "DHCPv6 Relay Settings" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.84.1.3.1.1", "Interface Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.84.1.3.1.2", "Control State",  integer,    readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.1.4.1.1 (after an index-only column)
// Read by the window "DHCPv6 Relay Settings" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table14[] = {
    {" ",                             "Interface Name", displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.84.1.4.1.1", "Address Type",   integer,     notaccess, &IpifAddressTypeOptions},
    {"1.3.6.1.4.1.171.12.84.1.4.1.2", "Address",        inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.84.1.4.1.3", "Row Status",     integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.1.5.1
// Read by the window "DHCPv6 Relay Option 37 Settings" as SVT_SV.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.84.1.5.1", "State",          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.84.1.5.2", "Check State",    integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.84.1.5.3", "Remote ID Type", integer,    readwrite, &IpifRemoteIDTypeOptions},
    {"1.3.6.1.4.1.171.12.84.1.5.4", "User Defined",   displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.1.6.1
// Read by the window "DHCPv6 Relay Option 18 Settings" as SVT_SV.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.84.1.6.1", "State",             integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.84.1.6.2", "Check State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.84.1.6.3", "Interface ID Type", integer, readwrite, &IpifInterfaceIDTypeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.2.1
// Read by the window "DHCPv6 Local Relay Global Settings" as SVT_SV.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.84.2.1", "Global State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.84.2.2.1.1
// Read by the window "DHCPv6 Local Relay VLAN Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table18[] = {
    {"1.3.6.1.4.1.171.12.84.2.2.1.1", "VLAN ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.84.2.2.1.2", "State",   integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4Model1, 1}, {Table4Model2, 2}, {Table4Model3, 3},
    {Table4Model4, 4}, {Table5Model1, 1}, {Table5Model2, 2}, {Table5Model3, 3}, {Table5Model4, 4},
    {Table6Model1, 1}, {Table6Model2, 2}, {Table6Model3, 3}, {Table6Model4, 4}, {Table7Model1, 1},
    {Table7Model2, 2}, {Table7Model3, 3}, {Table7Model4, 4}, {Table8Model1, 1}, {Table8Model2, 2},
    {Table8Model3, 3}, {Table8Model4, 4}, {Table9Model1, 1}, {Table9Model2, 2}, {Table9Model3, 3},
    {Table9Model4, 4}, {Table10Model1, 1}, {Table10Model2, 2}, {Table10Model3, 3},
    {Table10Model4, 4}, {Table11Model1, 1}, {Table11Model2, 2}, {Table11Model3, 3},
    {Table11Model4, 4}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17}, {Table18},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &OtherDisabledEnabledOptions,
    &IpifBackupStateOptions, &IpifStateOptions, &IpifReachStateOptions,
    &IpifIPv6NeighborCacheDeleteActionOptions, &IpifModeOptions, &IpifState2Options,
    &IpifStatusOptions, &IpifAddressTypeOptions, &IpifRemoteIDTypeOptions,
    &IpifInterfaceIDTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    OtherDisabledEnabledOptions.Init(OtherDisabledEnabledItems, 1, false);
    IpifBackupStateOptions.Init(IpifBackupStateItems, 1, false);
    IpifStateOptions.Init(IpifStateItems, 1, false);
    IpifReachStateOptions.Init(IpifReachStateItems, 1, false);
    IpifIPv6NeighborCacheDeleteActionOptions.Init(IpifIPv6NeighborCacheDeleteActionItems, 1, false);
    IpifModeOptions.Init(IpifModeItems, 1, false);
    IpifState2Options.Init(IpifState2Items, 1, false);
    IpifStatusOptions.Init(IpifStatusItems, 1, false);
    IpifAddressTypeOptions.Init(IpifAddressTypeItems, 1, false);
    IpifRemoteIDTypeOptions.Init(IpifRemoteIDTypeItems, 1, false);
    IpifInterfaceIDTypeOptions.Init(IpifInterfaceIDTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    IpifInterfaceIDTypeOptions.Free();
    IpifRemoteIDTypeOptions.Free();
    IpifAddressTypeOptions.Free();
    IpifStatusOptions.Free();
    IpifState2Options.Free();
    IpifModeOptions.Free();
    IpifIPv6NeighborCacheDeleteActionOptions.Free();
    IpifReachStateOptions.Free();
    IpifStateOptions.Free();
    IpifBackupStateOptions.Free();
    OtherDisabledEnabledOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_ipif", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_ipif
