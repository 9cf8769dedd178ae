// Oid_timerange: time range 1.3.6.1.4.1.171.12.50.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_timerange {
namespace {

// Option tables.

constexpr OptionItem RowStatusShortItems[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusShortOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.50.3.1.1.1
// Read by TTimeRangeForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.50.3.1.1.1", "Name",       displaystr, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.1.1.2", "Week Days",  displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.1.1.3", "Start Time", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.1.1.4", "End Time",   displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.1.1.5", "Row Status", integer,    readwrite, &RowStatusShortOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.50.3.2.1.1
// Read by the window "Time Range Table (ACL)" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.50.3.2.1.1", "Profile ID",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.2.1.2", "Access ID",       integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.2.1.3", "Time Range Name", displaystr, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.50.3.3.1.1
// Read by the window "Time Range Table (CPU Interface Filtering)" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.50.3.3.1.1", "Profile ID",      integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.3.1.2", "Access ID",       integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.50.3.3.1.3", "Time Range Name", displaystr, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusShortOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusShortOptions.Init(RowStatusShortItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    RowStatusShortOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_timerange", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_timerange
