#pragma once
// Port lists: a bitlist value, bit k (mask 0x80 >> k mod 8 of octet k / 8) standing for port
// k + 1. List views show them as ascending ranges with the hex text in brackets ("1-3,5[E8]");
// "0" is the list without a port, and "all" is accepted on input.

#include <optional>
#include <string>
#include <string_view>

// Range list of the set ports of a hex bitmap, followed by "[hex]" when withHex is set.
std::string BitmapToPortList(std::string_view hex, bool withHex);

// Lower-case hex bitmap of a range list, exactly as many digits as widthReference has (the
// item's current hex value). Nothing when a port lies outside 1 .. 4 * digits (so "0" fails) or a
// range runs backwards; empty elements are skipped.
std::optional<std::string> PortListToBitmap(std::string_view list, std::string_view widthReference);

// The hex text of a list-view cell: between "[" and "]", or the whole text without them.
std::string PortListCellHex(std::string_view cell);
