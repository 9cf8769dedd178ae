#include "panel/PanelSorvaneKaForm.h"

namespace {

const PanelModel SorvaneKa = {8, 36, {9, 10}, "T", 4, 35, false, 300, 8, false, false};

} // namespace

TPanelSorvaneKaForm::TPanelSorvaneKaForm(QWidget* owner) : TPanelForm(owner, SorvaneKa)
{
    setupUi(this);
    FinishLayout();
}
