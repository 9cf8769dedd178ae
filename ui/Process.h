#pragma once
// Starting other programs and opening the help file.

#include <string>
#include <vector>

class QWidget;

namespace ui {

// Starts a program (found through PATH when given without a directory) with its arguments and
// does not wait for it; false when it could not be started.
bool StartProgram(const std::string& program, const std::vector<std::string>& arguments);

// Opens a help file with the desktop's viewer for it. A missing file, or one no viewer opens,
// gets a message box owned by owner; the result is false then.
bool OpenHelpFile(QWidget* owner, const std::string& path);

} // namespace ui
