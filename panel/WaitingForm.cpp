#include "panel/WaitingForm.h"

#include "panel/PanelHost.h"

#include "ui/Message.h"
#include "ui/Timer.h"

#include <exception>

TWaitingForm* WaitingForm = nullptr;

TWaitingForm::TWaitingForm(QWidget* owner) : ui::Form(owner), host_(PanelHostOf(owner))
{
    setupUi(this);
    SetBorderStyle(ui::bsSingle);
    SetBorderIcons(0);
    // Clearing the tool-window flag above clears the dialog bits it shares: a window again.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    SetPosition(ui::poOwnerFormCenter);
    Loaded();
    ProgressBar1->SetStep(20);
    Timer1 = new ui::Timer(this);
    Timer1->setObjectName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
    Timer1->OnTimer = ui::Handler(this, &TWaitingForm::Timer1Timer);
    OnCreate = ui::Handler(this, &TWaitingForm::FormCreate);
    OnActivate = ui::Handler(this, &TWaitingForm::FormActivate);
    OnClose = ui::Handler(this, &TWaitingForm::FormClose);
    DoCreate();
}

void TWaitingForm::FormCreate(QObject*)
{
    Activated = 0;
    Timer1->SetEnabled(false);
}

void TWaitingForm::FormActivate(QObject*)
{
    Timer1->SetEnabled(true);
    if (Activated)
        return;
    try {
        Activated = 1;
        // A failed stacking read leaves the panels as they are; the host has reported it.
        if (host_ != nullptr && host_->LoadStackingInfo()) {
            if (!host_->FirstRefreshSet())
                host_->ClosePanels();
            host_->RebuildPanels();
            host_->HideUnitMenus();
        }
    } catch (const std::exception&) {
        // The window closes all the same.
    }
    PostMessage(ui::WM_CLOSE);
}

void TWaitingForm::Timer1Timer(QObject*)
{
    if (ProgressBar1->Position() >= ProgressBar1->Max()) {
        Close();
        return;
    }
    ProgressBar1->StepIt();
    if (ProgressBar1->Position() >= ProgressBar1->Max())
        ProgressBar1->SetPosition(ProgressBar1->Min());
}

void TWaitingForm::FormClose(QObject*, ui::CloseAction&) { Timer1->SetEnabled(false); }
