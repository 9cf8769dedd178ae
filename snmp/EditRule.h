#pragma once
// The rule language of edit controls: a "%", a type letter and an optional block of options in
// braces, such as "%i{n1x4094l4}" (an integer from 1 to 4094 in at most four characters) or
// "%s{I}" (an IPv4 address). This file reads rule texts and holds the two tests a rule makes
// on a text: which typed character its type refuses, and whether a whole text passes.
// MvEditConstraint (EditConstraint.h) applies them to edits.

#include <cstdint>
#include <string>
#include <vector>

// Address kinds of the options "I", "Im", "I6", "I6m", "M", "Mm" and "Mu".
enum : std::uint8_t {
    AddressNone = 0,
    AddressIPv4 = 1,
    AddressMulticastIPv4 = 2,
    AddressIPv6 = 3,
    AddressMulticastIPv6 = 4,
    AddressMAC = 5,
    AddressMulticastMAC = 6,
    AddressUnicastMAC = 7,
};

// Flags of the "l" option.
enum : std::uint16_t {
    LengthAutoAdvance = 1, // "a": reaching the maximum length moves the focus on
    LengthFixed = 2,       // "f": the text must have exactly the maximum length
    LengthNotEmpty = 4,    // "n": the empty text is refused
};

// What one rule text says.
struct EditRuleFormat {
    char Type = 's';           // f h i s u n
    char Delimiter = 0;        // separator of a number list (type n)
    double Min = 0;
    double Max = 0;
    std::int32_t MaxLength = 0; // characters; for type n the count of numbers; 0 no limit
    bool CustomCheck = false;   // "Z": the window's check function replaces the type checks
    std::uint8_t AddressKind = AddressNone;
    std::uint16_t LengthFlags = 0;
    char JumpChar = 0;          // typing it moves the focus on; 0 none
    std::int32_t Width = 0;     // "w": the edit's width in pixels, applied when above 0
};

// Reads one rule text. A malformed text raises the framework's exception with the common text
// " Bad format specifier of edit's constraint!" and the code -2.
EditRuleFormat ParseEditRule(const std::string& text);

// A text of several rules cut before every "%" that is not its first character; a lone "%" at
// the very end forms no piece. The pieces are not checked here.
std::vector<std::string> SplitEditRules(const std::string& text);

// Position (0-based) of the first character the rule's type refuses, or std::string::npos.
std::size_t FirstRefusedChar(const EditRuleFormat& rule, const std::string& text);

// The type checks of a whole, non-empty text (range, length, address form, number list). On
// refusal, the messages to show in order; a text that passes gives none.
struct EditTextVerdict {
    bool Passed = true;
    std::vector<std::string> Messages;
};
EditTextVerdict CheckEditText(const EditRuleFormat& rule, const std::string& text);
