#pragma once
// The screen's pixels per inch and the scale factor of window sizes: 1.0 on a 96 pixels per
// inch screen, else 1.25. Qt already scales the whole program for high-density screens; the
// factor applies once more to the sizes the windows name, as the windows were designed with it.

namespace ui {

// The screen's logical DPI times its device pixel ratio, rounded; the forced value when set.
int ScreenPixelsPerInch();

// Tests (and a user with a wrong reading) force the value; 0 goes back to the screen's.
void ForcePixelsPerInch(int pixelsPerInch);

// 1.0 at 96 pixels per inch, else 1.25.
float DPIScale();

// n times DPIScale, truncated toward zero (450 gives 562 at 1.25).
int Scaled(int n);

} // namespace ui
