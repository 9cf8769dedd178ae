#include "ui/Image.h"

#include "ui/Control.h"
#include "ui/Text.h"

#include <QPainter>
#include <QVariant>

namespace ui {

Image::Image(QWidget* parent) : QWidget(ClientOf(parent))
{
    ShowIfParentVisible(this);
}

bool Image::LoadFromFile(const std::string& path)
{
    QImage picture;
    if (!picture.load(ToQString(path)))
        return false;
    SetPicture(picture);
    return true;
}

void Image::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void Image::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void Image::Loaded()
{
    const QVariant picture = property("Picture");
    if (picture.isValid())
        LoadFromFile(ToStdString(picture.toString()));
    const QVariant stretch = property("Stretch");
    if (stretch.isValid())
        SetStretch(stretch.toBool());
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace ui
