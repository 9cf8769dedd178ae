// Handler rows that no menu item binds: tests and other code run them by name.
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum WindowOwner;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "DNSCtrlTable1Click",              .Family = HandMadeForm,    .WindowClass = "TDNSCtrlForm", .Title = "DNS Relay Control Table", .UnitGlobal = true},
    {.Name = "PingTest1Click",                  .Family = GeneratedScalar, .Title = "Ping Test",                               .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.4.1", nullptr, 6},                                     .Tweaks = {GrowHeight(20)}},
    {.Name = "IPStaticRoute1Click",             .Family = HandMadeForm,    .WindowClass = "TIpStaticRouteForm", .Title = "IP Static Route", .UnitGlobal = true},
    {.Name = "ARPControlIPv61Click",            .Family = HandMadeForm,    .WindowClass = "TARPIPV6ControlForm", .Title = "IPv6 Static Route Neighbor Cache Table", .UnitGlobal = true},
    {.Name = "ProtocolVLAN1Click",              .Family = HandMadeForm,    .WindowClass = "TProtocolVLANGroupForm", .Title = "Protocol VLAN", .UnitGlobal = true},
    {.Name = "DriveChangeControl1Click",        .Family = GeneratedScalar, .Title = "Drive Change Control",                    .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.2.3.3", nullptr, 1}},
    {.Name = "PortUlitization1Click",           .Family = GeneratedTable,  .Title = "Port Utilization Table",                  .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.1.8.1.1", nullptr, 4},               .Kind = MVT_FMV, .Keys = 1, .Tweaks = {FixedHeight(450)}, .CaptionFirst = true},
    {.Name = "FSCopyControl1Click",             .Family = GeneratedScalar, .Title = "File System Copy Control",                .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.5.1", nullptr, 3}},
    {.Name = "AgnetFileSytemSaveControl1Click", .Family = Empty},
    {.Name = "AgentFileSysstemTable1Click",     .Family = Empty},
    {.Name = "ACLControl1Click",                .Family = GeneratedScalar, .Title = "ACL Global Information",                  .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.1.2", nullptr, 2}},
    {.Name = "ACLCourter1Click",                .Family = GeneratedTable,  .Title = "ACL Counter Table",                       .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.3.8.1.1", "Profile ID", 7, {3, "1.3.6.1.4.1.171.12.9.3.8.1.3", "State"}}, .Kind = MVT_UMV, .Keys = 2},
    {.Name = "D1Click",                         .Family = GeneratedTable,  .Title = "IP-MAC-Port Binding DHCP Snooping Table", .Table = {"Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.4.3.1.1", nullptr, 5},         .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "MBAControl1Click",                .Family = HandMadeForm,    .WindowClass = "TMBAControlForm", .Title = "MBA Port Global Settings", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "ARPSpoofingPrevention1Click",     .Family = HandMadeForm,    .WindowClass = "TARPSpoofingPreventMgmtForm", .Title = "ARP Spoofing Prevention Management Table", .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> WithoutItemHandlers = Rows;
