// Oid_qbridge: BRIDGE-MIB ports, P-BRIDGE, Q-BRIDGE, ifTableLastChange.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_qbridge {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem IndependentSharedItems[] = {{1, "independent"}, {2, "shared"}, {}};
constexpr OptionItem QBridgeCapabilitiesItems[] = {{}};
constexpr OptionItem QBridgeFdbStatusItems[] = {
    {1, "other"},
    {2, "invalid"},
    {3, "learned"},
    {4, "self"},
    {5, "mgmt"},
    {},
};
constexpr OptionItem QBridgeStaticStatusItems[] = {
    {1, "other"},
    {2, "invalid"},
    {3, "permanent"},
    {4, "deleteOnReset"},
    {5, "deleteOnTimeout"},
    {},
};
constexpr OptionItem QBridgeVLANStateItems[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {}};
constexpr OptionItem QBridgeRowStatusItems[] = {
    {1, "Active"},
    {2, "NotInService"},
    {3, "NotReady"},
    {4, "CreateAndGo"},
    {5, "CreateAndWait"},
    {6, "Destroy"},
    {},
};
constexpr OptionItem QBridgeAcceptableFrameTypesItems[] = {{1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList IndependentSharedOptions;
constinit MvOptionList QBridgeCapabilitiesOptions;
constinit MvOptionList QBridgeFdbStatusOptions;
constinit MvOptionList QBridgeStaticStatusOptions;
constinit MvOptionList QBridgeVLANStateOptions;
constinit MvOptionList QBridgeRowStatusOptions;
constinit MvOptionList QBridgeAcceptableFrameTypesOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.31.1.5
// Read by the window "General Table" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.31.1.5", "IF Table Last Change", timeticks, readonly, nullptr},
    {"1.3.6.1.2.1.31.1.6", "IF Stack Last Change", timeticks, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.4.4.1.1 " Port Index", 4 rows, row 2 is 1.3.6.1.2.1.17.4.5.1.1 "HC Port In Frames"
// Read by the window "High Capacity Port Table" as MVT_FMV with 0 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index",         integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames",   integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.2", "HC Port Out Frames",  integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.3", "HC Port In Discards", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.4.4.1.1 " Port Index", 4 rows, row 2 is 1.3.6.1.2.1.17.4.6.1.1 "In Overflow Frames"
// Read by the window "High Capacity Port Overflow Table" as MVT_FMV with 0 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Port Index",          integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames",   counter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.2", "Out Overflow Frames",  counter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.3", "In Overflow Discards", counter, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.1.4.1.1 "Port Number", 2 rows
// Read by TPortCapabilities8021dForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "Port Number",  integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", bitstr,  readonly,  &QBridgeCapabilitiesOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.6.1.1.1
// Read by TPBridgeConfigForm as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", bitlist, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.6.1.1.2
// Read by TPBridgeConfigForm as SVT_SV.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", integer, readonly, &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.1.4.1.1 "Port Number", 3 rows, row 2 is 1.3.6.1.2.1.17.6.1.2.1.1.1 "Default User Priority"
// Read by the window "802.1p Default User Priorities of Each Port" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "Port Number",                 integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority",       integer, readwrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Number Traffic Classes", integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.1.4.1.1 "Port Number", 3 rows, row 2 is 1.3.6.1.2.1.17.6.1.2.2.1.1 "User Priority"
// Read by the window "Regenerated User Priorities" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "Port Number",               integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority",             integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.1.4.1.1 "Port Number", 3 rows, row 2 is 1.3.6.1.2.1.17.6.1.2.3.1.1 "Traffic Class Priority"
// Read by the window "802.1p User Priorities to Traffic Class" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "Port Number",            integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class",   integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.1.4.1.1 "Port Number", 3 rows, row 2 is 1.3.6.1.2.1.17.6.1.2.2.1.2 "Regenerated User Priority"
// Read by the window "Port Outbound Access Priorities" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "Port Number",                   integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority",     integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.6.1.3.1.1.1 (after an index-only column)
// Read by TGARPForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table11[] = {
    {" ",                          "Port Number",    integer, notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Join Time",      integer, readwrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Leave Time",     integer, readwrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Leave All Time", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.4.3.1.1
// Read by the window "802.1D Transparent Bridge Forwding Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "FDB MAC Address", macaddress, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port Number",     integer,    readonly, nullptr},
    {"1.3.6.1.2.1.17.4.3.1.3", "State",           integer,    readonly, &QBridgeFdbStatusOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.1.1
// Read by the window "802.1Q VLAN Basic Configuration" as SVT_SV.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number",     integer, readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max. VLAN ID",            integer, readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max. Supported VLANs",    guage,   readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Number of VLANs", guage,   readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP State",              integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.2.1.1.1 "VLAN ID"
// Read by the window "802.1Q Filtering Database Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "VLAN ID",           guage,   notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.2.1.2 "VLAN ID", 4 rows, row 2 is 1.3.6.1.2.1.17.7.1.2.3.1.1 "Group Address"
// Read by the window "Filtering Information" as MVT_FMV with 2 key columns;
// TTpGroupDestinationForwardedForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID",           guage,      notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address",     macaddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports",      octetstr,   readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", octetstr,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.2.1.2 "VLAN ID", 4 rows, row 2 is 1.3.6.1.2.1.17.7.1.2.4.1.1 "All Ports"
// Read by TMulticastForwardingInformationForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID",         guage,   notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports",       bitlist, readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports",    bitlist, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", bitlist, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.2.1.1
// Read by TVLanCurrentTableForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", timeticks, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index",     guage,     notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID",         guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Egress Ports",   bitlist,   readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Untagged Ports", bitlist,   readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN State",     integer,   readonly,  &QBridgeVLANStateOptions},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time",  timeticks, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.3.1.1 (after an index-only column)
// Read by TVlanStaticForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table18[] = {
    {"",                           "VLAN ID",                guage,      notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name",              displaystr, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports",           bitlist,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", bitlist,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports",         bitlist,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status",             integer,    readwrite, &QBridgeRowStatusOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.1.4.1.1 "Port Number", 7 rows
// Read by TVLanPortInfomationForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table19[] = {
    {"1.3.6.1.2.1.17.1.4.1.1",     "Port Number",               integer,    readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID",              guage,      readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types",    integer,    readwrite, &QBridgeAcceptableFrameTypesOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering",         integer,    readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP State",                integer,    readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", counter,    readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin",      macaddress, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.1
// Read by TVLanCurrentTableForm as SVT_SV.
constexpr VarDescriptor Table20[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", counter, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.4
// Read by TVlanStaticForm as SVT_SV.
constexpr VarDescriptor Table21[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", integer, readonly, &IndependentSharedOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.2.1.1.1 "Index", 5 rows, row 2 is 1.3.6.1.2.1.17.7.1.3.2.1.1 "MAC Address"
// Read by TMulticastFilterInformationForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table22[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index",        integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address",  macaddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", bitlist,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Row Status",   integer,    readwrite, &QBridgeStaticStatusOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.2.1.1.1 "Index", 5 rows, row 2 is 1.3.6.1.2.1.17.7.1.3.1.1.1 "Unicast Address"
// Read by TUnicastFilterInformationForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table23[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index",           integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port",    integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed Ports",   bitlist,    readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Row Status",      integer,    readwrite, &QBridgeStaticStatusOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.2.1.1.1 "FDB ID"
// Read by the window "802.1Q Unicast Forwarding Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table24[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID",          integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number",     integer,    readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "State",           integer,    readonly,  &QBridgeFdbStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
    {Table18}, {Table19}, {Table20}, {Table21}, {Table22}, {Table23}, {Table24},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &TrueFalseOptions, &IndependentSharedOptions,
    &QBridgeCapabilitiesOptions, &QBridgeFdbStatusOptions, &QBridgeStaticStatusOptions,
    &QBridgeVLANStateOptions, &QBridgeRowStatusOptions, &QBridgeAcceptableFrameTypesOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    IndependentSharedOptions.Init(IndependentSharedItems, 1, false);
    QBridgeCapabilitiesOptions.Init(QBridgeCapabilitiesItems, 1, false);
    QBridgeFdbStatusOptions.Init(QBridgeFdbStatusItems, 1, false);
    QBridgeStaticStatusOptions.Init(QBridgeStaticStatusItems, 1, false);
    QBridgeVLANStateOptions.Init(QBridgeVLANStateItems, 1, false);
    QBridgeRowStatusOptions.Init(QBridgeRowStatusItems, 1, false);
    QBridgeAcceptableFrameTypesOptions.Init(QBridgeAcceptableFrameTypesItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    QBridgeAcceptableFrameTypesOptions.Free();
    QBridgeRowStatusOptions.Free();
    QBridgeVLANStateOptions.Free();
    QBridgeStaticStatusOptions.Free();
    QBridgeFdbStatusOptions.Free();
    QBridgeCapabilitiesOptions.Free();
    IndependentSharedOptions.Free();
    TrueFalseOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_qbridge", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_qbridge
