#pragma once
// Alignment of controls to the sides of their parent: top, bottom, left and right controls are
// stacked against their side in creation order, then client controls fill what is left. The
// placement happens at once when a control is aligned, shown, hidden, resized or reparented,
// so code can read the sizes right after adding an aligned panel; resizing the parent through
// Qt places the children again.

#include <QString>

class QWidget;

namespace ui {

enum Align { alNone, alTop, alBottom, alLeft, alRight, alClient };

void SetAlign(QWidget* control, Align align);
Align AlignOf(const QWidget* control);

// Places the aligned children of parent now.
void Realign(QWidget* parent);

// "alClient" ... as form layouts write them; alNone for anything else.
Align AlignFromName(const QString& name);

} // namespace ui
