#pragma once
// Value texts of every syntax to and from variable bindings. These work on raw texts; the
// request translates display texts of items with option lists around them.

#include <cstdint>
#include <string>

class Vb;

// The raw value text of a received binding, read as the syntax. Bindings without a value read
// as "(NULL)" (as "" for displaystr and the octet-string syntaxes). Fixed-width values shorter
// than their width read with the missing octets as 0. -511 for a syntax without a text form.
std::string VbToValueText(const Vb& vb, std::int32_t syntax);

// Gives the binding the value encoded from a raw value text; "(NULL)" gives a null value. The
// wire tag follows from the syntax: counters and gauges go out as Gauge32, double and the
// date-time syntaxes as octet strings. -511 for a syntax without a wire form.
void ValueTextToVb(const std::string& text, std::int32_t syntax, Vb& vb);
