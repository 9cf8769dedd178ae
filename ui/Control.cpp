#include "ui/Control.h"

#include "ui/Align.h"
#include "ui/Text.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QPolygon>
#include <QRegion>
#include <QScrollArea>
#include <QVariant>
#include <QWidget>

namespace ui {

namespace {

const char* const TagProperty = "Tag";
const char* const ColorProperty = "_ui_color";
const char* const FontColorProperty = "_ui_fontcolor";
const char* const HintProperty = "_ui_hint";
const char* const ShowHintProperty = "_ui_showhint";
const char* const FixedSizeProperty = "_ui_fixedsize";

bool IsEditor(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w);
}

void ApplyHint(QWidget* w)
{
    w->setToolTip(ShowHint(w) ? ToQString(Hint(w)) : QString());
}

} // namespace

int Tag(const QObject* control)
{
    return control->property(TagProperty).toInt();
}

void SetTag(QObject* control, int tag)
{
    control->setProperty(TagProperty, tag);
}

Color ColorOf(const QWidget* control)
{
    const QVariant value = control->property(ColorProperty);
    if (value.isValid())
        return value.value<Color>();
    return IsEditor(control) ? clWindow : clBtnFace;
}

void SetColor(QWidget* control, Color color)
{
    control->setProperty(ColorProperty, QVariant::fromValue(color));
    QPalette palette = control->palette();
    const QColor value = ToQColor(color);
    if (IsEditor(control)) {
        palette.setColor(QPalette::Base, value);
        if (qobject_cast<QComboBox*>(control))
            palette.setColor(QPalette::Button, value);
    } else {
        palette.setColor(QPalette::Window, value);
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

Color FontColorOf(const QWidget* control)
{
    const QVariant value = control->property(FontColorProperty);
    return value.isValid() ? value.value<Color>() : clWindowText;
}

void SetFontColor(QWidget* control, Color color)
{
    control->setProperty(FontColorProperty, QVariant::fromValue(color));
    QPalette palette = control->palette();
    const QColor value = ToQColor(color);
    // Disabled text keeps the palette's grey, as a disabled control shows it.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, value);
        palette.setColor(group, QPalette::WindowText, value);
        palette.setColor(group, QPalette::ButtonText, value);
    }
    control->setPalette(palette);
}

std::string Hint(const QWidget* control)
{
    return ToStdString(control->property(HintProperty).toString());
}

void SetHint(QWidget* control, const std::string& hint)
{
    control->setProperty(HintProperty, ToQString(hint));
    ApplyHint(control);
}

bool ShowHint(const QWidget* control)
{
    const QVariant value = control->property(ShowHintProperty);
    return !value.isValid() || value.toBool();
}

void SetShowHint(QWidget* control, bool show)
{
    control->setProperty(ShowHintProperty, show);
    ApplyHint(control);
}

void SetBounds(QWidget* control, int left, int top, int width, int height)
{
    if (control->isWindow()) {
        const QSize frame = control->frameGeometry().size() - control->geometry().size();
        control->move(left, top);
        Resize(control, width - frame.width(), height - frame.height());
    } else {
        if (FixedSize(control))
            control->setFixedSize(std::max(0, width), std::max(0, height));
        control->setGeometry(left, top, std::max(0, width), std::max(0, height));
    }
    Realign(control);
    if (AlignOf(control) != alNone)
        Realign(control->parentWidget());
}

void SetLeft(QWidget* control, int left)
{
    SetBounds(control, left, control->y(), control->frameGeometry().width(),
              control->frameGeometry().height());
}

void SetTop(QWidget* control, int top)
{
    SetBounds(control, control->x(), top, control->frameGeometry().width(),
              control->frameGeometry().height());
}

void SetWidth(QWidget* control, int width)
{
    SetBounds(control, control->x(), control->y(), width, control->frameGeometry().height());
}

void SetHeight(QWidget* control, int height)
{
    SetBounds(control, control->x(), control->y(), control->frameGeometry().width(), height);
}

void Resize(QWidget* control, int width, int height)
{
    const QSize size(std::max(0, width), std::max(0, height));
    if (FixedSize(control))
        control->setFixedSize(size);
    else
        control->resize(size);
}

bool FixedSize(const QWidget* control)
{
    return control->property(FixedSizeProperty).toBool();
}

void SetFixedSize(QWidget* control, bool fixed)
{
    control->setProperty(FixedSizeProperty, fixed);
    if (fixed) {
        control->setFixedSize(control->size());
    } else {
        control->setMinimumSize(0, 0);
        control->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

bool Visible(const QWidget* control)
{
    if (control->isWindow() || control->parentWidget() == nullptr)
        return control->isVisible();
    return !control->isHidden();
}

QWidget* ClientOf(QWidget* container)
{
    if (container == nullptr)
        return nullptr;
    if (auto* scroll = qobject_cast<QScrollArea*>(container); scroll && scroll->widget())
        return scroll->widget();
    if (auto* main = qobject_cast<QMainWindow*>(container); main && main->centralWidget())
        return main->centralWidget();
    return container;
}

void SetParent(QWidget* control, QWidget* parent)
{
    const bool visible = Visible(control);
    QWidget* client = ClientOf(parent);
    if (client == nullptr) {
        Qt::WindowFlags flags = control->windowFlags() & ~Qt::WindowType_Mask;
        control->setParent(nullptr, flags | Qt::Dialog);
    } else {
        Qt::WindowFlags flags = control->windowFlags();
        if (control->isWindow())
            flags = (flags & ~Qt::WindowType_Mask) | Qt::Widget;
        control->setParent(client, flags);
    }
    if (visible && (client == nullptr || client->isVisible()))
        control->show();
    else if (!visible)
        control->hide();
    if (client != nullptr && AlignOf(control) != alNone)
        Realign(client);
}

void SetTabStop(QWidget* control, bool tabStop)
{
    control->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void SetWindowRegion(QWidget* control, const std::vector<QPoint>& polygon)
{
    QPolygon points;
    for (const QPoint& p : polygon)
        points << p;
    control->setMask(QRegion(points, Qt::OddEvenFill));
}

void ShowIfParentVisible(QWidget* control)
{
    if (control->parentWidget() != nullptr && control->parentWidget()->isVisible())
        control->show();
}

} // namespace ui
