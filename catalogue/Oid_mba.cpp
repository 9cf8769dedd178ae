// Oid_mba: MAC-based access control 1.3.6.1.4.1.171.12.35, 1.3.6.1.4.1.171.12.3.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_mba {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionItem Disabled1Enabled2Items[] = {{1, "disabled"}, {2, "enabled"}, {}};
constexpr OptionItem AuthStateItems[] = {{1, "authenticated"}, {2, "authenticating"}, {3, "blocked"}, {}};
constexpr OptionItem AuthServerTypeItems[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
constexpr OptionItem TerminateCauseItems[] = {
    {1, "supplicantLogoff"},
    {2, "portFailure"},
    {3, "supplicantRestart"},
    {4, "reauthFailed"},
    {5, "authControlForceUnauth"},
    {6, "portReInit"},
    {7, "portAdminDisabled"},
    {999, "notTerminatedYet"},
    {},
};
constexpr OptionItem LocalRadiusItems[] = {{1, "local"}, {2, "radius"}, {}};
constexpr OptionItem MbaStateItems[] = {
    {1, "unconnected"},
    {2, "connecting"},
    {3, "authenticating"},
    {4, "authenticated"},
    {5, "block"},
    {},
};
constexpr OptionItem MbaModeItems[] = {{1, "port_based"}, {2, "host_based"}, {}};
constexpr OptionItem MbaAuthPasswordTypeItems[] = {{1, "manual_string"}, {2, "client_mac_address"}, {}};
constexpr OptionItem MbaPortCapabilitiesItems[] = {{1, "none"}, {2, "authenticator"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList Disabled1Enabled2Options;
constinit MvOptionList AuthStateOptions;
constinit MvOptionList AuthServerTypeOptions;
constinit MvOptionList TerminateCauseOptions;
constinit MvOptionList LocalRadiusOptions;
constinit MvOptionList MbaStateOptions;
constinit MvOptionList MbaModeOptions;
constinit MvOptionList MbaAuthPasswordTypeOptions;
constinit MvOptionList MbaPortCapabilitiesOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.35.1.1
// Read by TMBAControlForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.35.1.1", "State",            integer,    readwrite, &Disabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.35.1.2", "Method",           integer,    readwrite, &LocalRadiusOptions},
    {"1.3.6.1.4.1.171.12.35.1.3", "PassWord",         displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.35.1.8", "Clear All Action", integer,    readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.1.4 "VLAN Name", 2 rows
// Read by TMBAControlForm as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.35.1.4", "VLAN Name",    displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.35.1.5", "Member Ports", bitlist,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.1.7
// Read by TMBAControlForm as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.35.1.7", "Delete State", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.1.4 "VLAN Name", 1 rows
// Read by TMBAControlForm as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.35.1.4", "VLAN Name", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.2.1.1.1
// Read by the window "MAC Port Information Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.35.2.1.1.1", "Port Index",       integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.2.1.1.2", "MAC Index",        macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.2.1.1.3", "State",            integer,    readonly,  &MbaStateOptions},
    {"1.3.6.1.4.1.171.12.35.2.1.1.4", "Assign VLAN Name", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.1.1.5", "Clear MAC Action", integer,    readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.35.2.1.1.6", "Priority",         integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.1.1.7", "Aging Time",       integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.1.1.8", "Block Time",       integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.1.1.9", "Assign VLAN ID",   integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.2.2.1.1
// Read by the window "MAC Authentication State Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.35.2.2.1.1",  "Port",            integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.2.2.1.2",  "Original VID",    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.2.2.1.3",  "MacAddr",         macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.2.2.1.4",  "State",           integer,    readonly,  &AuthStateOptions},
    {"1.3.6.1.4.1.171.12.35.2.2.1.5",  "Assign VID",      integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.2.1.6",  "Assign Priority", integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.2.1.7",  "Remain Time",     integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.35.2.2.1.25", "Delete Action",   integer,    readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.3.1.1.1
// Read by the window "MAC Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.35.3.1.1.1", "Index",             integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.3.1.1.2", "State",             integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.35.3.1.1.3", "Mode",              integer, readwrite, &MbaModeOptions},
    {"1.3.6.1.4.1.171.12.35.3.1.1.4", "Aging Time",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.35.3.1.1.5", "Block Time",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.35.3.1.1.6", "Clear Port Action", integer, readwrite, &OtherStartOptions},
    {"1.3.6.1.4.1.171.12.35.3.1.1.7", "Max. User",         integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.4.1.1.1
// Read by the window "MAC Database Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.35.4.1.1.1", "MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.35.4.1.1.5", "VLAN ID",     integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.35.4.1.1.3", "Row Status",  integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.35.1.9
// Read by the window "MAC Information Settings" as SVT_SV.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.35.1.9",  "Max. User",            integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.35.1.11", "RADIUS Authorization", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.35.1.12", "Local Authorization",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.35.1.13", "Trap State",           integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.35.1.14", "Log State",            integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.35.1.15", "Auth Password Type",   integer, readwrite, &MbaAuthPasswordTypeOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.6.1.1.1 "MAC Address", 14 rows
// Read by TMacStatisticTableForm as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1",  "MAC Address",                 macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2",  "Port Number",                 integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.1",  "Eapol Frames RX",             counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.2",  "Eapol Frames TX",             counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.3",  "Eapol Start Frames RX",       counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.4",  "Eapol Log off Frames RX",     counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.5",  "Eapol Response ID Frames RX", counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.6",  "Eapol Response Frames RX",    counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.7",  "Eapol Requset ID Frames TX",  counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.8",  "Eapol Requset Frames TX",     counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.9",  "Invalid Eapol Frames RX",     counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.10", "Eap Length Error Frames RX",  counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.11", "Last Eapol Frame Version",    guage,      readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.2.1.12", "Last Eapol Frame Source",     macaddress, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.6.1.1.1 "MAC Address", 20 rows
// Read by the window "MBA Diagnostics Information Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1",  "MAC Address",                                    macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2",  "Port Number",                                    integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.1",  "Enters Connecting",                              counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.2",  "Eap Logoffs While Connecting",                   counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.3",  "Enters Authenticating",                          counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.4",  "Authentication Success While Authenticating",    counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.5",  "Authentication Timeouts While Authenticating",   counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.6",  "Authentication Fail While Authenticating",       counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.7",  "Authentication Reauths WhileAuthenticating",     counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.8",  "Authentication Eap Starts While Authenticating", counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.9",  "Authentication Eap Logoff While Authenticating", counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.10", "Authentication Reauths While Authenticated",     counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.11", "Authentication Eap Starts While Authenticated",  counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.12", "Authentication Eap Logoff While Authenticated",  counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.13", "Backend Responses",                              counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.14", "Backend Access Challenges",                      counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.15", "Backend Other Requests To Supplicant",           counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.16", "Backend NonNak Responses From Supplicant",       counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.17", "Backend Authentication Successes",               counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.3.1.18", "Backend Authentication Fails",                   counter,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.6.1.1.1 "MAC Address", 11 rows
// Read by the window "MBA Session Information Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "MAC Address",      macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "Port Number",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.1", "Octets RX",        counter64,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.2", "Octets TX",        counter64,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.3", "Frames RX",        counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.4", "Frames TX",        counter,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.5", "ID",               displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.6", "Authentic Method", integer,    readonly,  &AuthServerTypeOptions},
    {"1.3.6.1.4.1.171.12.3.6.4.1.7", "Time",             timeticks,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.6.4.1.8", "Terminate Cause",  integer,    readonly,  &TerminateCauseOptions},
    {"1.3.6.1.4.1.171.12.3.6.4.1.9", "User Name",        displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.8.1.1.1
// Read by the window "802.1X Authentication Port Settings" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.3.8.1.1.1", "Port Number",       integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.8.1.1.2", "Port Capabilities", integer, readwrite, &MbaPortCapabilitiesOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &OtherStartOptions, &RowStatusShortOptions, &NoneStartOptions,
    &Disabled1Enabled2Options, &AuthStateOptions, &AuthServerTypeOptions, &TerminateCauseOptions,
    &LocalRadiusOptions, &MbaStateOptions, &MbaModeOptions, &MbaAuthPasswordTypeOptions,
    &MbaPortCapabilitiesOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    Disabled1Enabled2Options.Init(Disabled1Enabled2Items, 1, false);
    AuthStateOptions.Init(AuthStateItems, 1, false);
    AuthServerTypeOptions.Init(AuthServerTypeItems, 1, false);
    TerminateCauseOptions.Init(TerminateCauseItems, 1, false);
    LocalRadiusOptions.Init(LocalRadiusItems, 1, false);
    MbaStateOptions.Init(MbaStateItems, 1, false);
    MbaModeOptions.Init(MbaModeItems, 1, false);
    MbaAuthPasswordTypeOptions.Init(MbaAuthPasswordTypeItems, 1, false);
    MbaPortCapabilitiesOptions.Init(MbaPortCapabilitiesItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    MbaPortCapabilitiesOptions.Free();
    MbaAuthPasswordTypeOptions.Free();
    MbaModeOptions.Free();
    MbaStateOptions.Free();
    LocalRadiusOptions.Free();
    TerminateCauseOptions.Free();
    AuthServerTypeOptions.Free();
    AuthStateOptions.Free();
    Disabled1Enabled2Options.Free();
    NoneStartOptions.Free();
    RowStatusShortOptions.Free();
    OtherStartOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_mba", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_mba
