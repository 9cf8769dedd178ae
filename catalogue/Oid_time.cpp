// Oid_time: time 1.3.6.1.4.1.171.12.10.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_time {
namespace {

// Option tables.

constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem TimeStateItems[] = {{0, "disabled"}, {1, "repeating"}, {2, "annual"}, {}};
constexpr OptionItem TimeTimeSourceItems[] = {
    {0, "system"},
    {1, "server1"},
    {2, "server2"},
    {3, "ipv6server1"},
    {4, "ipv6server2"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList TrueFalseOptions;
constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList TimeStateOptions;
constinit MvOptionList TimeTimeSourceOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.10.1
// Read by TCurrentTimeForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.10.1", "Time Capacity",                               bitstr,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", datetime, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.3", "Clock Reset On Reboot",                       integer,  readonly,  &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.10.10.1
// Read by the window "System Time" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.10.10.1", "Current Time",         displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.10.10.2", "Up Time",              displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.10.10.3", "Boot Time",            displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.10.10.4", "Time Zone (-779-839)", integer,    readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.10.12.1
// Read by TSummerTimeForm as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.10.12.1", "State",        integer,  readwrite, &TimeStateOptions},
    {"1.3.6.1.4.1.171.12.10.12.2", "Offset",       integer,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.3", "Repeat Start", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.4", "Repeat End",   octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.5", "Annual Start", octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.12.6", "Annual End",   octetstr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.10.11.1
// Read by the window "Network Time" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.10.11.1", "Network Time State",           integer,     readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.10.11.2", "Time Source",                  integer,     readonly,  &TimeTimeSourceOptions},
    {"1.3.6.1.4.1.171.12.10.11.3", "Server 1 IP Address",          ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.11.4", "Server 2 IP Address",          ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.11.5", "Poll Interval (30-99999 sec)", integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.11.6", "Server 1 IPv6 Address",        ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.11.7", "Server 2 IPv6 Address",        ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.11.8", "IPv6 Server 1 Interface Name", displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.10.11.9", "IPv6 Server 2 Interface Name", displaystr,  readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4},
};

constexpr MvOptionList* const OptionLists[] = {
    &TrueFalseOptions, &DisabledEnabledOptions, &TimeStateOptions, &TimeTimeSourceOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    TimeStateOptions.Init(TimeStateItems, 1, false);
    TimeTimeSourceOptions.Init(TimeTimeSourceItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    TimeTimeSourceOptions.Free();
    TimeStateOptions.Free();
    DisabledEnabledOptions.Free();
    TrueFalseOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_time", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_time
