#pragma once
// A picture on a form (a JPEG, PNG or BMP through Qt's image readers), drawn at its own size
// from the top-left corner, or stretched over the control.

#include "ui/Loadable.h"

#include <QImage>
#include <QWidget>

#include <string>

namespace ui {

class Image : public QWidget, public Loadable {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    // False when the file (or Qt resource) cannot be read; the picture stays as it was.
    bool LoadFromFile(const std::string& path);
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    // Reads the dynamic properties Picture (a path) and Stretch.
    void Loaded() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
};

} // namespace ui
