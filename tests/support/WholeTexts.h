#pragma once
// Whether a user can read every text of a window: each visible label, check box, radio button
// and push button is as wide (and as high) as its text needs in the font it is drawn with, the
// text lies inside every control that holds it, and no visible sibling control lies on it.
//
// The widths are those of the font the program draws with (ui::Application: DejaVu Sans at
// 8 points), which the offscreen platform takes from fontconfig as a display does; ProgramFont
// tells whether that font is installed rather than a substitute.

#include <QWidget>

#include <string>
#include <vector>

namespace wholetexts {

// One text that does not show whole: the control's path of component names, its text and why.
struct Fault {
    std::string Control;
    std::string Text;
    std::string Why;
};

// The faults of the window's controls as they are shown now (the window must be visible).
// Controls of other windows placed inside it (its dialogs) are not looked at.
std::vector<Fault> CutOrCoveredTexts(const QWidget* window);

// The same for every page of each page control of the window in turn (each made the active
// page, then the page active before is restored).
std::vector<Fault> CutOrCoveredTextsOnEveryPage(QWidget* window);

// Empty when the application font is the program's font, installed; else what was found instead.
std::string ProgramFontProblem();

std::string Describe(const std::vector<Fault>& faults);

} // namespace wholetexts
