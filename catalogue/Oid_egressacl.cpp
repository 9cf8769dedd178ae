// Oid_egressacl: egress ACL 1.3.6.1.4.1.171.12.89, port groups 1.3.6.1.4.1.171.12.88.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_egressacl {
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
constexpr OptionItem DstSrcAddrItems[] = {
    {1, "other"},
    {2, "dst-addr"},
    {3, "src-addr"},
    {4, "dst-src-addr"},
    {},
};
constexpr OptionItem DenyPermitItems[] = {{1, "deny"}, {2, "permit"}, {}};
constexpr OptionItem PermitReplaceDscpDropItems[] = {
    {1, "other"},
    {2, "permit"},
    {3, "replace-dscp"},
    {4, "drop"},
    {},
};
constexpr OptionItem IcmpMaskItems[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {}};
constexpr OptionItem IpProtocolMaskItems[] = {
    {1, "none"},
    {2, "icmp"},
    {3, "igmp"},
    {4, "tcp"},
    {5, "udp"},
    {6, "protocolId"},
    {},
};
constexpr OptionItem NoneTcpUdpIcmpItems[] = {{1, "none"}, {2, "tcp"}, {3, "udp"}, {4, "icmp"}, {}};
constexpr OptionItem PermitReplaceDscpItems[] = {{1, "other"}, {2, "permit"}, {3, "replace-dscp"}, {}};
constexpr OptionItem DstSrcMacItems[] = {
    {1, "other"},
    {2, "dst-mac-addr"},
    {3, "src-mac-addr"},
    {4, "dst-src-mac-addr"},
    {},
};
constexpr OptionItem DstSrcIpItems[] = {
    {1, "other"},
    {2, "dst-ip-addr"},
    {3, "src-ip-addr"},
    {4, "dst-src-ip-addr"},
    {},
};
constexpr OptionItem DstSrcIpv6Items[] = {
    {1, "other"},
    {2, "dst-ipv6-addr"},
    {3, "src-ipv6-addr"},
    {4, "dst-src-ipv6-addr"},
    {},
};
constexpr OptionItem ColorModeItems[] = {{1, "color-blind"}, {2, "color-aware"}, {}};
constexpr OptionItem DropRemarkDscpItems[] = {{1, "other"}, {2, "drop-packet"}, {3, "remark-dscp"}, {}};
constexpr OptionItem EgressAclModeItems[] = {{1, "other"}, {2, "tr-tcm"}, {3, "sr-tcm"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList DstSrcAddrOptions;
constinit MvOptionList DenyPermitOptions;
constinit MvOptionList PermitReplaceDscpDropOptions;
constinit MvOptionList IcmpMaskOptions;
constinit MvOptionList IpProtocolMaskOptions;
constinit MvOptionList NoneTcpUdpIcmpOptions;
constinit MvOptionList PermitReplaceDscpOptions;
constinit MvOptionList DstSrcMacOptions;
constinit MvOptionList DstSrcIpOptions;
constinit MvOptionList DstSrcIpv6Options;
constinit MvOptionList ColorModeOptions;
constinit MvOptionList DropRemarkDscpOptions;
constinit MvOptionList EgressAclModeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.89.1.1
// Read by the window "Egress ACL Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.89.1.1", "Used Rule Entries",   integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.89.1.2", "Unused Rule Entries", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.2.4
// Read by the window "Egress ACL Delete All Masks" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.89.2.4", "Delete All State", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.2.1.1.1
// Read by TEgrssEthernetProfileRuleForm as MVT_UMV with 1 key column; TEgressEthetnetProfileForm as
// MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.89.2.1.1.1",  "Profile ID",                   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.1.1.2",  "Row Status",                   integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.2.1.1.3",  "Profile Name",                 displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.1.1.4",  "VLAN",                         integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.1.1.5",  "VLAN Mask",                    octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.1.1.6",  "802.1p",                       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.1.1.7",  "Ethernet Type",                integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.1.1.8",  "MAC Address Mask State",       integer,    readwrite, &DstSrcMacOptions},
    {"1.3.6.1.4.1.171.12.89.2.1.1.9",  "Source MAC Address Mask",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.1.1.10", "Destination MAC Address Mask", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.1.1.11", "Unused Rule Entries",          integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.3.1.1.1
// Read by TEgrssEthernetProfileRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.89.3.1.1.1",  "Profile ID",                   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.2",  "Access ID",                    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.3",  "Row Status",                   integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.3.1.1.4",  "VLAN ID",                      integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.5",  "VLAN Mask",                    octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.6",  "Source MAC Address",           macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.7",  "Mask Source MAC Address",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.8",  "Destination MAC Address",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.9",  "Mask Destination MAC Address", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.10", "802.1p",                       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.11", "Ether Type",                   octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.12", "VLAN-based ID",                integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.13", "Port",                         integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.14", "Port Group",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.15", "Permit",                       integer,    readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.89.3.1.1.16", "Enable Replace Priority",      integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.1.1.17", "Replace Priority",             integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.18", "Enable Replace DSCP",          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.1.1.19", "Replace DSCP",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.1.1.20", "Time Range Name",              displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.2.2.1.1
// Read by TEgressIPv4ProfileForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.89.2.2.1.1",  "Profile ID",                    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.2",  "Row Status",                    integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.3",  "Profile Name",                  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.4",  "VLAN",                          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.5",  "VLAN Mask",                     octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.6",  "Address Mask State",            integer,    readwrite, &DstSrcIpOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.7",  "Source IP Address Mask",        ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.8",  "Destination IP Address Mask",   ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.9",  "DSCP",                          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.10", "Protocol Type",                 integer,    readwrite, &IpProtocolMaskOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.11", "ICMP Option",                   integer,    readwrite, &IcmpMaskOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.12", "IGMP Option",                   integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.13", "TCP Optio",                     integer,    readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.14", "UDP Optio",                     integer,    readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.15", "TCP/UDP Source Port Mask",      octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.16", "TCP/UDP Destination Port Mask", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.17", "TCP Flag Bit",                  integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.18", "TCP Flag Bit Mask",             integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.19", "Protocol ID Option",            integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.2.1.20", "Protocol ID",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.21", "User Define Mask",              octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.2.1.22", "Unused Rule Entries",           integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.3.2.1.1
// Read by TEgressIPv4RuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.89.3.2.1.1",  "Profile ID",                  integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.2",  "Access ID",                   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.3",  "Row Status",                  integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.3.2.1.4",  "VLAN ID",                     integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.5",  "VLAN Mask",                   octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.6",  "Source IP Address",           ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.7",  "Mask Source IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.8",  "Destination IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.9",  "Mask Destination IP Address", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.10", "DSCP",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.11", "Protocol",                    integer,    readwrite, &IpProtocolMaskOptions},
    {"1.3.6.1.4.1.171.12.89.3.2.1.12", "Type",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.13", "Code",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.14", "Source Port",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.15", "Mask Source Port",            octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.16", "Destination Port",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.17", "Mask Destination Port",       octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.18", "Flag Bits",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.19", "Protocol ID",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.20", "User Define",                 octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.21", "User Define Mask",            octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.22", "VLAN-based ID",               integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.23", "Port",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.24", "Port Group",                  integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.25", "Permit",                      integer,    readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.89.3.2.1.26", "Enable Replace Priority",     integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.2.1.27", "Replace Priority",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.28", "Enable Replace DSCP",         integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.2.1.29", "Replace DSCP",                integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.2.1.30", "Time Range Name",             displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.2.3.1.1
// Read by TEgressIPv6ProfileForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.89.2.3.1.1",  "Profile ID",                    integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.3.1.2",  "Row Status",                    integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.2.3.1.3",  "Profile Name",                  displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.3.1.4",  "Class",                         integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.2.3.1.5",  "IPv6 Address Mask State",       integer,     readwrite, &DstSrcIpv6Options},
    {"1.3.6.1.4.1.171.12.89.2.3.1.6",  "Source IPv6 Mask",              ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.3.1.7",  "Destination IPv6 Mask",         ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.3.1.8",  "Protocol Type",                 integer,     readwrite, &NoneTcpUdpIcmpOptions},
    {"1.3.6.1.4.1.171.12.89.2.3.1.9",  "ICMP Option",                   integer,     readwrite, &IcmpMaskOptions},
    {"1.3.6.1.4.1.171.12.89.2.3.1.10", "TCP Option",                    integer,     readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.89.2.3.1.11", "UDP Option",                    integer,     readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.89.2.3.1.12", "TCP/UDP Source Port Mask",      octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.3.1.13", "TCP/UDP Destination Port Mask", octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.2.3.1.14", "Unused Rule Entries",           integer,     readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.3.3.1.1
// Read by TEgressIPv6RuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.89.3.3.1.1",  "Profile ID",                    integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.2",  "Access ID",                     integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.3",  "Row Status",                    integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.3.3.1.4",  "Class",                         integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.5",  "Source IPv6 Address",           ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.6",  "Mask Source IPv6 Address",      ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.7",  "Destination IPv6 Address",      ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.8",  "Mask Destination IPv6 Address", ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.9",  "Protocol",                      integer,     readwrite, &NoneTcpUdpIcmpOptions},
    {"1.3.6.1.4.1.171.12.89.3.3.1.10", "Type",                          integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.11", "Code",                          integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.12", "Source Port",                   integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.13", "Mask Source Port",              octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.14", "Destination Port",              integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.15", "Mask Destination Port",         octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.16", "VLAN-based ID",                 integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.17", "Port",                          integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.18", "Port Group",                    integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.19", "Permit",                        integer,     readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.89.3.3.1.20", "Enable Replace Priority",       integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.3.1.21", "Replace Priority",              integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.22", "Enable Replace DSCP",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.3.1.23", "Replace DSCP",                  integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.3.1.24", "Time Range Name",               displaystr,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.3.4.1.1
// Read by TEgressACLCounterForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.89.3.4.1.1", "Profile ID",     integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.4.1.2", "Access ID",      integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.3.4.1.3", "State",          integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.3.4.1.4", "Total Counter",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.89.3.4.1.5", "Green Counter",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.89.3.4.1.6", "Yellow Counter", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.89.3.4.1.7", "Red Counter",    counter64, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.4.1.1.1
// Read by the window "Egress ACL Flow Meter Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.89.4.1.1.1",  "Profile ID",                  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.2",  "Access ID",                   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.3",  "Row Status",                  integer, readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.4",  "Mode",                        integer, readwrite, &EgressAclModeOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.5",  "trTCM CIR",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.6",  "trTCM CBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.7",  "trTCM PIR",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.8",  "trTCM PBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.9",  "trTCM Color Mode",            integer, readwrite, &ColorModeOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.10", "trTCM Conform State",         integer, readwrite, &PermitReplaceDscpOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.11", "trTCM Conform Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.12", "trTCM Conform Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.13", "trTCM Exceed State",          integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.14", "trTCM Exceed Replace DSCP",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.15", "trTCM Exceed Counter State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.16", "trTCM Violate State",         integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.17", "trTCM Violate Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.18", "trTCM Violate Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.19", "srTCM CIR",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.20", "srTCM CBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.21", "srTCM EBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.22", "srTCM Color Mode",            integer, readwrite, &ColorModeOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.23", "srTCM Conform State",         integer, readwrite, &PermitReplaceDscpOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.24", "srTCM Conform Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.25", "srTCM Conform Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.26", "srTCM Exceed State",          integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.27", "srTCM Exceed Replace DSCP",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.28", "srTCM Exceed Counter State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.29", "srTCM Violate State",         integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.89.4.1.1.30", "srTCM Violate Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.1.1.31", "srTCM Violate Counter State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.89.4.2.1.1
// Read by the window "Egress ACL Rate Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.89.4.2.1.1", "Profile ID",             integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.2.1.2", "Access ID",              integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.2.1.3", "Row Status",             integer, readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.89.4.2.1.4", "Rate",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.2.1.5", "Burst Size",             integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.89.4.2.1.6", "Action For Rate Exceed", integer, readwrite, &DropRemarkDscpOptions},
    {"1.3.6.1.4.1.171.12.89.4.2.1.7", "Remark DSCP",            integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.88.1.1.1.1
// Read by TEgressACLPortGroupForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.88.1.1.1.1", "Port Group ID", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.88.1.1.1.2", "Row Status",    integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.88.1.1.1.3", "Name",          displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.88.1.1.1.4", "Port",          bitlist,    readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &NoneStartOptions, &DstSrcAddrOptions,
    &DenyPermitOptions, &PermitReplaceDscpDropOptions, &IcmpMaskOptions, &IpProtocolMaskOptions,
    &NoneTcpUdpIcmpOptions, &PermitReplaceDscpOptions, &DstSrcMacOptions, &DstSrcIpOptions,
    &DstSrcIpv6Options, &ColorModeOptions, &DropRemarkDscpOptions, &EgressAclModeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    DstSrcAddrOptions.Init(DstSrcAddrItems, 1, false);
    DenyPermitOptions.Init(DenyPermitItems, 1, false);
    PermitReplaceDscpDropOptions.Init(PermitReplaceDscpDropItems, 1, false);
    IcmpMaskOptions.Init(IcmpMaskItems, 1, false);
    IpProtocolMaskOptions.Init(IpProtocolMaskItems, 1, false);
    NoneTcpUdpIcmpOptions.Init(NoneTcpUdpIcmpItems, 1, false);
    PermitReplaceDscpOptions.Init(PermitReplaceDscpItems, 1, false);
    DstSrcMacOptions.Init(DstSrcMacItems, 1, false);
    DstSrcIpOptions.Init(DstSrcIpItems, 1, false);
    DstSrcIpv6Options.Init(DstSrcIpv6Items, 1, false);
    ColorModeOptions.Init(ColorModeItems, 1, false);
    DropRemarkDscpOptions.Init(DropRemarkDscpItems, 1, false);
    EgressAclModeOptions.Init(EgressAclModeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    EgressAclModeOptions.Free();
    DropRemarkDscpOptions.Free();
    ColorModeOptions.Free();
    DstSrcIpv6Options.Free();
    DstSrcIpOptions.Free();
    DstSrcMacOptions.Free();
    PermitReplaceDscpOptions.Free();
    NoneTcpUdpIcmpOptions.Free();
    IpProtocolMaskOptions.Free();
    IcmpMaskOptions.Free();
    PermitReplaceDscpDropOptions.Free();
    DenyPermitOptions.Free();
    DstSrcAddrOptions.Free();
    NoneStartOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_egressacl", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_egressacl
