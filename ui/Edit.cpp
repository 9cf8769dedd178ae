#include "ui/Edit.h"

#include "ui/Button.h"
#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QValidator>
#include <QVariant>

namespace ui {

namespace {

// Limits what a user types or pastes; code that sets the text is not limited.
class LengthValidator : public QValidator {
public:
    LengthValidator(QObject* parent, const int& maxLength) : QValidator(parent), max_(maxLength) {}
    State validate(QString& input, int&) const override
    {
        return max_ > 0 && input.size() > max_ ? Invalid : Acceptable;
    }

private:
    const int& max_;
};

} // namespace

Edit::Edit(QWidget* parent) : QLineEdit(ClientOf(parent))
{
    setValidator(new LengthValidator(this, maxLength_));
    connect(this, &QLineEdit::textChanged, this, [this] { TextChangedByQt(); });
    resize(DefaultEditWidth, DefaultEditHeight);
    ShowIfParentVisible(this);
}

std::string Edit::Text() const
{
    return ToStdString(text());
}

void Edit::SetText(const std::string& value)
{
    const QString text = ToQString(value);
    if (text == this->text())
        return;
    settingText_ = true;
    setText(text);
    settingText_ = false;
    Fire(OnChange, static_cast<QObject*>(this));
}

void Edit::SetMaxLength(int maxLength)
{
    maxLength_ = maxLength < 0 ? 0 : maxLength;
}

void Edit::SetFocus()
{
    if (!window()->isActiveWindow())
        window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void Edit::Loaded()
{
    const QVariant maxLength = property("MaxLength");
    if (maxLength.isValid())
        SetMaxLength(maxLength.toInt());
}

void Edit::TextChangedByQt()
{
    if (settingText_)
        return;
    RunGuarded([this] { Fire(OnChange, static_cast<QObject*>(this)); });
}

void Edit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    int code = -1;
    if (event->key() == Qt::Key_Backspace)
        code = 8;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        code = 13;
    else if (typed.size() == 1 && typed[0].unicode() >= 0x20 && typed[0].unicode() <= 0xFF &&
             typed[0].unicode() != 0x7F)
        code = typed[0].unicode();
    if (code < 0 || !OnKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    char key = static_cast<char>(code);
    if (!RunGuarded([&] { Fire(OnKeyPress, static_cast<QObject*>(this), key); }))
        return;
    if (key == 0) {
        event->accept();
        return;
    }
    if (static_cast<unsigned char>(key) == code) {
        QLineEdit::keyPressEvent(event);
    } else if (static_cast<unsigned char>(key) >= 0x20) {
        // The handler replaced the character.
        insert(QString(QChar(static_cast<unsigned char>(key))));
        event->accept();
    }
}

void Edit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    entered_ = true;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    RunGuarded([this] { Fire(OnEnter, static_cast<QObject*>(this)); });
}

void Edit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a menu taking the focus is no exit: the edit keeps its window's focus.
    // Nor is losing a focus the edit never took (the focus passing on while a handler moves it
    // back).
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason ||
        !entered_)
        return;
    entered_ = false;
    exitRefused_ = false;
    // The focus has already moved: to the button a press is about to reach, when it is one.
    const QPointer<QWidget> taker = QApplication::focusWidget();
    if (auto* button = qobject_cast<Button*>(taker.data()); button && button->OnlyCloses())
        return;
    const QPointer<Edit> self = this;
    RunGuarded([this] { Fire(OnExit, static_cast<QObject*>(this)); });
    if (self && exitRefused_) {
        exitRefused_ = false;
        if (auto* button = qobject_cast<Button*>(taker.data()))
            button->DropPress();
    }
}

void Edit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        RunGuarded([this] { Fire(OnClick, static_cast<QObject*>(this)); });
}

} // namespace ui
