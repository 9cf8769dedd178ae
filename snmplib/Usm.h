#pragma once
// SNMPv3 message processing and the user-based security model: the local engine, and the
// table of users whose pass phrases the session uses.

#include "snmplib/OctetStr.h"

class Snmp;

constexpr int SNMP_AUTHPROTOCOL_NONE = 1;
constexpr int SNMP_AUTHPROTOCOL_HMACMD5 = 2;
constexpr int SNMP_AUTHPROTOCOL_HMACSHA = 3;
constexpr int SNMP_PRIVPROTOCOL_NONE = 1;
constexpr int SNMP_PRIVPROTOCOL_DES = 2;

// Starts SNMPv3 message processing with the local engine id and its boots count. Returns
// SNMPv3_MP_OK, or SNMPv3_MP_INVALID_ENGINEID for an id of fewer than 5 or more than 32
// octets.
int mpInit(Snmp* session, const OctetStr& localEngineId, unsigned int engineBoots);

// Registers (or registers again) a user. A registration with other protocols or pass phrases
// replaces the earlier one for every agent; an identical one costs nothing. Any non-empty pass
// phrase is accepted, however short. Returns SNMPv3_USM_OK, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL,
// SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL (privacy without
// authentication) or SNMPv3_USM_ERROR (an empty name or a needed pass phrase empty).
int usmAddUserName(const OctetStr& securityName, int authProtocol, int privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword);
