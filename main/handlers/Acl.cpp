// Handler rows of the group "ACL", in menu order.
#include "main/handlers/Groups.h"

#include "snmp/ControlValidators.h"
#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum WindowOwner;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    // ACL
    {.Name = "ACLInformation1Click",               .Family = GeneratedScalar, .Title = "ACL Global Settings",                              .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.1.2", nullptr, 2}},
    {.Name = "ZoneDefenes1Click",                  .Family = GeneratedTable,  .Title = "Zone Defense Table",                               .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.92.1.1.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    // The two counter windows raise SNMPv1 to SNMPv2c while they are open.
    {.Name = "ACLCounterTable1Click",              .Family = HandMadeForm,    .WindowClass = "TACLCounterForm", .Title = "ACL Counter Table", .Tweaks = {ForceV2c()}, .UnitGlobal = true},
    {.Name = "ACLMaskDeleteALL1Click",             .Family = GeneratedScalar, .Title = "ACL Delete All Masks",                             .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.2.5"}},
    {.Name = "ACLFlowMeter1Click",                 .Family = GeneratedScalar, .Title = "ACL Flow Meter Information",                       .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.6.2"}},
    {.Name = "ACLFlowMeterTable1Click",            .Family = GeneratedTable,  .Title = "ACL Flow Meter Table",                             .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.6.1.1.1", nullptr, 31}, .Kind = MVT_UMV, .Keys = 2, .Status = {27, "createAndGo", "destroy"}},
    {.Name = "ACLRate1Click",                      .Family = GeneratedTable,  .Title = "ACL Rate Table",                                   .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.6.3.1.1", nullptr, 7}, .Kind = MVT_UMV, .Keys = 2, .Status = {6, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "EthernetMask1Click",                 .Family = HandMadeForm,    .WindowClass = "TEthernetProfileForm", .Title = "ACL Ethernet Profile", .UnitGlobal = true},
    {.Name = "RuleOfEthernetInformation1Click",    .Family = HandMadeForm,    .WindowClass = "TEthernetProfileRuleForm", .Title = "ACL Ethernet Rule", .UnitGlobal = true},
    {.Name = "IPMaskInformation1Click",            .Family = HandMadeForm,    .WindowClass = "TIPProfileForm", .Title = "ACL IPv4 Profile", .UnitGlobal = true},
    {.Name = "IPRule1Click",                       .Family = HandMadeForm,    .WindowClass = "TIPProfileRuleForm", .Title = "ACL IPv4 Rule", .UnitGlobal = true},
    {.Name = "PayloadMaskInformation1Click",       .Family = HandMadeForm,    .WindowClass = "TPktContentProfileForm", .Title = "ACL Packet Content Profile", .UnitGlobal = true},
    {.Name = "PayloadRule1Click",                  .Family = HandMadeForm,    .WindowClass = "TPktContentRuleForm", .Title = "ACL Packet Content Rule", .UnitGlobal = true},
    {.Name = "IPv6MaskInformation1Click",          .Family = HandMadeForm,    .WindowClass = "TIPv6ProfileForm", .Title = "ACL IPv6 Profile", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "IPv6Rule1Click",                     .Family = HandMadeForm,    .WindowClass = "TIpv6RuleForm", .Title = "ACL IPv6 Rule", .UnitGlobal = true},
    {.Name = "IPMACBindingEthernetMask1Click",     .Family = HandMadeForm,    .WindowClass = "TIBPACLEtherMaskForm", .Title = "ACL IP-MAC Binding Ethernet Mask", .UnitGlobal = true},
    {.Name = "IPMACBindingEthernetRule1Click",     .Family = HandMadeForm,    .WindowClass = "TIBPEtherRuleForm", .Title = "ACL IP-MAC Binding Ethernet Rule", .UnitGlobal = true},
    {.Name = "IPMACBindingIPMask1Click",           .Family = HandMadeForm,    .WindowClass = "TIBPIPMaskForm", .Title = "ACL IP-MAC Binding IP Mask", .UnitGlobal = true},
    {.Name = "IPMACBindingIPRule1Click",           .Family = HandMadeForm,    .WindowClass = "TIBPIPRuleForm", .Title = "ACL IP-MAC Binding IP Rule", .UnitGlobal = true},
    // CPU Interface Filtering
    {.Name = "CPUFilterControl1Click",             .Family = GeneratedScalar, .Title = "CPU Interface Filtering Global Settings",          .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.1.1"}},
    {.Name = "CPUACLMaskDeleteAll1Click",          .Family = GeneratedScalar, .Title = "CPU Interface Filtering Delete All Mask",          .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.4.5"}},
    {.Name = "EthernetMaskCPUFilter1Click",        .Family = GeneratedTable,  .Title = "Ethernet Profile (CPU Interface Filtering)",       .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.4.1.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Status = {7, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(0, "%i{n1x5l1}"), SetVarFormat(3, "%s{l12}"), SetVarFormat(4, "%s{l12}"), ScaledHeight(450)}},
    {.Name = "EthernetRuleCPUFilter1Click",        .Family = HandMadeForm,    .WindowClass = "TCPUFilterEthernetRuleForm", .Title = "Ethernet Rule (CPU Interface Filtering)", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "IPMaskCPUFilter1Click",              .Family = GeneratedTable,  .Title = "IPv4 Profile (CPU Interface Filtering)",           .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.4.2.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Status = {18, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(0, "%i{n1x5l1}"), SetVarFormat(3, "%s{I}"), SetVarFormat(4, "%s{I}"), SetVarFormat(11, "%s{l4}"), SetVarFormat(12, "%s{l4}"), SetVarFormat(14, "%i{n0x63l2}"), SetVarFormat(16, "%i{n0x255l3}"), SetVarFormat(17, "%s{l8}"), ScaledHeight(450)}},
    {.Name = "IPRuleCPUFilter1Click",              .Family = HandMadeForm,    .WindowClass = "TCPUFilterIPRuleForm", .Title = "IPv4 Rule (CPU Interface Filtering)", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "PacketContentMaskCPUFilter1Click",   .Family = GeneratedTable,  .Title = "Packet Content Profile (CPU Interface Filtering)", .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.4.3.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Status = {6, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(0, "%i{n1x5l1}"), SetVarFormat(1, "%s{l32}"), SetVarFormat(2, "%s{l32}"), SetVarFormat(3, "%s{l32}"), SetVarFormat(4, "%s{l32}"), SetVarFormat(5, "%s{l32}"), ScaledHeight(450)}},
    {.Name = "PacketContentRuleCPUFilter1Click",   .Family = HandMadeForm,    .WindowClass = "TCPUFilterPktCntRuleForm", .Title = "Packet Content Rule (CPU Interface Filtering)", .Owner = MainWindow, .UnitGlobal = true},
    {.Name = "IPv2MaskInformationCPUFilter1Click", .Family = GeneratedTable,  .Title = "IPv6 Profile (CPU Interface Filtering)",           .Table = {"Oid_acl", "1.3.6.1.4.1.171.12.9.4.4.1.1", nullptr, 7}, .Kind = MVT_UMV, .Keys = 1, .Status = {6, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(0, "%i{n1x5l1}"), SetVarFormatWithCheck(4, "%s{Z}", ValidateIPv6Text), SetVarFormatWithCheck(5, "%s{Z}", ValidateIPv6Text), ScaledHeight(450)}},
    {.Name = "IPv6RuleCPUFilter1Click",            .Family = HandMadeForm,    .WindowClass = "TCPUFilterIPV6RuleForm", .Title = "IPv6 Rule (CPU Interface Filtering)", .Owner = MainWindow, .UnitGlobal = true},
    // Egress ACL
    {.Name = "GlobalSettings11Click",              .Family = GeneratedScalar, .Title = "Egress ACL Global Settings",                       .Table = {"Oid_egressacl", "1.3.6.1.4.1.171.12.89.1.1", nullptr, 2}},
    {.Name = "DeleteAllMasks1Click",               .Family = GeneratedScalar, .Title = "Egress ACL Delete All Masks",                      .Table = {"Oid_egressacl", "1.3.6.1.4.1.171.12.89.2.4", nullptr, 1}},
    {.Name = "FlowMeterTable1Click",               .Family = GeneratedTable,  .Title = "Egress ACL Flow Meter Table",                      .Table = {"Oid_egressacl", "1.3.6.1.4.1.171.12.89.4.1.1.1", nullptr, 31}, .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}},
    {.Name = "RateTable1Click",                    .Family = GeneratedTable,  .Title = "Egress ACL Rate Table",                            .Table = {"Oid_egressacl", "1.3.6.1.4.1.171.12.89.4.2.1.1", nullptr, 7}, .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}},
    {.Name = "CounterTable1Click",                 .Family = HandMadeForm,    .WindowClass = "TEgressACLCounterForm", .Title = "Egress ACL Counter Table", .Tweaks = {ForceV2c()}, .UnitGlobal = true},
    {.Name = "PortGroup1Click",                    .Family = HandMadeForm,    .WindowClass = "TEgressACLPortGroupForm", .Title = "Egress ACL Port Group", .UnitGlobal = true},
    {.Name = "EthernetProfile1Click",              .Family = HandMadeForm,    .WindowClass = "TEgressEthetnetProfileForm", .Title = "Egress ACL Ethernet Profile", .UnitGlobal = true},
    {.Name = "EthernetRule1Click",                 .Family = HandMadeForm,    .WindowClass = "TEgrssEthernetProfileRuleForm", .Title = "Egress ACL Ethernet Rule", .UnitGlobal = true},
    {.Name = "IPv4Profile1Click",                  .Family = HandMadeForm,    .WindowClass = "TEgressIPv4ProfileForm", .Title = "Egress ACL IPv4 Profile", .UnitGlobal = true},
    {.Name = "IPv4Rule1Click",                     .Family = HandMadeForm,    .WindowClass = "TEgressIPv4RuleForm", .Title = "Egress ACL IPv4 Rule", .UnitGlobal = true},
    {.Name = "IPv6Profile1Click",                  .Family = HandMadeForm,    .WindowClass = "TEgressIPv6ProfileForm", .Title = "Egress ACL IPv6 Profile", .UnitGlobal = true},
    {.Name = "IPv6Rule2Click",                     .Family = HandMadeForm,    .WindowClass = "TEgressIPv6RuleForm", .Title = "Egress ACL IPv6 Rule", .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> AclHandlers = Rows;
