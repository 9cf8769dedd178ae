// Handler rows of the group "QoS", in menu order.
#include "main/handlers/Groups.h"

#include "snmp/ControlValidators.h"
#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    // QoS
    {.Name = "QOSControl1Click",                      .Family = GeneratedScalar, .Title = "QoS HOL Prevention Settings",                 .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.4.6"}, .Tweaks = {GrowHeight(20)}},
    // Bandwidth Control
    {.Name = "BandwidthControlTable1Click",           .Family = GeneratedTable,  .Title = "QoS Bandwidth Control Table",                 .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.1.1.1"}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {SetVarFormatWithCheck(1, "%i{Z}", CheckRateLimitText), SetVarFormatWithCheck(2, "%i{Z}", CheckRateLimitText)}},
    {.Name = "CoSBandwidthControlSettings1Click",     .Family = HandMadeForm,    .WindowClass = "TCoSBrandwidthctrlForm", .Title = "Queue Bandwidth Control Settings", .UnitGlobal = true},
    // 802.1p
    {.Name = "BasicConfigure2Click",                  .Family = HandMadeForm,    .WindowClass = "TPBridgeConfigForm", .Title = "802.1p Basic Configuration", .UnitGlobal = true},
    // 802.1p > Priority Information
    // The four 802.1p tables share "Port Number"; their second row tells them apart.
    {.Name = "DefaultUserPrioritiesofEachPort1Click", .Family = GeneratedTable,  .Title = "802.1p Default User Priorities of Each Port", .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 3, {2, "1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority"}}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {SetVarFormat(1, "%i{n0x7l1}"), ScaledHeight(450)}},
    {.Name = "RegeneratedUserPriorities1Click",       .Family = GeneratedTable,  .Title = "Regenerated User Priorities",                 .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 3, {2, "1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority"}}, .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ScaledHeight(450)}},
    {.Name = "UserPrioritiesToTrafficClass1Click",    .Family = GeneratedTable,  .Title = "802.1p User Priorities to Traffic Class",     .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 3, {2, "1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority"}}, .Kind = MVT_FMV, .Keys = 2, .Tweaks = {SetVarFormat(2, "%i{n0x7l1}"), ScaledHeight(450)}},
    {.Name = "PortOutboundAccessPriorities1Click",    .Family = GeneratedTable,  .Title = "Port Outbound Access Priorities",             .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.1.4.1.1", "Port Number", 3, {2, "1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority"}}, .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ScaledHeight(450)}},
    // 802.1p
    {.Name = "GVRP1Click",                            .Family = HandMadeForm,    .WindowClass = "TGARPForm", .Title = "802.1p GARP Timer", .UnitGlobal = true},
    {.Name = "PortCapbility1Click",                   .Family = HandMadeForm,    .WindowClass = "TPortCapabilities8021dForm", .Title = "802.1p Port Capability Table", .UnitGlobal = true},
    // 802.1p > High Capacity
    // The two "High Capacity" tables read " Port Index" as a column of their own: no key columns.
    {.Name = "PortTable2Click",                       .Family = GeneratedTable,  .Title = "High Capacity Port Table",                    .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.4.4.1.1", " Port Index", 4, {2, "1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames"}}, .Kind = MVT_FMV, .Keys = 0},
    {.Name = "PortOverFlow1Click",                    .Family = GeneratedTable,  .Title = "High Capacity Port Overflow Table",           .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.4.4.1.1", " Port Index", 4, {2, "1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames"}}, .Kind = MVT_FMV, .Keys = 0},
    // 802.1p
    {.Name = "N8021pDefaultPriorityTable1Click",      .Family = GeneratedTable,  .Title = "QoS 802.1p Default Priority Table",           .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.3.1.1"}, .Kind = MVT_FMV, .Keys = 1},
    // Two keys, as its twin "Profile Table": a row is "port.index", where an edited Class ID belongs.
    {.Name = "N8021pUserPriorityTable1Click",         .Family = GeneratedTable,  .Title = "QoS 802.1p User Priority Table",              .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.10.1.1", "Port"}, .Kind = MVT_FMV, .Keys = 2},
    {.Name = "ColorMapControlTable1Click",            .Family = HandMadeForm,    .WindowClass = "TQos8021pMapColorControlForm", .Title = "QoS 802.1p Color Map Control Table", .UnitGlobal = true},
    // DSCP
    {.Name = "DSCPTrustPortControlTable2Click",       .Family = GeneratedTable,  .Title = "QoS DSCP Trust Port Control Table",           .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.7.1.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "DSCPMapGlobalControlTable1Click",       .Family = GeneratedTable,  .Title = "QoS DSCP Map Control Table",                  .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.8.1.1.1", nullptr, 5}, .Kind = MVT_UMV, .Keys = 2, .Tweaks = {ShowStopButton()}},
    // Schedule Settings
    {.Name = "SchedulingTable1Click",                 .Family = GeneratedTable,  .Title = "QoS Scheduling Table",                        .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.2.1.1"}, .Kind = MVT_UMV, .Keys = 2, .Tweaks = {SetVarFormat(2, "%i{n0x127l3}"), ShowStopButton()}},
    {.Name = "ScheduleProfileTable1Click",            .Family = GeneratedTable,  .Title = "QoS Schedule Profile Table",                  .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.61.3.10.1.1", "Profile ID"}, .Kind = MVT_UMV, .Keys = 2},
    {.Name = "ScheduleGroupTable1Click",              .Family = Empty},
    // SRED
    {.Name = "SREDState2Click",                       .Family = GeneratedScalar, .Title = "SRED Global Settings",                        .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.51.1.1", nullptr, 1}},
    {.Name = "SREDDropCounterTable2Click",            .Family = GeneratedTable,  .Title = "SRED Drop Counter Table",                     .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.51.2.1.1.1", nullptr, 3}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "SREDControlTable2Click",                .Family = GeneratedTable,  .Title = "SRED Control Table",                          .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.51.3.1.1.1", nullptr, 7}, .Kind = MVT_UMV, .Keys = 2, .Tweaks = {SetVarFormat(2, "%i{n0x100l3}"), SetVarFormat(3, "%i{n0x100l3}"), SetVarFormat(4, "%i{n1x8}"), SetVarFormat(5, "%i{n1x8}"), ScaledHeight(450), GrowWidth(100)}},
    {.Name = "N8021pMapColorControlTable1Click",      .Family = GeneratedTable,  .Title = "802.1p Map Settings",                         .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.51.3.2.1.1", nullptr, 3}, .Kind = MVT_UMV, .Keys = 2, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "SREDColorMapControlTable1Click",        .Family = GeneratedTable,  .Title = "DSCP Trusted Port Control Table",             .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.51.3.3.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "DSCPMapControlTable2Click",             .Family = GeneratedTable,  .Title = "SRED DSCP Map Control Table",                 .Table = {"Oid_qos", "1.3.6.1.4.1.171.12.51.3.4.1.1", nullptr, 5}, .Kind = MVT_UMV, .Keys = 2, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> QosHandlers = Rows;
