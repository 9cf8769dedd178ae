// Handler rows of the group "Network Application", in menu order. The order of the items under
// "DHCP Relay Management", its "Local Relay", "DHCP Server" and "Drive Control" is assumed.
#include "main/handlers/Groups.h"

#include "snmp/ControlValidators.h"
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
    // DHCP Relay Management
    {.Name = "ControlOption1Click",             .Family = GeneratedScalar, .Title = "DHCP Relay Global Settings",                 .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.1.1", nullptr, 3},             .Tweaks = {SetVarFormat(1, "%i{n1x16l2}"), SetVarFormat(2, "%i{n0x65535l5}")}, .Guarded = true},
    // DHCP Relay Management > Management
    {.Name = "ControlTable3Click",              .Family = GeneratedTable,  .Title = "DHCP Relay Control Table",                   .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.1.1.1", nullptr, 3},         .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}, .Guarded = true},
    {.Name = "Option821Click",                  .Family = GeneratedScalar, .Title = "DHCP Relay Option 82",                       .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.2.1", nullptr, 6},           .Guarded = true},
    {.Name = "Option60State1Click",             .Family = GeneratedScalar, .Title = "DHCP Relay Option 60 State",                 .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.3.1", nullptr, 2},           .Guarded = true},
    {.Name = "Option60DefaultTable1Click",      .Family = GeneratedTable,  .Title = "DHCP Relay Option 60 Default Table",         .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.3.3.1.1", nullptr, 2},       .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}, .Guarded = true},
    // The option tables wait longer for each answer; the first read starts once the window shows.
    {.Name = "Option60Table1Click",             .Family = GeneratedTable,  .Title = "DHCP Relay Option 60 Table",                 .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.3.4.1.1", nullptr, 4},       .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), RequestTimeout(2000)}, .Guarded = true},
    {.Name = "Option611Click",                  .Family = GeneratedScalar, .Title = "DHCP Relay Option 61",                       .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.4.1", nullptr, 3},           .Guarded = true},
    {.Name = "Option61Table1Click",             .Family = GeneratedTable,  .Title = "DHCP Relay Option 61 Table",                 .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.4.4.1.1", nullptr, 5},       .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), RequestTimeout(1000)}, .Guarded = true},
    {.Name = "Option1251Click",                 .Family = GeneratedScalar, .Title = "DHCP Relay Option 125",                      .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.8.1", nullptr, 2},           .Guarded = true},
    {.Name = "Option125DefaultTabler1Click",    .Family = GeneratedTable,  .Title = "DHCP Relay Option 125 Default Table",        .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.8.3.1.1", nullptr, 2},       .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton()}, .Guarded = true},
    {.Name = "Option125Table1Click",            .Family = GeneratedTable,  .Title = "DHCP Relay Option 125 Table",                .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.3.8.4.1.1", nullptr, 6},       .Kind = MVT_UMV, .Keys = 4, .Status = {5, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), RequestTimeout(500)}, .Guarded = true},
    {.Name = "VLANControlTable1Click",          .Family = HandMadeForm,    .WindowClass = "TDHCPRelayVLANControlUnitForm", .Title = "DHCP Relay VLAN Control Table", .UnitGlobal = true},
    // DHCP Relay Management > Local Relay
    {.Name = "GlobalSettings2Click",            .Family = GeneratedScalar, .Title = "DHCP Local Relay Global Settings",           .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.4.1"}},
    {.Name = "VLANTable3Click",                 .Family = GeneratedTable,  .Title = "DHCP Local Relay VLAN Table",                .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.4.2.1.1"},                     .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ShowStopButton(), ScaledHeight(450)}},
    {.Name = "Option822Click",                  .Family = GeneratedScalar, .Title = "DHCP Local Relay Option 82",                 .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.4.4", nullptr, 3},             .Guarded = true},
    {.Name = "Option82Table1Click",             .Family = GeneratedTable,  .Title = "DHCP Local Relay Option 82 Table",           .Table = {"Oid_common", "1.3.6.1.4.1.171.12.42.4.3.1.1", nullptr, 2},         .Kind = MVT_UMV, .Keys = 1, .Guarded = true},
    // DHCP Relay Management > DHCPv6 Relay
    {.Name = "DHCPv6RelaySettings1Click",       .Family = GeneratedPages,  .Title = "DHCPv6 Relay Settings", .Tweaks = {FixedWidth(650)}, .CaptionFirst = true, .Pages = DHCPv6RelayPages},
    {.Name = "Option37SettingsClickClick",      .Family = GeneratedScalar, .Title = "DHCPv6 Relay Option 37 Settings",            .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.1.5.1", nullptr, 4}},
    {.Name = "Option18SettingsClickClick",      .Family = GeneratedScalar, .Title = "DHCPv6 Relay Option 18 Settings",            .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.1.6.1", nullptr, 3}},
    // DHCP Relay Management > DHCPv6 Local Relay
    {.Name = "GlobalSettings15Click",           .Family = GeneratedScalar, .Title = "DHCPv6 Local Relay Global Settings",         .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.2.1", nullptr, 1}},
    {.Name = "DHCPv6LocalVLANTableClickClick",  .Family = GeneratedTable,  .Title = "DHCPv6 Local Relay VLAN Table",              .Table = {"Oid_ipif", "1.3.6.1.4.1.171.12.84.2.2.1.1", nullptr, 2},           .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    // DHCP Management > DHCP Server
    {.Name = "DHCPServerControl1Click",         .Family = GeneratedScalar, .Title = "DHCP Server Global Settings",                .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.1.1"},                     .Tweaks = {SetVarFormat(1, "%i{n2x10l2}"), SetVarFormat(2, "%i{n500x2000l4}")}},
    {.Name = "ExcludedAddressTable1Click",      .Family = GeneratedTable,  .Title = "DHCP Server Excluded Address Table",         .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.1.1.1", nullptr, 3},     .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "PoolTable1Click",                 .Family = GeneratedTable,  .Title = "DHCP Server Pool Table",                     .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.2.1.1.1", nullptr, 13},  .Kind = MVT_UMV, .Keys = 1, .Status = {11, "createAndGo", "destroy"}, .Tweaks = {OptionalRow(12)}},
    {.Name = "DNSServerAddressTable1Click",     .Family = GeneratedTable,  .Title = "DHCP Server DNS Server Address Table",       .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.2.2.1.1", nullptr, 4},   .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}},
    {.Name = "NetBIOSNameServerTable1Click",    .Family = GeneratedTable,  .Title = "DHCP Server NetBIOS Name Server Table",      .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.2.3.1.1", nullptr, 4},   .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}},
    {.Name = "DefaultRouterTable1Click",        .Family = GeneratedTable,  .Title = "DHCP Server Default Router Table",           .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.2.4.1.1", nullptr, 4},   .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}},
    {.Name = "ManualBindingTable1Click",        .Family = GeneratedTable,  .Title = "DHCP Server Manual Binding Table",           .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.3.1.1", nullptr, 5},     .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "DynamicBindingTable1Click",       .Family = GeneratedTable,  .Title = "DHCP Server Dynamic Binding Table",          .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.4.1.1", nullptr, 7},     .Kind = MVT_UMV, .Keys = 2, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    {.Name = "PoolClassTable1Click",            .Family = GeneratedTable,  .Title = "DHCP Server Pool Class Table",               .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.2.5.1.1", nullptr, 5},   .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}},
    {.Name = "PoolOptionTablw1Click",           .Family = GeneratedTable,  .Title = "DHCP Server Pool Option Table",              .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.2.6.1.1", nullptr, 3},   .Kind = MVT_UMV, .Keys = 2, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "ConflictIPTable1Click",           .Family = GeneratedTable,  .Title = "DHCP Server Conflict IP Table",              .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.5.1.1", nullptr, 4},     .Kind = MVT_UMV, .Keys = 1},
    {.Name = "ClassState1Click",                .Family = GeneratedScalar, .Title = "DHCP Server Class State Settings",           .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.6.1", nullptr, 1}},
    {.Name = "ClassTable1Click",                .Family = GeneratedTable,  .Title = "DHCP Server Class Table",                    .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.6.2.1.1", nullptr, 5},   .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}},
    {.Name = "ProfileTable1Click",              .Family = GeneratedTable,  .Title = "DHCP Server Profile Table",                  .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.9.1.1.1", nullptr, 2},   .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "OptionTable1Click",               .Family = GeneratedTable,  .Title = "DHCP Server Option Table",                   .Table = {"Oid_dhcpserver", "1.3.6.1.4.1.171.12.38.3.9.2.1.1", nullptr, 5},   .Kind = MVT_UMV, .Keys = 2, .Status = {4, "createAndGo", "destroy"}},
    // DHCP Management > DHCPv6 Server
    {.Name = "GlobalSettings14Click",           .Family = GeneratedScalar, .Title = "DHCPv6 Server Global Settings",              .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.1.1", nullptr, 1}},
    {.Name = "ExcludedAddressTable2Click",      .Family = GeneratedTable,  .Title = "DHCPv6 Server Excluded Address Table",       .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.4.1.1", nullptr, 4},   .Kind = MVT_UMV, .Keys = 3, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "PoolTable2Click",                 .Family = GeneratedTable,  .Title = "DHCPv6 Server Pool Table",                   .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.2.1.1.1", nullptr, 8}, .Kind = MVT_UMV, .Keys = 1, .Status = {7, "createAndGo", "destroy"}, .Tweaks = {SetVarFormatWithCheck(1, "%s{Z}", ValidateIPv6Text), SetVarFormatWithCheck(2, "%s{Z}", ValidateIPv6Text)}},
    {.Name = "ControlTable10Click",             .Family = GeneratedTable,  .Title = "DHCPv6 Server Control Table",                .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.1.2.1.1", nullptr, 2}, .Kind = MVT_UMV, .Keys = 1, .Tweaks = {ScaledHeight(450)}},
    {.Name = "ServerAddressTable1Click",        .Family = GeneratedTable,  .Title = "DHCPv6 Server DNS Server Address Table",     .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.2.2.1.1", nullptr, 4}, .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}},
    {.Name = "ManualBindingTable2Click",        .Family = GeneratedTable,  .Title = "DHCPv6 Server Manual Binding Table",         .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.3.1.1", nullptr, 4},   .Kind = MVT_UMV, .Keys = 2, .Status = {3, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "BindingTable2ClickClick",         .Family = GeneratedTable,  .Title = "DHCPv6 Server Binding Table",                .Table = {"Oid_dhcpv6server", "1.3.6.1.4.1.171.12.90.1.5.1.1", nullptr, 6},   .Kind = MVT_UMV, .Keys = 2, .Tweaks = {ScaledHeight(450)}},
    // DNS Resolver
    {.Name = "GlobalSettings13Click",           .Family = GeneratedScalar, .Title = "DNS Resolver Global Settings",               .Table = {"Oid_dnsresolver", "1.3.6.1.4.1.171.12.85.1.1", nullptr, 2}},
    {.Name = "StaticNameServerTable1Click",     .Family = GeneratedTable,  .Title = "DNS Resolver Static Name Server Table",      .Table = {"Oid_dnsresolver", "1.3.6.1.4.1.171.12.85.1.3.1.1.1", nullptr, 4},  .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit()}},
    {.Name = "StaticIPv6NameServerTable1Click", .Family = GeneratedTable,  .Title = "DNS Resolver Static IPv6 Name Server Table", .Table = {"Oid_dnsresolver", "1.3.6.1.4.1.171.12.85.1.3.3.1.1", nullptr, 5},  .Kind = MVT_UMV, .Keys = 1, .Status = {4, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), SetVarFormatWithCheck(1, "%s{Z}", ValidateIPv6Text)}},
    {.Name = "DynamicNameServerTable1Click",    .Family = GeneratedTable,  .Title = "DNS Resolver Dynamic Name Server Table",     .Table = {"Oid_dnsresolver", "1.3.6.1.4.1.171.12.85.1.3.2.1.1", nullptr, 3},  .Kind = MVT_FMV, .Keys = 1},
    {.Name = "StaticHostTable1Click",           .Family = GeneratedTable,  .Title = "DNS Resolver Static Host Table",             .Table = {"Oid_dnsresolver", "1.3.6.1.4.1.171.12.85.1.4.1.1.1", nullptr, 5},  .Kind = MVT_UMV, .Keys = 1, .Status = {1, "createAndGo", "destroy"}, .Tweaks = {SetVarFormatWithCheck(4, "%s{Z}", ValidateIPv6Text)}},
    // Every column is read-only; the check on "IPv6 Address" is bound all the same.
    {.Name = "DynamicHostTable1Click",          .Family = GeneratedTable,  .Title = "DNS Resolver Dynamic Host Table",            .Table = {"Oid_dnsresolver", "1.3.6.1.4.1.171.12.85.1.4.2.1.1", nullptr, 6},  .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormatWithCheck(5, "%s{Z}", ValidateIPv6Text)}},
    // PPPoE Management
    {.Name = "PPPoE1Click",                     .Family = GeneratedScalar, .Title = "PPPoE Circuit ID Insertion State Settings",  .Table = {"Oid_common", "1.3.6.1.4.1.171.12.79.1.1", nullptr, 1}},
    {.Name = "CircuitIDInsertPortTable1Click",  .Family = HandMadeForm,    .WindowClass = "TPPOEForm", .Title = "PPPoE  Circuit ID Insert Port Table", .UnitGlobal = true},
    // SMTP
    // The window keeps its own caption, "SMTP Control Table", and no unit global.
    {.Name = "GlobalSettings10Click",           .Family = HandMadeForm,    .WindowClass = "TSMTPControlForm", .NoCaption = true},
    {.Name = "MailReceiverTable1Click",         .Family = GeneratedTable,  .Title = "SMTP Mail Receiver Table",                   .Table = {"Oid_smtp", "1.3.6.1.4.1.171.12.29.3.1.1.1", nullptr, 3},           .Kind = MVT_UMV, .Keys = 1, .Status = {2, "createAndGo", "destroy"}, .Tweaks = {HideEditButton(), NoDoubleClickEdit(), GrowWidth(200)}},
    // File System > System
    {.Name = "ControlStatus1Click",             .Family = GeneratedTable,  .Title = "Basic File System Table",                    .Table = {"Oid_config", "1.3.6.1.4.1.171.12.1.2.18.1.1.1"},                   .Kind = MVT_UMV, .Keys = 1, .Tweaks = {SetVarFormatWithCheck(2, "%s{Z}", ValidateIPv4Text), SetVarFormatWithCheck(3, "%s{Z}", ValidateIPv6Text), RequestTimeout(3000)}},
    {.Name = "ControlProcess1Click",            .Family = GeneratedTable,  .Title = "File System Configuration Table",            .Table = {"Oid_config", "1.3.6.1.4.1.171.12.1.2.18.5.1.1"},                   .Kind = MVT_UMV, .Keys = 1, .Tweaks = {RequestTimeout(1000)}},
    {.Name = "SaveSettings1Click",              .Family = GeneratedScalar, .Title = "File System Save Settings",                  .Table = {"Oid_config", "1.3.6.1.4.1.171.12.1.2.18.3"},                       .Tweaks = {RequestTimeout(1000)}},
    // File System > Drive Control
    {.Name = "MediaInformation1Click",          .Family = GeneratedTable,  .Title = "File System Drive Information",              .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.2.1.1.1"},                     .Kind = MVT_FMV, .Keys = 1},
    {.Name = "Drive1Click",                     .Family = GeneratedScalar, .Title = "File System Drive Change Control",           .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.2.3.3"}},
    {.Name = "DriveInfoStack1Click",            .Family = GeneratedTable,  .Title = "Drive Information Stack Table",              .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.2.4.1.1"},                     .Kind = MVT_FMV, .Keys = 2, .Tweaks = {ScaledHeight(450), GrowWidth(100)}},
    // File System > Directory Control
    {.Name = "DirectoryMake1Click",             .Family = GeneratedScalar, .Title = "File System Make Directory",                 .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.3.1"}},
    {.Name = "DirectoryDelete1Click",           .Family = GeneratedScalar, .Title = "File System Delete Directory",               .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.3.2"}},
    {.Name = "DirectoryPath1Click",             .Family = GeneratedScalar, .Title = "File System Directory Path",                 .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.3.3.1"}},
    {.Name = "DirectoryInformation1Click",      .Family = GeneratedTable,  .Title = "File System Directory Information",          .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.3.3.2.1.1"},                   .Kind = MVT_FMV, .Keys = 1},
    // File System > File Control
    {.Name = "FileRename1Click",                .Family = GeneratedScalar, .Title = "File System File Rename",                    .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.4.1.1"}},
    {.Name = "FileDelete1Click",                .Family = GeneratedScalar, .Title = "File System Delete File",                    .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.4.2.1"},                       .Tweaks = {RequestTimeout(1000)}},
    {.Name = "Copy1Click",                      .Family = GeneratedScalar, .Title = "File System Copy File",                      .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.5.1"}},
    {.Name = "Move1Click",                      .Family = GeneratedScalar, .Title = "File System Move File",                      .Table = {"Oid_config", "1.3.6.1.4.1.171.12.14.6.1"}},

};
// clang-format on

} // namespace

const std::span<const HandlerRow> NetworkApplicationHandlers = Rows;
