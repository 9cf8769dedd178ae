#pragma once
// The one place where the program's byte strings meet Qt's text. Values inside the program are
// std::string; every window converts at its edge with these two functions.

#include <QString>

#include <string>

namespace ui {

// UTF-8 bytes to text; a byte that is not part of a valid UTF-8 sequence is taken as Latin-1,
// so agent texts in a legacy code page still show every character.
QString ToQString(const std::string& bytes);

// Text to UTF-8 bytes.
std::string ToStdString(const QString& text);

} // namespace ui
