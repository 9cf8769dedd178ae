#include "features/system/PortSecurityNoLimit.h"

#include "features/common/FieldChecks.h"

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

bool CheckLimitField(const ui::CheckBox* box, ui::Edit* edit, const std::string& field, long long min,
                     QWidget* owner)
{
    constexpr long long MostAddresses = 3328;
    return box->Checked() || CheckNumberField(edit, field, min, MostAddresses, owner);
}
