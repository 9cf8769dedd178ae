// Oid_radiusauth: RADIUS-AUTH-CLIENT-MIB, 1.3.6.1.4.1.171.12.3.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_radiusauth {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
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
constexpr OptionItem RadiusAuthStateItems[] = {
    {1, "authenticating"},
    {2, "authenticated"},
    {3, "unauthorized"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList AuthPaeStateOptions;
constinit MvOptionList BackendAuthStateOptions;
constinit MvOptionList RadiusAuthStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.67.1.2.1.1.1
// Read by the window "RADIUS Authentication Information" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets",          counter,    readonly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.67.1.2.1.1.3.1.1
// Read by the window "RADIUS Authentication Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1",  "Index",                              integer,   notaccess, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2",  "Address",                            ipaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3",  "Authentication Port Number",         integer,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4",  "Round Trip Time",                    timeticks, readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5",  "Access-Requests Packets",            counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6",  "Access-Retransmissions Packets",     counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7",  "Access-Accepts Packets",             counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8",  "Access-Rejects Packets",             counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9",  "Access-Challenges Packets",          counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets",         counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets",           guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers",                    counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets",              counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped",                    counter,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.7.1
// Read by the window "RADIUS Command" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.3.7.1", "Port Number", guage,      readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.3.7.2", "MAC Address", macaddress, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.10.1
// Read by the window "PAE Authenticator Settings" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.3.10.1", "Forward EAPOL PDU", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.3.10.2", "Max. User",         integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.10.3.1.1 (after an index-only column)
// Read by the window "PAE Authenticator Configuration Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {" ",                             "Port Number",       integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.10.3.1.1", "Forward EAPOL PDU", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.3.10.3.1.2", "Max. User",         integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.10.4.1.1
// Read by the window "PAE Authenticator State Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.3.10.4.1.1", "Port Number",                  integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.10.4.1.2", "MAC Address",                  macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.10.4.1.3", "State",                        integer,    readonly,  &RadiusAuthStateOptions},
    {"1.3.6.1.4.1.171.12.3.10.4.1.4", "Assign VLAN ID",               integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.10.4.1.5", "Assign Priority",              integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.3.10.4.1.6", "Authenticator PAE State",      integer,    readonly,  &AuthPaeStateOptions},
    {"1.3.6.1.4.1.171.12.3.10.4.1.7", "Backend Authentication State", integer,    readonly,  &BackendAuthStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &AuthPaeStateOptions, &BackendAuthStateOptions,
    &RadiusAuthStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    AuthPaeStateOptions.Init(AuthPaeStateItems, 1, false);
    BackendAuthStateOptions.Init(BackendAuthStateItems, 1, false);
    RadiusAuthStateOptions.Init(RadiusAuthStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    RadiusAuthStateOptions.Free();
    BackendAuthStateOptions.Free();
    AuthPaeStateOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_radiusauth", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_radiusauth
