#pragma once
// Texts whose octets on the wire are in a code page of their own (such as "Shift_JIS") rather
// than the program's UTF-8: an item of a variable list names its code page (MvVarItem::textCodec)
// and the request converts its display texts when they are read and written.

#include <string>

// The octets read from the switch as the program's text. Raises Exception when the code page is
// unknown.
std::string DecodeText(const std::string& octets, const std::string& codec);

// The program's text as octets of the code page. Raises Exception when the code page is unknown
// or the text holds a character the code page cannot write, so nothing garbled is sent.
std::string EncodeText(const std::string& text, const std::string& codec);
