#pragma once
// Loads data files into a DataModel. The format is described in sim/data/README.md.

#include "DataModel.h"

#include <stdexcept>
#include <string>

namespace sim {

class DataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads one file; a later file's line for the same OID replaces the earlier one. Throws
// DataFileError with "file:line: message" on the first bad line.
void LoadDataFile(DataModel& model, const std::string& path);
// The same for text already in memory (name is used in messages).
void LoadDataText(DataModel& model, const std::string& text, const std::string& name);

} // namespace sim
