#pragma once
// The simulated switch's data for every generated window of the handler table: each row's
// descriptor table (for a model-dependent row the member of each model) with its list kind, keys
// and status column, through SimDataGenerator, and the tables of the DDM windows. The catalogue's option lists must be built while
// it runs.

#include "main/HandlerTable.h"
#include "simdata/SimDataGenerator.h"

#include <string>

namespace menusimdata {

// The sysObjectID of each model, Ka to Kd.
extern const char* const ModelOids[4];

// Whether the row's window is generated from its descriptor table (not hand-made).
bool IsGenerated(const HandlerRow& row);

// The data of every generated window for the model ("Ka" to "Kd").
SimDataGenerator MenuSimData(const std::string& model);

// The rows generated for a table row's window on the model's switch (the catalogue built); a
// table that the switch's own data files serve (the unit table) has one row there at least.
int RowsGenerated(const SimDataGenerator& data, const HandlerRow& row, int model);

// Everything a demo switch of the model serves besides its own data files (sorvane-sim --demo):
// the data of every generated window, then the hand-made windows' tables, whose model objects
// (written for the second model) move to the model's arc. The instances that the switch's own
// files serve keep their values there, so identification stays and the port counters move.
// The catalogue's option lists must be built while it runs.
std::string DemoSimData(const std::string& model);

} // namespace menusimdata
