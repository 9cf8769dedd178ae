#pragma once
// The four windows of the transceivers' digital diagnostics (DDM): each function builds a
// generated window on its table of the Oid_ddm module for the switch at address, shows it
// modally and frees it when it has been closed. scale is the main window's DPIScale.

#include <string>

void OpenDDMInformationSettings(const std::string& address, float scale);
void OpenDDMStatusTable(const std::string& address, float scale);
void OpenDDMThresholdManagementTable(const std::string& address, float scale);
void OpenDDMPortManagementTable(const std::string& address, float scale);
