// Oid_ipmacbind: IP-MAC-port binding 1.3.6.1.4.1.171.12.23.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_ipmacbind {
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
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem Enabled2Disabled3Items[] = {{2, "enabled"}, {3, "disabled"}, {}};
constexpr OptionItem IpMacBindACLStateItems[] = {{1, "inactive"}, {2, "active"}, {}};
constexpr OptionItem IpMacBindLearningStatusItems[] = {{1, "normal"}, {2, "stop"}, {}};
constexpr OptionItem IpMacBindARPInspectionItems[] = {{1, "disabled"}, {2, "strict"}, {3, "loose"}, {}};
constexpr OptionItem IpMacBindIPProtocolItems[] = {{1, "all"}, {2, "ipv4"}, {3, "ipv6"}, {}};
constexpr OptionItem IpMacBindModeItems[] = {{1, "arp"}, {2, "acl"}, {3, "dhcp-snooping"}, {4, "static"}, {}};
constexpr OptionItem IpMacBindRowStatusItems[] = {{1, "active"}, {6, "destroy"}, {}};
constexpr OptionItem IpMacBindMode2Items[] = {{1, "static"}, {2, "dhcp-snooping"}, {3, "nd-snooping"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList Enabled2Disabled3Options;
constinit MvOptionList IpMacBindACLStateOptions;
constinit MvOptionList IpMacBindLearningStatusOptions;
constinit MvOptionList IpMacBindARPInspectionOptions;
constinit MvOptionList IpMacBindIPProtocolOptions;
constinit MvOptionList IpMacBindModeOptions;
constinit MvOptionList IpMacBindRowStatusOptions;
constinit MvOptionList IpMacBindMode2Options;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.23.1.1
// Read by the window "IMPB Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.23.1.1",  "Trap Log State",                             integer, readwrite, &Enabled2Disabled3Options},
    {"1.3.6.1.4.1.171.12.23.1.4",  "DHCP Snooping State",                        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.23.1.5",  "Clear All DHCP Snooping Entries",            integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.1.7",  "IPv6 DHCP Snooping State",                   integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.23.1.8",  "ND Snooping State",                          integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.23.1.9",  "Clear All IPv6 DHCP Snooping Entries State", integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.1.10", "Clear All ND Snooping Entries State",        integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.1.11", "Roaming State",                              integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.3.2.1.1
// Read by the window "IMPB Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.23.3.2.1.1",  "Index",                              integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.3.2.1.3",  "Zero IP State",                      integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.4",  "Forward DHCP Packet",                integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.5",  "DHCP Snoop Max. Entry",              integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.3.2.1.6",  "DHCP Snoop Entry Clear Action",      integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.8",  "Stop Learning Threshold",            integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.3.2.1.9",  "Recover Learning",                   integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.10", "Learning Status",                    integer, readonly,  &IpMacBindLearningStatusOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.12", "IPv6 DHCP Snoop Max. Entry",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.3.2.1.13", "ND Snoop Max. Entry",                integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.3.2.1.14", "IPv6 DHCP Snoop Entry Clear Action", integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.15", "ND Snoop Entry Clear Action",        integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.16", "ARP Inspection",                     integer, readwrite, &IpMacBindARPInspectionOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.17", "IP Inspection",                      integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.23.3.2.1.18", "IP Protocol",                        integer, readwrite, &IpMacBindIPProtocolOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.4.1.1.1
// Read by TIPMACBindingForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.23.4.1.1.1", "IP Index",    ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.1.1.2", "MAC Address", macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.1.1.4", "Ports",       bitstr,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.1.1.3", "Row Status",  integer,    readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.23.4.1.1.6", "Mode",        integer,    readonly,  &IpMacBindModeOptions},
    {"1.3.6.1.4.1.171.12.23.4.1.1.7", "ACL State",   integer,    readonly,  &IpMacBindACLStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.4.2.1.1
// Read by TIpMacBindBlockedForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.23.4.2.1.1", "VLAN ID",     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.2.1.2", "MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.2.1.3", "VLAN Name",   displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.2.1.4", "Port",        integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.2.1.7", " Row Status", integer,    readwrite, &IpMacBindRowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.4.3.1.1
// Read by the window "IP-MAC-Port Binding DHCP Snooping Table" as MVT_FMV with 1 key column; the
// window "IMPB DHCP Snooping Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.23.4.3.1.1", "IP Index",       ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.3.1.2", "Snooping MAC",   macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.3.1.3", "Lease Time",     integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.3.1.4", "Snooping Ports", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.3.1.5", "Snooping State", integer,    readonly,  &IpMacBindACLStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.4.4.1.1
// Read by TIPMACBindingIPv6Form as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.23.4.4.1.1", "IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.4.1.2", "MAC Address",  macaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.4.1.3", "Ports",        bitlist,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.4.1.4", "Mode",         integer,     readonly,  &IpMacBindMode2Options},
    {"1.3.6.1.4.1.171.12.23.4.4.1.5", "ACL State",    integer,     readonly,  &IpMacBindACLStateOptions},
    {"1.3.6.1.4.1.171.12.23.4.4.1.6", "Row Status",   integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.4.5.1.1
// Read by the window "IMPB IPv6 DHCP Snooping Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.23.4.5.1.1", "Address",     ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.5.1.2", "MAC Address", macaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.5.1.3", "Lease Time",  integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.5.1.4", "Port",        integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.5.1.5", "State",       integer,     readonly,  &IpMacBindACLStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.23.4.6.1.1
// Read by the window "IMPB ND Snooping Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.23.4.6.1.1", "Address",     ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.23.4.6.1.2", "MAC Address", macaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.6.1.3", "Lease Time",  integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.6.1.4", "Port",        integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.23.4.6.1.5", "State",       integer,     readonly,  &IpMacBindACLStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &OtherStartOptions, &Enabled2Disabled3Options,
    &IpMacBindACLStateOptions, &IpMacBindLearningStatusOptions, &IpMacBindARPInspectionOptions,
    &IpMacBindIPProtocolOptions, &IpMacBindModeOptions, &IpMacBindRowStatusOptions,
    &IpMacBindMode2Options,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    Enabled2Disabled3Options.Init(Enabled2Disabled3Items, 1, false);
    IpMacBindACLStateOptions.Init(IpMacBindACLStateItems, 1, false);
    IpMacBindLearningStatusOptions.Init(IpMacBindLearningStatusItems, 1, false);
    IpMacBindARPInspectionOptions.Init(IpMacBindARPInspectionItems, 1, false);
    IpMacBindIPProtocolOptions.Init(IpMacBindIPProtocolItems, 1, false);
    IpMacBindModeOptions.Init(IpMacBindModeItems, 1, false);
    IpMacBindRowStatusOptions.Init(IpMacBindRowStatusItems, 1, false);
    IpMacBindMode2Options.Init(IpMacBindMode2Items, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    IpMacBindMode2Options.Free();
    IpMacBindRowStatusOptions.Free();
    IpMacBindModeOptions.Free();
    IpMacBindIPProtocolOptions.Free();
    IpMacBindARPInspectionOptions.Free();
    IpMacBindLearningStatusOptions.Free();
    IpMacBindACLStateOptions.Free();
    Enabled2Disabled3Options.Free();
    OtherStartOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_ipmacbind", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_ipmacbind
