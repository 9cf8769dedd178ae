#pragma once
// The system's own text forms of octet strings and time ticks, and the lenient number readings
// the value codecs use. Octet strings are byte strings (std::string).

#include <cstdint>
#include <string>
#include <string_view>

// Hex text to octets: blanks are ignored, any character that is not a hex digit counts as 0, an
// odd digit count gives a leading one-digit octet. A 35- to 37-character text of 32 hex digits,
// a separator that is not a hex digit (as a rule "%") and more hex digits is an IPv6 address with
// its zone.
std::string HexToOctets(std::string_view text);

// Two upper-case hex digits per octet, no separator.
std::string OctetsToHex(std::string_view octets);

// The octets as characters, up to the first zero octet.
std::string OctetsToPrintable(std::string_view octets);

// Count of hundredths from the texts TimeTicksToText writes ("1:02:03.04", "1 day 0:00:00.05",
// "3 days, 1:00:00.00"); seconds count only after a "." is found.
std::uint32_t TimeTicksFromText(std::string_view text);
std::string TimeTicksToText(std::uint32_t ticks);

// Decimal number as ReadDecimal reads it (Convert.h), unsigned: a negative number reads as 0,
// values beyond 64 bits saturate.
std::uint64_t ReadUnsignedDecimal(std::string_view text);
