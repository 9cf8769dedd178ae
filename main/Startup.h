#pragma once
// The program: its module-level objects built in order before the main window and released in
// the reverse order after it, and the main window's message loop.

#include <string>
#include <vector>

// Sets the application title, creates the main window and runs the message loop. An exception
// of the start-up (no SNMP session, a boots counter that cannot be kept, a switch value that is
// no number) is shown in a message box and ends the program. Returns 0.
// With SORVANE_OPEN_ITEM naming a menu item (its component name, "BasicInfo1"), that item is
// chosen OpenItemDelayMs after the main window is made.
int WinMain();
inline constexpr int OpenItemDelayMs = 1500;

// The module-level objects of the program, made in dependency order and released in reverse.
void InitProgramModules();
void FreeProgramModules();

// The whole program for the given parameters, with the Qt application already made:
// initialisation of the framework's module-level objects, WinMain, their finalisation.
int RunProgram(const std::vector<std::string>& parameters);
