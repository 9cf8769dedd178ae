#include "ui/Align.h"

#include <QChildEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <array>

namespace ui {

namespace {

const char* const AlignProperty = "_ui_align";
const char* const AligningProperty = "_ui_aligning";

// Watches parents (resize, a child gone) and aligned children (shown, hidden, resized, moved
// to another parent) and places the children again.
class Aligner : public QObject {
public:
    static Aligner& Instance()
    {
        static Aligner* aligner = new Aligner; // lives as long as the program
        return *aligner;
    }

    void Watch(QWidget* w) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(object);
        if (w == nullptr)
            return false;
        switch (event->type()) {
        case QEvent::Resize:
            Realign(w);
            if (AlignOf(w) != alNone && w->parentWidget() != nullptr)
                Realign(w->parentWidget());
            break;
        case QEvent::ChildRemoved:
            Realign(w);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (AlignOf(w) != alNone && w->parentWidget() != nullptr)
                Realign(w->parentWidget());
            break;
        case QEvent::ParentChange:
            if (AlignOf(w) != alNone && w->parentWidget() != nullptr) {
                Watch(w->parentWidget());
                Realign(w->parentWidget());
            }
            break;
        default:
            break;
        }
        return false;
    }
};

QRect ClientArea(QWidget* parent)
{
    QRect area = parent->contentsRect();
    if (auto* group = qobject_cast<QGroupBox*>(parent))
        area.setTop(area.top() + group->fontMetrics().height());
    return area;
}

} // namespace

void SetAlign(QWidget* control, Align align)
{
    control->setProperty(AlignProperty, static_cast<int>(align));
    Aligner::Instance().Watch(control);
    if (QWidget* parent = control->parentWidget()) {
        Aligner::Instance().Watch(parent);
        Realign(parent);
    }
}

Align AlignOf(const QWidget* control)
{
    const QVariant value = control->property(AlignProperty);
    return value.isValid() ? static_cast<Align>(value.toInt()) : alNone;
}

void Realign(QWidget* parent)
{
    if (parent == nullptr || parent->property(AligningProperty).toBool())
        return;
    parent->setProperty(AligningProperty, true);
    QRect area = ClientArea(parent);
    int left = area.x(), top = area.y();
    int right = area.x() + area.width(), bottom = area.y() + area.height();
    const std::array<Align, 5> order{alTop, alBottom, alLeft, alRight, alClient};
    for (const Align pass : order) {
        for (QObject* object : parent->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child == nullptr || child->isWindow() || AlignOf(child) != pass ||
                !child->isVisibleTo(parent))
                continue;
            const int width = std::max(0, right - left);
            const int height = std::max(0, bottom - top);
            const QSize before = child->size();
            switch (pass) {
            case alTop:
                child->setGeometry(left, top, width, child->height());
                top += child->height();
                break;
            case alBottom:
                child->setGeometry(left, bottom - child->height(), width, child->height());
                bottom -= child->height();
                break;
            case alLeft:
                child->setGeometry(left, top, child->width(), height);
                left += child->width();
                break;
            case alRight:
                child->setGeometry(right - child->width(), top, child->width(), height);
                right -= child->width();
                break;
            case alClient:
                child->setGeometry(left, top, width, height);
                break;
            case alNone:
                break;
            }
            // A hidden child gets no resize event: place its own children here.
            if (child->size() != before)
                Realign(child);
        }
    }
    parent->setProperty(AligningProperty, false);
}

Align AlignFromName(const QString& name)
{
    if (name == QLatin1String("alTop")) return alTop;
    if (name == QLatin1String("alBottom")) return alBottom;
    if (name == QLatin1String("alLeft")) return alLeft;
    if (name == QLatin1String("alRight")) return alRight;
    if (name == QLatin1String("alClient")) return alClient;
    return alNone;
}

} // namespace ui
