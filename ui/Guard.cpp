#include "ui/Guard.h"

#include "ui/Handling.h"
#include "ui/MessageBox.h"

namespace ui {

bool RunGuarded(const std::function<void()>& f)
{
    try {
        HandlingScope handling;
        f();
        return true;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException("Unknown exception");
    }
    return false;
}

bool RunGuardedOutsideHandling(const std::function<void()>& f)
{
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException("Unknown exception");
    }
    return false;
}

void ShowException(const std::exception& e)
{
    if (dynamic_cast<const AlreadyTold*>(&e) != nullptr)
        return;
    ShowException(std::string(e.what()));
}

void ShowException(const std::string& message)
{
    std::string text = message;
    // Texts ending in "." or any character below it ("!", blank ...) are left as they are.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    MessageBox(nullptr, text, mbOK, miError);
}

} // namespace ui
