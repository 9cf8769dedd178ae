// Oid_dot3unit: EtherLike-MIB.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_dot3unit {
namespace {

// Option tables.

constexpr OptionItem Dot3AdministrationModeItems[] = {{1, "disabled"}, {4, "enabledXmitAndRcv"}, {}};
constexpr OptionItem Dot3OperModeItems[] = {
    {1, "disabled"},
    {2, "enabledXmit"},
    {3, "enabledRcv"},
    {4, "enabledXmitAndRcv"},
    {},
};
constexpr OptionItem Dot3DuplexStateItems[] = {{1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList Dot3AdministrationModeOptions;
constinit MvOptionList Dot3OperModeOptions;
constinit MvOptionList Dot3DuplexStateOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.10.7.2.1.1 "Index", 2 rows
// Read by Tdot3ControlForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index",              integer, notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", bitstr,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.2.1.10.7.9.1.2
// Read by Tdot3ControlForm as MVT_SV with 0 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", counter, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.10.7.2.1.1 "Index", 3 rows
// Read by Tdot3PauseForm as MVT_FMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.2.1.10.7.2.1.1",  "Index",               integer, notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.1", "Administration Mode", integer, readwrite, &Dot3AdministrationModeOptions},
    {"1.3.6.1.2.1.10.7.10.1.2", "Oper Mode",           integer, readonly,  &Dot3OperModeOptions},
    {},
};

// Key: 1.3.6.1.2.1.10.7.10.1.3
// Read by Tdot3PauseForm as MVT_SV with 0 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames",  counter, readonly, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", counter, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.2.1.10.7.2.1.1 "Index", 16 rows
// Read by the window "Dot3 Statistics Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.2.1.10.7.2.1.1",  "Index",                        integer,  notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.2",  "Alignment Errors",             counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.3",  "FCS Errors",                   counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.4",  "Single Collision Frames",      counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.5",  "Multiple Collision Frames",    counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.6",  "SQE Test Errors",              counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.7",  "Deferred Transmissions",       counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.8",  "Late Collisions",              counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.9",  "Excessive Collisions",         counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors",         counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs",              counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors",  counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.17", "Ether ChipSet",                objectid, readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors",                counter,  readonly,  nullptr},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex State",                 integer,  readonly,  &Dot3DuplexStateOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5},
};

constexpr MvOptionList* const OptionLists[] = {
    &Dot3AdministrationModeOptions, &Dot3OperModeOptions, &Dot3DuplexStateOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    Dot3AdministrationModeOptions.Init(Dot3AdministrationModeItems, 1, false);
    Dot3OperModeOptions.Init(Dot3OperModeItems, 1, false);
    Dot3DuplexStateOptions.Init(Dot3DuplexStateItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    Dot3DuplexStateOptions.Free();
    Dot3OperModeOptions.Free();
    Dot3AdministrationModeOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_dot3unit", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_dot3unit
