#pragma once
// The status panel at the bottom of a generated panel: a status bar that shows the request's
// log line.

#include "ui/Panel.h"
#include "ui/StatusBar.h"

class TMsgPanel : public ui::Panel {
    Q_OBJECT
public:
    // 20 high, placed on owner (the caller aligns it).
    explicit TMsgPanel(QWidget* owner);

    ui::StatusBar* MsgStatusBar;
};
