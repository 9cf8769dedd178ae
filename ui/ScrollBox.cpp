#include "ui/ScrollBox.h"

#include "ui/Align.h"
#include "ui/Control.h"

#include <QChildEvent>
#include <QEvent>
#include <QScrollBar>
#include <QVariant>

#include <algorithm>

namespace ui {

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(ClientOf(parent))
{
    setWidgetResizable(false);
    setWidget(new QWidget);
    Watch(widget());
    ShowIfParentVisible(this);
}

void ScrollBox::SetAutoScroll(bool autoScroll)
{
    autoScroll_ = autoScroll;
    const auto policy = autoScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

void ScrollBox::ScrollToTop()
{
    verticalScrollBar()->setValue(0);
}

void ScrollBox::UpdateRange()
{
    QWidget* content = widget();
    if (content == nullptr || updating_)
        return;
    updating_ = true;
    QSize size = viewport()->size();
    for (QObject* object : content->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow() || AlignOf(child) != alNone ||
            !child->isVisibleTo(content))
            continue;
        size = size.expandedTo(QSize(child->x() + child->width(), child->y() + child->height()));
    }
    if (content->size() != size)
        content->resize(size);
    Realign(content);
    updating_ = false;
}

void ScrollBox::Loaded()
{
    setWidgetResizable(false);
    Watch(widget());
    const QVariant autoScroll = property("AutoScroll");
    if (autoScroll.isValid())
        SetAutoScroll(autoScroll.toBool());
    UpdateRange();
}

void ScrollBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    UpdateRange();
}

void ScrollBox::Watch(QWidget* content)
{
    if (content == nullptr)
        return;
    content->installEventFilter(this);
    for (QObject* child : content->children())
        child->installEventFilter(this);
}

bool ScrollBox::eventFilter(QObject* object, QEvent* event)
{
    QWidget* content = widget();
    if (content == nullptr)
        return QScrollArea::eventFilter(object, event);
    if (object == content) {
        if (event->type() == QEvent::ChildAdded) {
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
            UpdateRange();
        } else if (event->type() == QEvent::ChildRemoved) {
            UpdateRange();
        }
    } else if (object->parent() == content) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            UpdateRange();
            break;
        default:
            break;
        }
    }
    // The scroll area watches its content too (its scroll bars follow the content's size).
    return QScrollArea::eventFilter(object, event);
}

} // namespace ui
