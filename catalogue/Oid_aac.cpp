// Oid_aac: AAA 1.3.6.1.4.1.171.12.5, RADIUS servers 1.3.6.1.4.1.171.12.3.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_aac {
namespace {

// Option tables.

constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem InetAddressTypeItems[] = {{0, "unknown"}, {1, "IPv4"}, {2, "IPv6"}, {16, "dns"}, {}};
constexpr OptionItem AacAuthProtocolItems[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "none"},
    {6, "other"},
    {},
};
constexpr OptionItem AacServerProtocolItems[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {},
};
constexpr OptionItem AacRowStateItems[] = {{1, "add"}, {2, "delete"}, {}};
constexpr OptionItem AacIndexItems[] = {
    {1, "swRadiusServerIndex-first"},
    {2, "swRadiusServerIndex-second"},
    {3, "swRadiusServerIndex-third"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList InetAddressTypeOptions;
constinit MvOptionList AacAuthProtocolOptions;
constinit MvOptionList AacServerProtocolOptions;
constinit MvOptionList AacRowStateOptions;
constinit MvOptionList AacIndexOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.5.1.1
// Read by the window "AAC Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.5.1.1", "Administration State", integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.2.1
// Read by the window "AAC Information Table" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.5.2.1", "Method List",              integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.2.2", "Enable Method List",       integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.2.3", "Server Group",             integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.2.4", "Server",                   integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.8.1", "Response Timeout (0-255)", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.8.2", "Attempt (1-255)",          integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.7.1.1
// Read by the window "AAC Application Authentication Settings" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.5.7.1.1", "Console Login Method",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.2.1", "Console Enable Method", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.1.2", "Telnet Login Method",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.2.2", "Telnet Enable Method",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.1.3", "SSH Login Method",      displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.2.3", "SSH Enable Method",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.1.4", "HTTP Login Method",     displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.7.2.4", "HTTP Enable Method",    displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.9.1.1
// Read by TServerGroupForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.5.9.1.1",  "Name",                      displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.2",  "IP Address 1",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.3",  "Authentication Protocol1",  integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.4",  "IP Address 2",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.5",  "Authentication Protocol2",  integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.6",  "IP Address 3",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.7",  "Authentication Protocol3",  integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.8",  "IP Address 4",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.9",  "Authentication Protocol4",  integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.10", "IP Address 5",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.11", "Authentication Protocol 5", integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.12", "IP Address 6",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.13", "Authentication Protocol 6", integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.14", "IP Address7 ",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.15", "Authentication Protocol 7", integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.16", "IP Address 8",              ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.5.9.1.17", "Authentication Protocol 8", integer,    readonly,  &AacAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.9.1.18", "Row Status",                integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.10.1.1
// Read by TServerInformationForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.5.10.1.1", "IP",                      ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.5.10.1.2", "Authentication Protocol", integer,    notaccess, &AacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.10.1.3", "Authentication Port",     integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.10.1.4", "Authentication Key",      displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.10.1.5", "Timeout",                 integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.10.1.6", "Retry Count",             integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.5.10.1.7", "Row Status",              integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.5.12.1.1
// Read by TAAASrvCtrlForm as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.5.12.1.1", "Group Name",              displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.5.12.1.2", "IP Address",              ipaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.5.12.1.3", "Authentication Protocol", integer,    notaccess, &AacServerProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.12.1.4", "Row State",               integer,    readwrite, &AacRowStateOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.2.4.1.1
// Read by the window "RADIUS Server Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.3.2.4.1.1",  "Index",               integer,     notaccess, &AacIndexOptions},
    {"1.3.6.1.4.1.171.12.3.2.4.1.4",  "Account Port Number", guage,       readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.2.4.1.5",  "Port Number",         guage,       readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.2.4.1.6",  "Status",              integer,     readonly,  &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.3.2.4.1.7",  "Time out",            guage,       readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.2.4.1.8",  "Retransmit",          guage,       readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.2.4.1.9",  "Address Type",        integer,     readonly,  &InetAddressTypeOptions},
    {"1.3.6.1.4.1.171.12.3.2.4.1.10", "Address ",            inetaddress, readonly,  nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &DisabledEnabledOptions, &InetAddressTypeOptions, &AacAuthProtocolOptions,
    &AacServerProtocolOptions, &AacRowStateOptions, &AacIndexOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    InetAddressTypeOptions.Init(InetAddressTypeItems, 1, false);
    AacAuthProtocolOptions.Init(AacAuthProtocolItems, 1, false);
    AacServerProtocolOptions.Init(AacServerProtocolItems, 1, false);
    AacRowStateOptions.Init(AacRowStateItems, 1, false);
    AacIndexOptions.Init(AacIndexItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    AacIndexOptions.Free();
    AacRowStateOptions.Free();
    AacServerProtocolOptions.Free();
    AacAuthProtocolOptions.Free();
    InetAddressTypeOptions.Free();
    DisabledEnabledOptions.Free();
    RowStatusOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_aac", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_aac
