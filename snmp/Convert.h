#pragma once
// Text <-> number and date-time conversions, written once and independent of the process
// locale (Qt sets it, and the C library would then read and write decimal commas).
//
// Date-time values are days since 30 December 1899 at 00:00 with the time of day as the
// fraction; before that day the fraction still counts forward from midnight (-1.25 is
// 29 December 1899 06:00).

#include <cstdint>
#include <string>

// Strict text to integer: leading blanks, an optional sign, then decimal digits or hexadecimal
// digits after "$" or "0x". Nothing may follow the digits; an empty text, a text out of range or
// with other characters raises EConvertError "'<text>' is not a valid integer value".
// Hexadecimal texts take the full width of the type: "$FFFFFFFF" is -1.
std::int32_t StrToInt(const std::string& text);
std::int64_t StrToInt64(const std::string& text);
bool TryStrToInt(const std::string& text, std::int32_t& value);
bool TryStrToInt64(const std::string& text, std::int64_t& value);

// 0 to 15 for a hexadecimal digit (either case), -1 for any other character.
int HexDigitValue(char c);

std::string IntToStr(std::int64_t value);
std::string UIntToStr(std::uint64_t value);

// General real-to-text form: up to 15 significant digits, fixed notation for decimal exponents
// -5 < e < 15, otherwise "1.79769313486232E308" / "1E-5"; "INF", "-INF", "NAN".
std::string FloatToStr(double value);

// Lenient readers: leading blanks skipped, then the longest prefix that forms a decimal number;
// 0 when there is none. ReadReal takes a fraction and an exponent; ReadDecimal a sign and digits
// (saturating at the 64-bit limits).
double ReadReal(const std::string& text);
std::int64_t ReadDecimal(const std::string& text);

// Date-time values.
bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                       int millisecond, double& value);
// Raises EConvertError for a date or time that does not exist.
double EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                      int millisecond = 0);

struct DateTimeParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};
DateTimeParts DecodeDateTime(double value);

// The current local date and time.
double NowDateTime();

// "yyyy/mm/dd hh:nn:ss".
std::string DateTimeToText(double value);

// Reads "y/m/d", "y/m/d h:n[:s[.z]]", "m/d" (this year) or "h:n[:s[.z]]" (day 0); years of one
// or two digits fall in the 50-year window around this year. Blanks around the text are
// ignored. Raises EConvertError "'<text>' is not a valid date and time".
double StrToDateTime(const std::string& text);
bool TryStrToDateTime(const std::string& text, double& value);
