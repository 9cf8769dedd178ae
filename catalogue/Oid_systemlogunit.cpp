// Oid_systemlogunit: system log 1.3.6.1.4.1.171.12.12.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_systemlogunit {
namespace {

// Option tables.

constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem SystemLogFacilityItems[] = {
    {0, "local0"},
    {1, "local1"},
    {2, "local2"},
    {3, "local3"},
    {4, "local4"},
    {5, "local5"},
    {6, "local6"},
    {7, "local7"},
    {},
};
constexpr OptionItem SystemLogSeverityItems[] = {
    {2, "warning"},
    {3, "informational"},
    {4, "emergency"},
    {5, "alert"},
    {6, "critical"},
    {7, "error"},
    {8, "notice"},
    {9, "debug"},
    {},
};
constexpr OptionItem SystemLogMethodItems[] = {
    {1, "time-interval"},
    {2, "on-demand"},
    {3, "log-trigger"},
    {},
};
constexpr OptionItem SystemLogIndexItems[] = {
    {1, "swSysLogServerIndex-1"},
    {2, "swSysLogServerIndex-2"},
    {3, "swSysLogServerIndex-3"},
    {4, "swSysLogServerIndex-4"},
    {},
};
constexpr OptionItem SystemLogAddressTypeItems[] = {{1, "ipv4"}, {2, "ipv6"}, {4, "ipv6z"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList SystemLogFacilityOptions;
constinit MvOptionList SystemLogSeverityOptions;
constinit MvOptionList SystemLogMethodOptions;
constinit MvOptionList SystemLogIndexOptions;
constinit MvOptionList SystemLogAddressTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.12.1
// Read by the window "System Log Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.12.1", "Global State", integer, readwrite, &DisabledEnabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.12.3.1
// Read by TLogSaveControlForm as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.12.3.1", "Method",        integer, readwrite, &SystemLogMethodOptions},
    {"1.3.6.1.4.1.171.12.12.3.2", "Time Interval", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.12.4.1
// Read by the window "System Log Clear Log" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.12.4.1", "Clear Log", integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.12.4.2.2
// Read by the window "System Log Clear Attack Log" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.12.4.2.2", "Clear Attack Log", integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.12.2.1.1
// Read by TSystemLogHostForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.12.2.1.1", "Index",        integer,     notaccess, &SystemLogIndexOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.3", "Facility",     integer,     readwrite, &SystemLogFacilityOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.4", "Severity",     integer,     readwrite, &SystemLogSeverityOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.5", "UDP Port",     integer,     readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.12.2.1.6", "State",        integer,     readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.7", "Row Status",   integer,     readwrite, &RowStatusOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.8", "Address Type", integer,     readwrite, &SystemLogAddressTypeOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.9", "Address",      inetaddress, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &DisabledEnabledOptions, &OtherStartOptions, &SystemLogFacilityOptions,
    &SystemLogSeverityOptions, &SystemLogMethodOptions, &SystemLogIndexOptions,
    &SystemLogAddressTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    SystemLogFacilityOptions.Init(SystemLogFacilityItems, 1, false);
    SystemLogSeverityOptions.Init(SystemLogSeverityItems, 1, false);
    SystemLogMethodOptions.Init(SystemLogMethodItems, 1, false);
    SystemLogIndexOptions.Init(SystemLogIndexItems, 1, false);
    SystemLogAddressTypeOptions.Init(SystemLogAddressTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SystemLogAddressTypeOptions.Free();
    SystemLogIndexOptions.Free();
    SystemLogMethodOptions.Free();
    SystemLogSeverityOptions.Free();
    SystemLogFacilityOptions.Free();
    OtherStartOptions.Free();
    DisabledEnabledOptions.Free();
    RowStatusOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_systemlogunit", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_systemlogunit
