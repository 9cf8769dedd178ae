// Oid_trusthost: trusted hosts 1.3.6.1.4.1.171.12.1.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_trusthost {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem NoneStartItems[] = {{1, "none"}, {2, "start"}, {}};
constexpr OptionItem Ipv4Ipv6Items[] = {{1, "ipv4"}, {2, "ipv6"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList NoneStartOptions;
constinit MvOptionList Ipv4Ipv6Options;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.1.2.10.2
// Read by the window "Trusted Host Delete All State" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.1.2.10.2", "Delete All Trusted Host", integer, readwrite, &NoneStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.1.2.10.1.1.1
// Read by the window "Trusted Host Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.1",  "Index",              integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.2",  "IP Address",         ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.3",  "Row Status",         integer,     readwrite, &RowStatusShortOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.4",  "IP Subnet Mask",     ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.5",  "For SNMP",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.6",  "For Telnet",         integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.7",  "For SSH",            integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.8",  "For HTTP",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.9",  "For HTTPs",          integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.10", "For Ping",           integer,     readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.11", "Address Type",       integer,     readwrite, &Ipv4Ipv6Options},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.12", "Address",            inetaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.1.2.10.1.1.13", "IPv6 Prefix Length", integer,     readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusShortOptions, &NoneStartOptions, &Ipv4Ipv6Options,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    NoneStartOptions.Init(NoneStartItems, 1, false);
    Ipv4Ipv6Options.Init(Ipv4Ipv6Items, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    Ipv4Ipv6Options.Free();
    NoneStartOptions.Free();
    RowStatusShortOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_trusthost", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_trusthost
