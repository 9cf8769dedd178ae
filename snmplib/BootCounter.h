#pragma once
// The SNMPv3 engine boots counter file: one line per engine id, the id written two characters
// per octet (0x40 plus the nibble, high nibble first), a blank and the count in decimal. Lines
// beginning with "#" are comments. Lines are read into a 100-character buffer, so ids of more
// than 32 octets cannot be read back; they are cut to 32 octets when written.

#include "snmplib/OctetStr.h"

#include <string>

// Statuses of the two operations.
constexpr int BOOT_COUNTER_OK = 0;
constexpr int BOOT_COUNTER_NO_ENTRY = -1;        // no line for the engine id
constexpr int BOOT_COUNTER_OPEN_FAILED = -2;     // the file (or its temporary copy) cannot be opened or written
constexpr int BOOT_COUNTER_ID_TOO_LONG = -3;     // engine id longer than 32 octets
constexpr int BOOT_COUNTER_NO_BLANK = -4;        // the engine's line has no blank after the id
constexpr int BOOT_COUNTER_CREATE_FAILED = -5;   // a missing file cannot be created
constexpr int BOOT_COUNTER_RENAME_FAILED = -6;   // the new file cannot take the file's name

// Reads the boots of the engine from its first line; a count that is not a number reads as 0.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots);

// Writes the engine's boots: every other line is kept in its order, the engine's first line is
// replaced (or the line appended) and any later line of the engine dropped. The new content
// goes to fileName + ".tmp", which then replaces the file in one rename: a failure leaves the
// old file as it was.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots);

// The engine id as it is written in the file, without the blank.
std::string EncodeBootCounterId(const OctetStr& engineId);
