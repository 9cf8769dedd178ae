#include "ui/Label.h"

#include "ui/Control.h"
#include "ui/Text.h"

#include <QVariant>

namespace ui {

Label::Label(QWidget* parent) : QLabel(ClientOf(parent))
{
    ShowIfParentVisible(this);
}

std::string Label::Caption() const
{
    return ToStdString(text());
}

void Label::SetCaption(const std::string& caption)
{
    setText(ToQString(caption));
    if (autoSize_)
        adjustSize();
}

void Label::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        adjustSize();
}

void Label::SetAlignment(TextAlign align)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (align == taRightJustify)
        horizontal = Qt::AlignRight;
    else if (align == taCenter)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | (alignment() & Qt::AlignVertical_Mask));
}

void Label::Loaded()
{
    const QVariant autoSize = property("AutoSize");
    SetAutoSize(!autoSize.isValid() || autoSize.toBool());
}

StaticText::StaticText(QWidget* parent) : Label(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

} // namespace ui
