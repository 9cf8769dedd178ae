#include "ui/Splitter.h"

#include "ui/Align.h"
#include "ui/Control.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace ui {

Splitter::Splitter(QWidget* parent) : QWidget(ClientOf(parent))
{
    resize(3, 3);
    ShowIfParentVisible(this);
}

bool Splitter::event(QEvent* event)
{
    if (event->type() == QEvent::DynamicPropertyChange || event->type() == QEvent::Resize ||
        event->type() == QEvent::Show) {
        const Align align = AlignOf(this);
        setCursor(align == alLeft || align == alRight ? Qt::SplitHCursor : Qt::SplitVCursor);
    }
    return QWidget::event(event);
}

QWidget* Splitter::Neighbour() const
{
    QWidget* parent = parentWidget();
    const Align align = AlignOf(this);
    if (parent == nullptr || align == alNone || align == alClient)
        return nullptr;
    QWidget* best = nullptr;
    for (QObject* object : parent->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (w == nullptr || w == this || w->isWindow() || AlignOf(w) != align ||
            !w->isVisibleTo(parent))
            continue;
        bool touches = false;
        switch (align) {
        case alTop: touches = w->geometry().bottom() + 1 == y(); break;
        case alBottom: touches = w->y() == geometry().bottom() + 1; break;
        case alLeft: touches = w->geometry().right() + 1 == x(); break;
        case alRight: touches = w->x() == geometry().right() + 1; break;
        default: break;
        }
        if (touches)
            best = w;
    }
    return best;
}

void Splitter::mousePressEvent(QMouseEvent* event)
{
    QWidget* neighbour = Neighbour();
    if (event->button() != Qt::LeftButton || neighbour == nullptr)
        return;
    dragging_ = true;
    pressed_ = event->globalPosition().toPoint();
    const Align align = AlignOf(this);
    startSize_ = align == alLeft || align == alRight ? neighbour->width() : neighbour->height();
}

void Splitter::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* neighbour = Neighbour();
    if (!dragging_ || neighbour == nullptr)
        return;
    const QPoint delta = event->globalPosition().toPoint() - pressed_;
    int size = startSize_;
    switch (AlignOf(this)) {
    case alTop: size += delta.y(); break;
    case alBottom: size -= delta.y(); break;
    case alLeft: size += delta.x(); break;
    case alRight: size -= delta.x(); break;
    default: break;
    }
    size = std::max(size, minSize_);
    if (AlignOf(this) == alLeft || AlignOf(this) == alRight)
        neighbour->resize(size, neighbour->height());
    else
        neighbour->resize(neighbour->width(), size);
    Realign(parentWidget());
}

void Splitter::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
}

void Splitter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
}

} // namespace ui
