// Oid_sflow: sFlow 1.3.6.1.4.1.171.12.36.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_sflow {
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

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.36.1.1
// Read by the window "sFlow General Information" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.36.1.1", "Version",       displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.36.1.2", "Agent Address", ipaddress,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.36.1.3", "Agent State",   integer,    readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.36.1.4.1.1
// Read by the window "sFlow Receiver" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.36.1.4.1.1", "Index",                 integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.4.1.2", "Owner",                 displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.4.1.3", "Timeout",               integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.4.1.4", "Maximum Datagram Size", integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.4.1.5", "Address",               ipaddress,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.4.1.6", "Port",                  integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.4.1.7", "Row Status",            integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.36.1.5.1.1
// Read by the window "sFlow Flow Sampler" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.36.1.5.1.1", "Data Source",             integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.5.1.3", "Receiver",                integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.5.1.4", "Packet Sampling RX Rate", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.5.1.5", "Maximum Header Size",     integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.5.1.6", "Row Status",              integer, readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.36.1.6.1.1
// Read by the window "sFlow Counter Poller" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.36.1.6.1.1", "Data Source", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.6.1.3", "Receiver",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.6.1.4", "Interval",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.36.1.6.1.5", "Row Status",  integer, readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_sflow", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_sflow
