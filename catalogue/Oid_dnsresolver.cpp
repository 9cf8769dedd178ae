// Oid_dnsresolver: DNS resolver 1.3.6.1.4.1.171.12.85.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_dnsresolver {
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
constexpr OptionItem DnsResolverPriorityItems[] = {{1, "primary"}, {2, "secondary"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList DnsResolverPriorityOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.85.1.1
// Read by the window "DNS Resolver Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.85.1.1", "State",   integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.85.1.2", "Timeout", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.85.1.3.1.1.1
// Read by the window "DNS Resolver Static Name Server Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.85.1.3.1.1.1", "Index",      integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.1.1.2", "Row Status", integer,   readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.85.1.3.1.1.3", "IP Address", ipaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.1.1.4", "Priority",   integer,   readwrite, &DnsResolverPriorityOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.85.1.3.2.1.1
// Read by the window "DNS Resolver Dynamic Name Server Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.85.1.3.2.1.1", "Index",      integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.2.1.2", "IP Address", ipaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.2.1.3", "Priority",   integer,   readonly,  &DnsResolverPriorityOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.85.1.4.1.1.1
// Read by the window "DNS Resolver Static Host Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.85.1.4.1.1.1", "Index",        integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.1.1.2", "Row Status",   integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.85.1.4.1.1.3", "Name",         displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.1.1.4", "IP Address",   ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.1.1.6", "IPv6 Address", ipv6address, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.85.1.4.2.1.1
// Read by the window "DNS Resolver Dynamic Host Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.85.1.4.2.1.1", "Index",        integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.2.1.2", "Row Status",   integer,     readonly,  &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.85.1.4.2.1.3", "Name",         displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.2.1.4", "IP Address",   ipaddress,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.2.1.5", "TTL",          integer,     readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.85.1.4.2.1.7", "IPv6 Address", ipv6address, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.85.1.3.3.1.1
// Read by the window "DNS Resolver Static IPv6 Name Server Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.85.1.3.3.1.1",   "Index",          integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.3.1.2",   "IPv6 Address",   ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.3.1.3",   "Interface Name", displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.85.1.3.3.1.4",   "Priority",       integer,     readwrite, &DnsResolverPriorityOptions},
    {"1.3.6.1.4.1.171.12.85.1.3.3.1.100", "Row Status",     integer,     readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &DnsResolverPriorityOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    DnsResolverPriorityOptions.Init(DnsResolverPriorityItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    DnsResolverPriorityOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_dnsresolver", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_dnsresolver
