#include "ui/Button.h"

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QBitmap>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QVariant>

namespace ui {

Button::Button(QWidget* parent) : QPushButton(ClientOf(parent))
{
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] { RunGuarded([this] { Clicked(); }); });
    resize(DefaultButtonWidth, DefaultButtonHeight);
    ShowIfParentVisible(this);
}

std::string Button::Caption() const
{
    return ToStdString(text());
}

void Button::SetCaption(const std::string& caption)
{
    setText(ToQString(caption));
}

void Button::Click()
{
    Clicked();
}

void Button::Clicked()
{
    if (modalResult_ != 0) {
        if (auto* form = dynamic_cast<Form*>(FormOf(this)))
            form->SetModalResult(modalResult_);
    }
    Fire(OnClick, static_cast<QObject*>(this));
}

void Button::keyPressEvent(QKeyEvent* event)
{
    if (OnKeyDown) {
        const Qt::KeyboardModifiers held = event->modifiers();
        const int shift = (held.testFlag(Qt::ShiftModifier) ? ssShift : 0) | (held.testFlag(Qt::AltModifier) ? ssAlt : 0)
            | (held.testFlag(Qt::ControlModifier) ? ssCtrl : 0);
        int key = event->key();
        RunGuarded([&] { Fire(OnKeyDown, static_cast<QObject*>(this), key, shift); });
        if (key == 0) {
            event->accept();
            return;
        }
    }
    QPushButton::keyPressEvent(event);
}

bool Button::OnlyCloses() const
{
    QString caption = text();
    caption.remove(QLatin1Char('&'));
    return modalResult_ == mrCancel || caption == QLatin1String("Close") || caption == QLatin1String("Cancel");
}

void Button::DropPress()
{
    dropPress_ = true;
    QTimer::singleShot(0, this, [this] { dropPress_ = false; });
}

void Button::mousePressEvent(QMouseEvent* event)
{
    if (dropPress_) {
        dropPress_ = false;
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void Button::Loaded()
{
    const QVariant result = property("ModalResult");
    if (result.isValid())
        SetModalResult(result.toInt());
}

BitmapButton::BitmapButton(QWidget* parent) : Button(parent)
{
}

bool BitmapButton::LoadGlyph(const std::string& path)
{
    QImage image;
    if (!image.load(ToQString(path)) || image.isNull())
        return false;
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(image.pixelColor(0, image.height() - 1)));
    setIcon(QIcon(pixmap));
    setIconSize(pixmap.size());
    return true;
}

void BitmapButton::Loaded()
{
    Button::Loaded();
    const QVariant glyph = property("Glyph");
    if (glyph.isValid())
        LoadGlyph(ToStdString(glyph.toString()));
}

} // namespace ui
