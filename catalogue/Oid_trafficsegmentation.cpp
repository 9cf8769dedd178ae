// Oid_trafficsegmentation: per-model traffic segmentation (no option lists).
// Start-up: unit counter only, no option lists. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_trafficsegmentation {
namespace {

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.14.1.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by TTrafficSegmentationForm as MVT_UMV with 1 key column.
constexpr VarDescriptor Table1Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.14.1.1.1", "Port",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.14.1.1.2", "Forward Ports", bitstr,  readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table1Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.14.1.1.1", "Port",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.14.1.1.2", "Forward Ports", bitstr,  readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table1Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.14.1.1.1", "Port",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.14.1.1.2", "Forward Ports", bitstr,  readwrite, nullptr},
    {},
};

constexpr VarDescriptor Table1Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.14.1.1.1", "Port",          integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.14.1.1.2", "Forward Ports", bitstr,  readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1Model1, 1}, {Table1Model2, 2}, {Table1Model3, 3}, {Table1Model4, 4},
};

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_trafficsegmentation", Tables, {}, nullptr, nullptr, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_trafficsegmentation
