#include "ui/Memo.h"

#include "ui/Control.h"
#include "ui/Text.h"

namespace ui {

Memo::Memo(QWidget* parent) : QPlainTextEdit(ClientOf(parent))
{
    ShowIfParentVisible(this);
}

std::vector<std::string> Memo::Lines() const
{
    std::vector<std::string> lines;
    if (document()->isEmpty())
        return lines;
    for (const QString& line : toPlainText().split(QLatin1Char('\n')))
        lines.push_back(ToStdString(line));
    return lines;
}

void Memo::AddLine(const std::string& line)
{
    appendPlainText(ToQString(line));
}

std::string Memo::Text() const
{
    return ToStdString(toPlainText());
}

void Memo::SetText(const std::string& text)
{
    setPlainText(ToQString(text));
}

} // namespace ui
