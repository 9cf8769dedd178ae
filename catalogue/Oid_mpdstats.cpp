// Oid_mpdstats: SNMP-MPD-MIB statistics.
// Start-up: none, the tables are static data only. The comment above each table gives its key and
// the windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_mpdstats {
namespace {

// Descriptor tables.

// Key: 1.3.6.1.6.3.11.2.1.1
// Read by the window "Message Processing and Dispatching" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", counter, readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message",         counter, readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers",    counter, readonly, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1},
};

} // namespace

extern const CatalogueModule Module{
    "Oid_mpdstats", Tables, {}, nullptr, nullptr, StartupForm::None, nullptr,
};

} // namespace Oid_mpdstats
