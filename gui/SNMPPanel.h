#pragma once
// The frame of every generated panel: one request joined to a content control, the button
// column on the right and a status bar at the bottom that shows the request's log lines. It
// sizes the window that hosts it (FitForm) and closes it (Close).

#include "gui/CtrlBtnPanel.h"
#include "gui/MsgPanel.h"

#include "ui/Panel.h"
#include "ui/Splitter.h"

class MvSNMPRequest2Edits;

namespace ui {
class CustomForm;
}

class TSNMPPanel : public ui::Panel {
    Q_OBJECT
public:
    // Without msgPanel the panel makes its own status panel; with one, the request logs there.
    TSNMPPanel(QWidget* owner, TMsgPanel* msgPanel, MvSNMPRequest2Edits* edits);

    MvSNMPRequest2Edits* Edits;       // not owned
    TCtrlBtnPanel* Buttons;
    ui::Panel* ClientPanel;
    TMsgPanel* MsgPanel = nullptr;    // none when a status panel was given
    ui::CustomForm* HostForm = nullptr;
    QWidget* ContentControl = nullptr;
    ui::Splitter* RightSplitter;
    // Never shown; its thickness enters the height SetContent computes.
    ui::Splitter* BottomSplitter;

    // Shows control as the content and sizes the panel around it (and the button column).
    void SetContent(QWidget* control);
    // Makes form the host and sizes its client area around the panel: at least 350 wide, at
    // most 800 wide and 550 high; the panel then fills its parent.
    void FitForm(ui::CustomForm* form);
    void ShowStopButton();

    virtual void RefreshClick(QObject* sender);
    void CloseClick(QObject* sender);
    void StopClick(QObject* sender);
};

// The nearest TSNMPPanel that holds control, or none.
TSNMPPanel* EnclosingSNMPPanel(QWidget* control);
