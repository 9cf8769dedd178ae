#pragma once
// The front panel of the first model, Sorvane-Ka: ports 1 to 8, combo ports 9 and 10 with copper strips of their own.

#include "panel/PanelForm.h"

#include "ui_PanelSorvaneKaForm.h"

class TPanelSorvaneKaForm : public TPanelForm, public Ui::PanelSorvaneKaForm {
public:
    explicit TPanelSorvaneKaForm(QWidget* owner);
};
