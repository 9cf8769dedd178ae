#pragma once
// The command line: switches glued to their values ("/I10.90.90.90"), written into the
// session's default settings, with a text copy of each value for window captions and the
// external programs' command line.

#include <string>
#include <vector>

// The text copies of the switch values; empty for a switch the command line did not give.
struct SwitchCopies {
    std::string AddressText;
    std::string ReadCommunityText;
    std::string WriteCommunityText;
    std::string PortText;
    std::string VersionText;
    std::string SecurityNameText;
    std::string AuthPasswordText;
    std::string PrivPasswordText;
    std::string AuthProtocolText;
    std::string PrivProtocolText;
    std::string ContextEngineIdText;
    std::string SecurityLevelText;
    std::string ContextNameText;
    std::string SecurityModelText;
};

// Reads the parameters (the program's arguments, without the program) in order into
// DefaultDevice, DefaultScope and DefaultSecurity, the copies and DeviceIPText. A parameter is
// taken by the first switch, in the order "/I" "/R" "/W" "/v", then (only while the version is
// 3) "/t" "/c" "/d" "/m" "/l" "/n" "/A" "/P" "/a" "/p", that occurs anywhere in it; its value is
// the rest of the parameter after the switch. A parameter that holds none is ignored. A numeric
// switch whose value is no integer raises EConvertError.
void ReadCommandLine(const std::vector<std::string>& parameters, SwitchCopies& copies);
