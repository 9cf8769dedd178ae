// Oid_snmptarget: SNMP-TARGET-MIB, SNMP-NOTIFICATION-MIB, SNMP-COMMUNITY-MIB.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_snmptarget {
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
constexpr OptionItem SnmpTargetTypeItems[] = {{1, "trap"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList StorageTypeOptions;
constinit MvOptionList SecurityLevelOptions;
constinit MvOptionList IncludedExcludedOptions;
constinit MvOptionList SnmpTargetTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.6.3.12.1.1
// Read by the window "General Information" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock",     integer, readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", counter, readonly,  nullptr},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts",     counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.6.3.12.1.2.1.1 "Name", 9 rows
// Read by the window "Target Address Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name",         displaystr, notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain",      objectid,   readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress",     bitstr,     readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout",      integer,    readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count",  integer,    readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List",     displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "Parameters",   displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", integer,    readwrite,                 &StorageTypeOptions},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status",   integer,    readwrite,                 &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.12.1.3.1.1 "Name"
// Read by the window "Target Parameters" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name",           displaystr, notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model",       integer,    readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", integer,    readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name",  displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", integer,    readwrite,                 &SecurityLevelOptions},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type",   integer,    readwrite,                 &StorageTypeOptions},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status",     integer,    readwrite,                 &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.18.1.1.1.1
// Read by the window "SNMP Community Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index",             displaystr, notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name",              displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name",     displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", octetstr,   readwrite,                 nullptr},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name",      displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag",     displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type",      integer,    readwrite,                 &StorageTypeOptions},
    {"1.3.6.1.6.3.18.1.1.1.8", "Row Status",        integer,    readwrite,                 &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.12.1.2.1.1 "Name", 3 rows
// Read by the window "Target Address Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name",  displaystr, notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS  ", integer,    readwrite,                 nullptr},
    {},
};

// Key: 1.3.6.1.6.3.13.1.1.1.1
// Read by the window "Notify Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name",         displaystr, notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag",          displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type",         integer,    readwrite,                 &SnmpTargetTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", integer,    readwrite,                 &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status",   integer,    readwrite,                 &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.12.1.3.1.1 "Target Params Name"
// Read by the window "Notify Filter Profile Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", displaystr, notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.1", "Name",               displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.13.1.2.1.2", "Storage Type",       integer,    readwrite,                 &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.2.1.3", "Row Status",         integer,    readwrite,                 &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.6.3.13.1.2.1.1
// Read by the window "Notify Filter Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Profile Name", displaystr, notaccess,                 nullptr},
    {"1.3.6.1.6.3.13.1.3.1.1", "Sub Tree",     objectid,   notaccess | impliedlength, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.2", "Mask",         displaystr, readwrite,                 nullptr},
    {"1.3.6.1.6.3.13.1.3.1.3", "Type",         integer,    readwrite,                 &IncludedExcludedOptions},
    {"1.3.6.1.6.3.13.1.3.1.4", "Storage Type", integer,    readwrite,                 &StorageTypeOptions},
    {"1.3.6.1.6.3.13.1.3.1.5", "Row Status",   integer,    readwrite,                 &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &StorageTypeOptions, &SecurityLevelOptions, &IncludedExcludedOptions,
    &SnmpTargetTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    StorageTypeOptions.Init(StorageTypeItems, 1, false);
    SecurityLevelOptions.Init(SecurityLevelItems, 1, false);
    IncludedExcludedOptions.Init(IncludedExcludedItems, 1, false);
    SnmpTargetTypeOptions.Init(SnmpTargetTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SnmpTargetTypeOptions.Free();
    IncludedExcludedOptions.Free();
    SecurityLevelOptions.Free();
    StorageTypeOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_snmptarget", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_snmptarget
