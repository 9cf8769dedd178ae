#pragma once
// Pass phrase to key, and key localization, of the user-based security model (RFC 3414,
// A.2): the digest of one megabyte of the repeated pass phrase, then digest(Ku, engine id, Ku).

#include <string>

// authProtocol is SNMP_AUTHPROTOCOL_HMACMD5 or SNMP_AUTHPROTOCOL_HMACSHA; an empty result for
// any other protocol or an empty pass phrase.
std::string UsmPasswordToKey(int authProtocol, const std::string& passPhrase);
std::string UsmLocalizeKey(int authProtocol, const std::string& key, const std::string& engineId);
