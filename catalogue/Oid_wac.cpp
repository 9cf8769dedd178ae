// Oid_wac: web-based access control 1.3.6.1.4.1.171.12.27.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_wac {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem OtherDisabledEnabledItems[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem AuthStateItems[] = {{1, "authenticated"}, {2, "authenticating"}, {3, "blocked"}, {}};
constexpr OptionItem ActiveDeleteItems[] = {{1, "active"}, {2, "delete"}, {}};
constexpr OptionItem LocalRadiusItems[] = {{1, "local"}, {2, "radius"}, {}};
constexpr OptionItem HttpHttpsItems[] = {{1, "http"}, {2, "https"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList OtherDisabledEnabledOptions;
constinit MvOptionList AuthStateOptions;
constinit MvOptionList ActiveDeleteOptions;
constinit MvOptionList LocalRadiusOptions;
constinit MvOptionList HttpHttpsOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.27.1.1
// Read by the window "WAC Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.27.1.1",  "Administration State",        integer,     readwrite, &OtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.27.1.2",  "Method",                      integer,     readwrite, &LocalRadiusOptions},
    {"1.3.6.1.4.1.171.12.27.1.5",  "Default Redirect Path",       displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.7",  "Virtual IP Address",          ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.8",  "HTTP Protocol",               integer,     readwrite, &HttpHttpsOptions},
    {"1.3.6.1.4.1.171.12.27.1.9",  "HTTP Port",                   integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.11", "RADIUS Authorization State",  integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.27.1.12", "Local Authorization State",   integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.27.1.13", "Clear Default Redirect Path", integer,     readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.27.1.14", "Virtual IPv6 Address",        ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.15", "Trap State",                  integer,     readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.27.1.30
// Read by the window "WAC Page Element Settings" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.27.1.30", "Page Title",          displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.31", "Login Window Title",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.32", "User Name",           displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.33", "Password",            displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.34", "Logout Window Title", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.35", "Notification Line 1", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.36", "Notification Line 2", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.37", "Notification Line 3", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.38", "Notification Line 4", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.1.39", "Notification Line 5", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.27.2.2.1.1
// Read by the window "WAC Authentication Information Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.27.2.2.1.1",  "Port",                integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.2",  "Original VLAN ID",    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.3",  "MAC Address",         macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.5",  "Authorization State", integer,    readonly,  &AuthStateOptions},
    {"1.3.6.1.4.1.171.12.27.2.2.1.7",  "Assign VLAN ID",      integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.8",  "Assign Priority",     integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.12", "Remain Time",         integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.14", "Idle Time",           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.27.2.2.1.25", "Delete Action",       integer,    readwrite, &ActiveDeleteOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.27.3.1.1.1
// Read by the window "WAC Authentication Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.27.3.1.1.1", "Index",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.27.3.1.1.2", "State",      integer, readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.27.3.1.1.6", "Aging Time", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.3.1.1.7", "Idle Time",  integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.3.1.1.8", "Block Time", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.27.3.2.1.1
// Read by the window "WAC Authentication User Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.27.3.2.1.1", "Name Index", displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.27.3.2.1.2", "Password",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.27.3.2.1.4", "Row Status", integer,    readwrite, &RowStatusShortOptions},
    {"1.3.6.1.4.1.171.12.27.3.2.1.5", "VLAN ID",    integer,    readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &DisabledEnabledOptions, &OtherStartOptions, &RowStatusShortOptions,
    &OtherDisabledEnabledOptions, &AuthStateOptions, &ActiveDeleteOptions, &LocalRadiusOptions,
    &HttpHttpsOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    OtherDisabledEnabledOptions.Init(OtherDisabledEnabledItems, 1, false);
    AuthStateOptions.Init(AuthStateItems, 1, false);
    ActiveDeleteOptions.Init(ActiveDeleteItems, 1, false);
    LocalRadiusOptions.Init(LocalRadiusItems, 1, false);
    HttpHttpsOptions.Init(HttpHttpsItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    HttpHttpsOptions.Free();
    LocalRadiusOptions.Free();
    ActiveDeleteOptions.Free();
    AuthStateOptions.Free();
    OtherDisabledEnabledOptions.Free();
    RowStatusShortOptions.Free();
    OtherStartOptions.Free();
    DisabledEnabledOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_wac", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_wac
