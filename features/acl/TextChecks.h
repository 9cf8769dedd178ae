#pragma once
// Checks that hand-made windows run on typed texts before they build a SET. Each answers true or
// false; on false it has shown its own message (owned by owner, or the active window). None
// moves the focus or changes the text: the calling window decides what follows.

#include <string>

class QWidget;
class TStackingPortUitForm;

namespace ui {
class Edit;
class ListView;
} // namespace ui

// Messages of CheckIPv6Text: the wrong-length one is the window's choice.
inline constexpr const char* IPv6LengthMessage = "Please enter a valid IPv6 address whose length is 32 without ':'.";
inline constexpr const char* IPv6LengthLessMessage =
    "Please enter a valid IPv6 address whose length is less without ':'.";

// A dotted IPv4 address: four decimal fields 0 to 255 (leading zeros allowed, a zero written
// "00" or "000" not), nothing else. "Please input a valid IP".
bool CheckIPAddressText(const std::string& text, QWidget* owner = nullptr);
// Exactly twelve hexadecimal digits, no separators. "Invalid MAC address".
bool CheckMACAddressText(const std::string& text, QWidget* owner = nullptr);
// Exactly thirty-two hexadecimal digits (no colon form). A text of another length gets
// lengthMessage; a wrong character within 32 always the message that names 32.
bool CheckIPv6Text(const std::string& text, QWidget* owner = nullptr,
                   const std::string& lengthMessage = IPv6LengthMessage);
bool CheckIPv6Text(const ui::Edit* edit, QWidget* owner = nullptr,
                   const std::string& lengthMessage = IPv6LengthMessage);
// Exactly eight hexadecimal digits; message is the window's own ("Invalid data.", "Invalid
// Offset").
bool CheckHex8Text(const std::string& text, const std::string& message, QWidget* owner = nullptr);

// Whether a port of unit 1 is chosen on the window's port picker: its 64 boxes, whatever the
// model's port count. Shows nothing; the caller has its own message. No picker: false.
bool HasSelectedPorts(const TStackingPortUitForm* picker);

// Whether a port of a present unit is chosen: per row of the unit list (at most unitCount rows;
// its caption the unit's ID, sub-item 6 its module name, sub-item 7 "exist" or "no-exist") the
// boxes of that unit that its model has. A unit "no-exist", or whose ID is no number from 1 to
// the picker's unit count, is passed over. Without any unit row the boxes unit 1 shows for
// modelName are looked at, so a switch whose unit table was not read still takes a choice.
bool HasSelectedPorts(const TStackingPortUitForm* picker, const ui::ListView* units, int unitCount,
                      const std::string& modelName);
