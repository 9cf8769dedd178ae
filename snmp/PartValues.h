#pragma once
// The octet form of a value of each syntax, parts of values (a slice named by an octet offset and
// a syntax) and single bits of values. Controls bound to a part or a bit of an octet-string value
// and the front panel's LED decoding work through these.

#include <cstdint>
#include <string>
#include <string_view>

// Value text of a syntax to its octets; "(NULL)" gives no octets.
std::string TextToOctets(const std::string& text, std::int32_t syntax);
// The octets of a MAC address text: twelve hexadecimal digits, or six groups of one or two
// digits between "-", ":" or "." (blanks ignored); an empty text gives none. Any other text
// raises the bad-value error (-518): it would name another address.
std::string MacTextToOctets(const std::string& text);
// Octets to the value text of a syntax; no octets give "(NULL)" ("" for displaystr).
std::string OctetsToText(std::string_view octets, std::int32_t syntax);

// Octets a part of the syntax spans from its offset; -1 for the variable-width syntaxes, which
// take the rest of the value. wholeSize decides the width of an inetaddress part.
int PartWidth(std::int32_t syntax, std::size_t wholeSize);
// The part's octets; no octets in give no octets out.
std::string ExtractPart(std::string_view octets, int offset, std::int32_t syntax);
// Copies the part in at offset, extending the value with zero octets as needed.
void PutPart(std::string& octets, int offset, std::string_view part);

// Bit b is bit 7 - (b mod 8) of octet b / 8: bits count from the most significant bit of the
// first octet.
bool TestValueBit(std::string_view octets, int bit);
// Sets or clears bit b, extending the value with zero octets up to octet b / 8.
void PutValueBit(std::string& octets, int bit, bool on);
