#include "main/NormalizeHexField.h"

#include "ui/Edit.h"

#include <cctype>
#include <string>

bool NormalizeHexField(QWidget* control)
{
    auto* edit = qobject_cast<ui::Edit*>(control);
    if (edit == nullptr)
        return false;
    std::string text = edit->Text();
    if (text.size() > 4)
        return false;
    for (char& c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    edit->SetText(std::string(4 - text.size(), '0') + text);
    return true;
}
