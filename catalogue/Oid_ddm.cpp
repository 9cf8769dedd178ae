// Oid_ddm: transceiver diagnostics 1.3.6.1.4.1.171.12.72.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_ddm {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem DdmPowerUnitItems[] = {{1, "mw"}, {2, "dbm"}, {}};
constexpr OptionItem DdmTypeItems[] = {
    {1, "Temperature"},
    {2, "Voltage"},
    {3, "Bias"},
    {4, "TX Power"},
    {5, "RX Power"},
    {},
};
constexpr OptionItem DdmDDMPortShutdownItems[] = {
    {1, "alarm"},
    {2, "warning"},
    {3, "none"},
    {4, "other"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList DdmPowerUnitOptions;
constinit MvOptionList DdmTypeOptions;
constinit MvOptionList DdmDDMPortShutdownOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.72.1.1
// Read by the window "DDM Information Settings" as MVT_FMV with 0 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.72.1.1", "Trap State", integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.72.1.2", "Log State",  integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.72.1.3", "Power Unit", integer, readwrite, &DdmPowerUnitOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.72.2.1.1.1.1
// Read by the window "DDM Status Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.72.2.1.1.1.1", "Port",         integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.72.2.1.1.1.2", "Temperature",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.72.2.1.1.1.3", "Voltage",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.72.2.1.1.1.4", "Bias Current", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.72.2.1.1.1.5", "TX Power",     displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.72.2.1.1.1.6", "RX Power",     displaystr, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.72.3.1.1.1.1 (after an index-only column)
// Read by the window "DDM Threshold Management Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {" ",                               "Port",         integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.72.3.1.1.1.1", "Type",         integer,    notaccess, &DdmTypeOptions},
    {"1.3.6.1.4.1.171.12.72.3.1.1.1.2", "High Alarm",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.72.3.1.1.1.3", "Low Alarm",    displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.72.3.1.1.1.4", "High Warning", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.72.3.1.1.1.5", "Low Warning",  displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.72.3.2.2.1.1 (after an index-only column)
// Read by the window "DDM Port Management Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {" ",                               "Port",              integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.72.3.2.2.1.1", "DDM Port State",    integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.72.3.2.2.1.2", "DDM Port Shutdown", integer, readwrite, &DdmDDMPortShutdownOptions},
    {"1.3.6.1.4.1.171.12.72.3.2.2.1.3", "Reload Threshold",  integer, readwrite, &OtherStartOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &OtherStartOptions, &DdmPowerUnitOptions, &DdmTypeOptions,
    &DdmDDMPortShutdownOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    DdmPowerUnitOptions.Init(DdmPowerUnitItems, 1, false);
    DdmTypeOptions.Init(DdmTypeItems, 1, false);
    DdmDDMPortShutdownOptions.Init(DdmDDMPortShutdownItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    DdmDDMPortShutdownOptions.Free();
    DdmTypeOptions.Free();
    DdmPowerUnitOptions.Free();
    OtherStartOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_ddm", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_ddm
