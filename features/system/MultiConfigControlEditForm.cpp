#include "features/system/MultiConfigControlEditForm.h"

#include "features/system/MultipleConfigControlForm.h"

#include "gui/ProgressForm2.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"

TMultiConfigControlEditForm* MultiConfigControlEditForm = nullptr;

TMultiConfigControlEditForm::TMultiConfigControlEditForm(TMultipleConfigControlForm* listWindow)
    : ui::Form(listWindow), ListDialogFrame(*this, *listWindow)
{
    setupUi(this);
    Loaded();
    SetPosition(ui::poMainFormCenter);
    ScaleForScreen();
    // The ID is shown only: selecting a row enables the bound controls, the showing disables it.
    OnShow = ui::Handler(this, &TMultiConfigControlEditForm::FormShow);
    btnSet->OnClick = ui::Handler(this, &TMultiConfigControlEditForm::btnSetClick);
    btnClose->OnClick = ui::Handler(this, &TMultiConfigControlEditForm::btnCloseClick);
    DoCreate();
    cbxCtrlID->setEnabled(false);
}

void TMultiConfigControlEditForm::FormShow(QObject*) { cbxCtrlID->setEnabled(false); }

void TMultiConfigControlEditForm::ShowActivationProgress()
{
    ProgressForm2 = new TProgressForm2(nullptr, this);
    struct Free {
        ~Free()
        {
            delete ProgressForm2;
            ProgressForm2 = nullptr;
        }
    } free;
    ProgressForm2->ProgressBar->SetMax(ProgressMax);
    ProgressForm2->SetCaption("Set Configuration");
    ProgressForm2->LB_Prompt->SetCaption("Active Configuration is processing...");
    ProgressForm2->ShowModal();
}

void TMultiConfigControlEditForm::btnSetClick(QObject*)
{
    // The action for the ID the disabled combo box shows; nothing is checked first, and the list
    // keeps the old action until Refresh.
    SetRow({.After = AfterWrite::Nothing, .Then = [this] {
                if (cbxCfgAction->Text() == "active")
                    ShowActivationProgress();
            }});
}

void TMultiConfigControlEditForm::btnCloseClick(QObject*) { Close(); }
