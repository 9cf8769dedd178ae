#pragma once
// The shape every data module of the catalogue exposes: its descriptor tables, its option-list
// objects and how start-up reaches them. A module file defines one `Module` record in its own
// namespace (Oid_common::Module, ...) and keeps everything else to itself.

#include "snmp/OptionList.h"
#include "snmp/VarDescriptor.h"

#include <span>

// One descriptor table of a module. `model` is 1 to 4 for the member of a per-model group that
// describes the objects under 1.3.6.1.4.1.171.11.133.<model>, and 0 for every other table.
struct CatalogueTable {
    const VarDescriptor* rows;
    int model = 0;
};

// How a module's option lists come into being before the main window exists.
enum class StartupForm {
    None,   // no option lists, no code: the tables are static data only
    Unit,   // counter-guarded initialisation, run before the record modules
    Record, // one start-up record per module, run in link order after the units
};

struct CatalogueModule {
    const char* name;                       // "Oid_common"
    std::span<const CatalogueTable> tables; // in definition order
    std::span<MvOptionList* const> optionLists; // in construction order
    void (*initOptionLists)();              // builds optionLists in order; null when there are none
    void (*freeOptionLists)();              // empties them in reverse order; null when there are none
    StartupForm startup;
    int* unitCounter;                       // the unit's initialisation counter; null unless Unit
};
