#pragma once
// The check of a hexadecimal field of at most four digits, for rules with the "Z" option.

class QWidget;

// An edit's text of at most four hexadecimal digits (either case) is written back in upper case,
// padded on the left with "0" to four digits ("a1" becomes "00A1", "" becomes "0000"): true.
// Any other text, and any other control, is left as it is: false, without a message.
bool NormalizeHexField(QWidget* control);
