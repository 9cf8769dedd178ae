// Oid_snmpv3vacm: SNMP-VIEW-BASED-ACM-MIB.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_snmpv3vacm {
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
constexpr OptionItem StorageTypeItems[] = {
    {1, "other"},
    {2, "volatile"},
    {3, "nonVolatile"},
    {4, "permanent"},
    {5, "readOnly"},
    {},
};
constexpr OptionItem SecurityLevelItems[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {}};
constexpr OptionItem IncludedExcludedItems[] = {{1, "included"}, {2, "excluded"}, {}};
constexpr OptionItem SnmpV3VacmContextMatchItems[] = {{1, "exact"}, {2, "prefix"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList StorageTypeOptions;
constinit MvOptionList SecurityLevelOptions;
constinit MvOptionList IncludedExcludedOptions;
constinit MvOptionList SnmpV3VacmContextMatchOptions;

// Descriptor tables.

// Key: 1.3.6.1.6.3.16.1.1.1.1
// Read by the window "SNMPv3 VACM Context Name" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.6.3.16.1.1.1.1", "VACM Context Name", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.6.3.16.1.2.1.1
// Read by the window "Security Group Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Model",        integer,    notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.2", "Name",         displaystr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name",   displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type", integer,    readwrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.2.1.5", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.16.1.2.1.3
// Read by the window "Access Table" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name",       displaystr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix",   displaystr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "Security Model",   integer,    notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.3", "Security Level",   integer,    notaccess, &SecurityLevelOptions},
    {"1.3.6.1.6.3.16.1.4.1.4", "Context Match",    integer,    readwrite, &SnmpV3VacmContextMatchOptions},
    {"1.3.6.1.6.3.16.1.4.1.5", "Read View Name",   displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.6", "Write View Name",  displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.7", "Notify View Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.8", "Storage Type",     integer,    readwrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.4.1.9", "Row Status",       integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.16.1.5.2.1.1
// Read by the window "View MIB Tree Family Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name",           displaystr, notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Sub Tree",            objectid,   notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask",                displaystr, readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Family Type",         integer,    readwrite, &IncludedExcludedOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Family Storage Type", integer,    readwrite, &StorageTypeOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Row Status",          integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.16.1.5.1
// Read by the window "SNMPv3 VACM General Information" as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.6.3.16.1.5.1", "Spin Lock", integer, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &StorageTypeOptions, &SecurityLevelOptions, &IncludedExcludedOptions,
    &SnmpV3VacmContextMatchOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    StorageTypeOptions.Init(StorageTypeItems, 1, false);
    SecurityLevelOptions.Init(SecurityLevelItems, 1, false);
    IncludedExcludedOptions.Init(IncludedExcludedItems, 1, false);
    SnmpV3VacmContextMatchOptions.Init(SnmpV3VacmContextMatchItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SnmpV3VacmContextMatchOptions.Free();
    IncludedExcludedOptions.Free();
    SecurityLevelOptions.Free();
    StorageTypeOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_snmpv3vacm", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_snmpv3vacm
