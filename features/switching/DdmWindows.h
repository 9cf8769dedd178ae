#pragma once
// The four windows of the transceivers' digital diagnostics (DDM): each function builds a
// generated window on its table of the Oid_ddm module for the switch at address, shows it
// modally and frees it when it has been closed. scale is the main window's DPIScale.

#include <cstdint>
#include <span>
#include <string>

// One of the windows and the table it reads: the Oid_ddm key OID, the list kind and key columns.
struct DdmWindow {
    const char* title;
    const char* keyOid; // of the Oid_ddm table
    std::uint8_t kind;
    int keys;
    bool list;          // a list view (450 scaled high) rather than editor rows
};

// The four windows, in menu order (the simulated switch's data serves their tables too).
std::span<const DdmWindow> DdmWindows();

void OpenDDMInformationSettings(const std::string& address, float scale);
void OpenDDMStatusTable(const std::string& address, float scale);
void OpenDDMThresholdManagementTable(const std::string& address, float scale);
void OpenDDMPortManagementTable(const std::string& address, float scale);
