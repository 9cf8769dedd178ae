#pragma once
// The front panel of the fourth model, Sorvane-Kd: ports 1 to 20 and combo ports 21 to 24.

#include "panel/PanelForm.h"

#include "ui_PanelSorvaneKdForm.h"

class TPanelSorvaneKdForm : public TPanelForm, public Ui::PanelSorvaneKdForm {
public:
    explicit TPanelSorvaneKdForm(QWidget* owner);
};
