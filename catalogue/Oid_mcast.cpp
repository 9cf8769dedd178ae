// Oid_mcast: multicast filter 1.3.6.1.4.1.171.12.53, IGMP and MLD snooping 1.3.6.1.4.1.171.12.73,
// multicast VLAN 1.3.6.1.4.1.171.12.64.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_mcast {
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
constexpr OptionItem McastPermitDenyItems[] = {{1, "permit"}, {2, "deny"}, {}};
constexpr OptionItem McastActionItems[] = {{1, "drop"}, {2, "replace"}, {}};
constexpr OptionItem McastClearStatisticCounterItems[] = {{1, "other"}, {2, "clear"}, {}};
constexpr OptionItem McastQuerierRoleItems[] = {{1, "querier"}, {2, "non-querier"}, {}};
constexpr OptionItem McastReplaceSourceAddressTypeItems[] = {{1, "ipv4"}, {}};
constexpr OptionItem McastReplaceSourceAddressType2Items[] = {{0, "unknown"}, {2, "ipv6"}, {}};
constexpr OptionItem McastVersionItems[] = {{1, "version-1"}, {2, "version-2"}, {3, "version-3"}, {}};
constexpr OptionItem McastVersion2Items[] = {{1, "version-1"}, {2, "version-2"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList McastPermitDenyOptions;
constinit MvOptionList McastActionOptions;
constinit MvOptionList McastClearStatisticCounterOptions;
constinit MvOptionList McastQuerierRoleOptions;
constinit MvOptionList McastReplaceSourceAddressTypeOptions;
constinit MvOptionList McastReplaceSourceAddressType2Options;
constinit MvOptionList McastVersionOptions;
constinit MvOptionList McastVersion2Options;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.53.1.1.1
// Read by the window "Multicast Filter Profile Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.53.1.1.1", "Index",       integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.1.1.2", "Description", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.53.1.1.3", "Row Status",  integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.2.1.1
// Read by the window "Multicast Filter Profile Address Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.53.2.1.1", "Profile Index", integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.2.1.2", "Start Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.2.1.3", "End Address",   ipaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.53.2.1.4", "Row Status",    integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.3.1.1
// Read by the window "Multicast Filter Port Group Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.53.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.3.1.2", "Profile ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.3.1.3", "Row Status", integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.4.1.1
// Read by the window "Multicast Filter Port Access Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.53.4.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.4.1.2", "State",      integer, readwrite, &McastPermitDenyOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.5.1.1
// Read by the window "Multicast Filter Port Max. Group Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.53.5.1.1", "Port Index",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.5.1.2", "Max. Group",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.53.5.1.3", "Current Count", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.53.5.1.4", "Action",        integer, readwrite, &McastActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.6.1.1
// Read by the window "Multicast Filter VLAN Group Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.53.6.1.1", "VLAN Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.6.1.2", "Profile ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.6.1.3", "Row Status", integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.7.1.1
// Read by the window "Multicast Filter VLAN Access Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.53.7.1.1", "VLAN Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.7.1.2", "State",      integer, readwrite, &McastPermitDenyOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.8.1.1
// Read by the window "Multicast Filter VLAN Max Group Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.53.8.1.1", "VLAN Index",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.8.1.2", "Max. Group",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.53.8.1.3", "Current Count", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.53.8.1.4", "Action",        integer, readwrite, &McastActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.20.1.1
// Read by the window "Multicast Filter IPv6 Profile Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.53.20.1.1", "Index",       integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.20.1.2", "Description", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.53.20.1.3", "Row Status",  integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.21.1.1
// Read by the window "Multicast Filter IPv6 Profile Address Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.53.21.1.1", "Profile Index", integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.21.1.2", "Start Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.21.1.3", "End Address",   ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.53.21.1.4", "Row Status",    integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.22.1.1
// Read by the window "Multicast Filter IPv6 Port Group Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.53.22.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.22.1.2", "Profile ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.22.1.3", "Row Status", integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.23.1.1
// Read by the window "Multicast Filter IPv6 Port Access Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.53.23.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.23.1.2", "State",      integer, readwrite, &McastPermitDenyOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.24.1.1
// Read by the window "Multicast Filter IPv6 Port Max. Group Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.53.24.1.1", "Port Index",        integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.24.1.2", "Max. Group",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.53.24.1.3", "Current Count",     integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.53.24.1.4", "Max. Group Action", integer, readwrite, &McastActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.25.1.1
// Read by the window "Multicast Filter IPv6 VLAN Group Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.53.25.1.1", "VLAN Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.25.1.2", "Profile ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.25.1.3", "Row Status", integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.26.1.1
// Read by the window "Multicast Filter IPv6 VLAN Access Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.53.26.1.1", "VLAN Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.26.1.2", "State",      integer, readwrite, &McastPermitDenyOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.53.27.1.1
// Read by the window "Multicast Filter IPv6 VLAN Max. Group Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.53.27.1.1", "VLAN Index",        integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.53.27.1.2", "Max. Group",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.53.27.1.3", "Current Count",     integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.53.27.1.4", "Max. Group Action", integer, readwrite, &McastActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.1.1
// Read by the window "IGMP Snooping Global Settings" as SVT_SV.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.73.1.1", "Global State",                           integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.1.3", "Max. Data Driven Learning Count",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.1.5", "Clear Statistic Counter",                integer, readwrite, &McastClearStatisticCounterOptions},
    {"1.3.6.1.4.1.171.12.64.1.1", "Multicast VLAN Global State",            integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.64.1.3", "Multicast VLAN Forward Unmatched State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.1.2
// Read by the window "MLD Snooping Global Settings" as SVT_SV.
constexpr VarDescriptor Table18[] = {
    {"1.3.6.1.4.1.171.12.73.1.2", "Global State",                    integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.1.4", "Max. Data Driven Learning Count", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.1.6", "Clear Statistic Counter",         integer, readwrite, &McastClearStatisticCounterOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.1.1.1.1
// Read by TIGMPSnoopingForwardingForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table19[] = {
    {"1.3.6.1.4.1.171.12.73.2.1.1.1.1", "VLAN ID",        integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.1.1.2", "Source Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.1.1.3", "Group Address",  ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.1.1.4", "Member Ports",   bitlist,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.1.6.1.1
// Read by the window "IGMP Snooping Group Port Number Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table20[] = {
    {"1.3.6.1.4.1.171.12.73.2.1.6.1.1", "VLAN ID",     integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.6.1.2", "Group",       ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.6.1.3", "Port Number", integer,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.2.6.1.1
// Read by the window "MLD Snooping Group Port Number Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table21[] = {
    {"1.3.6.1.4.1.171.12.73.2.2.6.1.1", "VLAN ID",     integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.6.1.2", "Group",       ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.6.1.3", "Port Number", integer,     readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.1.2.1.1 (after an index-only column)
// Read by TIGMPSnoopingGroupForm as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table22[] = {
    {" ",                               "VLAN ID",              integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.1", "Source  Address",      ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.2", "Group Address",        ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.3", "Include Member Ports", bitlist,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.4", "Exclude Member Ports", bitlist,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.5", "Router Ports",         bitlist,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.6", "Up Time",              integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.2.1.7", "Expiry Time",          integer,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.1.3.1.5 (after an index-only column)
// Read by the window "IGMP Snooping VLAN Statistic Counter Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table23[] = {
    {" ",                                 "VLAN  ID",                           integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.5",   "Group Number",                       integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.10",  "RX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.15",  "RX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.20",  "RX v3 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.25",  "Total RX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.30",  "Drop RX Query By Rate Limit",        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.35",  "Drop RX Query By Multicast VLAN",    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.40",  "RX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.45",  "RX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.50",  "RX v3 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.55",  "RX v2 Leave",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.60",  "Total RX Report",                    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.65",  "Drop RX Report By Rate Limit",       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.70",  "Drop RX Report By Max. Group Limit", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.75",  "Drop RX Report By Group Filter",     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.80",  "Drop RX Report By Multicast VLAN",   counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.85",  "TX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.90",  "TX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.95",  "TX v3 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.100", "Total TX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.105", "TX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.110", "TX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.115", "TX v3 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.120", "TX v2 Leave",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.3.1.125", "Total TX Report",                    counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.1.4.1.1
// Read by the window "IGMP Snooping Port Statistic Counter Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table24[] = {
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.1",   "Port Number",                        integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.5",   "Group Number",                       integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.10",  "RX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.15",  "RX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.20",  "RX v3 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.25",  "Total RX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.30",  "Drop RX Query By Rate Limit",        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.35",  "Drop RX Query By Multicast VLAN",    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.40",  "RX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.45",  "RX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.50",  "RX v3 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.55",  "RX v2 Leave",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.60",  "Total RX Report",                    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.65",  "Drop RX Report By Rate Limit",       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.70",  "Drop RX Report By Max. Group Limit", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.75",  "Drop RX Report By Group Filter",     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.80",  "Drop RX Report By Multicast VLAN",   counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.85",  "TX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.90",  "TX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.95",  "TX v3 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.100", "Total TX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.105", "TX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.110", "TX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.115", "TX v3 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.120", "TX v2 Leave",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.4.1.125", "Total TX Report",                    counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.2.1.1.1
// Read by TMLDSnoopingForwardingTableForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table25[] = {
    {"1.3.6.1.4.1.171.12.73.2.2.1.1.1", "VLAN ID",        integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.1.1.2", "Source Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.1.1.3", "Group Address",  ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.1.1.4", "Member Ports",   bitlist,     readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.2.2.1.1 (after an index-only column)
// Read by TMLDSnoopingGroupForm as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table26[] = {
    {" ",                               "VLAN ID",              integer,     notaccess | impliedlength, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.1", "Source Address",       ipv6address, notaccess,                 nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.2", "Group Address",        ipv6address, notaccess,                 nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.3", "Include Member Ports", bitlist,     readonly,                  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.4", "Exclude Member Ports", bitlist,     readonly,                  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.5", "Router Ports",         bitlist,     readonly,                  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.6", "Up Time",              integer,     readonly,                  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.2.1.7", "Expiry Time",          integer,     readonly,                  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.2.3.1.5 (after an index-only column)
// Read by the window "MLD Snooping VLAN Statistic Counter Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table27[] = {
    {" ",                                 "VLAN ID",                            integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.5",   "Group Number",                       integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.10",  "RX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.15",  "RX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.20",  "Total RX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.25",  "Drop RX Query By Rate Limit",        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.30",  "Drop RX Query By Multicast VLAN",    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.35",  "RX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.40",  "RX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.45",  "RX v1 Done",                         counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.50",  "Total RX Report",                    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.55",  "Drop RX Report By Rate Limit",       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.60",  "Drop RX Report By Max. Group Limit", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.65",  "Drop RX Report By Group Filter",     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.70",  "Drop RX Report By Multicast VLAN",   counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.75",  "TX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.80",  "TX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.85",  "Total TX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.90",  "TX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.95",  "TX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.100", "TX v1 Done",                         counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.3.1.105", "Total TX Report",                    counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.2.4.1.1
// Read by the window "MLD Snooping Port Statistic Counter Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table28[] = {
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.1",   "Port Number",                        integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.5",   "Group Number",                       integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.10",  "RX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.15",  "RX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.20",  "Total RX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.25",  "Drop RX Query By Rate Limit",        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.30",  "Drop RX Query By Multicast VLAN",    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.35",  "RX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.40",  "RX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.45",  "RX v1 Done",                         counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.50",  "Total RX Report",                    counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.55",  "Drop RX Report By Rate Limit",       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.60",  "Drop RX Report By Max. Group Limit", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.65",  "Drop RX Report By Group Filter",     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.70",  "Drop RX Report By Multicast VLAN",   counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.75",  "TX v1 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.80",  "TX v2 Query",                        counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.85",  "Total TX Query",                     counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.90",  "TX v1 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.95",  "TX v2 Report",                       counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.100", "TX v1 Done",                         counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.4.1.105", "Total TX Report",                    counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.1.1.5 (after an index-only column)
// Read by the window "IGMP Snooping Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table29[] = {
    {" ",                                "VLAN ID",                             integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.5",  "Query Interval",                      integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.10", "Max. Response Time",                  integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.15", "Robustness Value",                    integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.20", "Last Member Query Interval",          integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.25", "Querier State",                       integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.30", "Querier Role",                        integer,   readonly,  &McastQuerierRoleOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.35", "Querier IP",                          ipaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.40", "Expiry Time",                         integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.45", "State",                               integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.50", "Fast Leave State",                    integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.55", "Report Suppression State",            integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.60", "Version",                             integer,   readwrite, &McastVersionOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.65", "Data Driven Learning State",          integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.70", "Data Driven Learning Aged Out State", integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.75", "Data Driven Group Expiry Time",       integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.80", "Proxy Reporting State",               integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.1.1.1.81", "Proxy Reporting Source IP",           ipaddress, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.2.1.1 (after an index-only column)
// Read by TIGMPSnoopingStaticGroupForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table30[] = {
    {" ",                                 "VLAN ID",      integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.2.1.1",   "IP Address",   ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.2.1.2",   "Member Ports", bitlist,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.2.1.100", "Row Status",   integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.3.1.1 (after an index-only column)
// Read by TIGMPSnoopingDataDrivenLearingGroupForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table31[] = {
    {" ",                                 "VLAN ID",          integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.3.1.1",   "Group IP Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.3.1.2",   "Router Ports",     bitlist,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.3.1.3",   "Up Time",          integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.3.1.4",   "Expiry Time",      integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.3.1.100", "Clear Group",      integer,   readwrite, &McastClearStatisticCounterOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.4.1.5 (after an index-only column)
// Read by TIGMPRouterPortsForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table32[] = {
    {" ",                                "VLAN ID",                integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.4.1.5",  "Static Router Ports",    bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.4.1.10", "Dynamic Router Ports",   bitlist, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.4.1.15", "Forbidden Router Ports", bitlist, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.5.1.1 (after an index-only column)
// Read by the window "IGMP Snooping Dynamic Router Address Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table33[] = {
    {" ",                               "VLAN ID",                   integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.5.1.1", "Dynamic Router IP Address", ipaddress, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.6.1.5 (after an index-only column)
// Read by the window "IGMP Snooping VLAN Rate Limit Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table34[] = {
    {" ",                               "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.6.1.5", "Rate Limit", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.1.7.1.5 (after an index-only column)
// Read by the window "IGMP Snooping Port Rate Limit Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table35[] = {
    {" ",                               "Port Number", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.1.7.1.5", "Rate Limit",  integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.1.1.5 (after an index-only column)
// Read by the window "MLD Snooping Control" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table36[] = {
    {" ",                                "VLAN ID",                             integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.5",  "Query Interval",                      integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.10", "Max. Response Time",                  integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.15", "Robustness Value",                    integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.20", "Last Listener Query Interval",        integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.25", "Querier State",                       integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.30", "Querier Role",                        integer,     readonly,  &McastQuerierRoleOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.35", "Querier IP",                          ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.40", "Querier Expiry Time",                 integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.45", "State",                               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.50", "Fast Done State",                     integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.55", "Report Suppression State",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.60", "Version",                             integer,     readwrite, &McastVersion2Options},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.65", "Data Driven Learning State",          integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.70", "Data Driven Learning Aged Out State", integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.75", "Data Driven Group Expiry Time",       integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.80", "Proxy Reporting State",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.73.3.2.1.1.81", "Proxy Reporting Source IP",           ipv6address, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.2.1.1 (after an index-only column)
// Read by TMLDSnoopingStaticGroupForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table37[] = {
    {" ",                                 "VLAN ID",            integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.2.1.1",   "Group IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.2.1.2",   "Member Ports",       bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.2.1.100", "Row Status",         integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.3.1.1 (after an index-only column)
// Read by TMLDSnoopingDataDrivenLearingGroupForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table38[] = {
    {" ",                                 "VLAN ID",            integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.3.1.1",   "Group IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.3.1.2",   "Router Ports",       bitlist,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.3.1.3",   "Up Time",            integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.3.1.4",   "Expiry Time",        integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.3.1.100", "Clear Group",        integer,     readwrite, &McastClearStatisticCounterOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.4.1.5 (after an index-only column)
// Read by TMLDRouterProtsForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table39[] = {
    {" ",                                "VLAN ID",                integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.4.1.5",  "Static Router Ports",    bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.4.1.10", "Dynamic Router Ports",   bitlist, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.4.1.15", "Forbidden Router Ports", bitlist, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.5.1.1 (after an index-only column)
// Read by the window "MLD Snooping Dynamic Router Address Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table40[] = {
    {" ",                               "VLAN ID",      integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.5.1.1", "IPv6 Address", ipv6address, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.6.1.5 (after an index-only column)
// Read by the window "MLD Snooping VLAN Rate Limit Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table41[] = {
    {" ",                               "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.6.1.5", "Rate Limit", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.3.2.7.1.5 (after an index-only column)
// Read by the window "MLD Snooping Port Rate Limit Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table42[] = {
    {" ",                               "Port Number", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.3.2.7.1.5", "Rate Limit",  integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.64.3.1.1.1
// Read by TIGMPMulticastVlanForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table43[] = {
    {"1.3.6.1.4.1.171.12.64.3.1.1.1",  "VLAN ID",                     integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.2",  "VLAN Name",                   displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.3",  "Source Ports",                bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.4",  "Member Ports",                bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.5",  "Tag Member Ports",            bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.6",  "Untag Source Ports",          bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.7",  "State",                       integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.64.3.1.1.8",  "Replace Source Address Type", integer,     readwrite, &McastReplaceSourceAddressTypeOptions},
    {"1.3.6.1.4.1.171.12.64.3.1.1.9",  "Replace Source Address",      inetaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.10", "Remap Priority",              integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.11", "Replace Priority",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.64.3.1.1.12", "Profile ID List",             displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.1.1.13", "Row Status",                  integer,     readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.64.3.2.1.1 "Group Profile Name"
// Read by the window "IGMP Snooping Multicast VLAN Group Profile Table" as MVT_UMV with 1 key
// column.
constexpr VarDescriptor Table44[] = {
    {"1.3.6.1.4.1.171.12.64.3.2.1.1", "Group Profile Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.2.1.2", "Group Profile ID",   integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.64.3.2.1.3", "Row Status",         integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.64.3.2.1.1 "Profile Name"
// Read by the window "IGMP Snooping Multicast VLAN Group Proflie Address Table" as MVT_UMV with 4
// key columns.
constexpr VarDescriptor Table45[] = {
    {"1.3.6.1.4.1.171.12.64.3.2.1.1", "Profile Name",  displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.3.1.1", "Address Type",  integer,     notaccess, &McastReplaceSourceAddressTypeOptions},
    {"1.3.6.1.4.1.171.12.64.3.3.1.2", "Address Start", inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.3.1.3", "Address End",   inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.3.1.4", "Row Status",    integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.1.5.1.1
// Read by the window "IGMP Snooping Host Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table46[] = {
    {"1.3.6.1.4.1.171.12.73.2.1.5.1.1", "VLAN ID",        integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.5.1.2", "Group Address ", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.5.1.3", "Port   ",        integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.1.5.1.4", "IP Address    ", ipaddress, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.73.2.2.5.1.1
// Read by the window "MLD Snooping Host Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table47[] = {
    {"1.3.6.1.4.1.171.12.73.2.2.5.1.1", "VLAN ID",             integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.5.1.2", "Group Address      ", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.5.1.3", "Port   ",             integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.73.2.2.5.1.4", "IPv6 Address       ", ipv6address, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.64.3.4.1.1
// Read by TmldMulticastVlanForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table48[] = {
    {"1.3.6.1.4.1.171.12.64.3.4.1.1",  "VLAN ID",                     integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.2",  "VLAN Name",                   displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.3",  "Source Port",                 bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.4",  "Member Port",                 bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.5",  "Tag Member Port",             bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.6",  "Untag Source Port",           bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.7",  "State",                       integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.64.3.4.1.8",  "Replace Source Address Type", integer,     readwrite, &McastReplaceSourceAddressType2Options},
    {"1.3.6.1.4.1.171.12.64.3.4.1.9",  "Replace Source Address",      inetaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.10", "Remap Priority",              integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.11", "Replace Priority",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.64.3.4.1.12", "Profile ID List",             displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.4.1.13", "Row Status",                  integer,     readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.64.3.5.1.1
// Read by the window "MLD Snooping Multicast VLAN Group Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table49[] = {
    {"1.3.6.1.4.1.171.12.64.3.5.1.1", "Name",      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.5.1.2", "ID       ", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.64.3.5.1.3", "Status",    integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.64.3.6.1.1 (after an index-only column)
// Read by the window "MLD Snooping Multicast VLAN Group Profile Address Table" as MVT_UMV with 4
// key columns.
constexpr VarDescriptor Table50[] = {
    {" ",                             "Profile Name",         displaystr,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.6.1.1", "Profile Address Type", integer,     notaccess, &McastReplaceSourceAddressType2Options},
    {"1.3.6.1.4.1.171.12.64.3.6.1.2", "Address Start",        inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.6.1.3", "Address End",          inetaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.64.3.6.1.4", "Status",               integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
    {Table18}, {Table19}, {Table20}, {Table21}, {Table22}, {Table23}, {Table24}, {Table25},
    {Table26}, {Table27}, {Table28}, {Table29}, {Table30}, {Table31}, {Table32}, {Table33},
    {Table34}, {Table35}, {Table36}, {Table37}, {Table38}, {Table39}, {Table40}, {Table41},
    {Table42}, {Table43}, {Table44}, {Table45}, {Table46}, {Table47}, {Table48}, {Table49},
    {Table50},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &RowStatusShortOptions, &McastPermitDenyOptions,
    &McastActionOptions, &McastClearStatisticCounterOptions, &McastQuerierRoleOptions,
    &McastReplaceSourceAddressTypeOptions, &McastReplaceSourceAddressType2Options,
    &McastVersionOptions, &McastVersion2Options,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    McastPermitDenyOptions.Init(McastPermitDenyItems, 1, false);
    McastActionOptions.Init(McastActionItems, 1, false);
    McastClearStatisticCounterOptions.Init(McastClearStatisticCounterItems, 1, false);
    McastQuerierRoleOptions.Init(McastQuerierRoleItems, 1, false);
    McastReplaceSourceAddressTypeOptions.Init(McastReplaceSourceAddressTypeItems, 1, false);
    McastReplaceSourceAddressType2Options.Init(McastReplaceSourceAddressType2Items, 1, false);
    McastVersionOptions.Init(McastVersionItems, 1, false);
    McastVersion2Options.Init(McastVersion2Items, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    McastVersion2Options.Free();
    McastVersionOptions.Free();
    McastReplaceSourceAddressType2Options.Free();
    McastReplaceSourceAddressTypeOptions.Free();
    McastQuerierRoleOptions.Free();
    McastClearStatisticCounterOptions.Free();
    McastActionOptions.Free();
    McastPermitDenyOptions.Free();
    RowStatusShortOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_mcast", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_mcast
