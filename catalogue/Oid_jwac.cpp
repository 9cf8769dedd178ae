// Oid_jwac: JWAC 1.3.6.1.4.1.171.12.39.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_jwac {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem ActiveInactiveItems[] = {{1, "active"}, {2, "inactive"}, {}};
constexpr OptionItem AuthStateItems[] = {{1, "authenticated"}, {2, "authenticating"}, {3, "blocked"}, {}};
constexpr OptionItem ActiveDeleteItems[] = {{1, "active"}, {2, "delete"}, {}};
constexpr OptionItem HttpHttpsItems[] = {{1, "http"}, {2, "https"}, {}};
constexpr OptionItem HostPortBasedItems[] = {{1, "hostbased"}, {2, "portbased"}, {}};
constexpr OptionItem JwacAuthenticatePageItems[] = {{1, "japanese"}, {2, "english"}, {}};
constexpr OptionItem JwacProtocolItems[] = {{1, "all"}, {2, "tcp"}, {3, "udp"}, {}};
constexpr OptionItem JwacRedirectDestinationItems[] = {{1, "quarantine_server"}, {2, "jwac_login_page"}, {}};
constexpr OptionItem JwacRADIUSProtocolItems[] = {
    {1, "local"},
    {2, "pap"},
    {3, "chap"},
    {4, "ms_chap"},
    {5, "ms_chapv2"},
    {6, "eap_md5"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList ActiveInactiveOptions;
constinit MvOptionList AuthStateOptions;
constinit MvOptionList ActiveDeleteOptions;
constinit MvOptionList HttpHttpsOptions;
constinit MvOptionList HostPortBasedOptions;
constinit MvOptionList JwacAuthenticatePageOptions;
constinit MvOptionList JwacProtocolOptions;
constinit MvOptionList JwacRedirectDestinationOptions;
constinit MvOptionList JwacRADIUSProtocolOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.39.1.1
// Read by the window "JWAC Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.39.1.1",  "State",                           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.2",  "Redirect State",                  integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.3",  "Forcible Logout State",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.4",  "UDP Filtering State",             integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.5",  "Quarantine Server Monitor State", integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.6",  "Quarantine Server Error Timeout", integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.7",  "Redirect Destination",            integer,     readwrite, &JwacRedirectDestinationOptions},
    {"1.3.6.1.4.1.171.12.39.1.8",  "Redirect Delay Time",             integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.9",  "Virtual IP Address",              ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.10", "Quarantine Server URL",           displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.11", "Switch HTTP Port Number",         integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.12", "Switch HTTP Protocol",            integer,     readwrite, &HttpHttpsOptions},
    {"1.3.6.1.4.1.171.12.39.1.13", "RADIUS Protocol",                 integer,     readwrite, &JwacRADIUSProtocolOptions},
    {"1.3.6.1.4.1.171.12.39.1.15", "Authenticate Page",               integer,     readwrite, &JwacAuthenticatePageOptions},
    {"1.3.6.1.4.1.171.12.39.1.17", "RADIUS Authorize State",          integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.18", "Local Authorize State",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.1.20", "Virtual IP URL",                  displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.21", "Virtual IPv6",                    ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.22", "Virtual IPv6 URL",                displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.23", "Quarantine Server URL IPv6",      displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.25", "Function Version",                displaystr,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.1.19.1.1
// Read by the window "JWAC Update Server Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.39.1.19.1.1", "IP Address", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.19.1.2", "Mask",       ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.19.1.3", "Protocol",   integer,   readonly,  &JwacProtocolOptions},
    {"1.3.6.1.4.1.171.12.39.1.19.1.4", "Port",       integer,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.1.19.1.5", "Row Status", integer,   readwrite, &RowStatusShortOptions},
    {"1.3.6.1.4.1.171.12.39.1.19.1.6", "State",      integer,   readonly,  &ActiveInactiveOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.1.24.1.1
// Read by the window "JWAC IPv6 Update Server Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.39.1.24.1.1",   "IPv6 Address", ipv6address, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.24.1.2",   "Mask",         integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.24.1.3",   "Protocol",     integer,     notaccess, &JwacProtocolOptions},
    {"1.3.6.1.4.1.171.12.39.1.24.1.4",   "Port",         integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.1.24.1.5",   "State",        integer,     readonly,  &ActiveInactiveOptions},
    {"1.3.6.1.4.1.171.12.39.1.24.1.100", "Row Status",   integer,     readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.3.1.1.1
// Read by the window "JWAC Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.39.3.1.1.1", "Index",                    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.3.1.1.2", "State",                    integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.39.3.1.1.3", "Max. Authenticating Host", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.3.1.1.4", "Aging Time (min)",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.3.1.1.5", "Idle Time (min)",          integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.3.1.1.6", "Block Time (sec)",         integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.3.1.1.7", "Authentication Mode",      integer, readwrite, &HostPortBasedOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.4.1.1.1
// Read by the window "JWAC Host Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.39.4.1.1.1",  "Port",                  integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.2",  "Authentication Status", integer,    notaccess, &AuthStateOptions},
    {"1.3.6.1.4.1.171.12.39.4.1.1.3",  "MAC Address",           macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.4",  "VLAN ID",               integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.5",  "Remain Age Time",       integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.6",  "Idle Time",             integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.7",  "Block Time",            integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.8",  "Status",                integer,    readwrite, &ActiveDeleteOptions},
    {"1.3.6.1.4.1.171.12.39.4.1.1.9",  "Priority",              integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.10", "User",                  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.1.1.11", "IP Address",            ipaddress,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.4.2.1.1
// Read by the window "JWAC Page Element Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.39.4.2.1.1",  "Page",                integer,    notaccess, &JwacAuthenticatePageOptions},
    {"1.3.6.1.4.1.171.12.39.4.2.1.2",  "Page Title",          displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.3",  "Login Window Title",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.4",  "User Name",           displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.5",  "Password",            displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.6",  "Logout Window Title", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.7",  "Line 1",              displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.8",  "Line 2",              displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.9",  "Line 3",              displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.10", "Line 4",              displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.2.1.11", "Line 5",              displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.4.3.1.1
// Read by the window "JWAC Web Authentication User Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.39.4.3.1.1", "Name Index", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.3.1.2", "Password",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.3.1.3", "VLAN ID",    integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.3.1.4", "Row Status", integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.39.4.4.1.1
// Read by the window "JWAC Authentication State Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.39.4.4.1.1",  "Port",                 integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.2",  "Original VID",         integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.3",  "MAC Address",          macaddress,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.5",  "Authentication State", integer,     readonly,  &AuthStateOptions},
    {"1.3.6.1.4.1.171.12.39.4.4.1.7",  "Assign VID",           integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.8",  "Priority",             integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.12", "Remain Time",          integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.14", "Idle Time",            integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.18", "User Name",            displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.20", "IP Address",           ipaddress,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.21", "IPv6 Address",         ipv6address, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.39.4.4.1.30", "Delete Action",        integer,     readwrite, &ActiveDeleteOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &RowStatusShortOptions, &ActiveInactiveOptions,
    &AuthStateOptions, &ActiveDeleteOptions, &HttpHttpsOptions, &HostPortBasedOptions,
    &JwacAuthenticatePageOptions, &JwacProtocolOptions, &JwacRedirectDestinationOptions,
    &JwacRADIUSProtocolOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    ActiveInactiveOptions.Init(ActiveInactiveItems, 1, false);
    AuthStateOptions.Init(AuthStateItems, 1, false);
    ActiveDeleteOptions.Init(ActiveDeleteItems, 1, false);
    HttpHttpsOptions.Init(HttpHttpsItems, 1, false);
    HostPortBasedOptions.Init(HostPortBasedItems, 1, false);
    JwacAuthenticatePageOptions.Init(JwacAuthenticatePageItems, 1, false);
    JwacProtocolOptions.Init(JwacProtocolItems, 1, false);
    JwacRedirectDestinationOptions.Init(JwacRedirectDestinationItems, 1, false);
    JwacRADIUSProtocolOptions.Init(JwacRADIUSProtocolItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    JwacRADIUSProtocolOptions.Free();
    JwacRedirectDestinationOptions.Free();
    JwacProtocolOptions.Free();
    JwacAuthenticatePageOptions.Free();
    HostPortBasedOptions.Free();
    HttpHttpsOptions.Free();
    ActiveDeleteOptions.Free();
    AuthStateOptions.Free();
    ActiveInactiveOptions.Free();
    RowStatusShortOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_jwac", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_jwac
