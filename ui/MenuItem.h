#pragma once
// Menu items are Qt actions named after their component (BasicInfo1). Their click event runs
// under the exception guard like every other handler a user starts.

#include "ui/Events.h"

class QAction;

namespace ui {

// Replaces the item's click handler; an empty handler leaves the item without one.
void SetMenuClick(QAction* item, NotifyEvent handler);

} // namespace ui
