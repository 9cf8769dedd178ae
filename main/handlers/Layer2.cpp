// Handler rows of the group "Layer 2 ", in menu order. The places of "Information" (802.1Q VLAN),
// "LLDP-MED Device Table" (Voice VLAN) and of the items of L2 Protocol Tunnel and ERPS among their
// sub-menus' items are assumed.
#include "main/handlers/Groups.h"

#include "main/Families.h"
#include "main/MainUnit.h"
#include "main/NormalizeHexField.h"

#include "features/switching/McastProxyGroupForm.h"

#include "gui/EditsPanel.h"
#include "gui/SNMPEditorPanel.h"
#include "snmp/ControlValidators.h"
#include "snmp/DeviceState.h"
#include "snmp/Request2Edits.h"
#include "snmp/VarList.h"
#include "ui/Color.h"

#include <exception>

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using enum WindowOwner;
using namespace tweak;

// The spanning tree windows read the switch's STP version into the main window first. A read that
// fails leaves the text as it was; one that raises says why in the main window's status panel 0.
// Either way the window opens.
void ReadSTPVersionFirst(HandlerWindow& window)
{
    auto* main = dynamic_cast<TMainForm*>(window.Context.MainWindow);
    if (main == nullptr || main->STPVersion() == nullptr)
        return;
    try {
        main->STPVersion()->Get();
    } catch (const std::exception& e) {
        main->StatusBar->Panel(0)->SetText(e.what());
    }
}

// The one proxy group window shows the IGMP or the MLD table by the kind set last.
void IGMPProxyKind(HandlerWindow&)
{
    ProxyGroupKind = 1;
}

void MLDProxyKind(HandlerWindow&)
{
    ProxyGroupKind = 2;
}

// Below the rows of "LLDP Basic Configuration": the rule that ties its two intervals.
void ShowTXIntervalNote(HandlerWindow& window)
{
    window.Panel->EditsPanel->ShowMessageLabel("Notes : Message TX Interval >=  4*TX Delay", ui::clRed, 8);
}

// clang-format off
const HandlerRow Rows[] = {
    // Layer 2
    {.Name = "DeviceControl1Click",                      .Family = ModelDependent,  .Title = "Layer 2 Device Global Settings",                           .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.1.2.5"},                                                            .Kind = SVT_SV, .Keys = 0, .Layout = Editor, .Tweaks = {RequestTimeout(600)}},
    // VLAN > 802.1Q > 802.1Q Bridge
    {.Name = "BasicConfigureClick",                      .Family = GeneratedScalar, .Title = "802.1Q VLAN Basic Configuration",                          .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.7.1.1.1"}},
    {.Name = "PortsInfo1Click",                          .Family = HandMadeForm,    .WindowClass = "TVLanPortInfomationForm", .Title = "802.1Q VLAN Port Information Table", .UnitGlobal = true},
    // VLAN > 802.1Q > Forwarding/Filtering
    {.Name = "UnicastForwardingInformation1Click",       .Family = GeneratedTable,  .Title = "802.1Q Unicast Forwarding Table",                          .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID"},                                                         .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ScaledHeight(450)}},
    {.Name = "TpGroupDestinationForwarded1Click",        .Family = HandMadeForm,    .WindowClass = "TTpGroupDestinationForwardedForm", .Title = "Tp Group Destination Forwarded", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "MulticastForwardingInformation1Click",     .Family = HandMadeForm,    .WindowClass = "TMulticastForwardingInformationForm", .Title = "Multicast Forwarding Information", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "Databaseinformation1Click",                .Family = GeneratedTable,  .Title = "802.1Q Filtering Database Table",                          .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.7.1.2.1.1.1", "VLAN ID"},                                                        .Kind = MVT_FMV, .Keys = 1},
    {.Name = "FilteringInformation1Click",               .Family = GeneratedTable,  .Title = "Filtering Information",                                    .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", 4, {2, "1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address"}}, .Kind = MVT_FMV, .Keys = 2},
    // VLAN > 802.1Q > 802.1Q VLAN
    {.Name = "StaticForm1Click",                         .Family = HandMadeForm,    .WindowClass = "TVlanStaticForm", .Title = "802.1Q Static VLAN Table", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "CurrentForm1Click",                        .Family = HandMadeForm,    .WindowClass = "TVLanCurrentTableForm", .Title = "802.1Q Current VLAN Table", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "Information5Click",                        .Family = GeneratedScalar, .Title = "802.1Q VLAN Information",                                  .Table = {"Oid_vlancomm", "1.3.6.1.2.1.17.7.1.4.1", nullptr, 3},                                                          .Tweaks = {SetVarFormat(1, "%i{n0x65535l5}")}},
    // VLAN > 802.1Q > Static Filtering
    {.Name = "UnicastInformation1Click",                 .Family = HandMadeForm,    .WindowClass = "TUnicastFilterInformationForm", .Title = "802.1Q Unicast Filter Information Table", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "MulticastInformation1Click",               .Family = HandMadeForm,    .WindowClass = "TMulticastFilterInformationForm", .Title = "802.1Q Multicast Filter Information Table", .Owner = MainWindow, .UnitGlobal = true},
    // VLAN > Protocol VLAN
    {.Name = "ProtocolVLANGroup1Click",                  .Family = HandMadeForm,    .WindowClass = "TProtocolVLANGroupForm", .Title = "Protocol VLAN Group Table", .UnitGlobal = true},
    {.Name = "ProtocolVLANPort1Click",                   .Family = GeneratedTable,  .Title = "Protocol VLAN Port Table",                                 .Table = {"Oid_protocolvlan", "1.3.6.1.2.1.17.7.1.5.2.1.1"},                                                              .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "ProtocolVLANPortGroupPriority1Click",      .Family = GeneratedTable,  .Title = "Protocol VLAN Port Group Priority Table",                  .Table = {"Oid_protocolvlan", "1.3.6.1.4.1.171.12.16.1.2.1.1"},                                                           .Kind = MVT_UMV, .Keys = 2, .Tweaks = {SetVarFormat(2, "%i{n0x7l1}")}, .CaptionFirst = true},
    // VLAN
    {.Name = "VLANPortInfomation1Click",                 .Family = ModelDependent,  .Title = "VLAN Port Information Table",                              .Table = {"Oid_vlancomm", "1.3.6.1.4.1.171.11.133.N.1.2.2.3.1.1"},                                                        .Kind = MVT_FMV, .Keys = 2, .Layout = ListView},
    {.Name = "VLANTable2Click",                          .Family = ModelDependent,  .Title = "Static VLAN Management",                                   .Table = {"Oid_vlancomm", "1.3.6.1.4.1.171.11.133.N.1.2.2.1.1.1"},                                                        .Kind = MVT_UMV, .Keys = 1, .Layout = ListView},
    {.Name = "NNIGvrpBPDUAddress1Click",                 .Family = ModelDependent,  .Title = "VLAN NNI GVRP BPDU Address",                               .Table = {"Oid_vlancomm", "1.3.6.1.4.1.171.11.133.N.1.2.2.6"},                                                            .Kind = SVT_SV, .Keys = 0, .Layout = Editor},
    {.Name = "VLANTrunk1Click",                          .Family = ModelDependent,  .Title = "VLAN Trunk Settings",                                      .Table = {"Oid_vlantrunk", "1.3.6.1.4.1.171.11.133.N.1.2.9.6.1.1"},                                                       .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Tweaks = {RequestTimeout(600), ScaledHeight(450)}},
    // VLAN > Super VLAN
    {.Name = "SuperVLANTable1Click",                     .Family = GeneratedTable,  .Title = "Super VLAN Table",                                         .Table = {"Oid_supervlan", "1.3.6.1.4.1.171.12.91.1.1.1.1", nullptr, 13},                                                 .Kind = MVT_UMV, .Keys = 1, .Status = {12, "createAndGo", "destroy"}},
    {.Name = "SubVLANTable1Click",                       .Family = GeneratedTable,  .Title = "Super VLAN Sub-VLAN Table",                                .Table = {"Oid_supervlan", "1.3.6.1.4.1.171.12.91.1.2.1.1", nullptr, 2},                                                  .Kind = MVT_FMV, .Keys = 1},
    {.Name = "SubVLANIPRangeTable1Click",                .Family = GeneratedTable,  .Title = "Super VLAN Sub-VLAN IP Range Table",                       .Table = {"Oid_supervlan", "1.3.6.1.4.1.171.12.91.1.3.1.1", nullptr, 4},                                                  .Kind = MVT_UMV, .Keys = 3, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "MapInterfaceTable1Click",                  .Family = GeneratedTable,  .Title = "Super VLAN Map Interface Table",                           .Table = {"Oid_supervlan", "1.3.6.1.4.1.171.12.91.1.4.1.1", nullptr, 4},                                                  .Kind = MVT_UMV, .Keys = 2},
    // VLAN
    {.Name = "mniVLANCounterSettings1Click",             .Family = GeneratedTable,  .Title = "VLAN Counter Settings",                                    .Table = {"Oid_vlancounter", "1.3.6.1.4.1.171.12.65.3.1.1.1"},                                                            .Kind = MVT_UMV, .Keys = 4, .Status = {6, "createAndGo", "destroy"}, .CaptionFirst = true},
    // VLAN > MAC-based VLAN
    {.Name = "MACBasedVLAN2Click",                       .Family = GeneratedTable,  .Title = "MAC-based VLAN Control Option Table",                      .Table = {"Oid_macbasedvlan", "1.3.6.1.4.1.171.12.56.3.2.1.1"},                                                           .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    // VLAN
    {.Name = "PVIDVLANAutoAssignmentState1Click",        .Family = ModelDependent,  .Title = "VLAN Management PVID Auto Assignment Settings",            .Table = {"Oid_vlancomm", "1.3.6.1.4.1.171.11.133.N.1.2.2.2"},                                                            .Kind = SVT_SV, .Keys = 0, .Layout = Editor},
    // VLAN > Subnet VLAN
    {.Name = "VLANTable1Click",                          .Family = GeneratedTable,  .Title = "Subnet VLAN IPv4 Table",                                   .Table = {"Oid_subnetvlan", "1.3.6.1.4.1.171.12.75.3.2.1.1"},                                                             .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {SetVarFormat(0, "%s{I}"), SetVarFormatWithCheck(1, "%s{Z}", IsValidSubnetMaskText), SetVarFormat(2, "%i{n1x4094l4}"), SetVarFormat(3, "%i{n0x7l1}"), HideEditButton()}},
    {.Name = "IPv6Table1Click",                          .Family = GeneratedTable,  .Title = "Subnet VLAN IPv6 Table",                                   .Table = {"Oid_subnetvlan", "1.3.6.1.4.1.171.12.75.3.3.1.1"},                                                             .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {SetVarFormatWithCheck(0, "%s{Z}", ValidateIPv6Text), SetVarFormat(2, "%i{n1x4094l4}"), SetVarFormat(3, "%i{n0x7l1}"), HideEditButton()}},
    // VLAN > Voice VLAN
    {.Name = "GlobalSettings3Click",                     .Family = HandMadeForm,    .WindowClass = "TVoiceVLANGlobalForm", .Title = "Voice VLAN Global Settings", .UnitGlobal = true},
    {.Name = "VLANDevice1Click",                         .Family = GeneratedTable,  .Title = "Voice VLAN Device Table",                                  .Table = {"Oid_voicevlan", "1.3.6.1.4.1.171.12.74.2.3.1.1"},                                                              .Kind = MVT_FMV, .Keys = 2},
    {.Name = "OUITable1Click",                           .Family = GeneratedTable,  .Title = "Voice VLAN OUI Table",                                     .Table = {"Oid_voicevlan", "1.3.6.1.4.1.171.12.74.3.1.1.1"},                                                              .Kind = MVT_UMV, .Keys = 1, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), FixedWidth(480)}},
    {.Name = "UNI1Click",                                .Family = GeneratedTable,  .Title = "Voice VLAN Port Table",                                    .Table = {"Oid_voicevlan", "1.3.6.1.4.1.171.12.74.3.2.1.1"},                                                              .Kind = MVT_UMV, .Keys = 1, .Tweaks = {FixedWidth(400)}},
    {.Name = "LLDPMEDDeviceTable1Click",                 .Family = GeneratedTable,  .Title = "Voice VLAN LLDP-MED Device Table",                         .Table = {"Oid_voicevlan", "1.3.6.1.4.1.171.12.74.2.4.1.1", nullptr, 8},                                                  .Kind = MVT_FMV, .Keys = 1},
    // VLAN > Private VLAN
    {.Name = "mniPrivateVLANSettings1Click",             .Family = HandMadeForm,    .WindowClass = "TPrivateVLANForm", .Title = "Private VLAN Settings", .UnitGlobal = true},
    {.Name = "mniSecondaryVlanSettings1Click",           .Family = HandMadeForm,    .WindowClass = "TSecondaryVlanForm", .Title = "Secondary VLAN Settings", .UnitGlobal = true},
    // Q-in-Q
    {.Name = "QinQControlState1Click",                   .Family = GeneratedScalar, .Title = "Q-in-Q Global Settings",                                   .Table = {"Oid_qinq", "1.3.6.1.4.1.171.12.57.1.1", nullptr, 2},                                                           .Tweaks = {SetVarFormat(1, "%h{l4f}"), GrowHeight(20)}},
    {.Name = "QinQPortTable1Click",                      .Family = GeneratedTable,  .Title = "Q-in-Q Port Table",                                        .Table = {"Oid_qinq", "1.3.6.1.4.1.171.12.57.3.1.1.1", nullptr, 6},                                                       .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormatWithCheck(3, "%s{Z}", NormalizeHexField), SetVarFormat(5, "%h{l4f}")}},
    {.Name = "VLANTranslateTable1Click",                 .Family = GeneratedTable,  .Title = "Q-in-Q VLAN Translation Table",                            .Table = {"Oid_qinq", "1.3.6.1.4.1.171.12.57.3.3.1.1", nullptr, 6},                                                       .Kind = MVT_UMV, .Keys = 2, .Status = {5, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), SetVarFormat(0, "%i{n0x4094l4}"), SetVarFormat(1, "%i{n0x4094l4}"), SetVarFormat(2, "%i{n0x4094l4}"), SetVarFormat(4, "%i{n0x7}")}},
    // Spanning Tree
    {.Name = "SpanningTreeAlgorithm1Click",              .Family = HandMadeForm,    .WindowClass = "TSpanningTreeAlgorithmForm", .Title = "Spanning Tree Algorithm", .UnitGlobal = true},
    // Spanning Tree > 802.1D
    {.Name = "Information1Click",                        .Family = GeneratedScalar, .Title = "Bridge 802.1D Information",                                .Table = {"Oid_common", "1.3.6.1.2.1.17.1.1"},                                                                            .Tweaks = {SetVarFormat(4, "%i{n10x1000000l7}")}},
    {.Name = "PortTable1Click",                          .Family = GeneratedTable,  .Title = "Bridge 802.1D Port Table",                                 .Table = {"Oid_bridge", "1.3.6.1.2.1.17.1.4.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    // Spanning Tree > Spanning Tree
    {.Name = "Information2Click",                        .Family = HandMadeForm,    .WindowClass = "TSTP_Info", .Title = "Spanning Tree Global Settings", .Tweaks = {StepBeforeCreate(ReadSTPVersionFirst)}, .UnitGlobal = true},
    {.Name = "ConfigurationIdentification1Click",        .Family = GeneratedScalar, .Title = "STP Configuration Identification",                         .Table = {"Oid_common", "1.3.6.1.4.1.171.12.15.2.1"},                                                                     .Tweaks = {GrowHeight(20)}},
    {.Name = "InstanceInformation1Click",                .Family = HandMadeForm,    .WindowClass = "TMSTPVLANUnitForm", .Title = "STP Instance Control Table", .UnitGlobal = true},
    {.Name = "PortStateInformation1Click",               .Family = HandMadeForm,    .WindowClass = "TMSTPPortStateForm", .Title = "STP Port State Information", .UnitGlobal = true},
    {.Name = "PortMSTPInformation1Click",                .Family = GeneratedTable,  .Title = "Port MSTP Information",                                    .Table = {"Oid_common", "1.3.6.1.4.1.171.12.15.2.5.1.1"},                                                                 .Kind = MVT_UMV, .Keys = 2},
    {.Name = "PortTableClick",                           .Family = GeneratedTable,  .Title = "Spanning Tree Port Table",                                 .Table = {"Oid_common", "1.3.6.1.2.1.17.2.15.1.1"},                                                                       .Kind = MVT_FMV, .Keys = 1, .Tweaks = {StepBeforeCreate(ReadSTPVersionFirst)}},
    // Spanning Tree > Transparent Bridge
    // Stop shows above Close from the start, so that a long walk can be stopped.
    {.Name = "ForwardingTable1Click",                    .Family = GeneratedTable,  .Title = "802.1D Transparent Bridge Forwding Table",                 .Table = {"Oid_qbridge", "1.3.6.1.2.1.17.4.3.1.1"},                                                                       .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ShowStopButton(), ScaledHeight(450)}},
    {.Name = "StaticTable1Click",                        .Family = ExternalTool,    .PageSwitch = "/TBridge_StaticFilter"},
    {.Name = "PortCounters1Click",                       .Family = HandMadeForm,    .WindowClass = "TTpBridgePortInfo_Table", .Title = "802.1D Transparent Bridge Port Information Table", .UnitGlobal = true},
    // Link Aggregation
    {.Name = "TrunkBasicInformation1Click",              .Family = ModelDependent,  .Title = "Trunk Basic Information",                                  .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.9.1"},                                                              .Kind = SVT_SV, .Keys = 0, .Layout = Editor},
    {.Name = "PortTrunk2Click",                          .Family = HandMadeForm,    .WindowClass = "TPortTrunkForm", .Title = "Port Trunk Table"},
    {.Name = "LACPPortTable1Click",                      .Family = ModelDependent,  .Title = "LACP Port Table",                                          .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.9.5.1.1"},                                                          .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Tweaks = {SendActiveRow(1)}},
    // FDB
    {.Name = "StaticFDB1Click",                          .Family = GeneratedTable,  .Title = "Static FDB Table",                                         .Table = {"Oid_common", "1.3.6.1.4.1.171.12.70.1.1.1.1"},                                                                 .Kind = MVT_UMV, .Keys = 2, .Status = {5, "createAndGo", "destroy"}},
    {.Name = "FDBSecurity1Click",                        .Family = GeneratedTable,  .Title = "FDB Security",                                             .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.11.4.1.1", nullptr, 6},                                                   .Kind = MVT_FMV, .Keys = 2},
    // FDB > Clear FDB
    {.Name = "AgentFDBClearAllState1Click",              .Family = GeneratedScalar, .Title = "Clear All FDB",                                            .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.11.1", nullptr, 1}},
    {.Name = "ClearFDBbyPort1Click",                     .Family = GeneratedTable,  .Title = "Clear FDB By Port",                                        .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.11.2.1.1", nullptr, 2},                                                   .Kind = MVT_UMV, .Keys = 1},
    {.Name = "ClearFDBByVLAN1Click",                     .Family = GeneratedTable,  .Title = "Clear FDB By VLAN ID",                                     .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.11.3.1.1", nullptr, 2},                                                   .Kind = MVT_UMV, .Keys = 1},
    // IGMP Proxy
    {.Name = "GlobalSettings5Click",                     .Family = GeneratedScalar, .Title = "IGMP Proxy Global Settings",                               .Table = {"Oid_mcastproxy", "1.3.6.1.4.1.171.12.80.1.1"}},
    {.Name = "GroupTable3Click",                         .Family = HandMadeForm,    .WindowClass = "TMcastProxyGroupForm", .Title = "IGMP Proxy Group Table", .Tweaks = {StepBeforeCreate(IGMPProxyKind)}, .UnitGlobal = true},
    {.Name = "UpstreamInterfaceTable1Click",             .Family = HandMadeForm,    .WindowClass = "TIGMPSnoopingProxyUpstreamInterfaceForm", .Title = "IGMP Proxy Upstream Interface Table", .UnitGlobal = true},
    {.Name = "DownstreamInterfaceTable1Click",           .Family = GeneratedTable,  .Title = "IGMP Proxy Downstream Interface Table",                    .Table = {"Oid_mcastproxy", "1.3.6.1.4.1.171.12.80.3.1.2.1.1"},                                                           .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}, .CaptionFirst = true},
    // IGMP Snooping
    {.Name = "IGMPGeneral1Click",                        .Family = GeneratedScalar, .Title = "IGMP Snooping Global Settings",                            .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.1.1"}},
    {.Name = "ForwardingTable2Click",                    .Family = HandMadeForm,    .WindowClass = "TIGMPSnoopingForwardingForm", .Title = "IGMP Snooping Forwarding Table", .UnitGlobal = true},
    {.Name = "GroupTable1Click",                         .Family = HandMadeForm,    .WindowClass = "TIGMPSnoopingGroupForm", .Title = "IGMP Snooping Group Table", .UnitGlobal = true},
    {.Name = "VLANStatisticCounterTable1Click",          .Family = GeneratedTable,  .Title = "IGMP Snooping VLAN Statistic Counter Table",               .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.1.3.1.5"},                                                                .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "VLANStatisticCounterTable2Click",          .Family = GeneratedTable,  .Title = "IGMP Snooping Port Statistic Counter Table",               .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.1.4.1.1"},                                                                .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "HostTable2Click",                          .Family = GeneratedTable,  .Title = "IGMP Snooping Host Table",                                 .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.1.5.1.1"},                                                                .Kind = MVT_FMV, .Keys = 4, .CaptionFirst = true},
    {.Name = "FilterCPU1Click",                          .Family = GeneratedTable,  .Title = "IGMP Snooping Filter Layer 3 Control Packets Table",       .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.37.4.1.1.1"},                                                             .Kind = MVT_UMV, .Keys = 1, .CaptionFirst = true},
    {.Name = "GroupPortNumberTable1Click",               .Family = GeneratedTable,  .Title = "IGMP Snooping Group Port Number Table",                    .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.1.6.1.1", nullptr, 3},                                                    .Kind = MVT_FMV, .Keys = 2},
    {.Name = "ControlTable4Click",                       .Family = GeneratedTable,  .Title = "IGMP Snooping Control Table",                              .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.1.1.1.5"},                                                                .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormatWithCheck(17, "%s{Z}", ValidateIPv4Text), ScaledHeight(450)}},
    {.Name = "StaticGroupTable1Click",                   .Family = HandMadeForm,    .WindowClass = "TIGMPSnoopingStaticGroupForm", .Title = "IGMP Snooping Static Group Table", .UnitGlobal = true},
    {.Name = "DataDrivenlearningGroupTable1Click",       .Family = HandMadeForm,    .WindowClass = "TIGMPSnoopingDataDrivenLearingGroupForm", .Title = "IGMP Snooping Data Driven Learning Group Table", .UnitGlobal = true},
    {.Name = "RouterPorts2Click",                        .Family = HandMadeForm,    .WindowClass = "TIGMPRouterPortsForm", .Title = "IGMP Snooping Router Ports", .UnitGlobal = true},
    {.Name = "DynamicRouterAddressTable1Click",          .Family = GeneratedTable,  .Title = "IGMP Snooping Dynamic Router Address Table",               .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.1.5.1.1"},                                                                .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "VLANRateLimitTable1Click",                 .Family = GeneratedTable,  .Title = "IGMP Snooping VLAN Rate Limit Table",                      .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.1.6.1.5"},                                                                .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "PortRateLimitTable1Click",                 .Family = GeneratedTable,  .Title = "IGMP Snooping Port Rate Limit Table",                      .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.1.7.1.5"},                                                                .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "IGMPMulticastVLANTable1Click",             .Family = HandMadeForm,    .WindowClass = "TIGMPMulticastVlanForm", .Title = "IGMP Snooping Multicast VLAN Table", .UnitGlobal = true},
    {.Name = "IGMPMulticastVLANGroup1Click",             .Family = GeneratedTable,  .Title = "IGMP Snooping Multicast VLAN Group Profile Table",         .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.64.3.2.1.1", "Group Profile Name"},                                            .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "MulticastVLANGroupAddressTable1Click",     .Family = GeneratedTable,  .Title = "IGMP Snooping Multicast VLAN Group Proflie Address Table", .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.64.3.2.1.1", "Profile Name"},                                                  .Kind = MVT_UMV, .Keys = 4, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    // MLD Proxy
    {.Name = "GlobalSettings6Click",                     .Family = GeneratedScalar, .Title = "MLD Proxy Global Settings",                                .Table = {"Oid_mcastproxy", "1.3.6.1.4.1.171.12.80.1.2"}},
    {.Name = "GroupTable4Click",                         .Family = HandMadeForm,    .WindowClass = "TMcastProxyGroupForm", .Title = "MLD Proxy Group Table", .Tweaks = {StepBeforeCreate(MLDProxyKind)}, .UnitGlobal = true},
    {.Name = "UpstreamInterfaceTable2Click",             .Family = HandMadeForm,    .WindowClass = "TMLDSnoopingProxyUpstreamInterfaceForm", .Title = "MLD Proxy Upstream Interface Table", .UnitGlobal = true},
    {.Name = "DownstreamInterfaceTable2Click",           .Family = GeneratedTable,  .Title = "MLD Proxy Downstream Interface Table",                     .Table = {"Oid_mcastproxy", "1.3.6.1.4.1.171.12.80.3.2.2.1.1"},                                                           .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}, .CaptionFirst = true},
    // MLD Snooping
    {.Name = "IGMPSnoopingManagement2Click",             .Family = GeneratedScalar, .Title = "MLD Snooping Global Settings",                             .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.1.2"}},
    {.Name = "ForwardingTable3Click",                    .Family = HandMadeForm,    .WindowClass = "TMLDSnoopingForwardingTableForm", .Title = "MLD Snooping Forwarding Table", .UnitGlobal = true},
    {.Name = "GroupTable2Click",                         .Family = HandMadeForm,    .WindowClass = "TMLDSnoopingGroupForm", .Title = "MLD Snooping Group Table", .UnitGlobal = true},
    {.Name = "VLANStatisticCounterTable3Click",          .Family = GeneratedTable,  .Title = "MLD Snooping VLAN Statistic Counter Table",                .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.2.3.1.5"},                                                                .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "PortStatisticCounterTable1Click",          .Family = GeneratedTable,  .Title = "MLD Snooping Port Statistic Counter Table",                .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.2.4.1.1"},                                                                .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "HostTable3Click",                          .Family = GeneratedTable,  .Title = "MLD Snooping Host Table",                                  .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.2.5.1.1"},                                                                .Kind = MVT_FMV, .Keys = 4, .CaptionFirst = true},
    {.Name = "GroupPortNumberTable2Click",               .Family = GeneratedTable,  .Title = "MLD Snooping Group Port Number Table",                     .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.2.2.6.1.1", nullptr, 3},                                                    .Kind = MVT_FMV, .Keys = 2},
    {.Name = "ControlTable5Click",                       .Family = GeneratedTable,  .Title = "MLD Snooping Control",                                     .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.2.1.1.5"},                                                                .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormatWithCheck(17, "%s{Z}", ValidateIPv6Text), ScaledHeight(450)}},
    {.Name = "StaticGroupTable2Click",                   .Family = HandMadeForm,    .WindowClass = "TMLDSnoopingStaticGroupForm", .Title = "MLD Snooping Static Group Table", .UnitGlobal = true},
    {.Name = "DataDrivenlearningGroupTable2Click",       .Family = HandMadeForm,    .WindowClass = "TMLDSnoopingDataDrivenLearingGroupForm", .Title = "MLD Snooping Data Driven Learning Group Table", .UnitGlobal = true},
    {.Name = "RouterPorts3Click",                        .Family = HandMadeForm,    .WindowClass = "TMLDRouterProtsForm", .Title = "MLD Snooping Router Ports", .UnitGlobal = true},
    {.Name = "DynamicRouterAddressTable2Click",          .Family = GeneratedTable,  .Title = "MLD Snooping Dynamic Router Address Table",                .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.2.5.1.1"},                                                                .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "VLANRateLimitTable2Click",                 .Family = GeneratedTable,  .Title = "MLD Snooping VLAN Rate Limit Table",                       .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.2.6.1.5"},                                                                .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "PortRateLimitTable2Click",                 .Family = GeneratedTable,  .Title = "MLD Snooping Port Rate Limit Table",                       .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.73.3.2.7.1.5"},                                                                .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "MulticastVLANTable1Click",                 .Family = HandMadeForm,    .WindowClass = "TmldMulticastVlanForm", .Title = "MLD Snooping Multicast VLAN Table", .UnitGlobal = true},
    {.Name = "MulticastVLANGroupTable1Click",            .Family = GeneratedTable,  .Title = "MLD Snooping Multicast VLAN Group Table",                  .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.64.3.5.1.1"},                                                                  .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "MulticastVLANGroupAddressTable2Click",     .Family = GeneratedTable,  .Title = "MLD Snooping Multicast VLAN Group Profile Address Table",  .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.64.3.6.1.1"},                                                                  .Kind = MVT_UMV, .Keys = 4, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    // Multicast Filter
    {.Name = "MulticastFilterProfileTable1Click",        .Family = GeneratedTable,  .Title = "Multicast Filter Profile Table",                           .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.1.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {SetVarFormat(0, "%i{n1x24l2}")}},
    {.Name = "MulticastFilterProfileAddressTable1Click", .Family = GeneratedTable,  .Title = "Multicast Filter Profile Address Table",                   .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.2.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 3, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(0, "%i{n1x24l2}")}},
    {.Name = "PortGroupTable1Click",                     .Family = GeneratedTable,  .Title = "Multicast Filter Port Group Table",                        .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.3.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "PortAccessTable1Click",                    .Family = GeneratedTable,  .Title = "Multicast Filter Port Access Table",                       .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.4.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "MulticastFilterPortMaxGroupTable1Click",   .Family = GeneratedTable,  .Title = "Multicast Filter Port Max. Group Table",                   .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.5.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 1},
    {.Name = "VLANGroupTable1Click",                     .Family = GeneratedTable,  .Title = "Multicast Filter VLAN Group Table",                        .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.6.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "VLANAccessTable1Click",                    .Family = GeneratedTable,  .Title = "Multicast Filter VLAN Access Table",                       .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.7.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "VLANMaxGroupTable1Click",                  .Family = GeneratedTable,  .Title = "Multicast Filter VLAN Max Group Table",                    .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.8.1.1"},                                                                    .Kind = MVT_UMV, .Keys = 1},
    // Multicast Filter > IPv6
    {.Name = "IPv6ProfileInformationTable1Click",        .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 Profile Table",                      .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.20.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {SetVarFormat(0, "%i{n1x24l2}")}},
    {.Name = "IPv6ProfileControlTable1Click",            .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 Profile Address Table",              .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.21.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 3, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), SetVarFormat(0, "%i{n1x24l2}"), SetVarFormatWithCheck(1, "%s{Z}", ValidateIPv6Text), SetVarFormatWithCheck(2, "%s{Z}", ValidateIPv6Text)}},
    {.Name = "IPv6PortGroupTable1Click",                 .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 Port Group Table",                   .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.22.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "IPv6PortAccessTable1Click",                .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 Port Access Table",                  .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.23.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "IPv61Click",                               .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 Port Max. Group Table",              .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.24.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "IPv6VLANGroupTable1Click",                 .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 VLAN Group Table",                   .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.25.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "IPv6VLANAccessTable1Click",                .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 VLAN Access Table",                  .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.26.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "IPv6VLANMaxGroupTable1Click",              .Family = GeneratedTable,  .Title = "Multicast Filter IPv6 VLAN Max. Group Table",              .Table = {"Oid_mcast", "1.3.6.1.4.1.171.12.53.27.1.1"},                                                                   .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    // Multicast Filter
    {.Name = "MulticastFilter1Click",                    .Family = ModelDependent,  .Title = "Multicast Filter VLAN Mode Table",                         .Table = {"Oid_common", "1.3.6.1.4.1.171.11.133.N.1.2.17.1.1.1"},                                                         .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Tweaks = {FixedListEditorWidth(180), ScaledHeight(450)}},
    // IP Multicast VLAN Replication
    {.Name = "GlobalSettings7Click",                     .Family = GeneratedScalar, .Title = "IP Multicast VLAN Replication Global Settings",            .Table = {"Oid_mcastreplication", "1.3.6.1.4.1.171.12.71.1.1"}},
    {.Name = "InformationTable1Click",                   .Family = GeneratedTable,  .Title = "IP Multicast VLAN Replication Information Table",          .Table = {"Oid_mcastreplication", "1.3.6.1.4.1.171.12.71.2.1.1.1"},                                                       .Kind = MVT_UMV, .Keys = 5},
    {.Name = "ReplicationTable1Click",                   .Family = GeneratedTable,  .Title = "IP Multicast VLAN Replication Table",                      .Table = {"Oid_mcastreplication", "1.3.6.1.4.1.171.12.71.3.3.1.1"},                                                       .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .CaptionFirst = true},
    {.Name = "SourceTable1Click",                        .Family = GeneratedTable,  .Title = "IP Multicast VLAN Replication Source Table",               .Table = {"Oid_mcastreplication", "1.3.6.1.4.1.171.12.71.3.4.1.1"},                                                       .Kind = MVT_UMV, .Keys = 6, .Status = {6, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "DestinationTable1Click",                   .Family = GeneratedTable,  .Title = "IP Multicast VLAN Replication Destination Table",          .Table = {"Oid_mcastreplication", "1.3.6.1.4.1.171.12.71.3.5.1.1"},                                                       .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}, .CaptionFirst = true},
    // Packet Storm Control
    {.Name = "GlobalSettings12Click",                    .Family = GeneratedScalar, .Title = "Packet Storm Control Global Settings",                     .Table = {"Oid_common", "1.3.6.1.4.1.171.12.25.1.2", nullptr, 3},                                                         .Tweaks = {SetVarFormat(2, "%i{n0x65535l5}")}},
    {.Name = "ControlTable9Click",                       .Family = GeneratedTable,  .Title = "Packet Storm Control Table",                               .Table = {"Oid_common", "1.3.6.1.4.1.171.12.25.3.1.1.1", nullptr, 9},                                                     .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(1, "%i{n0x255000l6}"), SetVarFormat(7, "%i{n5x600l3}"), ScaledHeight(450)}},
    // 802.3ad
    {.Name = "AggregatorTable1Click",                    .Family = GeneratedTable,  .Title = "802.3ad Aggregator Table",                                 .Table = {"Oid_lacpoam", "1.2.840.10006.300.43.1.1.1.1.1", "Index", 11},                                                  .Kind = MVT_FMV, .Keys = 1},
    {.Name = "AggregatorPortList1Click",                 .Family = GeneratedTable,  .Title = "802.3ad Aggregator Port List Table",                       .Table = {"Oid_lacpoam", "1.2.840.10006.300.43.1.1.1.1.1", "Index", 2},                                                   .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "AggreatorPortTable1Click",                 .Family = HandMadeForm,    .WindowClass = "TAggregatorPortTableForm", .Title = "802.3ad Aggregator Port Table", .Owner = MainWindow, .UnitGlobal = true},
    // LLDP > Configuration
    {.Name = "ConfigInfomation1Click",                   .Family = GeneratedScalar, .Title = "LLDP Basic Configuration",                                 .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.1.1"},                                                                            .Tweaks = {SetVarFormat(0, "%i{n5x32768l5}"), SetVarFormat(1, "%i{n2x10l2}"), SetVarFormat(2, "%i{n1x10l2}"), SetVarFormat(3, "%i{n1x8192l4}"), SetVarFormat(4, "%i{n5x3600l4}"), Step(ShowTXIntervalNote)}},
    {.Name = "PortConfig1Click",                         .Family = HandMadeForm,    .WindowClass = "TLLDPPortConfigForm", .Title = "LLDP Port Configuration Table", .UnitGlobal = true},
    {.Name = "AddressConfig1Click",                      .Family = HandMadeForm,    .WindowClass = "TLLDP_Management_Address", .Title = "LLDP Address Configuration", .UnitGlobal = true},
    // LLDP > LLDP Statistics
    {.Name = "StatisticsInfomation1Click",               .Family = GeneratedTable,  .Title = "LLDP Statistics Information",                              .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.2.1"},                                                                            .Kind = SVT_SV, .Keys = 0, .Layout = ListView, .CaptionFirst = true},
    {.Name = "TXPortTable1Click",                        .Family = GeneratedTable,  .Title = "LLDP TX Port Table",                                       .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.2.6.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    {.Name = "RXPortTable1Click",                        .Family = GeneratedTable,  .Title = "LLDP RX Port Table",                                       .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.2.7.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    // LLDP > Local System Data
    {.Name = "SystemData1Click",                         .Family = HandMadeForm,    .WindowClass = "TLLDPLocSysDataForm", .Title = "LLDP Local System Data", .UnitGlobal = true},
    {.Name = "PortTable3Click",                          .Family = GeneratedTable,  .Title = "LLDP Port Table",                                          .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.3.7.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    {.Name = "ManagementAddressTable1Click",             .Family = GeneratedTable,  .Title = "LLDP Management Address Table",                            .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.3.8.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 2, .CaptionFirst = true},
    // LLDP > Remote System Data
    {.Name = "RemoteTable1Click",                        .Family = HandMadeForm,    .WindowClass = "TLLDPRemoteForm", .Title = "LLDP Remote Table", .UnitGlobal = true},
    {.Name = "ManagementAddressTable2Click",             .Family = GeneratedTable,  .Title = "LLDP Remote Management Address Table",                     .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.4.2.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 5, .CaptionFirst = true},
    {.Name = "UnknowTLVTable1Click",                     .Family = GeneratedTable,  .Title = "LLDP Remote Unknown TLV Table",                            .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.4.3.1.1"},                                                                        .Kind = MVT_FMV, .Keys = 4, .CaptionFirst = true},
    // LLDP > LLDP-Dot1 > Configuration
    {.Name = "PortVLAN1Click",                           .Family = GeneratedTable,  .Title = "LLDP-Dot1 Port VLAN Status",                               .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.1.1.1.1"},                                                              .Kind = MVT_UMV, .Keys = 1},
    {.Name = "VLANName1Click",                           .Family = HandMadeForm,    .WindowClass = "TLLDPConfigVLANNameForm", .Title = "LLDP-Dot1 Configuration VLAN Name Table", .UnitGlobal = true},
    {.Name = "ProtocolVLAN2Click",                       .Family = HandMadeForm,    .WindowClass = "TLLDPConfigProtocolVLANForm", .Title = "LLDP-Dot1 Configuration Protocol VLAN  Table", .UnitGlobal = true},
    {.Name = "Protocol1Click",                           .Family = HandMadeForm,    .WindowClass = "TLLDPConfigProtocolForm", .Title = "LLDP-Dot1 Configuration Protocol Table", .UnitGlobal = true},
    // LLDP > LLDP-Dot1 > Local Data
    {.Name = "LocalDataTable2Click",                     .Family = GeneratedTable,  .Title = "LLDP Dot1 Local Data Table",                               .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.2.1.1.1"},                                                              .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    {.Name = "VLANName2Click",                           .Family = GeneratedTable,  .Title = "LLDP-Dot1 Local VLAN Name",                                .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.2.3.1.1"},                                                              .Kind = MVT_FMV, .Keys = 2, .CaptionFirst = true},
    {.Name = "ProtocolVLAN3Click",                       .Family = GeneratedTable,  .Title = "LLDP-Dot1 Local Protocol VLAN Table",                      .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.2.2.1.1"},                                                              .Kind = MVT_FMV, .Keys = 2, .CaptionFirst = true},
    {.Name = "Protocol2Click",                           .Family = GeneratedTable,  .Title = "LLDP-Dot1 Local Protocol Table",                           .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.2.4.1.1"},                                                              .Kind = MVT_FMV, .Keys = 2, .CaptionFirst = true},
    // LLDP > LLDP-Dot1 > Remote Data
    {.Name = "RemoteDataTable1Click",                    .Family = GeneratedTable,  .Title = "LLDP-Dot1 Remote Data",                                    .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.3.1.1.1"},                                                              .Kind = MVT_FMV, .Keys = 3, .CaptionFirst = true},
    {.Name = "VLANName3Click",                           .Family = GeneratedTable,  .Title = "LLDP-Dot1 Remote VLAN Name",                               .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.3.3.1.1"},                                                              .Kind = MVT_FMV, .Keys = 4, .CaptionFirst = true},
    {.Name = "Protocol3Click",                           .Family = GeneratedTable,  .Title = "LLDP-Dot1 Remote Protocol VLAN Table",                     .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.3.2.1.1"},                                                              .Kind = MVT_FMV, .Keys = 4, .CaptionFirst = true},
    {.Name = "Protocol4Click",                           .Family = GeneratedTable,  .Title = "LLDP-Dot1 Remote Protocol Table",                          .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.32962.1.3.4.1.1"},                                                              .Kind = MVT_FMV, .Keys = 4, .CaptionFirst = true},
    // LLDP > LLDP-Dot3
    {.Name = "PortConfigTable1Click",                    .Family = HandMadeForm,    .WindowClass = "TLLDPDot3PortConfigForm", .Title = "LLDP-Dot3 Port Configuration Table", .UnitGlobal = true},
    // LLDP > LLDP-Dot3 > Local Data
    {.Name = "PortTable4Click",                          .Family = GeneratedTable,  .Title = "LLDP-Dot3 Local Port Table",                               .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.2.1.1.1"},                                                               .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    {.Name = "PowerTable2Click",                         .Family = GeneratedTable,  .Title = "LLDP Dot3 Local Power Table",                              .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", nullptr, 7},                                                   .Kind = MVT_FMV, .Keys = 1},
    {.Name = "LinkAggregationTable1Click",               .Family = HandMadeForm,    .WindowClass = "TLLDPDot3LinkAggForm", .Title = "LLDP-Dot3 Local Link Aggregation Table", .UnitGlobal = true},
    {.Name = "MaxFrameSizeTable1Click",                  .Family = GeneratedTable,  .Title = "LLDP-Dot3 Local Max. Frame Size Table",                    .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.2.4.1.1"},                                                               .Kind = MVT_FMV, .Keys = 1, .CaptionFirst = true},
    // LLDP > LLDP-Dot3 > Remote Table
    {.Name = "PortTable5Click",                          .Family = GeneratedTable,  .Title = "LLDP-Dot3 Remote Port Table",                              .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.3.1.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3, .CaptionFirst = true},
    {.Name = "PowerTable3Click",                         .Family = GeneratedTable,  .Title = "LLDP-Dot3 Remote Power Table",                             .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.3.2.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3, .CaptionFirst = true},
    {.Name = "LinkAggregationTable2Click",               .Family = GeneratedTable,  .Title = "LLDP-Dot3 Remote Link Aggregation Table",                  .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.3.3.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3, .CaptionFirst = true},
    {.Name = "MaxFrameSizeTable2Click",                  .Family = GeneratedTable,  .Title = "LLDP-Dot3 Remote Max. Frame Size Table",                   .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.3.4.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3, .CaptionFirst = true},
    // LLDP > LLDP-MED
    {.Name = "Settings2Click",                           .Family = GeneratedScalar, .Title = "LLDP-MED System Settings",                                 .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.1.1"}},
    {.Name = "PortCongurationTable1Click",               .Family = GeneratedTable,  .Title = "LLDP-MED Port Configuration Table",                        .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.1.2.1.1"},                                                               .Kind = MVT_UMV, .Keys = 1},
    // LLDP > LLDP-MED > Local Data
    {.Name = "MediaPolicyTable1Click",                   .Family = GeneratedTable,  .Title = "LLDP-MED Local Data Media Policy Table",                   .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.2.1.1.1"},                                                               .Kind = MVT_UMV, .Keys = 2},
    {.Name = "DeviceLocationInformation1Click",          .Family = GeneratedTable,  .Title = "LLDP-MED Local Data Entry Table",                          .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.2.9.1.1", nullptr, 3},                                                   .Kind = MVT_UMV, .Keys = 2},
    // LLDP > LLDP-MED > Remote Data
    {.Name = "CapabilitiesTable1Click",                  .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data Capabilities Table",                  .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.1.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3},
    {.Name = "MediaPolicyTable2Click",                   .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data Media Policy Table",                  .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.2.1.1"},                                                               .Kind = MVT_FMV, .Keys = 4},
    {.Name = "InventoryTable1Click",                     .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data Inventory Table",                     .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.3.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3},
    {.Name = "LocationTable1Click",                      .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data Location Table",                      .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.4.1.1"},                                                               .Kind = MVT_FMV, .Keys = 4},
    {.Name = "XPoETable1Click",                          .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data XPoE Table",                          .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.5.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3},
    {.Name = "XPoEPSETable1Click",                       .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data XPoE PSE Table",                      .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.6.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3},
    {.Name = "XPoEPDTable1Click",                        .Family = GeneratedTable,  .Title = "LLDP-MED Remote Data XPoE PD Table",                       .Table = {"Oid_lldp", "1.0.8802.1.1.2.1.5.4795.1.3.7.1.1"},                                                               .Kind = MVT_FMV, .Keys = 3},
    // L2 Protocol Tunnel
    {.Name = "GlobalStateSettings1Click",                .Family = GeneratedScalar, .Title = "L2 Protocol Tunnel Global State Settings",                 .Table = {"Oid_lacpoam", "1.3.6.1.4.1.171.12.93.1.1", nullptr, 1}},
    {.Name = "ThresholdEntryTable1Click",                .Family = GeneratedTable,  .Title = "L2 Protocol Tunnel Threshold Entry Table",                 .Table = {"Oid_lacpoam", "1.3.6.1.4.1.171.12.93.1.3.1.1", nullptr, 3},                                                    .Kind = MVT_UMV, .Keys = 2},
    {.Name = "PortEntryTable1Click",                     .Family = HandMadeForm,    .WindowClass = "TL2PTPPortForm", .Title = "L2 Protocol Tunnel Port Entry Table", .UnitGlobal = true},
    // ERPS
    {.Name = "GlobalSettings8Click",                     .Family = GeneratedScalar, .Title = "ERPS Global Settings",                                     .Table = {"Oid_common", "1.3.6.1.4.1.171.12.78.1.1", nullptr, 3},                                                         .Tweaks = {GrowHeight(20)}},
    {.Name = "VLANTable5Click",                          .Family = GeneratedTable,  .Title = "ERPS VLAN Table",                                          .Table = {"Oid_common", "1.3.6.1.4.1.171.12.78.3.1.1.1", nullptr, 29},                                                    .Kind = MVT_UMV, .Keys = 1, .Status = {28, "createAndGo", "destroy"}, .Tweaks = {SetVarFormat(0, "%i{n1x4094l4}"), SetVarFormat(1, "%i{n0x65535l5}"), SetVarFormat(3, "%i{n0x65535l5}"), SetVarFormat(8, "%i{n0x7}"), SetVarFormat(9, "%i{n0x10000l5}"), SetVarFormat(10, "%i{n10x2000l4}"), SetVarFormat(11, "%i{n5x12l2}")}, .Guarded = true},
    {.Name = "SubRingSetting1Click",                     .Family = HandMadeForm,    .WindowClass = "TERPSSubRingForm", .Title = "ERPS Sub-Ring Table", .UnitGlobal = true},
    // Local Loopback Settings
    {.Name = "ConfigurationTable2Click",                 .Family = GeneratedTable,  .Title = "Local Loopback Configuration Table",                       .Table = {"Oid_lacpoam", "1.3.6.1.4.1.171.12.67.3.1.1.1", nullptr, 4},                                                    .Kind = MVT_UMV, .Keys = 1},
    {.Name = "ResultTable1Click",                        .Family = GeneratedTable,  .Title = "Local Loopback Result Table",                              .Table = {"Oid_lacpoam", "1.3.6.1.4.1.171.12.67.3.2.1.1", nullptr, 10},                                                   .Kind = MVT_UMV, .Keys = 1},
    // NLB
    {.Name = "NLB1Click",                                .Family = HandMadeForm,    .WindowClass = "TNLBMulticastFDBForm", .Title = "NLB Multicast FDB Table", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "UnicastFDBTable1Click",                    .Family = HandMadeForm,    .WindowClass = "TNLBUnicastFDBForm", .Title = "NLB Unicast FDB Table", .Owner = MainWindow, .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> Layer2Handlers = Rows;
