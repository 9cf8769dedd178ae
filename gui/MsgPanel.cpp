#include "gui/MsgPanel.h"

#include "ui/Align.h"
#include "ui/Control.h"

TMsgPanel::TMsgPanel(QWidget* owner) : ui::Panel(owner)
{
    ui::SetHeight(this, 20);
    MsgStatusBar = new ui::StatusBar(this);
    MsgStatusBar->SetSimplePanel(true);
    ui::SetHeight(MsgStatusBar, 20);
    ui::SetAlign(MsgStatusBar, ui::alBottom);
}
