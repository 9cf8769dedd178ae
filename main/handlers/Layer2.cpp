// Handler rows of the group "Layer 2 ".
#include "main/handlers/Groups.h"

namespace {

using enum HandlerFamily;

// clang-format off
const HandlerRow Rows[] = {
    {.Name = "StaticTable1Click", .Family = ExternalTool, .PageSwitch = "/TBridge_StaticFilter"},
    {.Name = "StaticGroupTable1Click",     .Family = HandMadeForm, .WindowClass = "TIGMPSnoopingStaticGroupForm", .Title = "IGMP Snooping Static Group Table", .UnitGlobal = true},
    {.Name = "StaticGroupTable2Click",     .Family = HandMadeForm, .WindowClass = "TMLDSnoopingStaticGroupForm", .Title = "MLD Snooping Static Group Table", .UnitGlobal = true},
    {.Name = "UnicastInformation1Click",   .Family = HandMadeForm, .WindowClass = "TUnicastFilterInformationForm", .Title = "802.1Q Unicast Filter Information Table", .Owner = WindowOwner::MainWindow, .UnitGlobal = true},
    {.Name = "MulticastInformation1Click", .Family = HandMadeForm, .WindowClass = "TMulticastFilterInformationForm", .Title = "802.1Q Multicast Filter Information Table", .Owner = WindowOwner::MainWindow, .UnitGlobal = true},
    {.Name = "RouterPorts2Click",          .Family = HandMadeForm, .WindowClass = "TIGMPRouterPortsForm", .Title = "IGMP Snooping Router Ports", .UnitGlobal = true},
    {.Name = "RouterPorts3Click",          .Family = HandMadeForm, .WindowClass = "TMLDRouterProtsForm", .Title = "MLD Snooping Router Ports", .UnitGlobal = true},
    {.Name = "AddressConfig1Click",        .Family = HandMadeForm, .WindowClass = "TLLDP_Management_Address", .Title = "LLDP Address Configuration", .UnitGlobal = true},
    {.Name = "PortStateInformation1Click", .Family = HandMadeForm, .WindowClass = "TMSTPPortStateForm", .Title = "STP Port State Information", .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> Layer2Handlers = Rows;
