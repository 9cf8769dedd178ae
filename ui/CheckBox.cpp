#include "ui/CheckBox.h"

namespace ui {

void RadioButton::SetChecked(bool checked)
{
    // An exclusive radio button cannot be cleared by Qt; the class library lets code do it.
    const bool exclusive = autoExclusive();
    if (!checked)
        setAutoExclusive(false);
    ChangeState(checked);
    setAutoExclusive(exclusive);
}

} // namespace ui
