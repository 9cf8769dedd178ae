#pragma once
// A small modal window with a prompt and a bar that fills by 2 every tick (80 after 40 ticks)
// and closes itself on the next one: windows show it after a write the switch needs about forty
// seconds to carry out. It is a dialog of the window given (or of none), centred on the main
// window, and leaves that window when it closes.
//
//     ProgressForm2 = new TProgressForm2(nullptr, this);
//     ProgressForm2->SetCaption("Enable STP Progress");
//     ProgressForm2->LB_Prompt->SetCaption("Enable STP is processing...");
//     ProgressForm2->ShowModal();
//     delete ProgressForm2;
//     ProgressForm2 = nullptr;

#include "ui/Form.h"
#include "ui/Timer.h"

#include "ui_ProgressForm2.h"

class TProgressForm2 : public ui::Form, public Ui::ProgressForm2 {
    Q_OBJECT
public:
    TProgressForm2(QWidget* owner, QWidget* parent);

    ui::Timer* ProgressTimer;

    // The interval every new progress window's timer gets; tests shorten it.
    static inline int TimerInterval = 1000;

    void FormCreate(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void ProgressTimerTimer(QObject* sender);
};

extern TProgressForm2* ProgressForm2;
