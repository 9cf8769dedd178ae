// Handler rows of the group "Layer 3", in menu order.
#include "main/handlers/Groups.h"

#include "snmp/ControlValidators.h"
#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    // IP Management
    {.Name = "AllInterfaceState1Click",     .Family = ModelDependent, .Title = "All Interface State",        .Table = {"Oid_ipif", "1.3.6.1.4.1.171.11.133.N.1.3.2.1.7", nullptr, 1},     .Kind = SVT_SV,  .Keys = 0, .Layout = Editor},
    {.Name = "IPControlTable1Click",        .Family = HandMadeForm,   .WindowClass = "TIpCtrlForm", .Title = "IP Control Table", .UnitGlobal = true},
    {.Name = "IPv6ControlTable1Click",      .Family = ModelDependent, .Title = "IPv6 Control Table",         .Table = {"Oid_ipif", "1.3.6.1.4.1.171.11.133.N.1.3.2.1.4.1.1", nullptr, 3}, .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Tweaks = {ScaledHeight(450)}},
    {.Name = "IPv6AddressControl1Click",    .Family = ModelDependent, .Title = "IPv6 Address Control Table", .Table = {"Oid_ipif", "1.3.6.1.4.1.171.11.133.N.1.3.2.1.5.1.1", nullptr, 4}, .Kind = MVT_UMV, .Keys = 3, .Layout = ListView, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), ScaledHeight(450), SetVarFormat(0, "%s{l12}"), SetVarFormatWithCheck(1, "%s{Z}", ValidateIPv6Text), SetVarFormat(2, "%i{l3}")}},
    // The item IPStaticRoutingTable1 binds this spelling.
    {.Name = "IPStaticRoutingtable1Click",  .Family = HandMadeForm,   .WindowClass = "TIpStaticRouteForm", .Title = "IP Static Routing Table", .UnitGlobal = true},
    // DNS Relay (hidden)
    {.Name = "DNSBasicConfiguration1Click", .Family = ModelDependent, .Title = "DNS Relay Global Settings",  .Table = {"Oid_ipif", "1.3.6.1.4.1.171.11.133.N.3.3.2.1", nullptr, 5},       .Kind = SVT_SV,  .Keys = 0, .Layout = Editor},
    {.Name = "DNSControlTable1Click",       .Family = HandMadeForm,   .WindowClass = "TDNSCtrlForm", .Title = "DNS Relay Static Settings", .UnitGlobal = true},
    {.Name = "IPv6StaticRoute1Click",       .Family = HandMadeForm,   .WindowClass = "TIpv6StaticRouteForm", .Title = "IPv6 Static Route Table", .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> Layer3Handlers = Rows;
