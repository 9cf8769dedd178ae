#pragma once
// Start-up and exit of the catalogue's option lists, and the list of its data modules.
//
// The descriptor and option tables are static data; only the MvOptionList objects they point at
// need building. main() calls InitCatalogue() before InitVarListNameTables() and before the main
// window exists, and FreeCatalogue() after the main window's message loop has ended.

#include "catalogue/CatalogueModule.h"

#include <span>
#include <string_view>

// Called with each module whose lists InitCatalogue builds (built = true) or FreeCatalogue empties
// (built = false), in the order it happens. For diagnostics; may be null.
using CatalogueTrace = void (*)(const CatalogueModule& module, bool built);

// Builds the option lists of every module: first the unit modules through their counter-guarded
// initialisation, in unit order, then the record modules in link order.
void InitCatalogue(CatalogueTrace trace = nullptr);

// The exact reverse of InitCatalogue: the record modules in reverse link order, then the unit
// modules' finalisation in reverse unit order.
void FreeCatalogue(CatalogueTrace trace = nullptr);

// Counter-guarded initialisation and finalisation of a unit module. The first initialisation
// builds its lists, later ones only count; the finalisation that balances the first one empties
// them. Return whether the lists were built, respectively emptied, by this call.
bool InitializeUnit(const CatalogueModule& module);
bool FinalizeUnit(const CatalogueModule& module);

// All 67 data modules in definition order.
std::span<const CatalogueModule* const> CatalogueModules();

// The modules with start-up code, in the order InitCatalogue visits them.
std::span<const CatalogueModule* const> CatalogueStartupOrder();

// The module of that name ("Oid_common"), or null.
const CatalogueModule* FindCatalogueModule(std::string_view name);
