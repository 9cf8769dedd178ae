// Oid_vlancounter: VLAN traffic counters 1.3.6.1.4.1.171.12.65.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_vlancounter {
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
constexpr OptionItem VlanCounterPacketTypeItems[] = {
    {1, "broadcast"},
    {2, "multicast"},
    {3, "unicast"},
    {4, "all_frame"},
    {},
};
constexpr OptionItem VlanCounterLevelItems[] = {{1, "packet"}, {2, "byte"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList VlanCounterPacketTypeOptions;
constinit MvOptionList VlanCounterLevelOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.65.3.1.1.1
// Read by the window "VLAN Counter Settings" as MVT_UMV with 4 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.65.3.1.1.1", "VLAN ID",     integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.65.3.1.1.2", "Port",        integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.65.3.1.1.3", "Packet Type", integer,   notaccess, &VlanCounterPacketTypeOptions},
    {"1.3.6.1.4.1.171.12.65.3.1.1.4", "Level",       integer,   notaccess, &VlanCounterLevelOptions},
    {"1.3.6.1.4.1.171.12.65.3.1.1.5", "Total Stats", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.65.3.1.1.6", "Rate Stats",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.65.3.1.1.7", "Row Status",  integer,   readwrite, &RowStatusOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &VlanCounterPacketTypeOptions, &VlanCounterLevelOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    VlanCounterPacketTypeOptions.Init(VlanCounterPacketTypeItems, 1, false);
    VlanCounterLevelOptions.Init(VlanCounterLevelItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    VlanCounterLevelOptions.Free();
    VlanCounterPacketTypeOptions.Free();
    RowStatusOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_vlancounter", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_vlancounter
