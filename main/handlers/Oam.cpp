// Handler rows of the group "OAM", in menu order.
#include "main/handlers/Groups.h"

#include "main/Families.h"

#include "features/switching/NewRequest2EditsForOAM.h"
#include "snmp/Exception.h"
#include "snmp/VarList.h"

#include <string>

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using namespace tweak;

// The OAM request decodes its "Functions Supported" column, the item given here, from the first
// read on.
template <int Item>
void DecodeItem(HandlerWindow& window)
{
    auto* request = dynamic_cast<NewRequest2EditsForOAM*>(window.Edits);
    if (request == nullptr)
        throw Exception(std::string("The row decodes an item without the OAM request: ") + window.Row.Name);
    request->DecodeItemIndex = Item;
}

// clang-format off
const HandlerRow Rows[] = {
    // CFM
    {.Name = "State1Click",                   .Family = ModelDependent,  .Title = "CFM Global State",                   .Table = {"Oid_cfm", "1.3.6.1.4.1.171.11.133.N.1.2.1.2.21.1", nullptr, 1},     .Kind = SVT_SV, .Keys = 0, .Layout = Editor, .Tweaks = {SetEditorWidth(142), GrowHeight(10)}, .Guarded = true},
    {.Name = "PortTable8Click",               .Family = ModelDependent,  .Title = "CFM Port Table",                     .Table = {"Oid_cfm", "1.3.6.1.4.1.171.11.133.N.1.2.1.2.21.2.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Layout = ListView, .Guarded = true},
    {.Name = "StackTable1Click",              .Family = GeneratedTable,  .Title = "CFM Stack Table",                    .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.1.1.1.1", nullptr, 8},             .Kind = MVT_UMV, .Keys = 4, .Guarded = true},
    // CFM > MD
    {.Name = "MDTable1Click",                 .Family = GeneratedTable,  .Title = "CFM MD Table",                       .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.5.2.1.1", nullptr, 8},             .Kind = MVT_UMV, .Keys = 1, .Status = {7, "createAndGo", "destroy"}, .Guarded = true},
    {.Name = "NextIndex1Click",               .Family = GeneratedScalar, .Title = "CFM MD Next Index",                  .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.5.1", nullptr, 1},                 .Guarded = true},
    // CFM > MA
    {.Name = "NetTable1Click",                .Family = GeneratedTable,  .Title = "CFM MA Net Table",                   .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.6.1.1.1", nullptr, 6},             .Kind = MVT_UMV, .Keys = 2, .Status = {5, "createAndGo", "destroy"}, .Guarded = true},
    {.Name = "ComponentTable1Click",          .Family = GeneratedTable,  .Title = "CFM MA Component Table",             .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.6.2.1.1", nullptr, 8},             .Kind = MVT_UMV, .Keys = 3, .Status = {7, "createAndGo", "destroy"}, .Guarded = true},
    {.Name = "ListTable1Click",               .Family = GeneratedTable,  .Title = "CFM MA MEP List Table",              .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.6.3.1.1", nullptr, 4},             .Kind = MVT_UMV, .Keys = 3, .Status = {3, "createAndGo", "destroy"}, .Guarded = true},
    // CFM > MEP
    {.Name = "MEPTable1Click",                .Family = GeneratedTable,  .Title = "CFM MEP Table",                      .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.7.1.1.1", nullptr, 37},            .Kind = MVT_UMV, .Keys = 3, .Status = {36, "createAndGo", "destroy"}, .Guarded = true},
    {.Name = "LinktraceRepliesTable1Click",   .Family = GeneratedTable,  .Title = "CFM Linktrace Replies Table",        .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.7.2.1.1", nullptr, 15},            .Kind = MVT_UMV, .Keys = 5, .Guarded = true},
    {.Name = "DatabaseTable2Click",           .Family = GeneratedTable,  .Title = "CFM MEP Database Table",             .Table = {"Oid_cfm", "1.3.111.2.802.1.1.8.1.7.3.1.1", nullptr, 10},            .Kind = MVT_UMV, .Keys = 4, .Guarded = true},
    // CFM > Extension
    {.Name = "FaultTable1Click",              .Family = GeneratedTable,  .Title = "CFM Extension Fault Table",          .Table = {"Oid_cfm", "1.3.6.1.4.1.171.12.86.1.1.1.1", nullptr, 11},            .Kind = MVT_UMV, .Keys = 3, .Guarded = true},
    {.Name = "LockControlTable1Click",        .Family = GeneratedTable,  .Title = "CFM Extension Lock Control Table",   .Table = {"Oid_cfm", "1.3.6.1.4.1.171.12.86.1.2.1.1", nullptr, 5},             .Kind = MVT_UMV, .Keys = 4, .Guarded = true},
    {.Name = "TrapState1Click",               .Family = GeneratedScalar, .Title = "CFM Extension Notify State",         .Table = {"Oid_cfm", "1.3.6.1.4.1.171.12.86.100.1.1", nullptr, 2},             .Tweaks = {RequestTimeout(500)}},
    // 802.3 OAM
    // The OAM request shows "Functions Supported" (item 6, in the peer table 7) as function names.
    {.Name = "OAMTable1Click",                .Family = GeneratedTable,  .Title = "Dot3 OAM Table",                     .Table = {"Oid_lacpoam", "1.3.6.1.2.1.158.1.1.1.1", nullptr, 7},               .Kind = MVT_UMV, .Keys = 1, .Tweaks = {StepBeforeLayout(DecodeItem<6>), ScaledHeight(450)}, .NewRequest = NewRequest2EditsForOAM::Create},
    {.Name = "PeerTable1Click",               .Family = GeneratedTable,  .Title = "Dot3 OAM Peer Table",                .Table = {"Oid_lacpoam", "1.3.6.1.2.1.158.1.2.1.1", nullptr, 8},               .Kind = MVT_FMV, .Keys = 1, .Tweaks = {StepBeforeLayout(DecodeItem<7>), ScaledHeight(450)}, .NewRequest = NewRequest2EditsForOAM::Create},
    {.Name = "LoopbackTable1Click",           .Family = GeneratedTable,  .Title = "Dot3 OAM Loopback Table",            .Table = {"Oid_lacpoam", "1.3.6.1.2.1.158.1.3.1.1", nullptr, 3},               .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "StatisticsTable1Click",         .Family = GeneratedTable,  .Title = "Dot3 OAM Statistics Table",          .Table = {"Oid_lacpoam", "1.3.6.1.2.1.158.1.4.1.1", nullptr, 18},              .Kind = MVT_FMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "EventConfigurationTable1Click", .Family = GeneratedTable,  .Title = "Dot3 OAM Event Configuration Table", .Table = {"Oid_lacpoam", "1.3.6.1.2.1.158.1.5.1.1", nullptr, 17},              .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormat(2, "%i{n1000x60000l5}"), SetVarFormat(4, "%i{n0x4294967295l10}"), SetVarFormat(6, "%i{n148810x100000000l9}"), SetVarFormat(7, "%i{n0x4294967295l10}"), SetVarFormat(9, "%i{n10x600l3}"), SetVarFormat(10, "%i{n0x4294967295l10}"), SetVarFormat(12, "%i{n100x9000l4}"), SetVarFormat(13, "%i{n1x900l3}"), ScaledHeight(450)}},
    {.Name = "EventLogTable1Click",           .Family = GeneratedTable,  .Title = "Dot3 OAM Event Log Table",           .Table = {"Oid_lacpoam", "1.3.6.1.2.1.158.1.6.1.1", nullptr, 13},              .Kind = MVT_FMV, .Keys = 2, .Tweaks = {RequestTimeout(800), ScaledHeight(450)}},
    // Items of the menu itself
    {.Name = "QULDTable1Click",               .Family = GeneratedTable,  .Title = "QULD Table",                         .Table = {"Oid_common", "1.3.6.1.4.1.171.12.87.1.1.1.1", nullptr, 6},          .Kind = MVT_UMV, .Keys = 1},
    {.Name = "CableDiagnostics1Click",        .Family = GeneratedTable,  .Title = "Port Cable Diagnostics Table",       .Table = {"Oid_common", "1.3.6.1.4.1.171.12.58.1.1.1.1", nullptr, 13},         .Kind = MVT_FMV, .Keys = 1, .Tweaks = {RequestTimeout(800)}, .Guarded = true},

};
// clang-format on

} // namespace

const std::span<const HandlerRow> OamHandlers = Rows;
