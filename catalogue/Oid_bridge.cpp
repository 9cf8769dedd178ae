// Oid_bridge: BRIDGE-MIB base and transparent bridge.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_bridge {
namespace {

// Descriptor tables.

// Key: 1.3.6.1.2.1.17.1.4.1.1
// Read by the window "Bridge 802.1D Port Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port",                    integer,  readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index",                integer,  readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit",                 objectid, readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", counter,  readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.5", "MTU Exceeded Discards",   counter,  readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.4.4.1.1 "Port Number"
// Read by TTpBridgePortInfo_Table as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port Number",      integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.2", "Max. Information", integer, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.17.4.4.1.1 ""
// Read by TTpBridgePortInfo_Table as MVT_SV with 0 key columns.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "",                       integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.2", "",                       integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.3", "          Input Frames", counter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.4", "         Output Frames", counter, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.5", "        Discard Frames", counter, readonly, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

} // namespace

extern const CatalogueModule Module{
    "Oid_bridge", Tables, {}, nullptr, nullptr, StartupForm::Record, nullptr,
};

} // namespace Oid_bridge
