// Oid_macbasedvlan: MAC-based VLAN 1.3.6.1.4.1.171.12.56.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_macbasedvlan {
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
constexpr OptionItem MacBasedVlanTypeItems[] = {
    {1, "static"},
    {2, "mac-based-access-control"},
    {3, "ieee8021x"},
    {4, "wac"},
    {5, "jwac"},
    {6, "compound-authentication"},
    {7, "others"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList MacBasedVlanTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.56.3.2.1.1
// Read by the window "MAC-based VLAN Control Option Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.56.3.2.1.1", "MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.56.3.2.1.2", "VLAN ID",     integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.56.3.2.1.3", "Type",        integer,    readonly,  &MacBasedVlanTypeOptions},
    {"1.3.6.1.4.1.171.12.56.3.2.1.4", "Row Status",  integer,    readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &MacBasedVlanTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    MacBasedVlanTypeOptions.Init(MacBasedVlanTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    MacBasedVlanTypeOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_macbasedvlan", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_macbasedvlan
