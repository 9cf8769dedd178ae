// Oid_acl: ACL and CPU filter 1.3.6.1.4.1.171.12.9, 1.3.6.1.4.1.171.12.92.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_acl {
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
constexpr OptionItem EnableDisableItems[] = {{1, "enable"}, {2, "disable"}, {}};
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
constexpr OptionItem AclOwnerItems[] = {
    {1, "any"},
    {2, "acl"},
    {3, "ipbind"},
    {4, "other"},
    {5, "dhcp"},
    {6, "netbios"},
    {7, "ext-netbios"},
    {8, "ismvlan"},
    {9, "dhcp-relay"},
    {10, "pppoe"},
    {11, "arp-spoofing"},
    {12, "bpdu-tunnel"},
    {},
};
constexpr OptionItem AclPermitRuleItems[] = {{1, "deny"}, {2, "permit"}, {3, "mirror"}, {}};
constexpr OptionItem AclOwnerShortItems[] = {
    {1, "any"},
    {2, "acl"},
    {3, "ipbind"},
    {4, "other"},
    {5, "dhcp"},
    {6, "netbios"},
    {7, "ext-netbios"},
    {},
};
constexpr OptionItem AclProtocolTypeItems[] = {
    {1, "none"},
    {2, "icmp"},
    {3, "igmp"},
    {4, "tcp"},
    {5, "udp"},
    {6, "protocolID"},
    {},
};
constexpr OptionItem AclProtocolIDItems[] = {{-1, "-"}, {}};
constexpr OptionItem AclModeItems[] = {{2, "tr-tcm"}, {3, "sr-tcm"}, {}};
constexpr OptionItem AclSrTCMColorModeItems[] = {{1, "color_blind"}, {2, "color_aware"}, {}};

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
constinit MvOptionList EnableDisableOptions;
constinit MvOptionList DstSrcMacOptions;
constinit MvOptionList DstSrcIpOptions;
constinit MvOptionList DstSrcIpv6Options;
constinit MvOptionList ColorModeOptions;
constinit MvOptionList DropRemarkDscpOptions;
constinit MvOptionList AclOwnerOptions;
constinit MvOptionList AclPermitRuleOptions;
constinit MvOptionList AclOwnerShortOptions;
constinit MvOptionList AclProtocolTypeOptions;
constinit MvOptionList AclProtocolIDOptions;
constinit MvOptionList AclModeOptions;
constinit MvOptionList AclSrTCMColorModeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.9.2.1.1.1
// Read by TEthernetProfileForm as MVT_UMV with 1 key column; TEthernetProfileRuleForm as MVT_UMV
// with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.9.2.1.1.1",  "Profile ID ",                  integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.1.1.2",  "VLAN",                         integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.3",  "MAC Address Mask State",       integer,    readwrite, &DstSrcMacOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.4",  "Source MAC Address Mask",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.1.1.5",  "Destination MAC Address Mask", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.1.1.6",  "802.1p",                       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.7",  "Ethernet Type",                integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.8",  "Row Status",                   integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.9",  "Owner",                        integer,    readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.2.1.1.10", "Unused Rule Entries",          integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.2.1.1.11", "Profile Name",                 displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.1.1.12", "VLAN Mask",                    octetstr,   readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.1.1.1
// Read by TEthernetProfileRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.9.3.1.1.1",  "Profile ID",                   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.2",  "Access ID",                    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.21", "Rule VLAN ID",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.3",  "VLAN",                         displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.4",  "Source MAC Address",           macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.5",  "Destination MAC Address",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.6",  "802.1p",                       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.7",  "Ethernet Type",                octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.8",  "Enable Priority",              integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.9",  "Priority",                     integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.10", "Replace Priority",             integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.11", "Enable Replace DSCP",          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.12", "Replace DSCP",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.13", "Permit Rule",                  integer,    readwrite, &AclPermitRuleOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.14", "Rule Ports",                   bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.15", "Row Status",                   integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.16", "Rule Owner",                   integer,    readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.18", "Enable Replace Tos",           integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.1.1.19", "Replace Tos Value",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.20", "VLAN-based ID",                integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.22", "Mask VLAN",                    octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.23", "Mask Source MAC Address",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.1.1.24", "Mask Destination MAC Address", macaddress, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.2.2.1.1
// Read by TIPProfileForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.9.2.2.1.1",  "Profile ID",                    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.2",  "VLAN",                          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.3",  "Address Mask State",            integer,    readwrite, &DstSrcIpOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.4",  "Source IP Address Mask",        ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.5",  "Destination IP Address Mask",   ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.6",  "DSCP",                          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.7",  "Protocol Type",                 integer,    readwrite, &AclProtocolTypeOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.8",  "ICMP Option",                   integer,    readwrite, &IcmpMaskOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.9",  "IGMP Option",                   integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.10", "TCP Option",                    integer,    readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.11", "UDP Option",                    integer,    readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.12", "TCP/UDP Source Port Mask",      octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.13", "TCP/UDP Destination Port Mask", octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.14", "TCP Flag Bit",                  integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.15", "TCP Flag Bit Mask",             integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.16", "Protocol ID Option",            integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.17", "Protocol ID",                   integer,    readwrite, &AclProtocolIDOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.18", "User Define Mask",              octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.19", "Row Status",                    integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.20", "Owner",                         integer,    readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.2.2.1.22", "Unused Rule Entries",           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.23", "Profile Name",                  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.2.1.24", "VLAN Mask",                     octetstr,   readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.2.1.1
// Read by TIPProfileRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.9.3.2.1.1",  "Profile ID",                  integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.2",  "Access ID",                   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.3",  "VLAN Name",                   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.29", "Rule VLAN ID",                integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.4",  "Source IP Address",           ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.5",  "Destination IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.6",  "DSCP",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.7",  "Protocol",                    integer,    readwrite, &IpProtocolMaskOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.8",  "Type",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.9",  "Code",                        integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.10", "Source Port",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.11", "Destination Port",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.12", "Flag Bits",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.13", "Protocol ID",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.14", "User Mask",                   octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.15", "Enable Priority",             integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.16", "Priority",                    integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.17", "Replace Priority",            integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.18", "Enable Replace DSCP",         integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.19", "Replace DSCP",                integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.20", "Permit",                      integer,    readwrite, &AclPermitRuleOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.21", "Port",                        bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.22", "Row Status",                  integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.23", "Owner",                       integer,    readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.26", "Enable Replace Tos",          integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.2.1.27", "Replace Tos Value",           integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.28", "VLAN-based ID",               integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.30", "Mask VLAN",                   octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.31", "Mask Source IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.32", "Mask Destination IP Address", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.33", "Mask Source Port",            octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.34", "Mask Destination Port",       octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.2.1.35", "Mask",                        octetstr,   readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.2.8.1.1
// Read by TPktContentProfileForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.9.2.8.1.1",  "Profile ID",          integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.2",  "Chunk 1 State",       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.8.1.3",  "Chunk 1 Value",       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.4",  "Chunk 1 Offset",      octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.5",  "Chunk 2 State",       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.8.1.6",  "Chunk 2 Value",       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.7",  "Chunk 2 Offset",      octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.8",  "Chunk 3 State",       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.8.1.9",  "Chunk 3 Value",       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.10", "Chunk 3 Offset",      octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.11", "Chunk 4 State",       integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.2.8.1.12", "Chunk 4 Value",       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.13", "Chunk 4 Offset",      octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.14", "Row Status",          integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.2.8.1.15", "Owner",               integer,    readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.2.8.1.16", "Unused Rule Entries", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.2.8.1.17", "Profile Name",        displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.7.1.1
// Read by TPktContentRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.9.3.7.1.1",  "Profile ID",          integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.2",  "Access ID",           integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.3",  "Chunk 1 Value",       integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.4",  "Chunk 1",             octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.5",  "Chunk 2 Value",       integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.6",  "Chunk 2",             octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.7",  "Chunk 3 Value",       integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.8",  "Chunk 3",             octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.9",  "Chunk 4 Value",       integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.10", "Chunk 4",             octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.11", "Enable Priority",     integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.12", "Priority",            integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.13", "Replace Priority",    integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.14", "Enable Replace DSCP", integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.15", "Replace DSCP Value",  integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.16", "Permit",              integer,  readwrite, &AclPermitRuleOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.17", "Rule Port",           bitlist,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.18", "Row Status",          integer,  readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.19", "Owner",               integer,  readonly,  &AclOwnerShortOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.21", "Enable Replace Tos",  integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.7.1.22", "Replace Tos Value",   integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.23", "VLAN-based ID",       integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.26", "Chunk 1 Mask",        octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.27", "Chunk 2 Mask",        octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.28", "Chunk 3 Mask",        octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.7.1.29", "Chunk 4 Mask",        octetstr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.2.4.1.1
// Read by TIPv6ProfileForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.9.2.4.1.1",  "Profile ID",              integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.2",  "Mask Class",              integer,     readwrite, &EnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.3",  "Flow Label",              integer,     readwrite, &EnableDisableOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.4",  "IPv6 Address Mask State", integer,     readwrite, &DstSrcIpv6Options},
    {"1.3.6.1.4.1.171.12.9.2.4.1.5",  "Source IPv6 Mask",        ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.6",  "Destination IPv6 Mask",   ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.7",  "Row Status",              integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.8",  "Owner",                   integer,     readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.9",  "Unused Rule Entries",     integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.10", "Profile Name",            displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.11", "Use Protocol Type",       integer,     readwrite, &NoneTcpUdpIcmpOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.12", "TCP Option",              integer,     readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.13", "UDP Option",              integer,     readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.9.2.4.1.14", "Source Port Mask",        octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.15", "Destination Port Mask",   octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.4.1.16", "ICMP Option",             integer,     readwrite, &IcmpMaskOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.4.1.1
// Read by TIpv6RuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.9.3.4.1.1",  "Profile ID",                    integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.2",  "Access ID",                     integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.3",  "Class",                         integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.4",  "Flow label",                    octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.5",  "Source IPv6 Address",           ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.6",  "Destination IPv6 Address",      ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.7",  "Enable Priority",               integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.8",  "Rule Priority",                 integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.9",  "Rule Replace Priority",         integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.10", "Permit",                        integer,     readwrite, &AclPermitRuleOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.11", "Port",                          bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.12", "Row Status",                    integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.13", "Owner",                         integer,     readonly,  &AclOwnerOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.15", "Enable Replace DSCP",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.16", "Replace DSCP",                  integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.17", "Enable Replace Tos",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.18", "Replace Tos Value",             integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.19", "VLAN-based ID",                 integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.20", "Rule Protocol",                 integer,     readwrite, &NoneTcpUdpIcmpOptions},
    {"1.3.6.1.4.1.171.12.9.3.4.1.21", "Source Port",                   integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.22", "Destination Port",              integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.23", "Mask Source IPv6 Address",      ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.24", "Mask Destination IPv6 Address", ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.25", "Mask Source Port",              octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.26", "Mask Destination Port",         octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.27", "ICMP Type",                     integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.4.1.28", "ICMP Code",                     integer,     readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.1.1
// Read by the window "CPU Interface Filtering Global Settings" as SVT_SV.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.9.1.1", "Filtering State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.4.1.1.1
// Read by the window "Ethernet Profile (CPU Interface Filtering)" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.9.4.1.1.1", "Profile ID (1-5)",             integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.1.1.2", "Use VLAN",                     integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.3", "MAC Address Mask State",       integer,    readwrite, &DstSrcMacOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.4", "Source MAC Address Mask",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.1.1.5", "Destination MAC Address Mask", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.1.1.6", "Use 802.1p",                   integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.7", "Use Ethernet Type",            integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.1.1.8", "Row Status",                   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.5.1.1.1
// Read by TCPUFilterEthernetRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.9.5.1.1.1",  "Profile ID",                   integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.2",  "Access ID",                    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.7",  "Ethernet Type",                octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.3",  "VLAN",                         displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.4",  "Rule Source MAC Address",      macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.5",  "Rule Destination MAC Address", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.6",  "802.1p",                       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.8",  "Permit",                       integer,    readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.1.1.9",  "Row Status",                   integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.5.1.1.10", "Port",                         bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.1.1.11", "VLAN ID",                      integer,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.4.2.1.1
// Read by the window "IPv4 Profile (CPU Interface Filtering)" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.9.4.2.1.1",  "Profile ID (1-5)",                 integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.2",  "Use VLAN",                         integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.3",  "IP Address Mask State",            integer,   readwrite, &DstSrcIpOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.4",  "IP Address Mask Source",           ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.5",  "IP Address Mask Destination",      ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.6",  "Use DSCP",                         integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.7",  "Use Protocol Type",                integer,   readwrite, &IpProtocolMaskOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.8",  "ICMP Option",                      integer,   readwrite, &IcmpMaskOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.9",  "IGMP Option",                      integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.10", "TCP Option",                       integer,   readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.11", "UDP Option",                       integer,   readwrite, &DstSrcAddrOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.12", "TCP or UDP Source Port Mask",      octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.14", "TCP Flag Bit",                     integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.15", "TCP Flag Bit Mask",                integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.16", "Protocol ID Option",               integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.2.1.17", "Protocol ID",                      integer,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.18", "Protocol ID Mask",                 octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.2.1.19", "Row Status",                       integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.5.2.1.1
// Read by TCPUFilterIPRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.9.5.2.1.1",  "Profile ID",             integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.2",  "Access ID",              integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.3",  "VLAN",                   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.4",  "Source IP Address",      ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.5",  "Destination IP Address", ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.6",  "DSCP",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.7",  "Protocol",               integer,    readonly,  &IpProtocolMaskOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.8",  "Type",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.9",  "Code",                   integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.10", "Source Port",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.11", "Destination Port",       integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.12", "Flag Bits",              integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.13", "Protocol ID",            integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.14", "User Mask",              octetstr,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.15", "Permit",                 integer,    readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.16", "Row Status",             integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.5.2.1.17", "Port",                   bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.2.1.18", "VLAN ID",                integer,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.4.3.1.1
// Read by the window "Packet Content Profile (CPU Interface Filtering)" as MVT_UMV with 1 key
// column.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.9.4.3.1.1", "Profile ID (1-5)",    integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.3.1.2", "Offset Mask (0-15)",  octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.3.1.3", "Offset Mask (16-31)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.3.1.4", "Offset Mask (32-47)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.3.1.5", "Offset Mask (48-63)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.3.1.6", "Offset Mask (64-79)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.3.1.7", "Row Status",          integer,  readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.5.3.1.1
// Read by TCPUFilterPktCntRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.9.5.3.1.1",  "Profile ID",             integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.2",  "Access ID",              integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.3",  "Payload Offset (1-15)",  octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.4",  "Payload Offset (16-31)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.5",  "Payload Offset (32-47)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.6",  "Payload Offset (48-63)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.7",  "Payload Offset (64-79)", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.3.1.8",  "Permit",                 integer,  readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.3.1.9",  "Row Status",             integer,  readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.5.3.1.10", "Port",                   bitlist,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.4.4.1.1
// Read by the window "IPv6 Profile (CPU Interface Filtering)" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.9.4.4.1.1", "Profile ID (1-5)",      integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.4.1.2", "Class",                 integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.4.1.3", "Flowlabel",             integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.4.4.1.4", "Mask State",            integer,     readwrite, &DstSrcIpv6Options},
    {"1.3.6.1.4.1.171.12.9.4.4.1.5", "Source IPv6 Mask",      ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.4.1.6", "Destination IPv6 Mask", ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.4.4.1.7", "Row Status",            integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.5.4.1.1
// Read by TCPUFilterIPV6RuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.9.5.4.1.1", "Profile ID",               integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.4.1.2", "Access ID",                integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.4.1.3", "Class",                    integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.4.1.4", "Flow Label",               octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.4.1.5", "Source IPv6 Address",      ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.4.1.6", "Destination IPv6 Address", ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.5.4.1.7", "Permit",                   integer,     readwrite, &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.9.5.4.1.8", "Row Status",               integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.5.4.1.9", "Port",                     bitlist,     readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.2.5
// Read by the window "ACL Delete All Masks" as SVT_SV.
constexpr VarDescriptor Table18[] = {
    {"1.3.6.1.4.1.171.12.9.2.5", "Delete All State", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.4.5
// Read by the window "CPU Interface Filtering Delete All Mask" as SVT_SV.
constexpr VarDescriptor Table19[] = {
    {"1.3.6.1.4.1.171.12.9.4.5", "Delete All State", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.1.2
// Read by the window "ACL Global Information" as SVT_SV; the window "ACL Global Settings" as
// SVT_SV.
constexpr VarDescriptor Table20[] = {
    {"1.3.6.1.4.1.171.12.9.1.2", "Used Rule Entries",   integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.9.1.3", "Unused Rule Entries", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.8.1.1 "Profile ID", 7 rows, row 3 is 1.3.6.1.4.1.171.12.9.3.8.1.3 "State"
// Read by the window "ACL Counter Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table21[] = {
    {"1.3.6.1.4.1.171.12.9.3.8.1.1", "Profile ID",     integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.2", "Access ID",      integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.3", "State",          integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.8.1.4", "Total Counter",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.5", "Green Counter",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.6", "Yellow Counter", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.7", "Red Counter",    counter64, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.6.1.1.1
// Read by the window "ACL Flow Meter Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table22[] = {
    {"1.3.6.1.4.1.171.12.9.6.1.1.1",  "Profile ID",                  integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.2",  "Access ID",                   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.7",  "Mode",                        integer, readwrite, &AclModeOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.9",  "trTCM CBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.11", "trTCM PBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.12", "trTCM Color Mode",            integer, readwrite, &ColorModeOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.13", "trTCM Conform State",         integer, readwrite, &PermitReplaceDscpOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.14", "trTCM Conform Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.15", "trTCM Conform Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.16", "trTCM Exceed State",          integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.17", "trTCM Exceed Replace DSCP",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.18", "trTCM Exceed Counter State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.19", "trTCM Violate State",         integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.20", "trTCM Violate Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.21", "trTCM Violate Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.23", "srTCM CBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.24", "srTCM EBS",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.25", "srTCM Color Mode",            integer, readwrite, &AclSrTCMColorModeOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.26", "srTCM Conform State",         integer, readwrite, &PermitReplaceDscpOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.27", "srTCM Conform Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.28", "srTCM Conform Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.29", "srTCM Exceed State",          integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.30", "srTCM Exceed Replace DSCP",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.31", "srTCM Exceed Counter State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.32", "srTCM Violate State",         integer, readwrite, &PermitReplaceDscpDropOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.33", "srTCM Violate Replace DSCP",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.34", "srTCM Violate Counter State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.35", "Row Status",                  integer, readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.9.6.1.1.38", "trTCM CIR 1Kbps Unit",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.39", "trTCM PIR 1Kbps Unit",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.1.1.40", "srTCM CIR 1Kbps Unit",        integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.6.3.1.1
// Read by the window "ACL Rate Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table23[] = {
    {"1.3.6.1.4.1.171.12.9.6.3.1.1", "Profile ID",             integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.3.1.2", "Access ID",              integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.3.1.3", "Rate",                   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.3.1.4", "Burst Size",             integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.3.1.5", "Action For Rate Exceed", integer, readwrite, &DropRemarkDscpOptions},
    {"1.3.6.1.4.1.171.12.9.6.3.1.6", "Remark DSCP",            integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.6.3.1.7", "Row Status",             integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.6.2
// Read by the window "ACL Flow Meter Information" as SVT_SV.
constexpr VarDescriptor Table24[] = {
    {"1.3.6.1.4.1.171.12.9.6.2", "Number of Entries in Use", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.8.1.1 "Profile ID", 7 rows, row 3 is 1.3.6.1.4.1.171.12.9.3.8.1.3 "Counter State"
// Read by TACLCounterForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table25[] = {
    {"1.3.6.1.4.1.171.12.9.3.8.1.1", "Profile ID",     integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.2", "Access ID",      integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.3", "Counter State",  integer,   readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.9.3.8.1.4", "Total Counter",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.5", "Green Counter",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.6", "Yellow Counter", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.8.1.7", "Red Counter",    counter64, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.2.6.1.1
// Read by TIBPACLEtherMaskForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table26[] = {
    {"1.3.6.1.4.1.171.12.9.2.6.1.1", "Profile ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.6.1.2", "Ethernet Type", integer, readonly,  &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.2.7.1.1
// Read by TIBPIPMaskForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table27[] = {
    {"1.3.6.1.4.1.171.12.9.2.7.1.1", "Profile ID",              integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.2.7.1.2", "Source MAC Address Mask", macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.2.7.1.3", "Source IP Address Mask",  ipaddress,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.5.1.1
// Read by TIBPEtherRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table28[] = {
    {"1.3.6.1.4.1.171.12.9.3.5.1.1", "Profile ID", integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.5.1.2", "Access ID",  integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.5.1.3", "Rule Type",  octetstr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.5.1.4", "Permit",     integer,  readonly,  &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.9.3.5.1.5", "Port",       bitlist,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.9.3.6.1.1
// Read by TIBPIPRuleForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table29[] = {
    {"1.3.6.1.4.1.171.12.9.3.6.1.1", "Profile ID",         integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.6.1.2", "Access ID",          integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.6.1.3", "Source MAC Address", macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.9.3.6.1.4", "Source IP Address",  ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.9.3.6.1.5", "Permit",             integer,    readonly,  &DenyPermitOptions},
    {"1.3.6.1.4.1.171.12.9.3.6.1.6", "Port",               bitlist,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.92.1.1.1.1
// Read by the window "Zone Defense Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table30[] = {
    {"1.3.6.1.4.1.171.12.92.1.1.1.1", "IP Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.92.1.1.1.2", "Row Status", integer,   readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
    {Table18}, {Table19}, {Table20}, {Table21}, {Table22}, {Table23}, {Table24}, {Table25},
    {Table26}, {Table27}, {Table28}, {Table29}, {Table30},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &NoneStartOptions, &DstSrcAddrOptions,
    &DenyPermitOptions, &PermitReplaceDscpDropOptions, &IcmpMaskOptions, &IpProtocolMaskOptions,
    &NoneTcpUdpIcmpOptions, &PermitReplaceDscpOptions, &EnableDisableOptions, &DstSrcMacOptions,
    &DstSrcIpOptions, &DstSrcIpv6Options, &ColorModeOptions, &DropRemarkDscpOptions,
    &AclOwnerOptions, &AclPermitRuleOptions, &AclOwnerShortOptions, &AclProtocolTypeOptions,
    &AclProtocolIDOptions, &AclModeOptions, &AclSrTCMColorModeOptions,
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
    EnableDisableOptions.Init(EnableDisableItems, 1, false);
    DstSrcMacOptions.Init(DstSrcMacItems, 1, false);
    DstSrcIpOptions.Init(DstSrcIpItems, 1, false);
    DstSrcIpv6Options.Init(DstSrcIpv6Items, 1, false);
    ColorModeOptions.Init(ColorModeItems, 1, false);
    DropRemarkDscpOptions.Init(DropRemarkDscpItems, 1, false);
    AclOwnerOptions.Init(AclOwnerItems, 1, false);
    AclPermitRuleOptions.Init(AclPermitRuleItems, 1, false);
    AclOwnerShortOptions.Init(AclOwnerShortItems, 1, false);
    AclProtocolTypeOptions.Init(AclProtocolTypeItems, 1, false);
    AclProtocolIDOptions.Init(AclProtocolIDItems, 1, false);
    AclModeOptions.Init(AclModeItems, 1, false);
    AclSrTCMColorModeOptions.Init(AclSrTCMColorModeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    AclSrTCMColorModeOptions.Free();
    AclModeOptions.Free();
    AclProtocolIDOptions.Free();
    AclProtocolTypeOptions.Free();
    AclOwnerShortOptions.Free();
    AclPermitRuleOptions.Free();
    AclOwnerOptions.Free();
    DropRemarkDscpOptions.Free();
    ColorModeOptions.Free();
    DstSrcIpv6Options.Free();
    DstSrcIpOptions.Free();
    DstSrcMacOptions.Free();
    EnableDisableOptions.Free();
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
    "Oid_acl", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_acl
