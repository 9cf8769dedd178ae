// Oid_equipment: equipment 1.3.6.1.4.1.171.12.11, SNMP group.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_equipment {
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
constexpr OptionItem EquipmentStateItems[] = {
    {0, "other"},
    {1, "lowVoltage"},
    {2, "overCurrent"},
    {3, "working"},
    {4, "fail"},
    {5, "connect"},
    {6, "disconnect"},
    {},
};
constexpr OptionItem EquipmentCurrentModeItems[] = {
    {1, "other"},
    {2, "auto"},
    {3, "stand-alone"},
    {4, "master"},
    {5, "slave"},
    {6, "backup-master"},
    {},
};
constexpr OptionItem EquipmentExistStateItems[] = {{1, "exist"}, {2, "no-exist"}, {}};
constexpr OptionItem EquipmentBoxIDItems[] = {
    {1, "box-1"},
    {2, "box-2"},
    {3, "box-3"},
    {4, "box-4"},
    {5, "box-5"},
    {6, "box-6"},
    {13, "auto"},
    {},
};
constexpr OptionItem EquipmentControlModeItems[] = {
    {1, "other"},
    {2, "auto"},
    {3, "stand-alone"},
    {4, "master"},
    {5, "slave"},
    {},
};
constexpr OptionItem EquipmentUserSetStateItems[] = {{1, "other"}, {2, "auto"}, {3, "user"}, {}};
constexpr OptionItem EquipmentModeItems[] = {{1, "enabled"}, {2, "disabled"}, {3, "other"}, {}};
constexpr OptionItem EquipmentStatusItems[] = {{0, "other"}, {1, "working"}, {2, "fail"}, {}};
constexpr OptionItem EquipmentPositionItems[] = {
    {1, "other"},
    {2, "left"},
    {3, "right"},
    {4, "back"},
    {5, "cpu"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList EquipmentStateOptions;
constinit MvOptionList EquipmentCurrentModeOptions;
constinit MvOptionList EquipmentExistStateOptions;
constinit MvOptionList EquipmentBoxIDOptions;
constinit MvOptionList EquipmentControlModeOptions;
constinit MvOptionList EquipmentUserSetStateOptions;
constinit MvOptionList EquipmentModeOptions;
constinit MvOptionList EquipmentStatusOptions;
constinit MvOptionList EquipmentPositionOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.11.1.6.1.1
// Read by the window "Power Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.11.1.6.1.1", "Unit Index", integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.6.1.2", "ID",         integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.6.1.3", "State",      integer, readonly, &EquipmentStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.8.1.1
// Read by the window "Temperature Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.11.1.8.1.1", "Unit Index",                                   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.8.1.2", "Current Temperature (Celsius)",                integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.8.1.3", "High Warning Temperature Threshold (Celsius)", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.8.1.4", "Low Warning Temperature Threshold (Celsius)",  integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.12.1
// Read by the window "Temperature Control Settings" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.11.1.12.1", "Trap State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.11.1.12.2", "Log State",  integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.9.4.1.1 "Management ID"
// Read by the window "Unit Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.1",  "Management ID",    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.2",  "MAC Address",      macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.3",  "Start Port",       integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.4",  "Port Range",       integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.6",  "Control Mode",     integer,    readwrite, &EquipmentControlModeOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.7",  "Current Mode",     integer,    readonly,  &EquipmentCurrentModeOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.8",  "Version",          displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.9",  "Module Name",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.10", "Prom Version",     displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.11", "Firmware Version", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.12", "Hardware Version", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.13", "Priority",         integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.14", "User Set State",   integer,    readonly,  &EquipmentUserSetStateOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.15", "Exist State",      integer,    readonly,  &EquipmentExistStateOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.16", "Box ID",           integer,    readwrite, &EquipmentBoxIDOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.9.4.1.1 "ID"
// Read by the main window's stacking-information read at start-up and at Refresh (TMainForm) as
// MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.1",  "ID",                     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.2",  "MAC Address",            macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.3",  "Start Port",             integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.4",  "Port Range",             integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.5",  "Front Panel Led Status", octetstr,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.7",  "Current Mode",           integer,    readonly,  &EquipmentCurrentModeOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.8",  "Version",                displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.9",  "Module Name",            displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.4.1.15", "Exist State",            integer,    readonly,  &EquipmentExistStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.1
// Read by TEquipmentBasicInfoForm as SVT_SV.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.11.1.1", "Capacity", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.9.1
// Read by the window "Unit Information" as SVT_SV.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.1", "Stacking Version",     integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.2", "Max. Supported Units", integer, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.9.3", "Number of Units",      integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.9.6
// Read by the main window's stacking-information read at start-up and at Refresh (TMainForm) as
// SVT_SV.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.6", "Mode", integer, readwrite, &EquipmentModeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.7.1.1
// Read by the window "Fan Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.11.1.7.1.1", "Unit Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.7.1.2", "ID",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.7.1.3", "Status",     integer, readonly,  &EquipmentStatusOptions},
    {"1.3.6.1.4.1.171.12.11.1.7.1.4", "Position",   integer, readonly,  &EquipmentPositionOptions},
    {"1.3.6.1.4.1.171.12.11.1.7.1.5", "Number",     integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.10.1.1
// Read by the window "External Alarm Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.11.1.10.1.1", "Channel", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.10.1.2", "Message", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.10.1.3", "Status",  integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.11.1
// Read by the window "Power Saving Global Settings" as SVT_SV.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.11.1.11.1", "Link Detection State",   integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.11.1.11.2", "Length Detection State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.11.1.11.3", "Hiber State",            integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.11.1.11.4", "Port LED State",         integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.11.1.11.5", "Port State",             integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.11.6.1.1.100 (after an index-only column)
// Read by the window "Power Saving Hibernation Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {" ",                                    "Range Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.11.6.1.1.100", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.11.6.2.1.100 (after an index-only column)
// Read by the window "Power Saving Port LED Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {" ",                                    "Range Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.11.6.2.1.100", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.11.6.3.1.1
// Read by the window "Power Saving Port Entry Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.11.1.11.6.3.1.1",   "Port Index", integer,    notaccess, nullptr},
    {" ",                                    "Range Name", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.11.1.11.6.3.1.100", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.13.1
// Read by the window "Port LED State Settings" as SVT_SV.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.11.1.13.1", "Port LED State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.2.1.11.1
// Read by the window "SNMP Counters" as SVT_SV.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.2.1.11.1",  "SNMP In Packets",                  counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.2",  "SNMP Out Packets",                 counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.3",  "SNMP In Bad Versions",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.4",  "SNMP In Bad Community Names",      counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.5",  "SNMP In Bad Community Uses",       counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.6",  "SNMP In ASN Parse Errors",         counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.8",  "SNMP In Too Bigs",                 counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.9",  "SNMP In No Such Names",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.10", "SNMP In Bad Values",               counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.11", "SNMP In Read Onlys",               counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.12", "SNMP In General Errors",           counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.13", "SNMP In Total Request Vars",       counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.14", "SNMP In Total Set Vars",           counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.15", "SNMP In Get Requests",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.16", "SNMP In Get Nexts",                counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.17", "SNMP In Set Requests",             counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.18", "SNMP In Get Responses",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.19", "SNMP In Traps",                    counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.20", "SNMP Out Too Bigs",                counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.21", "SNMP Out No Such Names",           counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.22", "SNMP Out Bad Values",              counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.24", "SNMP Out General Errors",          counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.25", "SNMP Out Get Requests",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.26", "SNMP Out Get Nexts",               counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.27", "SNMP Out Set Requests",            counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.28", "SNMP Out Get Responses",           counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.29", "SNMP Out Traps",                   counter, readonly,  nullptr},
    {"1.3.6.1.2.1.11.30", "SNMP Enable Authentication Traps", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.11.1.11.20.1
// Read by TEEEStateFormUnit as SVT_SV.
constexpr VarDescriptor Table17[] = {
    {"1.3.6.1.4.1.171.12.11.1.11.20.1", "State", bitstr, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16}, {Table17},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &EquipmentStateOptions,
    &EquipmentCurrentModeOptions, &EquipmentExistStateOptions, &EquipmentBoxIDOptions,
    &EquipmentControlModeOptions, &EquipmentUserSetStateOptions, &EquipmentModeOptions,
    &EquipmentStatusOptions, &EquipmentPositionOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    EquipmentStateOptions.Init(EquipmentStateItems, 1, false);
    EquipmentCurrentModeOptions.Init(EquipmentCurrentModeItems, 1, false);
    EquipmentExistStateOptions.Init(EquipmentExistStateItems, 1, false);
    EquipmentBoxIDOptions.Init(EquipmentBoxIDItems, 1, false);
    EquipmentControlModeOptions.Init(EquipmentControlModeItems, 1, false);
    EquipmentUserSetStateOptions.Init(EquipmentUserSetStateItems, 1, false);
    EquipmentModeOptions.Init(EquipmentModeItems, 1, false);
    EquipmentStatusOptions.Init(EquipmentStatusItems, 1, false);
    EquipmentPositionOptions.Init(EquipmentPositionItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    EquipmentPositionOptions.Free();
    EquipmentStatusOptions.Free();
    EquipmentModeOptions.Free();
    EquipmentUserSetStateOptions.Free();
    EquipmentControlModeOptions.Free();
    EquipmentBoxIDOptions.Free();
    EquipmentExistStateOptions.Free();
    EquipmentCurrentModeOptions.Free();
    EquipmentStateOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_equipment", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_equipment
