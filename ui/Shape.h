#pragma once
// A shape: a rectangle, square, rounded rectangle, ellipse or circle painted with a brush
// colour and outlined with a pen colour (the front panel's LEDs).

#include "ui/Color.h"

#include <QWidget>

namespace ui {

enum ShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);

    ShapeType Type() const { return type_; }
    void SetType(ShapeType type);
    Color BrushColor() const { return brush_; }
    void SetBrushColor(Color color);
    Color PenColor() const { return pen_; }
    void SetPenColor(Color color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeType type_ = stRectangle;
    Color brush_ = clWhite;
    Color pen_ = clBlack;
};

} // namespace ui
