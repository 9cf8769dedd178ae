// Handler rows of the group "Management", in menu order. The places of "FTP File Table" (Single
// IP) and of "General Information" and "Context Name" (SNMP v3) among their sub-menus' items are
// assumed.
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using namespace tweak;

// clang-format off
const HandlerRow Rows[] = {
    // ARP
    {.Name = "AgentARPClearAllStatl1Click",           .Family = GeneratedScalar, .Title = "Clear All ARP",                                         .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.12.1"}},
    // The aging time's format is left out on an unidentified switch (no rows).
    {.Name = "ARPAgingTime1Click",                    .Family = ModelDependent,  .Title = "ARP Aging Time",                                        .Table = {"Oid_ipif", "1.3.6.1.4.1.171.11.133.N.1.3.2.4"},       .Kind = SVT_SV,  .Keys = 0, .Layout = Editor, .Tweaks = {SetVarFormat(0, "%i{n0x65535l5}")}},
    {.Name = "ARPTable1Click",                        .Family = ExternalTool,    .PageSwitch = "/TMIB_ARP"},
    // Gratuitous ARP
    {.Name = "ARPManagementInfomation1Click",         .Family = GeneratedScalar, .Title = "Gratuitous ARP Global Settings",                        .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.12.2.1"}},
    {.Name = "ARPTable2Click",                        .Family = GeneratedTable,  .Title = "Gratuitous ARP Management Table",                       .Table = {"Oid_common", "1.3.6.1.4.1.171.12.1.2.12.2.4.1.1"},    .Kind = MVT_UMV, .Keys = 1},
    // IPv6 Neighbor Settings
    {.Name = "IPv6NeighborCache1Click",               .Family = HandMadeForm,    .WindowClass = "TARPIPV6ControlForm", .Title = "IPv6 Neighbor Cache Table", .UnitGlobal = true},
    {.Name = "IPv6NeighborCacheDeleteAction1Click",   .Family = GeneratedScalar, .Title = "IPv6 Neighbor Cache Delete Action",                     .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.26.4.2"}},
    // Single IP
    {.Name = "SingleIPControl1Click",                 .Family = GeneratedScalar, .Title = "Single IP Global Settings",                             .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.2.1"},                                                         .Tweaks = {SetVarFormat(2, "%i{n100x255l3}"), SetVarFormat(3, "%i{n30x90l2}"), SetVarFormat(4, "%s{l64}")}},
    {.Name = "MyInformation1Click",                   .Family = GeneratedScalar, .Title = "Single IP Information",                                 .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.1.1"},                                                         .Tweaks = {FixedEditorWidth(150)}},
    {.Name = "MemberSwitch1Click",                    .Family = GeneratedTable,  .Title = "Single IP Member Switch",                               .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.3.1.1"},            .Kind = MVT_UMV, .Keys = 1, .Status = {9, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormat(8, "%s{l16}")}},
    {.Name = "CandidateSwitch1Click",                 .Family = GeneratedTable,  .Title = "Single IP Candidate Switch",                            .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.4.1.1"},            .Kind = MVT_FMV, .Keys = 1},
    {.Name = "GroupInformation1Click",                .Family = GeneratedTable,  .Title = "Single IP Group Information",                           .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.5.1.1"},            .Kind = MVT_FMV, .Keys = 1},
    {.Name = "NeighborSwitch1Click",                  .Family = GeneratedTable,  .Title = "Single IP Neighbor Switch",                             .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.6.1.1"},            .Kind = MVT_FMV, .Keys = 2},
    {.Name = "MSTrapMessage1Click",                   .Family = GeneratedScalar, .Title = "MS Trap Message",                                       .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.6.1.1"}},
    {.Name = "FTPFileTable1Click",                    .Family = GeneratedTable,  .Title = "Single IP FTP File Table",                              .Table = {"Oid_sim", "1.3.6.1.4.1.171.12.8.1.7.1.1", nullptr, 9}, .Kind = MVT_UMV, .Keys = 1},
    // SNMP v3
    {.Name = "snmpEngine1Click",                      .Family = GeneratedScalar, .Title = "SNMP Engine",                                           .Table = {"Oid_snmpengine", "1.3.6.1.6.3.10.2.1.1"},                                                        .Tweaks = {WidenEditor(30)}},
    {.Name = "MessageProcessingandDispatching1Click", .Family = GeneratedScalar, .Title = "Message Processing and Dispatching",                    .Table = {"Oid_mpdstats", "1.3.6.1.6.3.11.2.1.1"}},
    {.Name = "GeneralInformation1Click",              .Family = GeneratedScalar, .Title = "General Information",                                   .Table = {"Oid_snmptarget", "1.3.6.1.6.3.12.1.1"}},
    // The two "Target Address Table" windows share their key; the row count tells them apart.
    {.Name = "CommunityTargetAddressTableClick",      .Family = GeneratedTable,  .Title = "Target Address Table",                                  .Table = {"Oid_snmptarget", "1.3.6.1.6.3.12.1.2.1.1", "Name", 9},  .Kind = MVT_UMV, .Keys = 1, .Status = {8, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(8), SetVarFormat(4, "%i{n0x255l3}")}},
    {.Name = "TargetParameters1Click",                .Family = GeneratedTable,  .Title = "Target Parameters",                                     .Table = {"Oid_snmptarget", "1.3.6.1.6.3.12.1.3.1.1", "Name"},     .Kind = MVT_UMV, .Keys = 1, .Status = {6, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(6)}},
    {.Name = "Statistics2Click",                      .Family = GeneratedScalar, .Title = "Statistics",                                            .Table = {"Oid_snmpv3usm", "1.3.6.1.6.3.15.1.1.1"}},
    {.Name = "GeneralInformation5Click",              .Family = GeneratedScalar, .Title = "SNMPv3 User-based Security Model General Information", .Table = {"Oid_snmpv3usm", "1.3.6.1.6.3.15.1.2.1", nullptr, 1}},
    {.Name = "UserTable1Click",                       .Family = GeneratedTable,  .Title = "User Table",                                            .Table = {"Oid_snmpv3usm", "1.3.6.1.6.3.15.1.2.2.1.1"},          .Kind = MVT_UMV, .Keys = 2, .Status = {12, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(12)}},
    {.Name = "SecurityTable1Click",                   .Family = GeneratedTable,  .Title = "Security Group Table",                                  .Table = {"Oid_snmpv3vacm", "1.3.6.1.6.3.16.1.2.1.1"},           .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(4)}},
    {.Name = "AccessTable1Click",                     .Family = GeneratedTable,  .Title = "Access Table",                                          .Table = {"Oid_snmpv3vacm", "1.3.6.1.6.3.16.1.2.1.3"},           .Kind = MVT_UMV, .Keys = 4, .Status = {9, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(9)}},
    {.Name = "ViewTable1Click",                       .Family = GeneratedTable,  .Title = "View MIB Tree Family Table",                            .Table = {"Oid_snmpv3vacm", "1.3.6.1.6.3.16.1.5.2.1.1"},         .Kind = MVT_UMV, .Keys = 2, .Status = {5, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(5), RequestTimeout(1000)}},
    {.Name = "ContextName1Click",                     .Family = GeneratedTable,  .Title = "SNMPv3 VACM Context Name",                              .Table = {"Oid_snmpv3vacm", "1.3.6.1.6.3.16.1.1.1.1", nullptr, 1}, .Kind = MVT_FMV, .Keys = 1},
    {.Name = "GeneralInformation6Click",              .Family = GeneratedScalar, .Title = "SNMPv3 VACM General Information",                       .Table = {"Oid_snmpv3vacm", "1.3.6.1.6.3.16.1.5.1", nullptr, 1}},
    {.Name = "NotifyTable1Click",                     .Family = GeneratedTable,  .Title = "Notify Table",                                          .Table = {"Oid_snmptarget", "1.3.6.1.6.3.13.1.1.1.1"},           .Kind = MVT_UMV, .Keys = 1, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(4)}},
    {.Name = "NotifyFilterProfileTale1Click",         .Family = GeneratedTable,  .Title = "Notify Filter Profile Table",                           .Table = {"Oid_snmptarget", "1.3.6.1.6.3.12.1.3.1.1", "Target Params Name"}, .Kind = MVT_UMV, .Keys = 1, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {ScaledHeight(450), SendActiveRow(3)}},
    {.Name = "NotifyFilterEntryTable1Click",          .Family = GeneratedTable,  .Title = "Notify Filter Table",                                   .Table = {"Oid_snmptarget", "1.3.6.1.6.3.13.1.2.1.1"},           .Kind = MVT_UMV, .Keys = 2, .Status = {5, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(5)}},
    {.Name = "CommunityStringTable1Click",            .Family = GeneratedTable,  .Title = "SNMP Community Table",                                  .Table = {"Oid_snmptarget", "1.3.6.1.6.3.18.1.1.1.1"},           .Kind = MVT_UMV, .Keys = 1, .Status = {7, "createAndGo", "destroy"}, .Tweaks = {SendActiveRow(7)}},
    {.Name = "TargetAddressTable1Click",              .Family = GeneratedTable,  .Title = "Target Address Table",                                  .Table = {"Oid_snmptarget", "1.3.6.1.6.3.12.1.2.1.1", "Name", 3},  .Kind = MVT_UMV, .Keys = 1},
    {.Name = "TelnetSettings1Click",                  .Family = HandMadeForm,    .WindowClass = "TTCPWEBForm", .Title = "Telnet/Web Settings", .UnitGlobal = true},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> ManagementHandlers = Rows;
