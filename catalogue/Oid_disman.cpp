// Oid_disman: DISMAN-PING-MIB, DISMAN-TRACEROUTE-MIB.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_disman {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem Ipv4Ipv6Items[] = {{1, "ipv4"}, {2, "ipv6"}, {}};
constexpr OptionItem InetAddressTypeItems[] = {{0, "unknown"}, {1, "IPv4"}, {2, "IPv6"}, {16, "dns"}, {}};
constexpr OptionItem DismanIPTargetAddressTypeItems[] = {{1, "IPv4"}, {2, "IPv6"}, {16, "dns"}, {}};
constexpr OptionItem DismanTargetAddressTypeItems[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
constexpr OptionItem DismanSourceAddressTypeItems[] = {
    {1, "ipv4"},
    {2, "ipv6"},
    {4, "ipv6z"},
    {16, "dns"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList Ipv4Ipv6Options;
constinit MvOptionList InetAddressTypeOptions;
constinit MvOptionList DismanIPTargetAddressTypeOptions;
constinit MvOptionList DismanTargetAddressTypeOptions;
constinit MvOptionList DismanSourceAddressTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.80.1.1
// Read by the window "Max. Concurrent Requests" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.80.1.1", "Max. Concurrent Requests", guage, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.80.1.2.1.1
// Read by the window "Ping Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.2.1.80.1.2.1.1",  "Owner Index",         displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.2",  "Test Name",           displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.3",  "Target Address Type", integer,     readwrite, &DismanTargetAddressTypeOptions},
    {"1.3.6.1.2.1.80.1.2.1.4",  "Target Address",      inetaddress, readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.6",  "Timeout",             guage,       readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.7",  "Probe Count",         guage,       readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.8",  "Admin Status",        integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.2.1.80.1.2.1.17", "Descriptive Name",    displaystr,  readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.18", "Source Address Type", integer,     readonly,  &DismanSourceAddressTypeOptions},
    {"1.3.6.1.2.1.80.1.2.1.19", "Source Address",      inetaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status",          integer,     readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.2.1.80.1.3.1.1 (after 2 index-only columns)
// Read by the window "Ping Results Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {" ",                      "Owner Index",            displaystr,  notaccess, nullptr},
    {" ",                      "Test Name",              displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operation State",        integer,     readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", integer,     readonly,  &DismanIPTargetAddressTypeOptions},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address",      inetaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT",                guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max. RTT",               guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average RTT",            guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses",        guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes",            guage,       readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.81.1.1
// Read by the window "Max. Concurrent Requests" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.2.1.81.1.1", "Max. Concurrent Requests", guage, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.81.1.2.1.1
// Read by the window "Trace Route Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.2.1.81.1.2.1.1",  "Owner Index",         displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.2",  "Test Name",           displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.3",  "Target Address Type", integer,     readwrite, &Ipv4Ipv6Options},
    {"1.3.6.1.2.1.81.1.2.1.4",  "Target Address",      inetaddress, readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.7",  "Timeout",             guage,       readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.8",  "Probes Per Hop",      guage,       readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.9",  "Port",                guage,       readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max. TTL",            guage,       readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status",        integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.2.1.81.1.2.1.22", "Descriptive Name",    displaystr,  readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.25", "Create Hops Entries", integer,     readwrite, &TrueFalseOptions},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status",          integer,     readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.2.1.81.1.3.1.1 (after 2 index-only columns)
// Read by the window "Trace Route Results Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {" ",                      "Owner Index",            displaystr,  notaccess, nullptr},
    {" ",                      "Test Name",              displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operation State",        integer,     readonly,  &EnabledDisabledOptions},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count",      guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count",    guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", integer,     readonly,  &DismanIPTargetAddressTypeOptions},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address",      inetaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts",          guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes",         guage,       readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.81.1.5.1.1 (after 2 index-only columns)
// Read by the window "Trace Route Hops Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table7[] = {
    {" ",                      "Owner Index",            displaystr,  notaccess, nullptr},
    {" ",                      "Test Name",              displaystr,  notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index",              guage,       notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", integer,     readonly,  &InetAddressTypeOptions},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address",      inetaddress, readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt",                guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max. Rtt",               guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt",            guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum of Squares",     guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes",            guage,       readonly,  nullptr},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses",        guage,       readonly,  nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &TrueFalseOptions, &RowStatusShortOptions, &Ipv4Ipv6Options,
    &InetAddressTypeOptions, &DismanIPTargetAddressTypeOptions, &DismanTargetAddressTypeOptions,
    &DismanSourceAddressTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    Ipv4Ipv6Options.Init(Ipv4Ipv6Items, 1, false);
    InetAddressTypeOptions.Init(InetAddressTypeItems, 1, false);
    DismanIPTargetAddressTypeOptions.Init(DismanIPTargetAddressTypeItems, 1, false);
    DismanTargetAddressTypeOptions.Init(DismanTargetAddressTypeItems, 1, false);
    DismanSourceAddressTypeOptions.Init(DismanSourceAddressTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    DismanSourceAddressTypeOptions.Free();
    DismanTargetAddressTypeOptions.Free();
    DismanIPTargetAddressTypeOptions.Free();
    InetAddressTypeOptions.Free();
    Ipv4Ipv6Options.Free();
    RowStatusShortOptions.Free();
    TrueFalseOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_disman", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_disman
