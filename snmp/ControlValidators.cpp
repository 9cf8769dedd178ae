#include "ControlValidators.h"

#include "Validators.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/MessageBox.h"

#include <string>

namespace {

// The text of an edit or a combo box; empty for other controls.
std::string TextOf(QWidget* control)
{
    if (auto* edit = qobject_cast<ui::Edit*>(control))
        return edit->Text();
    if (auto* combo = qobject_cast<ui::ComboBox*>(control))
        return combo->Text();
    return {};
}

bool Check(QWidget* control, bool (*test)(const std::string&), const char* refusal = nullptr)
{
    if (test(TextOf(control)))
        return true;
    if (refusal != nullptr)
        ui::ShowMessage(control != nullptr ? control->window() : nullptr, refusal);
    return false;
}

} // namespace

bool ValidateIPv4Text(QWidget* control) { return Check(control, IsValidIPv4Text, IPv4RefusalMessage); }
bool IsMulticastIPv4Text(QWidget* control) { return Check(control, IsMulticastIPv4Text); }
bool ValidateIPv6Text(QWidget* control) { return Check(control, IsValidIPv6HexText, IPv6RefusalMessage); }
bool IsValidMACText(QWidget* control) { return Check(control, IsValidMACText); }
bool IsMulticastMACText(QWidget* control) { return Check(control, IsMulticastMACText); }
bool IsUnicastMACText(QWidget* control) { return Check(control, IsUnicastMACText); }
bool IsValidSubnetMaskText(QWidget* control) { return Check(control, IsValidSubnetMaskText); }
bool CheckRecoverTimerText(QWidget* control)
{
    return Check(control, IsValidRecoverTimerText, RecoverTimerRefusalMessage);
}
bool CheckRateLimitText(QWidget* control) { return Check(control, IsValidRateLimitText, RateLimitRefusalMessage); }
