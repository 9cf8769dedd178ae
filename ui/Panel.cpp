#include "ui/Panel.h"

#include "ui/Control.h"
#include "ui/Text.h"

#include <QPainter>
#include <QVariant>

namespace ui {

Panel::Panel(QWidget* parent) : QFrame(ClientOf(parent))
{
    SetBevelOuter(bvRaised);
    ShowIfParentVisible(this);
}

void Panel::SetCaption(const std::string& caption)
{
    caption_ = caption;
    update();
}

void Panel::SetBevelOuter(Bevel bevel)
{
    bevel_ = bevel;
    switch (bevel) {
    case bvNone: setFrameStyle(QFrame::NoFrame); break;
    case bvLowered: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case bvRaised: setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    }
}

void Panel::Loaded()
{
    const QVariant caption = property("Caption");
    if (caption.isValid())
        SetCaption(ToStdString(caption.toString()));
    const QString bevel = property("BevelOuter").toString();
    if (bevel == QLatin1String("bvNone"))
        SetBevelOuter(bvNone);
    else if (bevel == QLatin1String("bvLowered"))
        SetBevelOuter(bvLowered);
    else if (bevel == QLatin1String("bvRaised"))
        SetBevelOuter(bvRaised);
}

void Panel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.empty())
        return;
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter, ToQString(caption_));
}

GroupBox::GroupBox(QWidget* parent) : QGroupBox(ClientOf(parent))
{
    ShowIfParentVisible(this);
}

std::string GroupBox::Caption() const
{
    return ToStdString(title());
}

void GroupBox::SetCaption(const std::string& caption)
{
    setTitle(ToQString(caption));
}

} // namespace ui
