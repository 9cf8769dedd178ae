// Oid_snmpengine: SNMP-FRAMEWORK-MIB snmpEngine.
// Start-up: none, the tables are static data only. The comment above each table gives its key and
// the windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_snmpengine {
namespace {

// Descriptor tables.

// Key: 1.3.6.1.6.3.10.2.1.1
// Read by the window "SNMP Engine" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.6.3.10.2.1.1", "ID",                octetstr, readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.2", "Boot Numbers",      integer,  readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.3", "Time",              integer,  readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.4", "Max. Message Size", integer,  readonly, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1},
};

} // namespace

extern const CatalogueModule Module{
    "Oid_snmpengine", Tables, {}, nullptr, nullptr, StartupForm::None, nullptr,
};

} // namespace Oid_snmpengine
