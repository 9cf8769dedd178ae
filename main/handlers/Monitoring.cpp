// Handler rows of the group "Monitoring", in menu order. The order of the items under
// "Utilization", "sFlow", "Trace Route" and "Equipment Management" is assumed.
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using enum WindowOwner;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    // Utilization
    {.Name = "CpuUtilization1Click",             .Family = GeneratedScalar, .Title = "CPU Utilization Table",              .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.6.1"}},
    {.Name = "PortUtilization1Click",            .Family = GeneratedTable,  .Title = "Port Utilization Table",             .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.8.1.1", nullptr, 4},             .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "DRAM1Click",                       .Family = GeneratedTable,  .Title = "DRAM Utilization Table",             .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.9.1.1", nullptr, 4},             .Kind = MVT_FMV, .Keys = 1, .Tweaks = {RequestTimeout(800), FixedHeight(300)}, .CaptionFirst = true},
    {.Name = "FLASHUtilization2Click",           .Family = GeneratedTable,  .Title = "Flash Utilization Table",            .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.10.1.1", nullptr, 4},            .Kind = MVT_FMV, .Keys = 1, .Tweaks = {FixedHeight(300)}, .CaptionFirst = true},
    // Statistics > Historical Counter
    // Counter64 columns: SNMPv1 cannot read them, so these windows speak SNMPv2c while open.
    {.Name = "Historical1Click",                 .Family = GeneratedTable,  .Title = "Historical Packets Counter Table",   .Table = {"Oid_historycounter", "1.3.6.1.4.1.171.12.66.2.1.1.1.1", nullptr, 18}, .Kind = MVT_FMV, .Keys = 3, .Tweaks = {ForceV2cWhileOpen()}},
    {.Name = "HistoricalErrorCounter1Click",     .Family = GeneratedTable,  .Title = "Historical Error Counter Table",     .Table = {"Oid_historycounter", "1.3.6.1.4.1.171.12.66.2.1.2.1.1", nullptr, 13}, .Kind = MVT_FMV, .Keys = 3, .Tweaks = {ForceV2cWhileOpen()}},
    {.Name = "HistoricalUtilization1Click",      .Family = GeneratedTable,  .Title = "Historical Utilization Table",       .Table = {"Oid_historycounter", "1.3.6.1.4.1.171.12.66.2.2.1.1.1", nullptr, 6},  .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ForceV2cWhileOpen()}},
    // sFlow
    {.Name = "GeneralInformation4Click",         .Family = GeneratedScalar, .Title = "sFlow General Information",          .Table = {"Oid_sflow", "1.3.6.1.4.1.171.12.36.1.1"}},
    {.Name = "CounterPoller1Click",              .Family = GeneratedTable,  .Title = "sFlow Counter Poller",               .Table = {"Oid_sflow", "1.3.6.1.4.1.171.12.36.1.6.1.1"},                         .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}},
    {.Name = "Receiver1Click",                   .Family = GeneratedTable,  .Title = "sFlow Receiver",                     .Table = {"Oid_sflow", "1.3.6.1.4.1.171.12.36.1.4.1.1", nullptr, 7},             .Kind = MVT_UMV, .Keys = 2, .Status = {6, "createAndGo", "destroy"}},
    {.Name = "FlowSampler1Click",                .Family = GeneratedTable,  .Title = "sFlow Flow Sampler",                 .Table = {"Oid_sflow", "1.3.6.1.4.1.171.12.36.1.5.1.1", nullptr, 5},             .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}},
    // Ping Management
    {.Name = "MaxConcurrentRequests1Click",      .Family = GeneratedScalar, .Title = "Max. Concurrent Requests",           .Table = {"Oid_disman", "1.3.6.1.2.1.80.1.1", nullptr, 1}},
    {.Name = "PingControlTable1Click",           .Family = GeneratedTable,  .Title = "Ping Control Table",                 .Table = {"Oid_disman", "1.3.6.1.2.1.80.1.2.1.1", nullptr, 11},                  .Kind = MVT_UMV, .Keys = 2, .Status = {10, "createAndGo", "destroy"}},
    {.Name = "PingResultsTable1Click",           .Family = GeneratedTable,  .Title = "Ping Results Table",                 .Table = {"Oid_disman", "1.3.6.1.2.1.80.1.3.1.1", nullptr, 10},                  .Kind = MVT_UMV, .Keys = 2},
    // Trace Route
    {.Name = "HopsTable1Click",                  .Family = GeneratedTable,  .Title = "Trace Route Hops Table",             .Table = {"Oid_disman", "1.3.6.1.2.1.81.1.5.1.1"},                               .Kind = MVT_UMV, .Keys = 3},
    {.Name = "MaxConcurrentRequests2Click",      .Family = GeneratedScalar, .Title = "Max. Concurrent Requests",           .Table = {"Oid_disman", "1.3.6.1.2.1.81.1.1", nullptr, 1}},
    {.Name = "ControlTable7Click",               .Family = GeneratedTable,  .Title = "Trace Route Control Table",          .Table = {"Oid_disman", "1.3.6.1.2.1.81.1.2.1.1", nullptr, 12},                  .Kind = MVT_UMV, .Keys = 2, .Status = {11, "createAndGo", "destroy"}},
    {.Name = "ResultsTable1Click",               .Family = GeneratedTable,  .Title = "Trace Route Results Table",          .Table = {"Oid_disman", "1.3.6.1.2.1.81.1.3.1.1", nullptr, 9},                   .Kind = MVT_UMV, .Keys = 2},
    // Mirror
    {.Name = "PortMirrorTable1Click",            .Family = HandMadeForm,    .WindowClass = "TPortMirrorForm", .Title = "Port Mirror Table"},
    // Mirror > RSPAN
    {.Name = "RSPANStateSettings1Click",         .Family = GeneratedScalar, .Title = "RSPAN Global Settings",              .Table = {"Oid_common", "1.3.6.1.4.1.171.12.68.1.1"},                            .CaptionFirst = true},
    {.Name = "RSPANInformation1Click",           .Family = GeneratedScalar, .Title = "RSPAN Information",                  .Table = {"Oid_common", "1.3.6.1.4.1.171.12.68.2.1"},                            .CaptionFirst = true},
    {.Name = "RSPANTable1Click",                 .Family = HandMadeForm,    .WindowClass = "TRSPANForm", .Title = "RSPAN Table", .UnitGlobal = true},
    // Device Management
    {.Name = "DeviceInformation1Click",          .Family = ModelDependent,  .Title = "Device Information",                 .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.1.1", nullptr, 2},       .Kind = SVT_SV, .Keys = 0, .Layout = Editor},
    {.Name = "AlarmControl1Click",               .Family = ModelDependent,  .Title = "Alarm Control",                      .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.3.1", nullptr, 3},       .Kind = SVT_SV, .Keys = 0, .Layout = Editor},
    // "Refresh Panel" (hidden) runs the front panel's refresh, as the top-level "Refresh" does.
    {.Name = "RefreshPanel1Click",               .Family = Refresh},
    // Equipment Management
    {.Name = "Unitinformation1Click",            .Family = GeneratedScalar, .Title = "Unit Information",                   .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.9.1"}},
    {.Name = "UnitTable1Click",                  .Family = GeneratedTable,  .Title = "Unit Table",                         .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.9.4.1.1", "Management ID"},  .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    // One key column though "Unit Index" is a read-only object: each row takes its unit from the instance.
    {.Name = "PowerTable1Click",                 .Family = GeneratedTable,  .Title = "Power Table",                        .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.6.1.1"},                     .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "FanTable1Click",                   .Family = GeneratedTable,  .Title = "Fan Table",                          .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.7.1.1"},                     .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ScaledHeight(450)}},
    {.Name = "LEDStateSettings1Click",           .Family = GeneratedScalar, .Title = "Port LED State Settings",            .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.13.1", nullptr, 1},          .Tweaks = {RequestTimeout(500)}},
    // Equipment Management > Power Saving
    {.Name = "GlobalSettings4Click",             .Family = GeneratedScalar, .Title = "Power Saving Global Settings",       .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.1", nullptr, 5},          .Tweaks = {RequestTimeout(500)}},
    {.Name = "HibernationTable1Click",           .Family = GeneratedTable,  .Title = "Power Saving Hibernation Table",     .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.6.1.1.100", nullptr, 2},  .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "PortLEDTable1Click",               .Family = GeneratedTable,  .Title = "Power Saving Port LED Table",        .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.6.2.1.100", nullptr, 2},  .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "Port1Click",                       .Family = GeneratedTable,  .Title = "Power Saving Port Entry Table",      .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.11.6.3.1.1", nullptr, 3},    .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    // Equipment Management
    {.Name = "Temperature1Click",                .Family = GeneratedTable,  .Title = "Temperature Table",                  .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.8.1.1", nullptr, 4},         .Kind = MVT_UMV, .Keys = 1},
    {.Name = "TemperatureControlSettings1Click", .Family = GeneratedScalar, .Title = "Temperature Control Settings",       .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.12.1", nullptr, 2},          .Tweaks = {RequestTimeout(500)}},
    // Equipment Management > SD Card
    {.Name = "ExecuteConfiguration1Click",       .Family = GeneratedScalar, .Title = "SD Card Execute Configuration",      .Table = {"Oid_sdcard", "1.3.6.1.4.1.171.12.95.1.4.1", nullptr, 3},              .Tweaks = {RequestTimeout(500)}},
    {.Name = "BackupControlTable1Click",         .Family = GeneratedTable,  .Title = "SD Card Backup Control Table",       .Table = {"Oid_sdcard", "1.3.6.1.4.1.171.12.95.1.2.1.1.1", nullptr, 5},          .Kind = MVT_UMV, .Keys = 3, .Status = {4, "createAndGo", "destroy"}},
    {.Name = "ExecuteControlTable1Click",        .Family = GeneratedTable,  .Title = "SD Card Execute Control Table",      .Table = {"Oid_sdcard", "1.3.6.1.4.1.171.12.95.1.3.1.1.1", nullptr, 5},          .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}},
    // Equipment Management
    {.Name = "ExternalAlarmTable1Click",         .Family = GeneratedTable,  .Title = "External Alarm Table",               .Table = {"Oid_equipment", "1.3.6.1.4.1.171.12.11.1.10.1.1", nullptr, 3},        .Kind = MVT_FMV, .Keys = 1},
    {.Name = "Test1Click",                       .Family = HandMadeForm,    .WindowClass = "TEquipmentBasicInfoForm", .Title = "Equipment Basic Information", .Owner = MainWindow, .UnitGlobal = true},
    // RMON
    {.Name = "Statistics1Click",                 .Family = ExternalTool,    .PageSwitch = "/TRmon_Statistics"},
    {.Name = "History1Click",                    .Family = ExternalTool,    .PageSwitch = "/TRmon_History"},
    {.Name = "AlarmEvent1Click",                 .Family = ExternalTool,    .PageSwitch = "/TRmon_AlarmEvent"},
    // RMON > Probe Configuration
    {.Name = "ProbeBasicInformation1Click",      .Family = HandMadeForm,    .WindowClass = "TProbeBasicInformationForm", .Title = "Probe Basic Information", .UnitGlobal = true},
    {.Name = "NetConfiguration1Click",           .Family = GeneratedTable,  .Title = "RMON Probe Net Configuration Table", .Table = {"Oid_rmonprobe", "1.3.6.1.2.1.16.19.11.1.1"},                          .Kind = MVT_FMV, .Keys = 1},
    {.Name = "NetDefaultGateway1Click",          .Family = GeneratedScalar, .Title = "RMON Probe Net Default Gateway",     .Table = {"Oid_rmonprobe", "1.3.6.1.2.1.16.19.12"}},

};
// clang-format on

} // namespace

const std::span<const HandlerRow> MonitoringHandlers = Rows;
