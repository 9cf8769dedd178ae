#include "gui/ProgressForm2.h"

#include "ui/Control.h"

TProgressForm2* ProgressForm2 = nullptr;

TProgressForm2::TProgressForm2(QWidget* owner, QWidget* parent) : ui::Form(parent ? parent : owner)
{
    setupUi(this);
    Loaded();
    SetBorderStyle(ui::bsDialog);
    SetBorderIcons(0);
    SetClientWidth(358);
    SetClientHeight(66);
    SetPosition(ui::poMainFormCenter);
    ProgressTimer = new ui::Timer(this);
    ProgressTimer->setObjectName("ProgressTimer");
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(TimerInterval);
    ProgressTimer->OnTimer = ui::Handler(this, &TProgressForm2::ProgressTimerTimer);
    OnCreate = ui::Handler(this, &TProgressForm2::FormCreate);
    OnClose = ui::Handler(this, &TProgressForm2::FormClose);
    DoCreate();
}

void TProgressForm2::FormCreate(QObject*)
{
    ProgressTimer->SetEnabled(true);
}

void TProgressForm2::FormClose(QObject*, ui::CloseAction&)
{
    ProgressTimer->SetEnabled(false);
    ui::SetParent(this, nullptr);
}

void TProgressForm2::ProgressTimerTimer(QObject*)
{
    if (ProgressBar->Position() >= ProgressBar->Max())
        Close();
    else
        ProgressBar->SetPosition(ProgressBar->Position() + 2);
}
