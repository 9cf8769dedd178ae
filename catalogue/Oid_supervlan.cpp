// Oid_supervlan: super VLAN 1.3.6.1.4.1.171.12.91.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_supervlan {
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
constexpr OptionItem ActiveInactiveItems[] = {{1, "active"}, {2, "inactive"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList ActiveInactiveOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.91.1.1.1.1
// Read by the window "Super VLAN Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.91.1.1.1.1",   "VLAN ID",               guage,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.2",   "IP Address",            ipaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.3",   "IP Address Mask",       ipaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.4",   "Sub-VLAN List 1-64",    octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.5",   "Sub-VLAN List 65-128",  octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.6",   "Sub-VLAN List 129-192", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.7",   "Sub-VLAN List 193-256", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.8",   "Sub-VLAN List 257-320", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.9",   "Sub-VLAN List 321-384", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.10",  "Sub-VLAN List 385-448", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.11",  "Sub-VLAN List 449-512", octetstr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.1.1.12",  "State",                 integer,   readonly,  &ActiveInactiveOptions},
    {"1.3.6.1.4.1.171.12.91.1.1.1.100", "Row Status",            integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.91.1.2.1.1
// Read by the window "Super VLAN Sub-VLAN Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.91.1.2.1.1", "Sub-VLAN ID",     guage,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.2.1.2", "Operation State", integer, readonly,  &ActiveInactiveOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.91.1.3.1.1 (after an index-only column)
// Read by the window "Super VLAN Sub-VLAN IP Range Table" as MVT_UMV with 3 key columns.
constexpr VarDescriptor Table3[] = {
    {" ",                               "Sub-VLAN",              integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.3.1.1",   "IP Address Range From", ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.3.1.2",   "IP Address Range To",   ipaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.3.1.100", "Row Status",            integer,   readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.91.1.4.1.1 (after an index-only column)
// Read by the window "Super VLAN Map Interface Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {" ",                             "Sub-VLAN",  guage,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.4.1.1", "Interface", integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.91.1.4.1.2", "Address",   ipaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.91.1.4.1.3", "Mask",      ipaddress, readonly,  nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &ActiveInactiveOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    ActiveInactiveOptions.Init(ActiveInactiveItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    ActiveInactiveOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_supervlan", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_supervlan
