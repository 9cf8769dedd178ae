#include "panel/PanelSorvaneKbForm.h"

namespace {

const PanelModel SorvaneKb = {20, 25, {21, 22, 23, 24}, "", 6, 28, true, 500, 24, true, true};

} // namespace

TPanelSorvaneKbForm::TPanelSorvaneKbForm(QWidget* owner) : TPanelForm(owner, SorvaneKb)
{
    setupUi(this);
    FinishLayout();
}
