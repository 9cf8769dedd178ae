#include "ui/Shape.h"

#include "ui/Control.h"

#include <QPainter>

#include <algorithm>

namespace ui {

Shape::Shape(QWidget* parent) : QWidget(ClientOf(parent))
{
    resize(65, 65);
    ShowIfParentVisible(this);
}

void Shape::SetType(ShapeType type)
{
    type_ = type;
    update();
}

// An unchanged colour needs no repaint: the front panel sets every LED's colours on each blink
// tick.
void Shape::SetBrushColor(Color color)
{
    if (color == brush_)
        return;
    brush_ = color;
    update();
}

void Shape::SetPenColor(Color color)
{
    if (color == pen_)
        return;
    pen_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(ToQColor(pen_));
    painter.setBrush(ToQColor(brush_));
    QRect area = rect().adjusted(0, 0, -1, -1);
    if (type_ == stSquare || type_ == stRoundSquare || type_ == stCircle) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2,
                     side, side);
    }
    switch (type_) {
    case stRectangle:
    case stSquare: painter.drawRect(area); break;
    case stRoundRect:
    case stRoundSquare: painter.drawRoundedRect(area, 25, 25, Qt::RelativeSize); break;
    case stEllipse:
    case stCircle: painter.drawEllipse(area); break;
    }
}

} // namespace ui
