#pragma once
// Strict readings of the value texts a write encodes. A typed value goes to the switch as exactly
// what was typed or not at all: a text these do not accept (an empty or non-numeric number, a
// number outside its syntax's range, an address field above 255, a date that does not exist) is
// refused with the bad-value error (-518) before anything is sent. Texts read from the switch
// always pass.

#include "snmp/ValueTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A whole decimal number from min to max: an optional '-' and digits, nothing else (no blanks,
// no '+', no empty text).
std::optional<std::int64_t> ReadNumberText(std::string_view text, std::int64_t min, std::int64_t max);
// The same for the full unsigned 64-bit range (counter64).
std::optional<std::uint64_t> ReadUnsignedText(std::string_view text);

// Four dotted decimal numbers 0 to 255, each of one to three digits.
std::optional<std::array<std::uint8_t, 4>> ReadIPv4Text(std::string_view text);

// The time-tick texts the codec writes: "1:02:03.04", "1 day 0:00:00.05", "3 days, 1:00:00.00"
// ("3 days 1:00:00.00" too). Minutes and seconds 0 to 59, hours 0 to 23 after days, two digits
// of hundredths, the total within 32 bits. The lenient reading would drop or shift what other
// texts hold ("1:02:03" loses its seconds, "5.5" is five hundredths), so they are refused.
std::optional<std::uint32_t> ReadTimeTicksText(std::string_view text);

// "y-m-d" or "y-m-d,h:m:s[.d][,+h:m]" (also ",-h:m") naming a real date and time: month 1-12,
// a day of that month, hour 0-23, minutes 0-59, seconds 0-60 (a leap second), tenths 0-9, an
// offset of at most 14 hours and 59 minutes.
std::optional<MvDateTime> ReadDateAndTimeText(std::string_view text);

// The range of the number syntaxes (integer, counter, guage, uinteger and the part syntaxes
// int8 to uint16); false for any other syntax.
bool NumberRangeOf(std::int32_t syntax, std::int64_t& min, std::int64_t& max);

// What a user is asked for when a text of the syntax was refused: "Please input a number between
// <min> and <max>.", "Please input a valid IP address.", "Please input a valid date and time.",
// else the bad-value message.
std::string RefusalHint(std::int32_t syntax);

// Raises EBadValue (item -1) with the bad-value message.
[[noreturn]] void RaiseBadValue(std::int32_t syntax);

// Raises EBadValue unless the text can be written as the syntax says. "(NULL)" always can (the
// explicit null); the number syntaxes, time ticks, counter64, IPv4 addresses and DateAndTime
// only as read above; a MAC address as twelve hex digits or six groups; an inetaddress text
// shorter than 32 characters when it is empty or a dotted IPv4 address. The octet-string syntaxes
// take any text, the empty one included (a zero-length value).
void CheckValueText(const std::string& text, std::int32_t syntax);
