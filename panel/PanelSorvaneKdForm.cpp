#include "panel/PanelSorvaneKdForm.h"

namespace {

const PanelModel SorvaneKd = {20, 25, {21, 22, 23, 24}, "", 6, 28, false, 500, 24, true, true};

} // namespace

TPanelSorvaneKdForm::TPanelSorvaneKdForm(QWidget* owner) : TPanelForm(owner, SorvaneKd)
{
    setupUi(this);
    FinishLayout();
}
