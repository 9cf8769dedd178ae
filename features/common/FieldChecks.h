#pragma once
// Checks of a typed field before a window builds a SET from it. A text either converts to exactly
// the value the user typed or is refused: an empty number is never 0 and nothing wraps around.

#include <array>
#include <optional>
#include <string>

class QWidget;

namespace ui {
class Edit;
} // namespace ui

// A whole decimal number from min to max: an optional '-' (only where min < 0) and digits, nothing
// else (no blanks, no '+', no empty text); nullopt otherwise.
std::optional<long long> ParseNumberText(const std::string& text, long long min, long long max);

// Four dotted decimal numbers of one to three digits, each 0-255; nullopt otherwise. The octets in
// the order written.
std::optional<std::array<unsigned char, 4>> ParseIPv4Text(const std::string& text);

// On a refusal each shows a message that names the field (the caption the user sees beside the
// edit), owned by owner, gives the edit the focus and answers false; the text stays as typed.
bool CheckNumberField(ui::Edit* edit, const std::string& field, long long min, long long max, QWidget* owner);
bool CheckIPv4Field(ui::Edit* edit, const std::string& field, QWidget* owner);
// Twelve hexadecimal digits, no separators.
bool CheckMACField(ui::Edit* edit, const std::string& field, QWidget* owner);
