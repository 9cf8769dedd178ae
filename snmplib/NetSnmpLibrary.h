#pragma once
// Inside the layer only: the one-time set-up of Net-SNMP and the bridge from our user table to
// Net-SNMP's.

#include <string>

// Initialises Net-SNMP once: no configuration, MIB or persistent files are read or written,
// and its log goes nowhere (to stderr when SORVANE_SNMP_LOG is set).
void EnsureNetSnmp();

// Makes Net-SNMP's user table hold the registered user's localized keys for this agent
// engine; a user that was never registered is known without authentication.
void UsmPrepareUser(const std::string& engineId, const std::string& securityName);
