// Oid_radiusacct: RADIUS-ACC-CLIENT-MIB, accounting control 1.3.6.1.4.1.171.12.55.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_radiusacct {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.67.2.2.1.1.1
// Read by the window "RADIUS Accounting Basic Information" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets",     counter,    readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.67.2.2.1.1.3.1.1
// Read by the window "RADIUS Accounting Server Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1",  "Index",                       integer,   notaccess, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2",  "Address",                     ipaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3",  "Accounting Port Number",      integer,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4",  "Round Trip Time",             timeticks, readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5",  "Requests Packets",            counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6",  "Retransmissions Packets",     counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7",  "Responses Packets",           counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8",  "Malformed Responses Packets", counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9",  "Bad Authenticators Packets",  counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets",    guage,     readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers",             counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets",       counter,   readonly,  nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped",             counter,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.55.1.1
// Read by the window "RADIUS Accounting Control Settings" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.55.1.1", "Shell State",   integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.55.1.2", "System State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.55.1.3", "Network State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_radiusacct", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_radiusacct
