// Oid_portsecurity: port security 1.3.6.1.4.1.171.12.63.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_portsecurity {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem OtherStartItems[] = {{1, "other"}, {2, "start"}, {}};
constexpr OptionItem PortSecurityLockAddressModeItems[] = {
    {1, "permanent"},
    {2, "deleteOnTimeout"},
    {3, "deleteOnReset"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList OtherStartOptions;
constinit MvOptionList PortSecurityLockAddressModeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.63.1.2
// Read by TPortSecurityGlobalSettingsForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.63.1.2", "System Max. Learn Address", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.63.1.1", "Trap Log State",            integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.63.3.1.1.1.1
// Read by the window "Port Security Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.63.3.1.1.1.1", "Index",              integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.1.1.1.2", "Max. Learn Address", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.1.1.1.3", "Lock Address Mode",  integer, readwrite, &PortSecurityLockAddressModeOptions},
    {"1.3.6.1.4.1.171.12.63.3.1.1.1.4", "Admin State",        integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.63.3.1.1.1.5", "Clear Control",      integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.63.3.2.1.1.1
// Read by TPortSecurityVLANTableForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.63.3.2.1.1.1", "VLAN ID",            integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.2.1.1.2", "Max. Learn Address", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.2.1.1.3", "Clear Control",      integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.63.3.3.1.1.1 (after 2 index-only columns)
// Read by TPortSecurityVLANOnPortForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {" ",                               "Port Index",         integer, notaccess, nullptr},
    {" ",                               "VLAN ID",            integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.3.1.1.1", "Max. Learn Address", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.63.3.3.2.1
// Read by the window "Port Security VLAN On Port Clear Control" as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.63.3.3.2.1", "Port",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.3.2.2", "VLAN ID", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.3.2.3", "Action",  integer, readwrite, &OtherStartOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.63.3.4.1.1
// Read by the window "Port Security Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.63.3.4.1.1", "MAC",            macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.4.1.2", "VLAN ID",        integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.63.3.4.1.3", "Port",           integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.63.3.4.1.4", "Delete Control", integer,    readwrite, &OtherStartOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &OtherStartOptions, &PortSecurityLockAddressModeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    OtherStartOptions.Init(OtherStartItems, 1, false);
    PortSecurityLockAddressModeOptions.Init(PortSecurityLockAddressModeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    PortSecurityLockAddressModeOptions.Free();
    OtherStartOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_portsecurity", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_portsecurity
