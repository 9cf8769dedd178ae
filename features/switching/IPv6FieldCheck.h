#pragma once
// The check of a typed IPv6 address field before a window builds a SET from it: the address
// as the switching windows show it, 32 hexadecimal digits without separators.

#include <string>

class QWidget;

namespace ui {
class Edit;
}

// On a refusal shows "<field>: Please enter a valid IPv6 address whose length is 32 without
// ':'." owned by owner, gives the edit the focus and answers false; the text stays as typed.
bool CheckIPv6Field(ui::Edit* edit, const std::string& field, QWidget* owner);
