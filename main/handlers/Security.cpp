// Handler rows of the group "Security", in menu order.
#include "main/handlers/Groups.h"

#include "snmp/ControlValidators.h"
#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using enum WindowOwner;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    // 802.1X
    {.Name = "Auth1Click",                            .Family = GeneratedScalar, .Title = "Authentication Mode Settings",                            .Table = {"Oid_commonsecurity", "1.3.6.1.4.1.171.12.3.1.1"}, .Tweaks = {RequestTimeout(500), SetEditorWidth(142), GrowHeight(10)}},
    {.Name = "Configuration2Click",                   .Family = GeneratedScalar, .Title = "802.1X Configuration",                                    .Table = {"Oid_dot1x", "1.0.8802.1.1.1.1.1.1"}},
    // The 802.1X port tables share "Port Number"; the row count tells them apart.
    {.Name = "PAEPortTable1Click",                    .Family = GeneratedTable,  .Title = "802.1X Port Table",                                       .Table = {"Oid_dot1x", "1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 5}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "PortAuthenticationConfiguration1Click", .Family = GeneratedTable,  .Title = "802.1X Port Configuration",                               .Table = {"Oid_dot1x", "1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 15}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "PortAuthStatistics1Click",              .Family = GeneratedTable,  .Title = "802.1X Port Statistics",                                  .Table = {"Oid_dot1x", "1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 13}, .Kind = MVT_FMV, .Keys = 1},
    {.Name = "Diagnostics1Click",                     .Family = GeneratedTable,  .Title = "802.1X Port Diagnostics",                                 .Table = {"Oid_dot1x", "1.0.8802.1.1.1.1.1.2.1.1", "Port Number", 19}, .Kind = MVT_UMV, .Keys = 1},
    // Its Counter64 octet counters need SNMPv2c: the window speaks it while it is open.
    {.Name = "PortSessionStatistics1Click",           .Family = GeneratedTable,  .Title = "802.1X Port Session Statistics",                          .Table = {"Oid_dot1x", "1.0.8802.1.1.1.1.2.4.1.1"}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ForceV2cWhileOpen()}},
    {.Name = "GuestVLAN1Click",                       .Family = HandMadeForm,    .WindowClass = "TGuestVlanForm", .Title = "802.1X Guest VLAN", .Owner = MainWindow, .UnitGlobal = true},
    // 802.1X > MAC-based Authentication
    // The two MBA tables share "MAC Address"; the row count tells them apart.
    {.Name = "DiagnosticsInformation1Click",          .Family = GeneratedTable,  .Title = "MBA Diagnostics Information Table",                       .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.3.6.1.1.1", "MAC Address", 20}, .Kind = MVT_UMV, .Keys = 2},
    {.Name = "StatisticTable1Click",                  .Family = HandMadeForm,    .WindowClass = "TMacStatisticTableForm", .Title = "MBA PAE Over Land  Frames Statistic Table", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "SessionInformation1Click",              .Family = GeneratedTable,  .Title = "MBA Session Information Table",                           .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.3.6.1.1.1", "MAC Address", 11}, .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ForceV2cWhileOpen()}},
    {.Name = "MACBasedPAEPortControl1Click",          .Family = GeneratedTable,  .Title = "MAC-based PAE Port Settings",                             .Table = {"Oid_dot1x", "1.3.6.1.4.1.171.12.3.9.2.1.1", nullptr, 3}, .Kind = MVT_UMV, .Keys = 2},
    // 802.1X > PAE Authenticator
    {.Name = "ConfigurationTable1Click",              .Family = GeneratedTable,  .Title = "PAE Authenticator Configuration Table",                   .Table = {"Oid_radiusauth", "1.3.6.1.4.1.171.12.3.10.3.1.1"}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "StateTable2Click",                      .Family = GeneratedTable,  .Title = "PAE Authenticator State Table",                           .Table = {"Oid_radiusauth", "1.3.6.1.4.1.171.12.3.10.4.1.1"}, .Kind = MVT_FMV, .Keys = 2},
    {.Name = "Settings1Click",                        .Family = GeneratedScalar, .Title = "PAE Authenticator Settings",                              .Table = {"Oid_radiusauth", "1.3.6.1.4.1.171.12.3.10.1", nullptr, 2}, .Tweaks = {SetVarFormat(1, "%i{n0x1792l4}")}},
    // 802.1X
    {.Name = "RADIUSCommand1Click",                   .Family = GeneratedScalar, .Title = "RADIUS Command",                                          .Table = {"Oid_radiusauth", "1.3.6.1.4.1.171.12.3.7.1", nullptr, 2}},
    {.Name = "AuthenticationPortControl1Click",       .Family = GeneratedTable,  .Title = "802.1X Authentication Port Settings",                     .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.3.8.1.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "TrapState2Click",                       .Family = GeneratedScalar, .Title = "802.1X Trap State",                                       .Table = {"Oid_dot1x", "1.3.6.1.4.1.171.12.30.10", nullptr, 1}, .Tweaks = {FixedEditorWidth(200)}},
    // RADIUS
    {.Name = "AuthenticationServer1Click",            .Family = GeneratedScalar, .Title = "RADIUS Authentication Information",                       .Table = {"Oid_radiusauth", "1.3.6.1.2.1.67.1.2.1.1.1"}},
    {.Name = "AuthenticationServerTable1Click",       .Family = GeneratedTable,  .Title = "RADIUS Authentication Table",                             .Table = {"Oid_radiusauth", "1.3.6.1.2.1.67.1.2.1.1.3.1.1"}, .Kind = MVT_FMV, .Keys = 1},
    // RADIUS > Accounting Control
    {.Name = "AccountingServerInformation1Click",     .Family = GeneratedScalar, .Title = "RADIUS Accounting Basic Information",                     .Table = {"Oid_radiusacct", "1.3.6.1.2.1.67.2.2.1.1.1"}},
    {.Name = "AccountingServerTable1Click",           .Family = GeneratedTable,  .Title = "RADIUS Accounting Server Table",                          .Table = {"Oid_radiusacct", "1.3.6.1.2.1.67.2.2.1.1.3.1.1"}, .Kind = MVT_FMV, .Keys = 1},
    // RADIUS
    {.Name = "RadiusServerTabl1Click",                .Family = GeneratedTable,  .Title = "RADIUS Server Table",                                     .Table = {"Oid_aac", "1.3.6.1.4.1.171.12.3.2.4.1.1", nullptr, 8}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "AccountingControlMOde1Click",           .Family = GeneratedScalar, .Title = "RADIUS Accounting Control Settings",                      .Table = {"Oid_radiusacct", "1.3.6.1.4.1.171.12.55.1.1", nullptr, 3}, .Tweaks = {GrowHeight(20)}},
    // IP-MAC-Port Binding (IMPB)
    {.Name = "BindingControl1Click",                  .Family = GeneratedScalar, .Title = "IMPB Global Settings",                                    .Table = {"Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.1.1"}},
    {.Name = "PortInformation3Click",                 .Family = GeneratedTable,  .Title = "IMPB Port Table",                                         .Table = {"Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.3.2.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(3, "%i{n0x50l2a}"), SetVarFormat(5, "%i{n0x500l3a}"), ScaledHeight(450)}},
    {.Name = "BindingBlockedTable1Click",             .Family = HandMadeForm,    .WindowClass = "TIpMacBindBlockedForm", .Title = "IMPB Blocked Table", .UnitGlobal = true},
    {.Name = "BindingTable1Click",                    .Family = HandMadeForm,    .WindowClass = "TIPMACBindingForm", .Title = "IMPB Binding Table", .UnitGlobal = true},
    {.Name = "IPv6Table2Click",                       .Family = HandMadeForm,    .WindowClass = "TIPMACBindingIPv6Form", .Title = "IMPB IPv6 Binding Table", .UnitGlobal = true},
    {.Name = "DHCPSnoopStatu1Click",                  .Family = GeneratedTable,  .Title = "IMPB DHCP Snooping Table",                                .Table = {"Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.4.3.1.1", nullptr, 5}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "IPv6DHCPSnoopingTable1Click",           .Family = GeneratedTable,  .Title = "IMPB IPv6 DHCP Snooping Table",                           .Table = {"Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.4.5.1.1", nullptr, 5}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "NDSnoopingTable1Click",                 .Family = GeneratedTable,  .Title = "IMPB ND Snooping Table",                                  .Table = {"Oid_ipmacbind", "1.3.6.1.4.1.171.12.23.4.6.1.1", nullptr, 5}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    // MAC-based Access Control (MAC)
    {.Name = "Information4Click",                     .Family = GeneratedScalar, .Title = "MAC Information Settings",                                .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.35.1.9"}, .Tweaks = {SetVarFormat(0, "%i{n0x1000l4}")}},
    {.Name = "ControlTable2Click",                    .Family = HandMadeForm,    .WindowClass = "TMBAControlForm", .Title = "MAC Global Settings", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "PortInformationTable2Click",            .Family = GeneratedTable,  .Title = "MAC Port Information Table",                              .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.35.2.1.1.1", nullptr, 9}, .Kind = MVT_UMV, .Keys = 2},
    {.Name = "PortManagementTable2Click",             .Family = GeneratedTable,  .Title = "MAC Port Table",                                          .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.35.3.1.1.1", nullptr, 7}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(6, "%i{n0x1000l4}")}},
    {.Name = "DatabaseTable1Click",                   .Family = GeneratedTable,  .Title = "MAC Database Table",                                      .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.35.4.1.1.1", nullptr, 3}, .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {SetVarFormat(0, "%h{l12f}"), SetVarFormat(1, "%i{n1x4094l4}")}},
    {.Name = "AuthenticationStateTable2Click",        .Family = GeneratedTable,  .Title = "MAC Authentication State Table",                          .Table = {"Oid_mba", "1.3.6.1.4.1.171.12.35.2.2.1.1", nullptr, 8}, .Kind = MVT_UMV, .Keys = 3},
    // Web-based Access Control (WAC)
    {.Name = "ControlTable1Click",                    .Family = GeneratedScalar, .Title = "WAC Global Settings",                                     .Table = {"Oid_wac", "1.3.6.1.4.1.171.12.27.1.1"}, .Tweaks = {SetVarFormat(3, "%s{I}"), SetVarFormat(5, "%i{n1x65535l5}"), SetVarFormatWithCheck(9, "%s{Z}", ValidateIPv6Text)}},
    {.Name = "PortInformationTable1Click",            .Family = GeneratedTable,  .Title = "WAC Authentication Information Table",                    .Table = {"Oid_wac", "1.3.6.1.4.1.171.12.27.2.2.1.1", nullptr, 9}, .Kind = MVT_UMV, .Keys = 3, .Tweaks = {SendActiveRow(8)}},
    {.Name = "PortManagementTable1Click",             .Family = GeneratedTable,  .Title = "WAC Authentication Port Table",                           .Table = {"Oid_wac", "1.3.6.1.4.1.171.12.27.3.1.1.1", nullptr, 5}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {SetVarFormat(2, "%i{n0x1440l4}"), SetVarFormat(3, "%i{n0x1440l4}"), SetVarFormat(4, "%i{n0x300l3}")}},
    {.Name = "UserManagementTable1Click",             .Family = GeneratedTable,  .Title = "WAC Authentication User Table",                           .Table = {"Oid_wac", "1.3.6.1.4.1.171.12.27.3.2.1.1", nullptr, 4}, .Kind = MVT_FMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {RequestTimeout(300), SetVarFormat(3, "%i{n1x4094l4}")}},
    {.Name = "PageelementSettingsClick",              .Family = GeneratedScalar, .Title = "WAC Page Element Settings",                               .Table = {"Oid_wac", "1.3.6.1.4.1.171.12.27.1.30", nullptr, 10}},
    // Japanese Web-based Access Control (JWAC)
    // Rows 1 to 5 travel in Shift-JIS and may stay empty; the height is not scaled.
    {.Name = "PageElementTable1Click",                .Family = GeneratedTable,  .Title = "JWAC Page Element Table",                                 .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.4.2.1.1"}, .Kind = MVT_FMV, .Keys = 1, .Tweaks = {TextCodec(1, "Shift_JIS"), TextCodec(2, "Shift_JIS"), TextCodec(3, "Shift_JIS"), TextCodec(4, "Shift_JIS"), TextCodec(5, "Shift_JIS"), OptionalRow(1), OptionalRow(2), OptionalRow(3), OptionalRow(4), OptionalRow(5), FixedHeight(300)}},
    {.Name = "WebAuthenticationUserTable1Click",      .Family = GeneratedTable,  .Title = "JWAC Web Authentication User Table",                      .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.4.3.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {SetVarFormat(1, "%s{l15}"), SetVarFormat(2, "%i{n1x4094l4}")}},
    {.Name = "JWACControl1Click",                     .Family = GeneratedScalar, .Title = "JWAC Global Settings",                                    .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.1.1", nullptr, 21}, .Tweaks = {SetVarFormat(5, "%i{n5x300l3}"), SetVarFormat(7, "%i{n0x10l2}"), SetVarFormat(8, "%s{I}"), SetVarFormat(9, "%s{l128}"), SetVarFormat(10, "%i{n1x65535l5}"), OptionalRow(9), OptionalRow(16)}},
    {.Name = "JWACUpdateServerTable1Click",           .Family = GeneratedTable,  .Title = "JWAC Update Server Table",                                .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.1.19.1.1", nullptr, 6}, .Kind = MVT_UMV, .Keys = 4, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(0, "%s{I}"), SetVarFormatWithCheck(1, "%s{Z}", IsValidSubnetMaskText), SetVarFormat(3, "%i{n0x65535l5}")}},
    {.Name = "IPv6UpdateServerTable1Click",           .Family = GeneratedTable,  .Title = "JWAC IPv6 Update Server Table",                           .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.1.24.1.1", nullptr, 6}, .Kind = MVT_UMV, .Keys = 4, .Status = {5, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormatWithCheck(0, "%s{Z}", ValidateIPv6Text), SetVarFormat(3, "%i{n0x65535l5}")}},
    {.Name = "JWACPortTable1Click",                   .Family = GeneratedTable,  .Title = "JWAC Port Table",                                         .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.3.1.1.1", nullptr, 7}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(3, "%i{n0x1440l4}"), SetVarFormat(4, "%i{n0x1440l4}"), SetVarFormat(5, "%i{n0x300l3}")}},
    {.Name = "JWACHostTable1Click",                   .Family = GeneratedTable,  .Title = "JWAC Host Table",                                         .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.4.1.1.1", nullptr, 11}, .Kind = MVT_UMV, .Keys = 3},
    {.Name = "AuthenticationStateTable1Click",        .Family = GeneratedTable,  .Title = "JWAC Authentication State Table",                         .Table = {"Oid_jwac", "1.3.6.1.4.1.171.12.39.4.4.1.1", nullptr, 12}, .Kind = MVT_UMV, .Keys = 3, .Tweaks = {SendActiveRow(11), ScaledHeight(450)}},
    // Compound Authentication
    {.Name = "NetworkSettings1Click",                 .Family = GeneratedScalar, .Title = "Compound Authentication Network Settings",                .Table = {"Oid_multipleauth", "1.3.6.1.4.1.171.12.3.11.3"}},
    {.Name = "PortTable6Click",                       .Family = GeneratedTable,  .Title = "Compound Authentication Port Table",                      .Table = {"Oid_multipleauth", "1.3.6.1.4.1.171.12.3.11.1.1.1"}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "GuestVLANTable1Click",                  .Family = HandMadeForm,    .WindowClass = "TMultpAuthGuestVlanForm", .Title = "Compound Authentication Guest VLAN Table", .UnitGlobal = true},
    // Security
    {.Name = "IGMPSnoopingAuthenticationTable1Click", .Family = ModelDependent,  .Title = "IGMP Snooping Access Authentication Table",               .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.11.13.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Tweaks = {WidenEditRows(20), ScaledHeight(420)}},
    // Port Security
    {.Name = "GlobalSettings9Click",                  .Family = HandMadeForm,    .WindowClass = "TPortSecurityGlobalSettingsForm", .Title = "Port Security Global Settings", .UnitGlobal = true},
    {.Name = "PortTable10Click",                      .Family = GeneratedTable,  .Title = "Port Security Port Table",                                .Table = {"Oid_portsecurity", "1.3.6.1.4.1.171.12.63.3.1.1.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(1, "%i{n0x3328l4}")}},
    {.Name = "VLANTable6Click",                       .Family = HandMadeForm,    .WindowClass = "TPortSecurityVLANTableForm", .Title = "Port Security VLAN Table", .UnitGlobal = true},
    {.Name = "VLANOnPort1Click",                      .Family = HandMadeForm,    .WindowClass = "TPortSecurityVLANOnPortForm", .Title = "Port Security VLAN On Port", .UnitGlobal = true},
    {.Name = "VLANOnPortClearControl1Click",          .Family = GeneratedScalar, .Title = "Port Security VLAN On Port Clear Control",                .Table = {"Oid_portsecurity", "1.3.6.1.4.1.171.12.63.3.3.2.1"}},
    {.Name = "PortSecurityTable1Click",               .Family = GeneratedTable,  .Title = "Port Security Table",                                     .Table = {"Oid_portsecurity", "1.3.6.1.4.1.171.12.63.3.4.1.1"}, .Kind = MVT_UMV, .Keys = 2, .Tweaks = {ScaledHeight(450)}},
    // Security
    {.Name = "ARPSpoofingPrevent1Click",              .Family = HandMadeForm,    .WindowClass = "TARPSpoofingPreventMgmtForm", .Title = "ARP Spoofing Prevention Table", .UnitGlobal = true},
    {.Name = "NDSpfooing1Click",                      .Family = HandMadeForm,    .WindowClass = "TNDSpoofingPreventForm", .Title = "ND Spoofing Prevention Table", .UnitGlobal = true},
    // BPDU Protection
    {.Name = "GlobalSettings1Click",                  .Family = GeneratedScalar, .Title = "BPDU Protection Global Settings",                         .Table = {"Oid_bpduprotection", "1.3.6.1.4.1.171.12.76.1.1"}},
    {.Name = "PortTable7Click",                       .Family = GeneratedTable,  .Title = "BPDU Protection Port Table",                              .Table = {"Oid_bpduprotection", "1.3.6.1.4.1.171.12.76.3.1.1.1"}, .Kind = MVT_UMV, .Keys = 1},
    // Loopback Detection
    {.Name = "LoopDetectionControl2Click",            .Family = GeneratedScalar, .Title = "Loopback Detection Global Settings",                      .Table = {"Oid_lbd", "1.3.6.1.4.1.171.12.41.1.1", nullptr, 6}, .Tweaks = {SetVarFormat(1, "%i{n1x32767l5}"), SetVarFormatWithCheck(2, "%i{Z}", CheckRecoverTimerText)}},
    {.Name = "LoopDetectionPortManagement2Click",     .Family = GeneratedTable,  .Title = "Loopback Detection Port Management Table",                .Table = {"Oid_lbd", "1.3.6.1.4.1.171.12.41.3.1.1.1", nullptr, 4}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ShowStopButton()}},
    // Security
    {.Name = "TrafficSegmentationTable1Click",        .Family = HandMadeForm,    .WindowClass = "TTrafficSegmentationForm", .Title = "Traffic Segmentation Table"},
    // NetBIOS Filtering Settings
    {.Name = "NetBIOSTable1Click",                    .Family = GeneratedTable,  .Title = "NetBIOS Filtering (Filter NetBIOS Over TCP/IP)",          .Table = {"Oid_filternetbios", "1.3.6.1.4.1.171.12.37.2.1.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "ExtendNetBIOSTable1Click",              .Family = GeneratedTable,  .Title = "Extensive NetBIOS Filtering (Filter NetBIOS Over 802.2)", .Table = {"Oid_filternetbios", "1.3.6.1.4.1.171.12.37.3.1.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    // Security
    {.Name = "RPCPortMapperFilterSettings1Click",     .Family = HandMadeForm,    .WindowClass = "TRPCPortMapperForm", .Title = "RPC PortMapper Filter Settings", .UnitGlobal = true},
    // DHCP Server Screening
    {.Name = "ScreeningSettings1Click",               .Family = GeneratedScalar, .Title = "DHCP Server Screening Settings",                          .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.37.1.3", nullptr, 2}, .Tweaks = {RequestTimeout(500)}},
    {.Name = "PortTable9Click",                       .Family = GeneratedTable,  .Title = "DHCP Server Screening Port Table",                        .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.37.1.2.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "PermitTable1Click",                     .Family = HandMadeForm,    .WindowClass = "TFilterDHCPPermitForm", .Title = "DHCP Offer Permit Table"},
    // DHCPv6 Server Screening
    {.Name = "ScreeningSettings2Click",               .Family = GeneratedScalar, .Title = "DHCPv6 Server Screening Settings",                        .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.37.6.3", nullptr, 2}, .Tweaks = {FixedEditorWidth(200)}},
    {.Name = "PortTable11Click",                      .Family = GeneratedTable,  .Title = "DHCPv6 Server Screening Port Table",                      .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.37.6.1.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1},
    {.Name = "DHCPOfferPermitTable1Click",            .Family = HandMadeForm,    .WindowClass = "TFilterDHCPv6PermitForm", .Title = "DHCPv6 Server Screening Permit Table", .UnitGlobal = true},
    // ICMPv6 RA All Node
    {.Name = "InformationSettings111Click",           .Family = GeneratedScalar, .Title = "ICMPv6 RA All Node Information Settings",                 .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.37.7.3", nullptr, 2}, .Tweaks = {FixedEditorWidth(200)}},
    {.Name = "Porttable223Click",                     .Family = GeneratedTable,  .Title = "ICMPv6 RA All Node Port Table",                           .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.37.7.1.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1},
    // The title ends in ":", so the caption shows two colons before the address.
    {.Name = "PermitTable122Click",                   .Family = HandMadeForm,    .WindowClass = "TFilterAllNodePermitForm", .Title = "ICMPv6 RA All Node Permit Table:", .UnitGlobal = true},
    // Access Authentication Control (AAC)
    {.Name = "TACACSControl1Click",                   .Family = GeneratedScalar, .Title = "AAC Global Settings",                                     .Table = {"Oid_aac", "1.3.6.1.4.1.171.12.5.1.1"}},
    {.Name = "TACACSInformation1Click",               .Family = GeneratedScalar, .Title = "AAC Information Table",                                   .Table = {"Oid_aac", "1.3.6.1.4.1.171.12.5.2.1"}},
    {.Name = "LoginInformation1Click",                .Family = GeneratedScalar, .Title = "AAC Application Authentication Settings",                 .Table = {"Oid_aac", "1.3.6.1.4.1.171.12.5.7.1.1"}},
    // One window class for both lists: its argument is the mode, 1 login, 0 enable.
    {.Name = "LoginMethodControl1Click",              .Family = HandMadeForm,    .WindowClass = "TLoginMethodListForm", .Title = "AAC Login Method List Settings", .Owner = MainWindow, .Argument = 1},
    {.Name = "EnableMethodControl1Click",             .Family = HandMadeForm,    .WindowClass = "TLoginMethodListForm", .Title = "AAC Enable Method List Settings", .Owner = MainWindow, .Argument = 0},
    {.Name = "ServerInformation1Click",               .Family = HandMadeForm,    .WindowClass = "TServerInformationForm", .Title = "AAC Server Information", .UnitGlobal = true},
    {.Name = "ServerControl1Click",                   .Family = HandMadeForm,    .WindowClass = "TAAASrvCtrlForm", .Title = "AAC Server Settings", .UnitGlobal = true},
    {.Name = "ServerGroup1Click",                     .Family = HandMadeForm,    .WindowClass = "TServerGroupForm", .Title = "AAC Server Group", .UnitGlobal = true},
    // SSL
    {.Name = "SSLManagement1Click",                   .Family = HandMadeForm,    .WindowClass = "TSSLManagementForm", .Title = "SSL Global Settings", .UnitGlobal = true},
    {.Name = "SSLCertificateLevel1Click",             .Family = GeneratedScalar, .Title = "SSL Certificate File",                                    .Table = {"Oid_ssl", "1.3.6.1.4.1.171.12.7.2.1"}, .Tweaks = {RequestTimeout(600), GrowHeight(20)}},
    // SSH
    {.Name = "SSHManagement1Click",                   .Family = GeneratedScalar, .Title = "SSH Global Settings",                                     .Table = {"Oid_ssh", "1.3.6.1.4.1.171.12.6.1.1"}},
    {.Name = "DiffieHellmanAlgorithm1Click",          .Family = GeneratedScalar, .Title = "Diffie Hellman Algorithm Control",                        .Table = {"Oid_ssh", "1.3.6.1.4.1.171.12.6.3.4"}},
    {.Name = "EncryptionAlgorithm1Click",             .Family = GeneratedScalar, .Title = "SSH Encryption Algorithm Settings",                       .Table = {"Oid_ssh", "1.3.6.1.4.1.171.12.6.3.1.1"}},
    {.Name = "AuthenticationMethod1Click",            .Family = GeneratedScalar, .Title = "SSH Authentication Method Settings",                      .Table = {"Oid_ssh", "1.3.6.1.4.1.171.12.6.3.2.1"}},
    {.Name = "HMACAlgorithm1Click",                   .Family = GeneratedScalar, .Title = "HMAC Algorithm Control",                                  .Table = {"Oid_ssh", "1.3.6.1.4.1.171.12.6.3.3.1"}, .Tweaks = {GrowHeight(15)}},
    {.Name = "PublicKeyAlgorithm1Click",              .Family = GeneratedScalar, .Title = "Public Key Algorithm Control",                            .Table = {"Oid_ssh", "1.3.6.1.4.1.171.12.6.3.5.1"}},
    // Trusted Host Settings
    {.Name = "TrustHostTable1Click",                  .Family = GeneratedTable,  .Title = "Trusted Host Table",                                      .Table = {"Oid_trusthost", "1.3.6.1.4.1.171.12.1.2.10.1.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}},
    {.Name = "TrustHostDeleteAllState1Click",         .Family = GeneratedScalar, .Title = "Trusted Host Delete All State",                           .Table = {"Oid_trusthost", "1.3.6.1.4.1.171.12.1.2.10.2", nullptr, 1}},
    // Safeguard Engine
    {.Name = "GlobalManagement1Click",                .Family = GeneratedScalar, .Title = "Safeguard Engine Global Settings",                        .Table = {"Oid_safeguard", "1.3.6.1.4.1.171.12.19.1.1"}},
    {.Name = "ProtectControl1Click",                  .Family = HandMadeForm,    .WindowClass = "TSafeguardCtrlForm", .Title = "Safeguard Control Settings", .Owner = MainWindow, .UnitGlobal = true},
    // DoS Prevention
    {.Name = "ControlInformationSettings1Click",      .Family = GeneratedScalar, .Title = "DoS Prevention Control Information Settings",             .Table = {"Oid_common", "1.3.6.1.4.1.171.12.59.1.4", nullptr, 3}, .Tweaks = {RequestTimeout(500)}},
    {.Name = "ControlTable8Click",                    .Family = GeneratedTable,  .Title = "DoS Prevention Control Table",                            .Table = {"Oid_common", "1.3.6.1.4.1.171.12.59.1.3.1.1", nullptr, 3}, .Kind = MVT_UMV, .Keys = 1},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> SecurityHandlers = Rows;
