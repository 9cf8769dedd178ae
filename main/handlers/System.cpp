// Handler rows of the group "System", in menu order.
#include "main/handlers/Groups.h"

#include "features/switching/DdmWindows.h"
#include "snmp/ControlValidators.h"
#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using enum WindowOwner;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "Information3Click",                         .Family = ExternalTool,    .PageSwitch = "/TMIB_Info"},
    // Port Configuration > DDM Mangement
    {.Name = "ControlTable6Click",                        .Family = DdmWindow,       .Ddm = OpenDDMInformationSettings},
    {.Name = "StatusTable1Click",                         .Family = DdmWindow,       .Ddm = OpenDDMStatusTable},
    {.Name = "ThresholdManagementTable1Click",            .Family = DdmWindow,       .Ddm = OpenDDMThresholdManagementTable},
    {.Name = "PortManagementTable3Click",                 .Family = DdmWindow,       .Ddm = OpenDDMPortManagementTable},
    // Port Configuration
    {.Name = "PortInformation1Click",                     .Family = ModelDependent,  .Title = "Port Information Table",                         .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.1.1.1", nullptr, 7},  .Kind = MVT_FMV, .Keys = 2, .Layout = ListView, .Tweaks = {WidenEditRows(50), ScaledHeight(450)}},
    {.Name = "PortControl1Click",                         .Family = ModelDependent,  .Title = "Port Control Table",                             .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.2.1.1", nullptr, 12}, .Kind = MVT_FMV, .Keys = 2, .Layout = ListView, .Tweaks = {WidenEditRows(82), ScaledHeight(450)}},
    {.Name = "PortCounterControlTable1Click",             .Family = ModelDependent,  .Title = "Port Counter Control Table",                     .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.6.1.1", nullptr, 2},  .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Tweaks = {ScaledHeight(450)}},
    {.Name = "PortErrorTable1Click",                      .Family = ModelDependent,  .Title = "Port Error Table",                               .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.7.1.1", nullptr, 4},  .Kind = MVT_FMV, .Keys = 1, .Layout = ListView, .Tweaks = {ScaledHeight(450)}},
    {.Name = "JumboFrameCtrl1Click",                      .Family = ModelDependent,  .Title = "Jumbo Frame Control",                            .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.3", nullptr, 2},      .Kind = SVT_SV,  .Keys = 0, .Layout = Editor},
    {.Name = "PortAutoNegotiationInformationTable1Click", .Family = ModelDependent,  .Title = "Port Auto Negotiation Information Table",        .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.8.1.1", nullptr, 8},  .Kind = MVT_FMV, .Keys = 1, .Layout = ListView, .Tweaks = {NoDoubleClickEdit(), ScaledHeight(450)}},
    {.Name = "STPPortTable1Click",                        .Family = ModelDependent,  .Title = "Port SFP Information Table",                     .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.3.11.1.1", nullptr, 11}, .Kind = MVT_FMV, .Keys = 1, .Layout = ListView, .Tweaks = {NoDoubleClickEdit()}},
    {.Name = "EEEState1Click",                            .Family = HandMadeForm,    .WindowClass = "TEEEStateFormUnit", .Title = "EEE State Settings", .Owner = MainWindow, .UnitGlobal = true},
    // PoE (hidden)
    {.Name = "PoEState1Click",                            .Family = GeneratedScalar, .Title = "PoE Mode Setting",                               .Table = {"Oid_poe", "1.3.6.1.4.1.171.12.24.1.4", nullptr, 1},                .Tweaks = {SetEditorWidth(142), GrowHeight(10)}, .Guarded = true},
    {.Name = "SystemControl1Click",                       .Family = GeneratedScalar, .Title = "PoE System Settings",                            .Table = {"Oid_poe", "1.3.6.1.4.1.171.12.24.1.1", nullptr, 3},                .Tweaks = {SetVarFormat(0, "%i{n37x370l3}")}, .Guarded = true},
    {.Name = "Systeminformation1Click",                   .Family = GeneratedTable,  .Title = "PoE System Information",                         .Table = {"Oid_poe", "1.3.6.1.4.1.171.12.24.2.1.1.1", nullptr, 6},            .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}, .Guarded = true},
    {.Name = "StackingControlTable1Click",                .Family = GeneratedTable,  .Title = "PoE System Stacking Control Table ",             .Table = {"Oid_poe", "1.3.6.1.4.1.171.12.24.1.11.1.1", nullptr, 5},           .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(0, "%i"), SetVarFormat(1, "%i{n37x370l3}")}, .Guarded = true},
    {.Name = "PortControl2Click",                         .Family = GeneratedTable,  .Title = "PoE Port Settings",                              .Table = {"Oid_poe", "1.3.6.1.4.1.171.12.24.3.1.1.1", nullptr, 6},            .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(0, "%i"), SetVarFormat(4, "%i{n1000x35000l5}"), OptionalRow(5)}, .Guarded = true},
    {.Name = "Portinformation4Click",                     .Family = GeneratedTable,  .Title = "PoE Port Information",                           .Table = {"Oid_poe", "1.3.6.1.4.1.171.12.24.4.1.1.1", nullptr, 7},            .Kind = MVT_FMV, .Keys = 1, .Guarded = true},
    // System Log
    {.Name = "SystemLogState1Click",                      .Family = GeneratedScalar, .Title = "System Log Global Settings",                     .Table = {"Oid_systemlogunit", "1.3.6.1.4.1.171.12.12.1", nullptr, 1},        .Tweaks = {GrowHeight(20)}},
    // Its unit global is cleared after the window is freed, as every row's is: one left behind
    // would refer to a freed window.
    {.Name = "SystemLogServerTable1Click",                .Family = HandMadeForm,    .WindowClass = "TSystemLogHostForm", .Title = "System Log Server Table", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "SystemLogSaveControl1Click",                .Family = HandMadeForm,    .WindowClass = "TLogSaveControlForm", .Title = "System Log Save Settings", .UnitGlobal = true},
    {.Name = "SystemLogClearControl1Click",               .Family = GeneratedScalar, .Title = "System Log Clear Log",                           .Table = {"Oid_systemlogunit", "1.3.6.1.4.1.171.12.12.4.1", nullptr, 1}},
    {.Name = "SystemLogClearDangerousLog1Click",          .Family = GeneratedScalar, .Title = "System Log Clear Attack Log",                    .Table = {"Oid_systemlogunit", "1.3.6.1.4.1.171.12.12.4.2.2", nullptr, 1}},
    // Time Range
    {.Name = "TimeRange1Click",                           .Family = HandMadeForm,    .WindowClass = "TTimeRangeForm", .Title = "Time Range Management", .UnitGlobal = true},
    {.Name = "TimeRangeACLTable1Click",                   .Family = GeneratedTable,  .Title = "Time Range Table (ACL)",                         .Table = {"Oid_timerange", "1.3.6.1.4.1.171.12.50.3.2.1.1", nullptr, 3},      .Kind = MVT_UMV, .Keys = 2, .Tweaks = {OptionalRow(2)}},
    {.Name = "TimeRangeCPUACLTable1Click",                .Family = GeneratedTable,  .Title = "Time Range Table (CPU Interface Filtering)",     .Table = {"Oid_timerange", "1.3.6.1.4.1.171.12.50.3.3.1.1", nullptr, 3},      .Kind = MVT_UMV, .Keys = 2, .Tweaks = {OptionalRow(2)}},
    // Time Management: "Current Time" is bound to Time1Click, "System Time" to CurrentTime1Click.
    {.Name = "Time1Click",                                .Family = HandMadeForm,    .WindowClass = "TCurrentTimeForm", .Title = "Current Time", .UnitGlobal = true},
    {.Name = "CurrentTime1Click",                         .Family = GeneratedScalar, .Title = "System Time",                                    .Table = {"Oid_time", "1.3.6.1.4.1.171.12.10.10.1", nullptr, 4}},
    {.Name = "NetworkTime1Click",                         .Family = GeneratedScalar, .Title = "Network Time",                                   .Table = {"Oid_time", "1.3.6.1.4.1.171.12.10.11.1", nullptr, 9}},
    {.Name = "SummerTime1Click",                          .Family = HandMadeForm,    .WindowClass = "TSummerTimeForm", .Title = "Summer Time"},
    // Agent Management
    {.Name = "SerialNamber1Click",                        .Family = GeneratedScalar, .Title = "Serial Number",                                  .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.12", nullptr, 1},             .Tweaks = {SetEditorWidth(142), GrowHeight(10)}},
    {.Name = "BasicConfigure1Click",                      .Family = GeneratedScalar, .Title = "Basic Configuration",                            .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.5", nullptr, 6}},
    {.Name = "BasicInfo1Click",                           .Family = GeneratedScalar, .Title = "Basic Information",                              .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.1", nullptr, 3}},
    {.Name = "MibCapabilities1Click",                     .Family = GeneratedTable,  .Title = "MIB Capabilities",                               .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.2.1.1", nullptr, 4},          .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "IPProtoConfigure1Click",                    .Family = GeneratedScalar, .Title = "IP Protocol Configuration",                      .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.3.1", nullptr, 2}},
    {.Name = "SnmpTrapState1Click",                       .Family = GeneratedScalar, .Title = "SNMP Trap State",                                .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.22", nullptr, 1},             .Tweaks = {SetEditorWidth(142), GrowHeight(10)}},
    {.Name = "TrapSettings1Click",                        .Family = GeneratedScalar, .Title = "Trap Settings",                                  .Table = {"Oid_config", "1.3.6.1.4.1.171.12.1.2.24.1", nullptr, 4}},
    {.Name = "AgentTrapManagement1Click",                 .Family = GeneratedTable,  .Title = "Trap Management Table",                          .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.4.2.1.1", nullptr, 5},          .Kind = MVT_UMV, .Keys = 1, .Status = {4, "enabled", "disabled"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "SeverityControlManagement1Click",           .Family = GeneratedScalar, .Title = "Severity Control Management",                    .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.9.1", nullptr, 2}},
    {.Name = "OutOfBand1Click",                           .Family = GeneratedScalar, .Title = "Out of Band Settings",                           .Table = {"Oid_config", "1.3.6.1.4.1.171.12.1.2.23.1", nullptr, 5}},
    {.Name = "GeneralInformation3Click",                  .Family = GeneratedTable,  .Title = "Multiple Image Management General Information",  .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.7.1.1", nullptr, 6},          .Kind = MVT_FMV, .Keys = 1},
    {.Name = "MultipleImageControl1Click",                .Family = GeneratedTable,  .Title = "Multiple Image Settings",                        .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.13.1.1", nullptr, 2},         .Kind = MVT_FMV, .Keys = 1},
    {.Name = "GeneralInformation2Click",                  .Family = GeneratedScalar, .Title = "Multiple Configuration General Information",     .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.8.2", nullptr, 2}},
    {.Name = "MultipleConfigInformation1Click",           .Family = GeneratedTable,  .Title = "Multiple Configuration Information Table",       .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.8.1.1.1", nullptr, 6},        .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "MultipleConfigControl1Click",               .Family = HandMadeForm,    .WindowClass = "TMultipleConfigControlForm", .Title = "Multiple Configuration Settings", .UnitGlobal = true},
    // RCP, then the items under System
    {.Name = "FileSystemTable1Click",                     .Family = GeneratedTable,  .Title = "RCP File System Table",                          .Table = {"Oid_filetransfer", "1.3.6.1.4.1.171.12.82.1.2.1.1", nullptr, 9},   .Kind = MVT_FMV, .Keys = 1, .Tweaks = {OptionalRow(3), OptionalRow(5), OptionalRow(6), OptionalRow(7)}, .CaptionFirst = true},
    {.Name = "ServerConfigurationTable1Click",            .Family = GeneratedTable,  .Title = "RCP Server Configuration Table",                 .Table = {"Oid_filetransfer", "1.3.6.1.4.1.171.12.82.1.3.1.1", nullptr, 4},   .Kind = MVT_FMV, .Keys = 1, .Tweaks = {OptionalRow(2), OptionalRow(3)}, .CaptionFirst = true},
    {.Name = "FTPSystemTable1Click",                      .Family = GeneratedTable,  .Title = "FTP File System Table",                          .Table = {"Oid_config", "1.3.6.1.4.1.171.12.1.2.25.1.1", nullptr, 12},        .Kind = MVT_FMV, .Keys = 1, .Tweaks = {OptionalRow(4), OptionalRow(6), OptionalRow(7), OptionalRow(8), OptionalRow(9)}, .CaptionFirst = true},
    {.Name = "TFTPServerConfiguration1Click",             .Family = GeneratedScalar, .Title = "TFTP Server Configuration",                      .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.28.1", nullptr, 12}},
    {.Name = "SourceIPInterfaceSettings1Click",           .Family = GeneratedTable,  .Title = "Source IP Interface Settings",                   .Table = {"Oid_common", "1.3.6.1.4.1.171.12.81.3.1.1.1", nullptr, 5},         .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {SetVarFormatWithCheck(3, "%s{Z}", ValidateIPv4Text), SetVarFormatWithCheck(4, "%s{Z}", ValidateIPv6Text)}, .CaptionFirst = true},
    // Entity
    {.Name = "LastChangeTimeInformation1Click",           .Family = GeneratedScalar, .Title = "Entity Last Change Time Information",            .Table = {"Oid_common", "1.3.6.1.2.1.47.1.4.1", nullptr, 1}},
    {.Name = "PhysicalTable1Click",                       .Family = GeneratedTable,  .Title = "Entity Physical Table",                          .Table = {"Oid_common", "1.3.6.1.2.1.47.1.1.1.1.1", nullptr, 13},             .Kind = MVT_FMV, .Keys = 1, .Tweaks = {NoDoubleClickEdit()}},
    {.Name = "LogicalTable1Click",                        .Family = GeneratedTable,  .Title = "Entity Physical Contains Table",                 .Table = {"Oid_common", "1.3.6.1.2.1.47.1.3.3.1.1", nullptr, 2},              .Kind = MVT_FMV, .Keys = 2, .Tweaks = {NoDoubleClickEdit()}},
    // IF-MIB
    {.Name = "GeneralTable1Click",                        .Family = GeneratedScalar, .Title = "General Table",                                  .Table = {"Oid_qbridge", "1.3.6.1.2.1.31.1.5", nullptr, 2},                    .CaptionFirst = true},
    {.Name = "IFXTable1Click",                            .Family = GeneratedTable,  .Title = "IfX Table",                                      .Table = {"Oid_common", "1.3.6.1.2.1.2.2.1.1", nullptr, 20},                  .Kind = MVT_UMV, .Keys = 1, .Tweaks = {FixedHeight(450)}},
    // MIB II
    {.Name = "InterfaceNumberInformation1Click",          .Family = GeneratedScalar, .Title = "Interface Number Information",                   .Table = {"Oid_common", "1.3.6.1.2.1.2.1", nullptr, 1}},
    {.Name = "IfTable1Click",                             .Family = ExternalTool,    .PageSwitch = "/TMIB_IFTable"},
    {.Name = "IFCounter1Click",                           .Family = ExternalTool,    .PageSwitch = "/TMIB_IFCounters"},
    // Ten scalars read as the one row of a walk (no key) and shown in an editor.
    {.Name = "IPTable1Click",                             .Family = GeneratedScalar, .Title = "IP Table",                                       .Table = {"Oid_common", "1.3.6.1.2.1.4.1", nullptr, 10},                      .Kind = MVT_UMV, .Keys = 0, .Tweaks = {FixedHeight(450)}},
    {.Name = "IPCounters1Click",                          .Family = ExternalTool,    .PageSwitch = "/TMIB_IPCounters"},
    {.Name = "IPRouting1Click",                           .Family = ExternalTool,    .PageSwitch = "/TMIB_IPRouting"},
    {.Name = "IPAddressTable1Click",                      .Family = ExternalTool,    .PageSwitch = "/TMIB_IPAddress"},
    {.Name = "ICMPCounters1Click",                        .Family = ExternalTool,    .PageSwitch = "/TMIB_ICMPCounters"},
    {.Name = "UDPCounters1Click",                         .Family = ExternalTool,    .PageSwitch = "/TMIB_UDPCounters"},
    {.Name = "SNMPCounters1Click",                        .Family = GeneratedScalar, .Title = "SNMP Counters",                                  .Table = {"Oid_equipment", "1.3.6.1.2.1.11.1", nullptr, 28},                   .CaptionFirst = true},
    {.Name = "TCPCounterInformation1Click",               .Family = GeneratedScalar, .Title = "TCP Counter Information",                        .Table = {"Oid_common", "1.3.6.1.2.1.6.1", nullptr, 14}},
    {.Name = "TCPConnectionTable1Click",                  .Family = GeneratedTable,  .Title = "TCP Connection Table",                           .Table = {"Oid_common", "1.3.6.1.2.1.6.13.1.2", nullptr, 5},                  .Kind = MVT_UMV, .Keys = 4},
    {.Name = "UDPTable2Click",                            .Family = GeneratedTable,  .Title = "UDP Table",                                      .Table = {"Oid_common", "1.3.6.1.2.1.7.5.1.1", nullptr, 2},                   .Kind = MVT_UMV, .Keys = 2},
    // EtherLike-MIB
    {.Name = "dot3Statistics1Click",                      .Family = GeneratedTable,  .Title = "Dot3 Statistics Table",                          .Table = {"Oid_dot3unit", "1.3.6.1.2.1.10.7.2.1.1", nullptr, 16},             .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    {.Name = "dot3ControlTable1Click",                    .Family = HandMadeForm,    .WindowClass = "Tdot3ControlForm", .Title = "Dot3 Control Table", .UnitGlobal = true},
    {.Name = "dot3PauseTable1Click",                      .Family = HandMadeForm,    .WindowClass = "Tdot3PauseForm", .Title = "Dot3 Pause Table", .UnitGlobal = true},
    // The last items
    {.Name = "SystemReset1Click",                         .Family = GeneratedScalar, .Title = "System Reset",                                   .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.20", nullptr, 1},             .Tweaks = {SetEditorWidth(142), GrowHeight(10)}},
    {.Name = "SystemReboot1Click",                        .Family = GeneratedScalar, .Title = "System Reboot",                                  .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.19", nullptr, 1},             .Tweaks = {SetEditorWidth(142), GrowHeight(10)}},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> SystemHandlers = Rows;
