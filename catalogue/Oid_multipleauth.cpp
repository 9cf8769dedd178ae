// Oid_multipleauth: multiple authentication 1.3.6.1.4.1.171.12.3.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_multipleauth {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
constexpr OptionItem HostPortBasedItems[] = {{1, "hostbased"}, {2, "portbased"}, {}};
constexpr OptionItem MultipleAuthPortMethodItems[] = {
    {1, "none"},
    {2, "any"},
    {3, "dot1x_Impb"},
    {4, "impb_Jwac"},
    {5, "impb_Wac"},
    {6, "mac_Impb"},
    {7, "mac_Jwac"},
    {8, "mac_Wac"},
    {},
};
constexpr OptionItem MultipleAuthAuthenticationServerFailoverStateItems[] = {
    {1, "block"},
    {2, "local"},
    {3, "permit"},
    {},
};
constexpr OptionItem MultipleAuthFormatCaseItems[] = {{1, "uppercase"}, {2, "lowercase"}, {}};
constexpr OptionItem MultipleAuthFormatDelimiterItems[] = {
    {1, "none"},
    {2, "hyphen"},
    {3, "colon"},
    {4, "dot"},
    {},
};
constexpr OptionItem MultipleAuthFormatDelimiterNumberItems[] = {
    {1, "delimiter-number-1"},
    {2, "delimiter-number-2"},
    {3, "delimiter-number-5"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusShortOptions;
constinit MvOptionList HostPortBasedOptions;
constinit MvOptionList MultipleAuthPortMethodOptions;
constinit MvOptionList MultipleAuthAuthenticationServerFailoverStateOptions;
constinit MvOptionList MultipleAuthFormatCaseOptions;
constinit MvOptionList MultipleAuthFormatDelimiterOptions;
constinit MvOptionList MultipleAuthFormatDelimiterNumberOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.3.11.1.1.1
// Read by the window "Compound Authentication Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.3.11.1.1.1", "Index",                integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.11.1.1.2", "Authentication Mode",  integer,    readwrite, &HostPortBasedOptions},
    {"1.3.6.1.4.1.171.12.3.11.1.1.3", "Port Method",          integer,    readwrite, &MultipleAuthPortMethodOptions},
    {"1.3.6.1.4.1.171.12.3.11.1.1.4", "Authentication VLANs", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.11.2.1.1
// Read by TMultpAuthGuestVlanForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.3.11.2.1.1", "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.3.11.2.1.2", "VLAN Ports", bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.3.11.2.1.3", "Row Status", integer, readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.3.11.3
// Read by the window "Compound Authentication Network Settings" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.3.11.3", "Authorization Attributes",             integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.3.11.4", "Authentication Server Failover State", integer, readwrite, &MultipleAuthAuthenticationServerFailoverStateOptions},
    {"1.3.6.1.4.1.171.12.3.11.5", "Format Case",                          integer, readwrite, &MultipleAuthFormatCaseOptions},
    {"1.3.6.1.4.1.171.12.3.11.6", "Format Delimiter",                     integer, readwrite, &MultipleAuthFormatDelimiterOptions},
    {"1.3.6.1.4.1.171.12.3.11.7", "Format Delimiter Number",              integer, readwrite, &MultipleAuthFormatDelimiterNumberOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusShortOptions, &HostPortBasedOptions,
    &MultipleAuthPortMethodOptions, &MultipleAuthAuthenticationServerFailoverStateOptions,
    &MultipleAuthFormatCaseOptions, &MultipleAuthFormatDelimiterOptions,
    &MultipleAuthFormatDelimiterNumberOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
    HostPortBasedOptions.Init(HostPortBasedItems, 1, false);
    MultipleAuthPortMethodOptions.Init(MultipleAuthPortMethodItems, 1, false);
    MultipleAuthAuthenticationServerFailoverStateOptions.Init(MultipleAuthAuthenticationServerFailoverStateItems, 1, false);
    MultipleAuthFormatCaseOptions.Init(MultipleAuthFormatCaseItems, 1, false);
    MultipleAuthFormatDelimiterOptions.Init(MultipleAuthFormatDelimiterItems, 1, false);
    MultipleAuthFormatDelimiterNumberOptions.Init(MultipleAuthFormatDelimiterNumberItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    MultipleAuthFormatDelimiterNumberOptions.Free();
    MultipleAuthFormatDelimiterOptions.Free();
    MultipleAuthFormatCaseOptions.Free();
    MultipleAuthAuthenticationServerFailoverStateOptions.Free();
    MultipleAuthPortMethodOptions.Free();
    HostPortBasedOptions.Free();
    RowStatusShortOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_multipleauth", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_multipleauth
