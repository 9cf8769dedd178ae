#pragma once
// The external browser programs MIB, Rmon and Bridge, started for the same switch with the same
// credentials, and the help file beside the module.

#include "main/CommandLine.h"

#include <string>
#include <vector>

// A program and its arguments, one per switch.
struct ToolCommand {
    std::string Program;
    std::vector<std::string> Arguments;
};

// The program named in the page switch ("/TMIB_Info" names MIB: the text from its third
// character to its first "_") with the switch's address, then the SNMPv3 switches when the
// version is 3 ("/t", "/v", "/d", "/m", "/n", "/l", "/a", "/p", "/A", "/P", "/c") or else the
// communities ("/R", "/W"), each glued to its copy and written bare when the copy is empty, and
// last the page switch itself.
ToolCommand ToolCommandFor(const SwitchCopies& copies, const std::string& pageSwitch);

// The program and its arguments, each after one blank: "MIB /I10.90.90.90 /Rabc /Wdef /TMIB_Info".
std::string BuildToolCommandLine(const SwitchCopies& copies, const std::string& pageSwitch);

// The executable of that exact name in the module's own directory, else on the search path;
// empty when there is none.
std::string FindToolProgram(const std::string& program);

// The help file's path: beside the module.
std::string HelpFilePath();
