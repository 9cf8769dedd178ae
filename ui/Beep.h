#pragma once
// The system beep, replaceable: QApplication::beep is silent offscreen, so tests count beeps
// through their own handler.

#include <functional>

namespace ui {

// Frequency in Hz and duration in ms; 0 and 0 is the default sound.
using BeepHandler = std::function<void(int frequency, int durationMs)>;

// Installs a handler and returns the one it replaces; an empty handler brings back the real one.
BeepHandler SetBeepHandler(BeepHandler handler);

void Beep(int frequency = 0, int durationMs = 0);

} // namespace ui
