#pragma once
// The front panel of the second model, Sorvane-Kb: ports 1 to 20, combo ports 21 to 24, uplinks 25 and 26.

#include "panel/PanelForm.h"

#include "ui_PanelSorvaneKbForm.h"

class TPanelSorvaneKbForm : public TPanelForm, public Ui::PanelSorvaneKbForm {
public:
    explicit TPanelSorvaneKbForm(QWidget* owner);
};
