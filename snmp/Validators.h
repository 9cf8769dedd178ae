#pragma once
// Address and number checks of typed texts. The checks that refuse with a message of their own
// give its text here; the window code shows it.

#include <string>

inline constexpr const char* IPv4RefusalMessage = "Please input a valid IP.";
inline constexpr const char* IPv6RefusalMessage = "Please enter a valid IPv6 address whose length is 32 without ':'.";
inline constexpr const char* RecoverTimerRefusalMessage = "Pleaase Input a Number between 60 and 1000000 or 0.";
inline constexpr const char* RateLimitRefusalMessage = "Pleaase Input a Number between 64-10240000 or 0.";

// Dotted IPv4 address: at most 16 characters, four parts of 1 to 3 decimal digits, each 0-255.
bool IsValidIPv4Text(const std::string& text);
// The same with a first part from 224 to 239.
bool IsMulticastIPv4Text(const std::string& text);
// IPv6 address written as exactly 32 hexadecimal digits, no separators.
bool IsValidIPv6HexText(const std::string& text);
// MAC address: six groups separated by "-" or "." whose first two characters are hexadecimal
// digits, or twelve hexadecimal digits.
bool IsValidMACText(const std::string& text);
// Group bit set and not broadcast; the written form is IsValidMACText's to check.
bool IsMulticastMACText(const std::string& text);
// Group bit clear and not all zero; the written form is IsValidMACText's to check.
bool IsUnicastMACText(const std::string& text);
// Dotted IPv4 network mask (contiguous ones), or 0.0.0.0.
bool IsValidSubnetMaskText(const std::string& text);
// 0, or 60 to 1000000, in at most 10 characters.
bool IsValidRecoverTimerText(const std::string& text);
// 0, or 64 to 10240000.
bool IsValidRateLimitText(const std::string& text);
