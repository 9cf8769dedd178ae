// Oid_qinq: Q-in-Q 1.3.6.1.4.1.171.12.57.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_qinq {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem QinQRoleItems[] = {{1, "nni"}, {2, "uni"}, {}};
constexpr OptionItem QinQSVIDOperationItems[] = {{1, "add"}, {2, "replace"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList QinQRoleOptions;
constinit MvOptionList QinQSVIDOperationOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.57.1.1
// Read by the window "Q-in-Q Global Settings" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.57.1.1", "State",      integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.57.1.2", "Inner TPID", octetstr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.57.3.1.1.1
// Read by the window "Q-in-Q Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.57.3.1.1.1", "Index",           integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.57.3.1.1.2", "Role",            integer,  readwrite, &QinQRoleOptions},
    {"1.3.6.1.4.1.171.12.57.3.1.1.3", "Miss Drop",       integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.57.3.1.1.4", "TPID",            octetstr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.57.3.1.1.6", "Inner Tag State", integer,  readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.57.3.1.1.7", "Inner Tag",       octetstr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.57.3.3.1.1
// Read by the window "Q-in-Q VLAN Translation Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.57.3.3.1.1", "Port Index",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.57.3.3.1.2", "CVID",           integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.57.3.3.1.3", "SVID",           integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.57.3.3.1.4", "SVID Operation", integer, readwrite, &QinQSVIDOperationOptions},
    {"1.3.6.1.4.1.171.12.57.3.3.1.5", "Priority",       integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.57.3.3.1.6", "Row Status",     integer, readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &QinQRoleOptions, &QinQSVIDOperationOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    QinQRoleOptions.Init(QinQRoleItems, 1, false);
    QinQSVIDOperationOptions.Init(QinQSVIDOperationItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    QinQSVIDOperationOptions.Free();
    QinQRoleOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_qinq", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_qinq
