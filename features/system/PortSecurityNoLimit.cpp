#include "features/system/PortSecurityNoLimit.h"

#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Edit.h"

void FollowNoLimitBox(const ui::CheckBox* box, ui::Edit* edit)
{
    if (box->Checked()) {
        edit->setEnabled(false);
        ui::SetColor(edit, ui::clBtnFace);
        edit->SetText(NoLimitText);
    } else {
        edit->setEnabled(true);
        ui::SetColor(edit, ui::clWindow);
        edit->SetText("");
    }
}
