// Oid_lacpoam: IEEE 802.3ad LAG MIB, Ethernet OAM MIB, 1.3.6.1.4.1.171.12.67, L2 protocol tunnel
// 1.3.6.1.4.1.171.12.93.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_lacpoam {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem LacpOamOperationStatusItems[] = {
    {1, "disabled"},
    {2, "linkFault"},
    {3, "passiveWait"},
    {4, "activeSendLocal"},
    {5, "sendLocalAndRemote"},
    {6, "sendLocalAndRemoteOk"},
    {7, "oamPeeringLocallyRejected"},
    {8, "oamPeeringRemotelyRejected"},
    {9, "operational"},
    {10, "nonOperHalfDuplex"},
    {},
};
constexpr OptionItem LacpOamEventLogTypeItems[] = {
    {1, "erroredSymbolEvent"},
    {2, "erroredFramePeriodEvent"},
    {3, "erroredFrameEvent"},
    {4, "erroredFrameSecondsEvent"},
    {256, "linkFault"},
    {257, "dyingGaspEvent"},
    {258, "criticalLinkEvent"},
    {},
};
constexpr OptionItem LacpOamModeItems[] = {{1, "passive"}, {2, "active"}, {}};
constexpr OptionItem LacpOamMode2Items[] = {{1, "passive"}, {2, "active"}, {3, "unknown"}, {}};
constexpr OptionItem LacpOamLoopbackStatusItems[] = {
    {1, "noLoopback"},
    {2, "initiatingLoopback"},
    {3, "remoteLoopback"},
    {4, "terminatingLoopback"},
    {5, "localLoopback"},
    {6, "unknown"},
    {},
};
constexpr OptionItem LacpOamLoopbackIgnoreRXItems[] = {{1, "ignore"}, {2, "process"}, {}};
constexpr OptionItem LacpOamEventLogLocationItems[] = {{1, "local"}, {2, "remote"}, {}};
constexpr OptionItem LacpOamMethodItems[] = {{1, "other"}, {2, "internal"}, {3, "external"}, {}};
constexpr OptionItem LacpOamMode3Items[] = {
    {1, "other"},
    {2, "mac"},
    {3, "phy-copper"},
    {4, "phy-fiber"},
    {},
};
constexpr OptionItem LacpOamStatusItems[] = {{1, "other"}, {2, "success"}, {3, "fail"}, {}};
constexpr OptionItem LacpOamPortTypeItems[] = {{1, "none"}, {2, "uni"}, {3, "nni"}, {}};
constexpr OptionItem LacpOamProtocolIndexItems[] = {
    {1, "stp"},
    {2, "gvrp"},
    {3, "mac-01-00-0C-CC-CC-CC"},
    {4, "mac-01-00-0C-CC-CC-CD"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList LacpOamOperationStatusOptions;
constinit MvOptionList LacpOamEventLogTypeOptions;
constinit MvOptionList LacpOamModeOptions;
constinit MvOptionList LacpOamMode2Options;
constinit MvOptionList LacpOamLoopbackStatusOptions;
constinit MvOptionList LacpOamLoopbackIgnoreRXOptions;
constinit MvOptionList LacpOamEventLogLocationOptions;
constinit MvOptionList LacpOamMethodOptions;
constinit MvOptionList LacpOamMode3Options;
constinit MvOptionList LacpOamStatusOptions;
constinit MvOptionList LacpOamPortTypeOptions;
constinit MvOptionList LacpOamProtocolIndexOptions;

// Descriptor tables.

// Key: 1.2.840.10006.300.43.1.1.1.1.1 "Index", 11 rows
// Read by the window "802.3ad Aggregator Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1",  "Index",                          integer,    notaccess, nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.2",  "MAC Address",                    macaddress, readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.3",  "Actor System Priority",          integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.4",  "Actor System ID",                macaddress, readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.5",  "Aggregate Or Individual",        integer,    readonly,  &TrueFalseOptions},
    {"1.2.840.10006.300.43.1.1.1.1.6",  "Actor Administration Value Key", integer,    readwrite, nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.7",  "Actor Operational Value Key",    integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.8",  "Partner System ID",              macaddress, readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.9",  "Partner System Priority",        integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.10", "Partner Operational Value Key",  integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.1.1.1.11", "Collector Max. Delay",           integer,    readonly,  nullptr},
    {},
};

// Key: 1.2.840.10006.300.43.1.1.1.1.1 "Index", 2 rows
// Read by the window "802.3ad Aggregator Port List Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.2.840.10006.300.43.1.1.1.1.1", "Index",       integer, notaccess, nullptr},
    {"1.2.840.10006.300.43.1.1.2.1.1", "Ports      ", bitlist, readonly,  nullptr},
    {},
};

// Key: 1.2.840.10006.300.43.1.2.1.1.1
// Read by TAggregatorPortTableForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.2.840.10006.300.43.1.2.1.1.1",  "Port Index",                             integer,    notaccess, nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.2",  "Actor System Priority",                  integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.3",  "Actor System ID",                        macaddress, readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.4",  "Actor Administration Key",               integer,    readwrite, nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.5",  "Actor Operation Key",                    integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.6",  "Partner Administration System Priority", integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.7",  "Partner Operation System Priority",      integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.8",  "Partner Administration System ID",       macaddress, readwrite, nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.9",  "Partner Operation System ID",            macaddress, readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.10", "Partner Administration Key",             integer,    readwrite, nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.11", "Partner Operation Key",                  integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.12", "Selected Aggregation ID",                integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.13", "Attached Aggregation ID",                integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.14", "Actor Port",                             integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.15", "Actor Port Priority",                    integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.16", "Partner Administration Port",            integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.17", "Partner Operation Port",                 integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.18", "Partner Administration Port Priority",   integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.19", "Partner Operation Port Priority",        integer,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.20", "Actor Administration State",             bitlist,    readwrite, nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.21", "Actor Operation State",                  bitlist,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.22", "Partner Administration State",           bitlist,    readwrite, nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.23", "Partner Operation State",                bitlist,    readonly,  nullptr},
    {"1.2.840.10006.300.43.1.2.1.1.24", "Aggregate Or Individual",                integer,    readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.2.1.158.1.1.1.1 (after an index-only column)
// Read by the window "Dot3 OAM Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {" ",                       "IF Index",             integer,  notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.1.1.1", "Administration State", integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.2.1.158.1.1.1.2", "Operation Status",     integer,  readonly,  &LacpOamOperationStatusOptions},
    {"1.3.6.1.2.1.158.1.1.1.3", " Mode",                integer,  readwrite, &LacpOamModeOptions},
    {"1.3.6.1.2.1.158.1.1.1.4", "Max. OAM PDU Size",    guage,    readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.1.1.5", "PDU Revision",         guage,    readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.1.1.6", "Functions Supported",  octetstr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.158.1.2.1.1 (after an index-only column)
// Read by the window "Dot3 OAM Peer Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {" ",                       "IF Index",            integer,    notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.1", "MAC Address",         macaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.2.1.2", "Vendor OUI",          displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.2.1.3", "Vendor Information",  guage,      readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.2.1.4", "Mode",                integer,    readonly,  &LacpOamMode2Options},
    {"1.3.6.1.2.1.158.1.2.1.5", "Max. OAM PDU Size",   guage,      readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.2.1.6", "PDU Revision",        guage,      readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.2.1.7", "Functions Supported", octetstr,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.158.1.3.1.1 (after an index-only column)
// Read by the window "Dot3 OAM Loopback Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {" ",                       "IF Index",           integer, notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.3.1.1", "Loopback Status",    integer, readwrite, &LacpOamLoopbackStatusOptions},
    {"1.3.6.1.2.1.158.1.3.1.2", "Loopback Ignore RX", integer, readwrite, &LacpOamLoopbackIgnoreRXOptions},
    {},
};

// Key: 1.3.6.1.2.1.158.1.4.1.1 (after an index-only column)
// Read by the window "Dot3 OAM Statistics Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {" ",                        "IF Index",                        integer, notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.1",  "Information TX",                  counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.2",  "Information RX",                  counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.3",  "Unique Event Notification TX",    counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.4",  "Unique Event Notification RX",    counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.5",  "Duplicate Event Notification TX", counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.6",  "Duplicate Event Notification RX", counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.7",  "Loopback Control TX",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.8",  "Loopback Control RX",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.9",  "Variable Request TX",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.10", "Variable Request RX",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.11", "Variable Response TX",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.12", "Variable Response RX",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.13", "Organization Specific TX",        counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.14", "Organization Specific RX",        counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.15", "Unsupported Codes TX",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.16", "Unsupported Codes RX",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.4.1.17", "Frames Lost Due To OAM",          counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.158.1.5.1.1 (after an index-only column)
// Read by the window "Dot3 OAM Event Configuration Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table8[] = {
    {" ",                        "IF Index",                                      integer, notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.1",  "Error Symbol Period Window High",               guage,   readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.5.1.2",  "Error Symbol Period Window Low (unit:ms)",      guage,   readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.3",  "Error Symbol Period Threshold High",            guage,   readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.5.1.4",  "Error Symbol Period Threshold Low",             guage,   readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.5",  "Error Symbol Period Event Notification Enable", integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.158.1.5.1.6",  "Error Frame Period Window",                     guage,   readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.7",  "Error Frame Period Threshold",                  guage,   readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.8",  "Error Frame Period Event Notification Enable",  integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.158.1.5.1.9",  "Error Frame Window (unit:100ms)",               guage,   readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.10", "Error Frame Threshold",                         guage,   readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.11", "Error Frame Event Notification Enable",         integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.158.1.5.1.12", "Error Frame Secs Summary Window (unit:100ms)",  integer, readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.13", "Error Frame Secs Summary Threshold",            integer, readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.14", "Error Frame Secs Event Notification Enable",    integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.158.1.5.1.15", "Dying Gasp Enable",                             integer, readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.158.1.5.1.16", "Critical Event Enable",                         integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.2.1.158.1.6.1.1 (after an index-only column)
// Read by the window "Dot3 OAM Event Log Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {" ",                        "IF Index",                  integer,   notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.1",  "Event Log Index",           integer,   notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.2",  "Event Log Timestamp",       timeticks, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.3",  "Event Log OUI",             octetstr,  readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.4",  "Event Log Type",            guage,     readonly,  &LacpOamEventLogTypeOptions},
    {"1.3.6.1.2.1.158.1.6.1.5",  "Event Log Location",        integer,   readonly,  &LacpOamEventLogLocationOptions},
    {"1.3.6.1.2.1.158.1.6.1.6",  "Event Log Window High",     guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.7",  "Event Log Window Low",      guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.8",  "Event Log  Threshold High", guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.9",  "Event Log Threshold Low",   guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.10", "Event Log Value",           counter64, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.11", "Event Log Running Total",   counter64, readonly,  nullptr},
    {"1.3.6.1.2.1.158.1.6.1.12", "Event Log Event Total",     guage,     readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.67.3.1.1.1
// Read by the window "Local Loopback Configuration Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.67.3.1.1.1", "Port",   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.67.3.1.1.2", "Method", integer, readwrite, &LacpOamMethodOptions},
    {"1.3.6.1.4.1.171.12.67.3.1.1.3", "Mode",   integer, readwrite, &LacpOamMode3Options},
    {"1.3.6.1.4.1.171.12.67.3.1.1.4", "State",  integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.67.3.2.1.1 (after an index-only column)
// Read by the window "Local Loopback Result Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table11[] = {
    {" ",                             "Port",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.1", "64 TX",   counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.2", "64 RX",   counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.3", "512 TX",  counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.4", "512 RX",  counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.5", "1024 TX", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.6", "1024 RX", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.7", "1536 TX", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.8", "1536 RX", counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.67.3.2.1.9", "Status",  integer, readonly,  &LacpOamStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.93.1.1
// Read by the window "L2 Protocol Tunnel Global State Settings" as SVT_SV.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.93.1.1", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.93.1.2.1.1
// Read by TL2PTPPortForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.93.1.2.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.93.1.2.1.2", "Port Type",  integer, readwrite, &LacpOamPortTypeOptions},
    {"1.3.6.1.4.1.171.12.93.1.2.1.3", "Protocol",   bitstr,  readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.93.1.3.1.1 (after an index-only column)
// Read by the window "L2 Protocol Tunnel Threshold Entry Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table14[] = {
    {" ",                             "Port Index",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.93.1.3.1.1", "Protocol Index", integer, notaccess, &LacpOamProtocolIndexOptions},
    {"1.3.6.1.4.1.171.12.93.1.3.1.2", "Drop Threshold", integer, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &TrueFalseOptions, &LacpOamOperationStatusOptions,
    &LacpOamEventLogTypeOptions, &LacpOamModeOptions, &LacpOamMode2Options,
    &LacpOamLoopbackStatusOptions, &LacpOamLoopbackIgnoreRXOptions, &LacpOamEventLogLocationOptions,
    &LacpOamMethodOptions, &LacpOamMode3Options, &LacpOamStatusOptions, &LacpOamPortTypeOptions,
    &LacpOamProtocolIndexOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    LacpOamOperationStatusOptions.Init(LacpOamOperationStatusItems, 1, false);
    LacpOamEventLogTypeOptions.Init(LacpOamEventLogTypeItems, 1, false);
    LacpOamModeOptions.Init(LacpOamModeItems, 1, false);
    LacpOamMode2Options.Init(LacpOamMode2Items, 1, false);
    LacpOamLoopbackStatusOptions.Init(LacpOamLoopbackStatusItems, 1, false);
    LacpOamLoopbackIgnoreRXOptions.Init(LacpOamLoopbackIgnoreRXItems, 1, false);
    LacpOamEventLogLocationOptions.Init(LacpOamEventLogLocationItems, 1, false);
    LacpOamMethodOptions.Init(LacpOamMethodItems, 1, false);
    LacpOamMode3Options.Init(LacpOamMode3Items, 1, false);
    LacpOamStatusOptions.Init(LacpOamStatusItems, 1, false);
    LacpOamPortTypeOptions.Init(LacpOamPortTypeItems, 1, false);
    LacpOamProtocolIndexOptions.Init(LacpOamProtocolIndexItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    LacpOamProtocolIndexOptions.Free();
    LacpOamPortTypeOptions.Free();
    LacpOamStatusOptions.Free();
    LacpOamMode3Options.Free();
    LacpOamMethodOptions.Free();
    LacpOamEventLogLocationOptions.Free();
    LacpOamLoopbackIgnoreRXOptions.Free();
    LacpOamLoopbackStatusOptions.Free();
    LacpOamMode2Options.Free();
    LacpOamModeOptions.Free();
    LacpOamEventLogTypeOptions.Free();
    LacpOamOperationStatusOptions.Free();
    TrueFalseOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_lacpoam", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_lacpoam
