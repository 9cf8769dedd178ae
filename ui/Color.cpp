#include "ui/Color.h"

#include <QApplication>
#include <QPalette>

#include <array>
#include <cstdlib>
#include <utility>

namespace ui {

QColor ToQColor(Color color)
{
    if ((color & 0xFF000000) == 0xFF000000) {
        const QPalette palette = QApplication::palette();
        switch (color) {
        case clMenu: return palette.color(QPalette::Window);
        case clWindow: return palette.color(QPalette::Base);
        case clWindowText: return palette.color(QPalette::Text);
        case clHighlight: return palette.color(QPalette::Highlight);
        case clHighlightText: return palette.color(QPalette::HighlightedText);
        case clBtnFace: return palette.color(QPalette::Button);
        case clGrayText: return palette.color(QPalette::Disabled, QPalette::Text);
        case clBtnText: return palette.color(QPalette::ButtonText);
        case clInfoBk: return palette.color(QPalette::ToolTipBase);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

bool ColorFromName(const std::string& name, Color& color)
{
    static const std::array<std::pair<const char*, Color>, 25> names{{
        {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen},
        {"clOlive", clOlive}, {"clNavy", clNavy}, {"clPurple", clPurple},
        {"clTeal", clTeal}, {"clGray", clGray}, {"clSilver", clSilver},
        {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
        {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua},
        {"clWhite", clWhite}, {"clMenu", clMenu}, {"clWindow", clWindow},
        {"clWindowText", clWindowText}, {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
        {"clGrayText", clGrayText}, {"clBtnText", clBtnText}, {"clInfoBk", clInfoBk},
    }};
    for (const auto& [text, value] : names) {
        if (name == text) {
            color = value;
            return true;
        }
    }
    if (name.empty())
        return false;
    const char* digits = name.c_str();
    int base = 10;
    if (name[0] == '$') {
        digits += 1;
        base = 16;
    } else if (name.size() > 2 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        digits += 2;
        base = 16;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(digits, &end, base);
    if (end == digits || *end != '\0')
        return false;
    color = static_cast<Color>(value);
    return true;
}

} // namespace ui
