#pragma once
// A switch that answers with the wrong things, from generated data: every instance the generator
// made is served with a value of another type than its column's syntax (a counter or a text for
// an integer, an integer for a text, an octet string for an address) or as an octet string too
// short for what it holds (a 3-octet MAC or IP address, a 1-octet port list, a 2-octet
// DateAndTime), and every table gets rows whose index is cut short or whose length runs past its
// end. The table declarations are left out, so the switch serves the values as they are written;
// not-accessible columns stay unserved.
//
//     const SimDataGenerator data = menusimdata::MenuSimData("Kb");
//     WriteGarbledFile(data, dir + "/garbled.dat");

#include "simdata/SimDataGenerator.h"

#include <string>

// The garbled data file's text for the generated data.
std::string GarbledText(const SimDataGenerator& data);

// Writes GarbledText(data) to path and returns path.
std::string WriteGarbledFile(const SimDataGenerator& data, const std::string& path);
