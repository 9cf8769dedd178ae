// Handler rows of the group "Network Application".
#include "main/handlers/Groups.h"

#include "snmp/VarList.h"

namespace {

using enum HandlerFamily;
using enum HandlerLayout;
using namespace tweak;

// clang-format off
// "DHCPv6 Relay Settings": three pages; only the information table adds and deletes rows.
const HandlerPage DHCPv6RelayPages[] = {
    {.Caption = "Hop Count",         .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.1.1"},     .Kind = SVT_SV,  .Keys = 0, .Layout = Editor},
    {.Caption = "Control Table",     .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.1.3.1.1"}, .Kind = MVT_UMV, .Keys = 1, .Layout = ListView},
    {.Caption = "Information Table", .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.1.4.1.1"}, .Kind = MVT_UMV, .Keys = 3, .Layout = ListView, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), ShowStopButton()}},
};

const HandlerRow Rows[] = {
    {.Name = "DHCPv6RelaySettings1Click", .Family = GeneratedPages, .Title = "DHCPv6 Relay Settings", .Tweaks = {FixedWidth(650)}, .CaptionFirst = true, .Pages = DHCPv6RelayPages},
};
// clang-format on

} // namespace

const std::span<const HandlerRow> NetworkApplicationHandlers = Rows;
