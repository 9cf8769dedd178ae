// Oid_cfm: per-model CFM state, IEEE 802.1ag CFM MIB, AIS and LCK 1.3.6.1.4.1.171.12.86.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_cfm {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem CfmDirectionItems[] = {{1, "down"}, {2, "up"}, {}};
constexpr OptionItem CfmInterfaceStatusTLVItems[] = {
    {0, "isNoInterfaceStatusTLV"},
    {1, "isUp"},
    {2, "isDown"},
    {3, "isTesting"},
    {4, "isUnknown"},
    {5, "isDormant"},
    {6, "isNotPresent"},
    {7, "isLowerLayerDown"},
    {},
};
constexpr OptionItem CfmAISPeriodItems[] = {{1, "one-second"}, {2, "one-minute"}, {}};
constexpr OptionItem CfmAISStatusItems[] = {{1, "detected"}, {2, "cleared"}, {}};
constexpr OptionItem CfmFormatItems[] = {{4, "charString"}, {}};
constexpr OptionItem CfmMHFCreationItems[] = {
    {1, "defMHFnone"},
    {2, "defMHFdefault"},
    {3, "defMHFexplicit"},
    {},
};
constexpr OptionItem CfmMHFIDPermissionItems[] = {
    {1, "sendIdNone"},
    {2, "sendIdChassis"},
    {3, "sendIdManage"},
    {4, "sendIdChassisManage"},
    {},
};
constexpr OptionItem CfmMANetFormatItems[] = {{2, "charString"}, {}};
constexpr OptionItem CfmMANetCCMIntervalItems[] = {
    {2, "interval10ms"},
    {3, "interval100ms"},
    {4, "interval1s"},
    {5, "interval10s"},
    {6, "interval1min"},
    {7, "interval10min"},
    {},
};
constexpr OptionItem CfmMHFCreation2Items[] = {
    {1, "defMHFnone"},
    {2, "defMHFdefault"},
    {3, "defMHFexplicit"},
    {4, "defMHFdefer"},
    {},
};
constexpr OptionItem CfmPermissionItems[] = {
    {1, "sendIdNone"},
    {2, "sendIdChassis"},
    {3, "sendIdManage"},
    {4, "sendIdChassisManage"},
    {5, "sendIdDefer"},
    {},
};
constexpr OptionItem CfmFNGStateItems[] = {
    {1, "fngReset"},
    {2, "fngDefect"},
    {3, "fngReportDefect"},
    {4, "fngDefectReported"},
    {5, "fngDefectClearing"},
    {},
};
constexpr OptionItem CfmLowestPriorityDefectItems[] = {
    {1, "allDef"},
    {2, "macRemErrXcon"},
    {3, "remErrXcon"},
    {4, "errXcon"},
    {5, "xcon"},
    {6, "noXcon"},
    {},
};
constexpr OptionItem CfmHighestPriorityDefectItems[] = {
    {0, "none"},
    {1, "defRDICCM"},
    {2, "defMACstatus"},
    {3, "defRemoteCCM"},
    {4, "defErrorCCM"},
    {5, "defXconCCM"},
    {},
};
constexpr OptionItem CfmRelayItems[] = {{1, "rlyHit"}, {2, "rlyFdb"}, {3, "rlyMpdb"}, {}};
constexpr OptionItem CfmIngressItems[] = {
    {0, "ingNoTlv"},
    {1, "ingOk"},
    {2, "ingDown"},
    {3, "ingBlocked"},
    {4, "ingVid"},
    {},
};
constexpr OptionItem CfmEgressItems[] = {
    {0, "egrNoTlv"},
    {1, "egrOK"},
    {2, "egrDown"},
    {3, "egrBlocked"},
    {4, "egrVid"},
    {},
};
constexpr OptionItem CfmRemoteMepStateItems[] = {
    {1, "rMepIdle"},
    {2, "rMepStart"},
    {3, "rMepFailed"},
    {4, "rMepOk"},
    {},
};
constexpr OptionItem CfmPortStatusTLVItems[] = {{0, "psNoPortStateTLV"}, {1, "psBlocked"}, {2, "psUp"}, {}};
constexpr OptionItem CfmLockControlActionItems[] = {{1, "start"}, {2, "stop"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList CfmDirectionOptions;
constinit MvOptionList CfmInterfaceStatusTLVOptions;
constinit MvOptionList CfmAISPeriodOptions;
constinit MvOptionList CfmAISStatusOptions;
constinit MvOptionList CfmFormatOptions;
constinit MvOptionList CfmMHFCreationOptions;
constinit MvOptionList CfmMHFIDPermissionOptions;
constinit MvOptionList CfmMANetFormatOptions;
constinit MvOptionList CfmMANetCCMIntervalOptions;
constinit MvOptionList CfmMHFCreation2Options;
constinit MvOptionList CfmPermissionOptions;
constinit MvOptionList CfmFNGStateOptions;
constinit MvOptionList CfmLowestPriorityDefectOptions;
constinit MvOptionList CfmHighestPriorityDefectOptions;
constinit MvOptionList CfmRelayOptions;
constinit MvOptionList CfmIngressOptions;
constinit MvOptionList CfmEgressOptions;
constinit MvOptionList CfmRemoteMepStateOptions;
constinit MvOptionList CfmPortStatusTLVOptions;
constinit MvOptionList CfmLockControlActionOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.2.21.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "CFM Global State" as SVT_SV.
constexpr VarDescriptor Table1Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.21.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table1Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.21.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table1Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.21.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table1Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.21.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.1.2.21.2.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "CFM Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.21.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.1.2.21.2.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table2Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.21.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.1.2.21.2.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table2Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.21.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.1.2.21.2.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table2Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.21.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.1.2.21.2.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.1.1.1.1
// Read by the window "CFM Stack Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.111.2.802.1.1.8.1.1.1.1.1", "IF Index",        integer,    notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.2", "VLAN ID or None", integer,    notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.3", "MD Level",        integer,    notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.4", "Direction",       integer,    notaccess, &CfmDirectionOptions},
    {"1.3.111.2.802.1.1.8.1.1.1.1.5", "MD Index",        guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.6", "MA Index",        guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.7", "MEP ID",          guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.8", "MAC Address",     macaddress, readonly,  nullptr},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.5.1
// Read by the window "CFM MD Next Index" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.111.2.802.1.1.8.1.5.1", "MD Table Next Index", guage, readonly, nullptr},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.5.2.1.1
// Read by the window "CFM MD Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.111.2.802.1.1.8.1.5.2.1.1", "MD Index",          guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.2", "Format",            integer,    readwrite, &CfmFormatOptions},
    {"1.3.111.2.802.1.1.8.1.5.2.1.3", "Name",              displaystr, readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.4", "MD Level",          integer,    readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.5", "MHF Creation",      integer,    readwrite, &CfmMHFCreationOptions},
    {"1.3.111.2.802.1.1.8.1.5.2.1.6", "MHF ID Permission", integer,    readwrite, &CfmMHFIDPermissionOptions},
    {"1.3.111.2.802.1.1.8.1.5.2.1.7", "MA Next Index",     guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.8", "Row Status",        integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.6.1.1.1 (after an index-only column)
// Read by the window "CFM MA Net Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {" ",                             "MD Index",            guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.1.1.1", "MA Index",            guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.1.1.2", "MA Net Format",       integer,    readwrite, &CfmMANetFormatOptions},
    {"1.3.111.2.802.1.1.8.1.6.1.1.3", "MA Net Name",         displaystr, readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.1.1.4", "MA Net CCM Interval", integer,    readwrite, &CfmMANetCCMIntervalOptions},
    {"1.3.111.2.802.1.1.8.1.6.1.1.5", "Row Status",          integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.6.2.1.1
// Read by the window "CFM MA Component Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table7[] = {
    {"1.3.111.2.802.1.1.8.1.6.2.1.1", "Component ID",                               guage,   notaccess, nullptr},
    {" ",                             "MD Index",                                   guage,   notaccess, nullptr},
    {" ",                             "MA Index",                                   guage,   notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.2.1.2", "Primary VLAN ID",                            integer, readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.2.1.3", "MHF Creation",                               integer, readwrite, &CfmMHFCreation2Options},
    {"1.3.111.2.802.1.1.8.1.6.2.1.4", "Permission",                                 integer, readwrite, &CfmPermissionOptions},
    {"1.3.111.2.802.1.1.8.1.6.2.1.5", "Number of VLAN IDs (Only Support one VLAN)", guage,   readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.6.2.1.6", "Row Status",                                 integer, readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.6.3.1.1 (after 2 index-only columns)
// Read by the window "CFM MA MEP List Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table8[] = {
    {" ",                             "MD Index",   guage,   notaccess, nullptr},
    {" ",                             "MA Index",   guage,   notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.3.1.1", "Identifier", guage,   notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.3.1.2", "Row Status", integer, readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.7.1.1.1 (after 2 index-only columns)
// Read by the window "CFM MEP Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table9[] = {
    {" ",                              "MD Index",                                  guage,      notaccess, nullptr},
    {" ",                              "MA Index",                                  guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.1",  "Identifier",                                guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.2",  "IF Index",                                  integer,    readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.3",  "Direction",                                 integer,    readwrite, &CfmDirectionOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.4",  "Primary VLAN ID",                           guage,      readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.5",  "Active",                                    integer,    readwrite, &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.6",  "FNG State",                                 integer,    readonly,  &CfmFNGStateOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.7",  "CCI Enabled",                               integer,    readwrite, &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.8",  "CCM LTM Priority",                          guage,      readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.9",  "MAC Address",                               macaddress, readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.10", "Lowest Priority Defect",                    integer,    readwrite, &CfmLowestPriorityDefectOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.11", "FNG Alarm Time",                            integer,    readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.12", "FNG Reset Time",                            integer,    readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.13", "Highest Priority Defect",                   integer,    readonly,  &CfmHighestPriorityDefectOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.17", "CCM Sequence Errors",                       counter,    readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.18", "CCI Sent CCMs",                             counter,    readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.19", "Next Loopback Message Transmit ID",         guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.20", "In-order Loopback Replies Received",        counter,    readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.21", "Out-of-order Loopback Replies Received",    counter,    readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.23", "Next Sequence Number of Linktrace Message", guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.24", "Unexpected Linktrace Message Received",     counter,    readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.25", "Loopback Replies Transmitted",              counter,    readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.26", "Transmit LBM Status",                       integer,    readwrite, &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.27", "Transmit LBM Destination MAC Address",      macaddress, readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.30", "Transmit LBM Messages",                     integer,    readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.31", "Transmit LBM Data TLV",                     octetstr,   readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.32", "Transmit LBM VLAN Priority",                integer,    readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.34", "Transmit LBM Result OK",                    integer,    readonly,  &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.35", "Transmit LBM Sequence Number",              guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.36", "Transmit LTM State",                        integer,    readwrite, &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.37", "Transmit LTM Flags",                        octetstr,   readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.38", "Transmit LTM Target MAC Address",           macaddress, readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.41", "Transmit LTM TTL",                          guage,      readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.42", "Transmit LTM Result",                       integer,    readonly,  &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.1.1.43", "Transmit LTM Sequence Number",              guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.45", "Row Status",                                integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.7.2.1.1 (after 3 index-only columns)
// Read by the window "CFM Linktrace Replies Table" as MVT_UMV with 5 key columns.
constexpr VarDescriptor Table10[] = {
    {" ",                              "MD Index",               guage,      notaccess, nullptr},
    {" ",                              "MA Index",               guage,      notaccess, nullptr},
    {" ",                              "MEP Identifier",         guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.1",  "Sequence Number",        guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.2",  "Receive Order",          guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.3",  "TTL",                    guage,      readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.4",  "Forwarded",              integer,    readonly,  &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.2.1.5",  "Terminal MEP",           integer,    readonly,  &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.2.1.6",  "Last Egress Identifier", octetstr,   readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.7",  "Next Egress Identifier", octetstr,   readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.8",  "Relay",                  integer,    readonly,  &CfmRelayOptions},
    {"1.3.111.2.802.1.1.8.1.7.2.1.13", "Ingress",                integer,    readonly,  &CfmIngressOptions},
    {"1.3.111.2.802.1.1.8.1.7.2.1.14", "Ingress MAC",            macaddress, readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.17", "Egress",                 integer,    readonly,  &CfmEgressOptions},
    {"1.3.111.2.802.1.1.8.1.7.2.1.18", "Egress MAC",             macaddress, readonly,  nullptr},
    {},
};

// Key: 1.3.111.2.802.1.1.8.1.7.3.1.1 (after 3 index-only columns)
// Read by the window "CFM MEP Database Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table11[] = {
    {" ",                             "MD Index",                  guage,      notaccess, nullptr},
    {" ",                             "MA Index",                  guage,      notaccess, nullptr},
    {" ",                             "MEP Identifier",            guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.1", "Remote Mep Identifier",     guage,      notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.2", "Remote Mep State",          integer,    readonly,  &CfmRemoteMepStateOptions},
    {"1.3.111.2.802.1.1.8.1.7.3.1.3", "Remote Mep Failed Ok Time", timeticks,  readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.4", "MAC Address",               macaddress, readonly,  nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.5", "RDI",                       integer,    readonly,  &TrueFalseOptions},
    {"1.3.111.2.802.1.1.8.1.7.3.1.6", "Port Status TLV",           integer,    readonly,  &CfmPortStatusTLVOptions},
    {"1.3.111.2.802.1.1.8.1.7.3.1.7", "Interface Status TLV",      integer,    readonly,  &CfmInterfaceStatusTLVOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.86.1.1.1.1 (after 3 index-only columns)
// Read by the window "CFM Extension Fault Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table12[] = {
    {" ",                             "MD Index",       guage,   notaccess, nullptr},
    {" ",                             "MA Index",       guage,   notaccess, nullptr},
    {" ",                             "MEP Identifier", guage,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.86.1.1.1.1", "AIS State",      integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.86.1.1.1.2", "AIS Period",     integer, readwrite, &CfmAISPeriodOptions},
    {"1.3.6.1.4.1.171.12.86.1.1.1.3", "AIS Level",      integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.86.1.1.1.4", "AIS Status",     integer, readonly,  &CfmAISStatusOptions},
    {"1.3.6.1.4.1.171.12.86.1.1.1.5", "Lock State",     integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.86.1.1.1.6", "Lock Period",    integer, readwrite, &CfmAISPeriodOptions},
    {"1.3.6.1.4.1.171.12.86.1.1.1.7", "Lock Level",     integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.86.1.1.1.8", "Lock Status",    integer, readonly,  &CfmAISStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.86.1.2.1.1 (after 4 index-only columns)
// Read by the window "CFM Extension Lock Control Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table13[] = {
    {" ",                             "MD Index",            guage,   notaccess, nullptr},
    {" ",                             "MA Index",            guage,   notaccess, nullptr},
    {" ",                             "MEP Identifier",      guage,   notaccess, nullptr},
    {" ",                             "MEP List Identifier", guage,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.86.1.2.1.1", "Lock Control Action", integer, readwrite, &CfmLockControlActionOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.86.100.1.1
// Read by the window "CFM Extension Notify State" as SVT_SV.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.86.100.1.1", "AIS Notify State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.86.100.1.2", "Lock Notify State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1Model1, 1}, {Table1Model2, 2}, {Table1Model3, 3}, {Table1Model4, 4}, {Table2Model1, 1},
    {Table2Model2, 2}, {Table2Model3, 3}, {Table2Model4, 4}, {Table3}, {Table4}, {Table5}, {Table6},
    {Table7}, {Table8}, {Table9}, {Table10}, {Table11}, {Table12}, {Table13}, {Table14},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &TrueFalseOptions, &RowStatusShortOptions, &CfmDirectionOptions,
    &CfmInterfaceStatusTLVOptions, &CfmAISPeriodOptions, &CfmAISStatusOptions, &CfmFormatOptions,
    &CfmMHFCreationOptions, &CfmMHFIDPermissionOptions, &CfmMANetFormatOptions,
    &CfmMANetCCMIntervalOptions, &CfmMHFCreation2Options, &CfmPermissionOptions,
    &CfmFNGStateOptions, &CfmLowestPriorityDefectOptions, &CfmHighestPriorityDefectOptions,
    &CfmRelayOptions, &CfmIngressOptions, &CfmEgressOptions, &CfmRemoteMepStateOptions,
    &CfmPortStatusTLVOptions, &CfmLockControlActionOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    CfmDirectionOptions.Init(CfmDirectionItems, 1, false);
    CfmInterfaceStatusTLVOptions.Init(CfmInterfaceStatusTLVItems, 1, false);
    CfmAISPeriodOptions.Init(CfmAISPeriodItems, 1, false);
    CfmAISStatusOptions.Init(CfmAISStatusItems, 1, false);
    CfmFormatOptions.Init(CfmFormatItems, 1, false);
    CfmMHFCreationOptions.Init(CfmMHFCreationItems, 1, false);
    CfmMHFIDPermissionOptions.Init(CfmMHFIDPermissionItems, 1, false);
    CfmMANetFormatOptions.Init(CfmMANetFormatItems, 1, false);
    CfmMANetCCMIntervalOptions.Init(CfmMANetCCMIntervalItems, 1, false);
    CfmMHFCreation2Options.Init(CfmMHFCreation2Items, 1, false);
    CfmPermissionOptions.Init(CfmPermissionItems, 1, false);
    CfmFNGStateOptions.Init(CfmFNGStateItems, 1, false);
    CfmLowestPriorityDefectOptions.Init(CfmLowestPriorityDefectItems, 1, false);
    CfmHighestPriorityDefectOptions.Init(CfmHighestPriorityDefectItems, 1, false);
    CfmRelayOptions.Init(CfmRelayItems, 1, false);
    CfmIngressOptions.Init(CfmIngressItems, 1, false);
    CfmEgressOptions.Init(CfmEgressItems, 1, false);
    CfmRemoteMepStateOptions.Init(CfmRemoteMepStateItems, 1, false);
    CfmPortStatusTLVOptions.Init(CfmPortStatusTLVItems, 1, false);
    CfmLockControlActionOptions.Init(CfmLockControlActionItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    CfmLockControlActionOptions.Free();
    CfmPortStatusTLVOptions.Free();
    CfmRemoteMepStateOptions.Free();
    CfmEgressOptions.Free();
    CfmIngressOptions.Free();
    CfmRelayOptions.Free();
    CfmHighestPriorityDefectOptions.Free();
    CfmLowestPriorityDefectOptions.Free();
    CfmFNGStateOptions.Free();
    CfmPermissionOptions.Free();
    CfmMHFCreation2Options.Free();
    CfmMANetCCMIntervalOptions.Free();
    CfmMANetFormatOptions.Free();
    CfmMHFIDPermissionOptions.Free();
    CfmMHFCreationOptions.Free();
    CfmFormatOptions.Free();
    CfmAISStatusOptions.Free();
    CfmAISPeriodOptions.Free();
    CfmInterfaceStatusTLVOptions.Free();
    CfmDirectionOptions.Free();
    RowStatusShortOptions.Free();
    TrueFalseOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_cfm", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_cfm
