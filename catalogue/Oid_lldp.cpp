// Oid_lldp: LLDP-MIB with its 802.1, 802.3 and MED extensions.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_lldp {
namespace {

// Option tables.

constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem ChassisIdSubtypeItems[] = {
    {1, "chassisComponent"},
    {2, "interfaceAlias"},
    {3, "portComponent"},
    {4, "macAddress"},
    {5, "networkAddress"},
    {6, "interfaceName"},
    {7, "local"},
    {},
};
constexpr OptionItem PortIdSubtypeItems[] = {
    {1, "interfaceAlias"},
    {2, "portComponent"},
    {3, "macAddress"},
    {4, "networkAddress"},
    {5, "interfaceName"},
    {6, "agentCircuitId"},
    {7, "local"},
    {},
};
constexpr OptionItem LldpPowerPortClassItems[] = {{1, "pClassPSE"}, {2, "pClassPD"}, {}};
constexpr OptionItem LldpAddressSubtypeItems[] = {
    {0, "other"},
    {1, "IPv4"},
    {2, "IPv6"},
    {3, "nsap"},
    {4, "hdlc"},
    {5, "bbn1822"},
    {6, "all802"},
    {7, "e163"},
    {8, "e164"},
    {9, "f69"},
    {10, "x121"},
    {11, "ipx"},
    {12, "appleTalk"},
    {13, "decnetIV"},
    {14, "banyanVines"},
    {15, "e164withNsap"},
    {16, "dns"},
    {17, "distinguishedName"},
    {18, "asNumber"},
    {19, "xtpOverIPv4"},
    {20, "xtpOverIPv6"},
    {21, "xtpNativeModeXTP"},
    {22, "fibreChannelWWPN"},
    {23, "fibreChannelWWNN"},
    {24, "gwid"},
    {25, "afi"},
    {65535, "reserved"},
    {},
};
constexpr OptionItem LldpIFSubtypeItems[] = {{1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"}, {}};
constexpr OptionItem LldpAddressSubtype2Items[] = {
    {0, "other"},
    {1, "IPv4"},
    {2, "IPv6"},
    {3, "nsap"},
    {4, "hdlc"},
    {5, "bbn1822"},
    {6, "all802"},
    {7, "e163"},
    {8, "e164"},
    {9, "f69"},
    {10, "x121"},
    {11, "ipx"},
    {12, "appleTalk"},
    {13, "decnetIV"},
    {14, "banyanVines"},
    {15, "e164withNsap"},
    {16, "dns"},
    {17, "distinguishedName"},
    {18, "asNumber"},
    {19, "xtpOverIpv4"},
    {20, "xtpOverIpv6"},
    {21, "xtpNativeModeXTP"},
    {22, "fibreChannelWWPN"},
    {23, "fibreChannelWWNN"},
    {24, "gwid"},
    {25, "afi"},
    {65535, "reserved"},
    {},
};
constexpr OptionItem LldpDeviceClassItems[] = {
    {0, "notDefined"},
    {1, "endpointClass1"},
    {2, "endpointClass2"},
    {3, "endpointClass3"},
    {4, "networkConnectivity"},
    {},
};
constexpr OptionItem LldpApplicationTypeItems[] = {
    {1, "streamingVideo"},
    {2, "videoConferencing"},
    {4, "softPhoneVoice"},
    {8, "guestVoiceSignaling"},
    {16, "guestVoice"},
    {32, "voiceSignaling"},
    {64, "videoSignaling"},
    {128, "voice"},
    {},
};
constexpr OptionItem LldpLocationSubtypeItems[] = {
    {1, "unknown"},
    {2, "coordinateBased"},
    {3, "civicAddress"},
    {4, "elin"},
    {},
};
constexpr OptionItem LldpPriorityItems[] = {{1, "unknown"}, {2, "critical"}, {3, "high"}, {4, "low"}, {}};
constexpr OptionItem LldpAdministrationStateItems[] = {
    {1, "txOnly"},
    {2, "rxOnly"},
    {3, "txAndrx"},
    {4, "disabled"},
    {},
};
constexpr OptionItem LldpDeviceTypeItems[] = {
    {1, "unknown"},
    {2, "pseDevice"},
    {3, "pdDevice"},
    {4, "none"},
    {},
};
constexpr OptionItem LldpPowerSourceItems[] = {{1, "unknown"}, {2, "primary"}, {3, "backup"}, {}};
constexpr OptionItem LldpSourceItems[] = {
    {1, "unknown"},
    {2, "fromPSE"},
    {3, "local"},
    {4, "localAndPSE"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList TrueFalseOptions;
constinit MvOptionList ChassisIdSubtypeOptions;
constinit MvOptionList PortIdSubtypeOptions;
constinit MvOptionList LldpPowerPortClassOptions;
constinit MvOptionList LldpAddressSubtypeOptions;
constinit MvOptionList LldpIFSubtypeOptions;
constinit MvOptionList LldpAddressSubtype2Options;
constinit MvOptionList LldpDeviceClassOptions;
constinit MvOptionList LldpApplicationTypeOptions;
constinit MvOptionList LldpLocationSubtypeOptions;
constinit MvOptionList LldpPriorityOptions;
constinit MvOptionList LldpAdministrationStateOptions;
constinit MvOptionList LldpDeviceTypeOptions;
constinit MvOptionList LldpPowerSourceOptions;
constinit MvOptionList LldpSourceOptions;

// Descriptor tables.

// Key: 1.0.8802.1.1.2.1.5.32962.1.1.1.1.1 (after an index-only column)
// Read by the window "LLDP-Dot1 Port VLAN Status" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {" ",                                  "Port Number", integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled",  integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.1.2.1.1 (after 2 index-only columns)
// Read by TLLDPConfigVLANNameForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {" ",                                  "Port Number",  integer, notaccess, nullptr},
    {" ",                                  "VLAN ID",      integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.1.3.1.1 (after 2 index-only columns)
// Read by TLLDPConfigProtocolVLANForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {" ",                                  "Port Number",      integer, notaccess, nullptr},
    {" ",                                  "VLAN ID",          integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.1.4.1.1 (after 2 index-only columns)
// Read by TLLDPConfigProtocolForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {" ",                                  "Port Number",    integer, notaccess, nullptr},
    {" ",                                  "Protocol Index", integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX",    integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.2.1.1.1 (after an index-only column)
// Read by the window "LLDP Dot1 Local Data Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {" ",                                  "Port Number",  integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", integer, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.2.2.1.1 (after an index-only column)
// Read by the window "LLDP-Dot1 Local Protocol VLAN Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {" ",                                  "Port Number", integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID",     integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported",   integer, readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled",     integer, readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.2.3.1.1 (after an index-only column)
// Read by the window "LLDP-Dot1 Local VLAN Name" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table7[] = {
    {" ",                                  "Port Number", integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID",     integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name",   displaystr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.2.4.1.1 (after an index-only column)
// Read by the window "LLDP-Dot1 Local Protocol Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {" ",                                  "Port Number",    integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID",    octetstr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.3.1.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot1 Remote Data" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table9[] = {
    {" ",                                  "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                                  "Local Port Number", integer,   notaccess, nullptr},
    {" ",                                  "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID",      integer,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.3.2.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot1 Remote Protocol VLAN Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table10[] = {
    {" ",                                  "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                                  "Local Port Number", integer,   notaccess, nullptr},
    {" ",                                  "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID",           integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported",    integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled",      integer,   readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.3.3.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot1 Remote VLAN Name" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table11[] = {
    {" ",                                  "Time Mark",         timeticks,  notaccess, nullptr},
    {" ",                                  "Local Port Number", integer,    notaccess, nullptr},
    {" ",                                  "Index",             integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID",           integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name",         displaystr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.32962.1.3.4.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot1 Remote Protocol Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table12[] = {
    {" ",                                  "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                                  "Local Port Number", integer,   notaccess, nullptr},
    {" ",                                  "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index",    integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID",       octetstr,  readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.1.1.1.1 (after an index-only column)
// Read by TLLDPDot3PortConfigForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {" ",                                 "Port Number",    integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", octetstr, readwrite, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.2.1.1.1 (after an index-only column)
// Read by the window "LLDP-Dot3 Local Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table14[] = {
    {" ",                                 "Local Port Number",                           integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported",             integer,  readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled",               integer,  readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", octetstr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type",                   integer,  readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.2.2.1.1 (after an index-only column)
// Read by the window "LLDP Dot3 Local Power Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table15[] = {
    {" ",                                 "Local Port Number",      integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class",       integer, readonly,  &LldpPowerPortClassOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported",    integer, readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled",      integer, readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", integer, readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs",            integer, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class",            integer, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.2.3.1.1 (after an index-only column)
// Read by TLLDPDot3LinkAggForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table16[] = {
    {" ",                                 "Local Port Number",        integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation State",   octetstr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", integer,  readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.2.4.1.1 (after an index-only column)
// Read by the window "LLDP-Dot3 Local Max. Frame Size Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table17[] = {
    {" ",                                 "Local Port Number", integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max. Frame Size",   integer, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.3.1.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot3 Remote Port Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table18[] = {
    {" ",                                 "Time Mark",                                   timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number",                           integer,   notaccess, nullptr},
    {" ",                                 "Index",                                       integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported",             integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled",               integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", octetstr,  readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type",                   integer,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.3.2.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot3 Remote Power Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table19[] = {
    {" ",                                 "Time Mark",              timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number",      integer,   notaccess, nullptr},
    {" ",                                 "Index",                  integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class",       integer,   readonly,  &LldpPowerPortClassOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported",    integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled",      integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs",            integer,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class",            integer,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.3.3.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot3 Remote Link Aggregation Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table20[] = {
    {" ",                                 "Time Mark",                timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number",        integer,   notaccess, nullptr},
    {" ",                                 "Index",                    integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation State",   octetstr,  readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", integer,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4623.1.3.4.1.1 (after 3 index-only columns)
// Read by the window "LLDP-Dot3 Remote Max. Frame Size Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table21[] = {
    {" ",                                 "Time Mark",              timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number",      integer,   notaccess, nullptr},
    {" ",                                 "Index",                  integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max. Frame Size", integer,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.1.1
// Read by the window "LLDP Basic Configuration" as SVT_SV.
constexpr VarDescriptor Table22[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval",        integer, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", integer, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay",    integer, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay",                   integer, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval",      integer, readwrite, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.1.6.1.1
// Read by TLLDPPortConfigForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table23[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number",          integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration State", integer,  readwrite, &LldpAdministrationStateOptions},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable",  integer,  readwrite, &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable",       octetstr, readwrite, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.1.7.1.1 (after 2 index-only columns)
// Read by TLLDP_Management_Address as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table24[] = {
    {" ",                        "Management Address Subtype",                       integer,     notaccess, nullptr},
    {" ",                        "Management Address",                               inetaddress, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", bitlist,     readwrite, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.2.1
// Read by the window "LLDP Statistics Information" as SVT_SV.
constexpr VarDescriptor Table25[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", timeticks, readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.2", "Inserts",          guage,     readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.3", "Deletes",          guage,     readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.4", "Drops",            guage,     readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts",          guage,     readonly, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.2.6.1.1
// Read by the window "LLDP TX Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table26[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number",  integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", counter, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.2.7.1.1
// Read by the window "LLDP RX Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table27[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number",                       integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total",       counter, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors",                counter, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total",                 counter, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total",         counter, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", counter, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total",           guage,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.3.1
// Read by TLLDPLocSysDataForm as SVT_SV.
constexpr VarDescriptor Table28[] = {
    {"1.0.8802.1.1.2.1.3.1", "Chassis ID Subtype",            integer,    readonly, &ChassisIdSubtypeOptions},
    {"1.0.8802.1.1.2.1.3.2", "Chassis ID",                    macaddress, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.3", "System Name",                   displaystr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.4", "System Description",            displaystr, readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.5", "System Capabilities Supported", octetstr,   readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.6", "System Capabilities Enabled",   octetstr,   readonly, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.3.7.1.1
// Read by the window "LLDP Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table29[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number",      integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype",  integer,    readonly,  &PortIdSubtypeOptions},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID",          octetstr,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", displaystr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.3.8.1.1
// Read by the window "LLDP Management Address Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table30[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype",    integer,     notaccess, &LldpAddressSubtypeOptions},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address",    inetaddress, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length",     integer,     readonly,  nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.4", "IF Subtype", integer,     readonly,  &LldpIFSubtypeOptions},
    {"1.0.8802.1.1.2.1.3.8.1.5", "IF ID",      integer,     readonly,  nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID",        objectid,    readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.4.1.1.1
// Read by TLLDPRemoteForm as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table31[] = {
    {"1.0.8802.1.1.2.1.4.1.1.1",  "Time Mark",                     timeticks,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.2",  "Local Port Number",             integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.3",  "Index",                         integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.4",  "Chassis ID Subtype",            integer,    readonly,  &ChassisIdSubtypeOptions},
    {"1.0.8802.1.1.2.1.4.1.1.5",  "Chassis ID",                    octetstr,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.6",  "Port ID Subtype",               integer,    readonly,  &PortIdSubtypeOptions},
    {"1.0.8802.1.1.2.1.4.1.1.7",  "Port ID               ",        octetstr,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.8",  "Port Description",              displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.9",  "System Name",                   displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.10", "System Description",            displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", octetstr,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled",   octetstr,   readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.4.2.1.1 (after 3 index-only columns)
// Read by the window "LLDP Remote Management Address Table" as MVT_FMV with 5 key columns.
constexpr VarDescriptor Table32[] = {
    {" ",                        "Time Mark",         timeticks,   notaccess, nullptr},
    {" ",                        "Local Port Number", integer,     notaccess, nullptr},
    {" ",                        "Index",             integer,     notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype",           integer,     notaccess, &LldpAddressSubtype2Options},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address",           inetaddress, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.3", "IF Subtype",        integer,     readonly,  &LldpIFSubtypeOptions},
    {"1.0.8802.1.1.2.1.4.2.1.4", "IF ID",             integer,     readonly,  nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID",               objectid,    readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.4.3.1.1 (after 3 index-only columns)
// Read by the window "LLDP Remote Unknown TLV Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table33[] = {
    {" ",                        "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                        "Local Port Number", integer,   notaccess, nullptr},
    {" ",                        "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type",              integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information",       octetstr,  readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.1.2.1.1 (after an index-only column)
// Read by the window "LLDP-MED Port Configuration Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table34[] = {
    {" ",                                 "Port Number",          integer,  notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.1", "Capability Supported", octetstr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.2", "TLVs TX Enabled",      octetstr, readwrite, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.1.2.1.3", "Notification Enabled", integer,  readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.1.1
// Read by the window "LLDP-MED System Settings" as SVT_SV.
constexpr VarDescriptor Table35[] = {
    {"1.0.8802.1.1.2.1.5.4795.1.1.1", "Device Class",            integer,    readonly,  &LldpDeviceClassOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.1.3", "Fast Start Repeat Count", guage,      readwrite, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.2", "Hardware Revision",       displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.3", "Firmware Revision",       displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.4", "Software Revision",       displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.5", "Serial Number",           displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.6", "Manufacturer Name",       displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.7", "Model Name",              displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.8", "Asset ID",                displaystr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.2.1.1.1 (after an index-only column)
// Read by the window "LLDP-MED Local Data Media Policy Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table36[] = {
    {" ",                                 "Port Number",                       integer, notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.1", "Application Type",                  integer, notaccess, &LldpApplicationTypeOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.2", "VLAN ID",                           integer, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.3", "Priority",                          integer, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.4", "Differentiated Service Code Point", integer, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.5", "Unknown",                           integer, readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.2.1.1.6", "Tagged",                            integer, readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.2.9.1.1 (after an index-only column)
// Read by the window "LLDP-MED Local Data Entry Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table37[] = {
    {" ",                                 "Port  Number", integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.2.9.1.1", "Subtype",      integer,    notaccess, &LldpLocationSubtypeOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.2.9.1.2", "Information",  displaystr, readwrite, nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.1.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data Capabilities Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table38[] = {
    {" ",                                 "Time Mark",            timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number",    integer,   notaccess, nullptr},
    {" ",                                 "Index",                integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.1", "Capability Supported", octetstr,  readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.2", "Capability Current",   octetstr,  readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.1.1.3", "Device Class",         integer,   readonly,  &LldpDeviceClassOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.2.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data Media Policy Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table39[] = {
    {" ",                                 "Time Mark",                         timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number",                 integer,   notaccess, nullptr},
    {" ",                                 "Index",                             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.1", "Application Type",                  integer,   notaccess, &LldpApplicationTypeOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.2", "VLAN ID",                           integer,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.3", "Priority",                          integer,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.4", "Differentiated Service Code Point", integer,   readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.5", "Unknown",                           integer,   readonly,  &TrueFalseOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.3.2.1.6", "Tagged",                            integer,   readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.3.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data Inventory Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table40[] = {
    {" ",                                 "Time Mark",         timeticks,  notaccess, nullptr},
    {" ",                                 "Local Port Number", integer,    notaccess, nullptr},
    {" ",                                 "Index",             integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.1", "Hardware Revision", displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.2", "Firmware Revision", displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.3", "Software Revision", displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.4", "Serial Number",     displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.5", "Manufacturer Name", displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.6", "Model Name",        displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.3.1.7", "Asset ID",          displaystr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.4.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data Location Table" as MVT_FMV with 4 key columns.
constexpr VarDescriptor Table41[] = {
    {" ",                                 "Time Mark",         timeticks,  notaccess, nullptr},
    {" ",                                 "Local Port Number", integer,    notaccess, nullptr},
    {" ",                                 "Index",             integer,    notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.4.1.1", "Subtype",           integer,    notaccess, &LldpLocationSubtypeOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.3.4.1.2", "Information",       displaystr, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.5.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data XPoE Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table42[] = {
    {" ",                                 "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number", integer,   notaccess, nullptr},
    {" ",                                 "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.5.1.1", "Device Type",       integer,   readonly,  &LldpDeviceTypeOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.6.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data XPoE PSE Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table43[] = {
    {" ",                                 "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number", integer,   notaccess, nullptr},
    {" ",                                 "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.1", "Power Av",          guage,     readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.2", "Power Source",      integer,   readonly,  &LldpPowerSourceOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.3.6.1.3", "Priority",          integer,   readonly,  &LldpPriorityOptions},
    {},
};

// Key: 1.0.8802.1.1.2.1.5.4795.1.3.7.1.1 (after 3 index-only columns)
// Read by the window "LLDP-MED Remote Data XPoE PD Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table44[] = {
    {" ",                                 "Time Mark",         timeticks, notaccess, nullptr},
    {" ",                                 "Local Port Number", integer,   notaccess, nullptr},
    {" ",                                 "Index",             integer,   notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.1", "Required",          guage,     readonly,  nullptr},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.2", "Source",            integer,   readonly,  &LldpSourceOptions},
    {"1.0.8802.1.1.2.1.5.4795.1.3.7.1.3", "Priority",          integer,   readonly,  &LldpPriorityOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
    {Table18}, {Table19}, {Table20}, {Table21}, {Table22}, {Table23}, {Table24}, {Table25},
    {Table26}, {Table27}, {Table28}, {Table29}, {Table30}, {Table31}, {Table32}, {Table33},
    {Table34}, {Table35}, {Table36}, {Table37}, {Table38}, {Table39}, {Table40}, {Table41},
    {Table42}, {Table43}, {Table44},
};

constexpr MvOptionList* const OptionLists[] = {
    &TrueFalseOptions, &ChassisIdSubtypeOptions, &PortIdSubtypeOptions, &LldpPowerPortClassOptions,
    &LldpAddressSubtypeOptions, &LldpIFSubtypeOptions, &LldpAddressSubtype2Options,
    &LldpDeviceClassOptions, &LldpApplicationTypeOptions, &LldpLocationSubtypeOptions,
    &LldpPriorityOptions, &LldpAdministrationStateOptions, &LldpDeviceTypeOptions,
    &LldpPowerSourceOptions, &LldpSourceOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    ChassisIdSubtypeOptions.Init(ChassisIdSubtypeItems, 1, false);
    PortIdSubtypeOptions.Init(PortIdSubtypeItems, 1, false);
    LldpPowerPortClassOptions.Init(LldpPowerPortClassItems, 1, false);
    LldpAddressSubtypeOptions.Init(LldpAddressSubtypeItems, 1, false);
    LldpIFSubtypeOptions.Init(LldpIFSubtypeItems, 1, false);
    LldpAddressSubtype2Options.Init(LldpAddressSubtype2Items, 1, false);
    LldpDeviceClassOptions.Init(LldpDeviceClassItems, 1, false);
    LldpApplicationTypeOptions.Init(LldpApplicationTypeItems, 1, false);
    LldpLocationSubtypeOptions.Init(LldpLocationSubtypeItems, 1, false);
    LldpPriorityOptions.Init(LldpPriorityItems, 1, false);
    LldpAdministrationStateOptions.Init(LldpAdministrationStateItems, 1, false);
    LldpDeviceTypeOptions.Init(LldpDeviceTypeItems, 1, false);
    LldpPowerSourceOptions.Init(LldpPowerSourceItems, 1, false);
    LldpSourceOptions.Init(LldpSourceItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    LldpSourceOptions.Free();
    LldpPowerSourceOptions.Free();
    LldpDeviceTypeOptions.Free();
    LldpAdministrationStateOptions.Free();
    LldpPriorityOptions.Free();
    LldpLocationSubtypeOptions.Free();
    LldpApplicationTypeOptions.Free();
    LldpDeviceClassOptions.Free();
    LldpAddressSubtype2Options.Free();
    LldpIFSubtypeOptions.Free();
    LldpAddressSubtypeOptions.Free();
    LldpPowerPortClassOptions.Free();
    PortIdSubtypeOptions.Free();
    ChassisIdSubtypeOptions.Free();
    TrueFalseOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_lldp", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_lldp
