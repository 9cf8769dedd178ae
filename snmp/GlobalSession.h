#pragma once
// The one SNMP session that every request shares, its creation at start-up with the engine
// boots counter, and the ordered set-up and tear-down of the session module's state.

#include <string>

class Snmp;

// Null until CreateGlobalSession; never destroyed.
extern Snmp* GlobalSnmpSession;

// The local SNMPv3 engine id: the 21 octets of this text.
extern const char* const LocalEngineId;
// The engine boots counter file, in the directory given to CreateGlobalSession.
extern const char* const BootCounterFileName;

// directory + name, with a "/" between them unless the directory is empty or ends with one.
std::string JoinPath(const std::string& directory, const std::string& name);

// Creates the session (system-chosen local port), reads, advances and saves the boots counter
// of the local engine in directory, starts SNMPv3 message processing with it, writes the
// defaults and enables the event pump. Raises the framework's exception: -506 no session,
// -507 the boots file cannot be read, -508 it cannot be saved. Called once, from the main
// window's constructor.
void CreateGlobalSession(const std::string& directory);

// Called by main in this order: InitRequestStatics after the Qt application exists and before
// anything else of the framework; ReleaseRequestStatics last. They build and destroy the event
// processor (timer disabled) and reset the defaults' texts.
void InitRequestStatics();
void ReleaseRequestStatics();
