// Oid_privatevlan: private VLAN 1.3.6.1.4.1.171.12.69.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_privatevlan {
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
constexpr OptionItem PrivateVlanVLANTypeItems[] = {{1, "isolated"}, {2, "community"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList PrivateVlanVLANTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.69.3.1.1.1
// Read by TPrivateVLANForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.69.3.1.1.1", "VLAN ID",           integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.1.1.2", "VLAN Name",         displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.1.1.3", "Promiscuous Ports", bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.1.1.4", "Trunk Ports",       bitlist,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.1.1.5", "Row Status",        integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.69.3.2.1.1 (after an index-only column)
// Read by TSecondaryVlanForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {" ",                             "Private VLAN ID",   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.2.1.1", "Secondary VLAN ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.2.1.2", "VLAN Type",         integer, readwrite, &PrivateVlanVLANTypeOptions},
    {"1.3.6.1.4.1.171.12.69.3.2.1.3", "VLAN Ports",        bitlist, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.69.3.2.1.4", "Row Status",        integer, readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &PrivateVlanVLANTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    PrivateVlanVLANTypeOptions.Init(PrivateVlanVLANTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    PrivateVlanVLANTypeOptions.Free();
    RowStatusOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_privatevlan", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_privatevlan
