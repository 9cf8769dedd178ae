// Oid_dot1x: IEEE8021-PAE-MIB, guest VLAN 1.3.6.1.4.1.171.12.30, 1.3.6.1.4.1.171.12.3.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_dot1x {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionItem AuthPaeStateItems[] = {
    {1, "initialize"},
    {2, "disconnected"},
    {3, "connecting"},
    {4, "authenticating"},
    {5, "authenticated"},
    {6, "aborting"},
    {7, "held"},
    {8, "forceAuth"},
    {9, "forceUnauth"},
    {},
};
constexpr OptionItem BackendAuthStateItems[] = {
    {1, "request"},
    {2, "response"},
    {3, "success"},
    {4, "fail"},
    {5, "timeout"},
    {6, "idle"},
    {7, "initialize"},
    {},
};
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
constexpr OptionItem Dot1xAdministrativeControlledDirectionsItems[] = {{0, "both"}, {1, "in"}, {}};
constexpr OptionItem Dot1xPortStatusItems[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
constexpr OptionItem Dot1xPortControlItems[] = {
    {1, "forceUnauthorized"},
    {2, "auto"},
    {3, "forceAuthorized"},
    {},
};
constexpr OptionItem Dot1xInitializeOrReauthenticateStateItems[] = {
    {1, "other"},
    {2, "initialize"},
    {3, "reauthenticate"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList AuthPaeStateOptions;
constinit MvOptionList BackendAuthStateOptions;
constinit MvOptionList AuthServerTypeOptions;
constinit MvOptionList TerminateCauseOptions;
constinit MvOptionList Dot1xAdministrativeControlledDirectionsOptions;
constinit MvOptionList Dot1xPortStatusOptions;
constinit MvOptionList Dot1xPortControlOptions;
constinit MvOptionList Dot1xInitializeOrReauthenticateStateOptions;

// Descriptor tables.

// Key: 1.0.8802.1.1.1.1.1.1
// Read by the window "802.1X Configuration" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.0.8802.1.1.1.1.1.1", "Authentication Control", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.0.8802.1.1.1.1.1.2.1.1 "Port Number", 5 rows
// Read by the window "802.1X Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number",      integer, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", guage,   readonly,  nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities",     bitstr,  readonly,  nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize",       integer, readwrite, &TrueFalseOptions},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate",   integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.1.1.1.2.1.1 "Port Number", 15 rows
// Read by the window "802.1X Port Configuration" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1",  "Port Number",                          integer, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.1",  "PAE State",                            integer, readonly,  &AuthPaeStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.2",  "Backend State",                        integer, readonly,  &BackendAuthStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.3",  "Administrative Controlled Directions", integer, readwrite, &Dot1xAdministrativeControlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.4",  "Operational Controlled Directions",    integer, readonly,  &Dot1xAdministrativeControlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.5",  "Port Status",                          integer, readonly,  &Dot1xPortStatusOptions},
    {"1.0.8802.1.1.1.1.2.1.1.6",  "Port Control",                         integer, readwrite, &Dot1xPortControlOptions},
    {"1.0.8802.1.1.1.1.2.1.1.7",  "Quiet Period",                         guage,   readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.8",  "TX Period",                            guage,   readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.9",  "Supp Timeout",                         guage,   readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout",                       guage,   readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max. Request",                         guage,   readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period",                guage,   readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled",               integer, readwrite, &TrueFalseOptions},
    {"1.0.8802.1.1.1.1.2.1.1.14", "Key TX Enabled",                       integer, readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.0.8802.1.1.1.1.1.2.1.1 "Port Number", 13 rows
// Read by the window "802.1X Port Statistics" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1",  "Port Number",                  integer,    notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.1",  "EAPOL Frames RX",              counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.2",  "EAPOL Frames TX",              counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.3",  "EAPOL Start Frames RX",        counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.4",  "EAPOL Logoff Frames RX",       counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.5",  "EAPOL Response/IP Frames RX",  counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.6",  "EAPOL Response Frames RX",     counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.7",  "EAPOL Request/ID Frames TX",   counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.8",  "EAPOL Response Frames TX",     counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.9",  "Invalid EAPOL Frames RX",      counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version",     guage,      readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source",      macaddress, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.1.1.1.2.1.1 "Port Number", 19 rows
// Read by the window "802.1X Port Diagnostics" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1",  "Port Number",                                    integer, notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.1",  "Enters Connecting",                              counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.2",  "Eap Logoffs While Connecting",                   counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.3",  "Enters Authenticating",                          counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.4",  "Authentication Success While Authenticating",    counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.5",  "Authentication Timeouts While Authenticating",   counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.6",  "Authentication Fail While Authenticating",       counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.7",  "Authentication Reauths While Authenticating",    counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.8",  "Authentication Eap Starts While Authenticating", counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.9",  "Authentication Eap Logoff While Authenticating", counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated",     counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication Eap Starts While Authenticated",  counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication Eap Logoff While Authenticated",  counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses",                              counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges",                      counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant",           counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant",       counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes",               counter, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails",                   counter, readonly,  nullptr},
    {},
};

// Key: 1.0.8802.1.1.1.1.2.4.1.1 (after an index-only column)
// Read by the window "802.1X Port Session Statistics" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"",                         "Port Number",      integer,    notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX",        counter64,  readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX",        counter64,  readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX",        counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX",        counter,    readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID",               displaystr, readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", integer,    readonly,  &AuthServerTypeOptions},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time",             timeticks,  readonly,  nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause",  integer,    readonly,  &TerminateCauseOptions},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name",        displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.30.1.1 "Guest VLAN Name", 2 rows
// Read by TGuestVlanForm as SVT_SV.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.30.1.1", "Guest VLAN Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.30.1.2", "Guest VLAN Port", bitlist,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.30.1.3
// Read by TGuestVlanForm as SVT_SV.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.30.1.3", "Guest VLAN Delete State", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.30.1.1 "Guest VLAN Name", 1 rows
// Read by TGuestVlanForm as SVT_SV.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.30.1.1", "Guest VLAN Name", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.30.10
// Read by the window "802.1X Trap State" as SVT_SV.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.30.10", "Trap State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.9.2.1.1
// Read by the window "MAC-based PAE Port Settings" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.3.9.2.1.1", "Port",                               integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.9.2.1.2", "MAC Address",                        macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.9.2.1.3", "Initialize or Reauthenticate State", integer,    readwrite, &Dot1xInitializeOrReauthenticateStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &TrueFalseOptions, &NoneStartOptions, &AuthPaeStateOptions,
    &BackendAuthStateOptions, &AuthServerTypeOptions, &TerminateCauseOptions,
    &Dot1xAdministrativeControlledDirectionsOptions, &Dot1xPortStatusOptions,
    &Dot1xPortControlOptions, &Dot1xInitializeOrReauthenticateStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    AuthPaeStateOptions.Init(AuthPaeStateItems, 1, false);
    BackendAuthStateOptions.Init(BackendAuthStateItems, 1, false);
    AuthServerTypeOptions.Init(AuthServerTypeItems, 1, false);
    TerminateCauseOptions.Init(TerminateCauseItems, 1, false);
    Dot1xAdministrativeControlledDirectionsOptions.Init(Dot1xAdministrativeControlledDirectionsItems, 1, false);
    Dot1xPortStatusOptions.Init(Dot1xPortStatusItems, 1, false);
    Dot1xPortControlOptions.Init(Dot1xPortControlItems, 1, false);
    Dot1xInitializeOrReauthenticateStateOptions.Init(Dot1xInitializeOrReauthenticateStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    Dot1xInitializeOrReauthenticateStateOptions.Free();
    Dot1xPortControlOptions.Free();
    Dot1xPortStatusOptions.Free();
    Dot1xAdministrativeControlledDirectionsOptions.Free();
    TerminateCauseOptions.Free();
    AuthServerTypeOptions.Free();
    BackendAuthStateOptions.Free();
    AuthPaeStateOptions.Free();
    NoneStartOptions.Free();
    TrueFalseOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_dot1x", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_dot1x
