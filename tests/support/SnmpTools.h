#pragma once
// Net-SNMP's command-line tools (snmpget, snmpwalk, snmpset, snmptable, ...) for tests: numeric
// OIDs (-On; not for snmptable, whose column headings need names), no MIB files unless the
// arguments load some, and their persistent files in a private directory, so parallel tests
// neither share nor write Net-SNMP state of the machine.

#include <string>
#include <vector>

struct ToolResult {
    int exitCode = -1;
    std::string output; // standard output and standard error together
};

ToolResult RunSnmpTool(const std::string& tool, const std::vector<std::string>& args);

// The security arguments of the simulated switch's credentials, by name: "v1", "v2c",
// "v1-write", "v2c-write", "noAuthNoPriv", "authNoPriv-MD5", "authNoPriv-SHA", "authPriv-MD5-DES",
// "authPriv-SHA-DES".
std::vector<std::string> SimSecurityArgs(const std::string& name);
