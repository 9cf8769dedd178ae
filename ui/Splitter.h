#pragma once
// A splitter: an aligned bar that the user drags to resize the control aligned to the same side
// just before it.

#include <QWidget>

namespace ui {

class Splitter : public QWidget {
    Q_OBJECT
public:
    explicit Splitter(QWidget* parent = nullptr);

    // The smallest size the resized control may get.
    int MinSize() const { return minSize_; }
    void SetMinSize(int minSize) { minSize_ = minSize; }

    // The control the splitter resizes: the nearest one aligned to the same side, placed
    // between the splitter and that side.
    QWidget* Neighbour() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int minSize_ = 30;
    bool dragging_ = false;
    QPoint pressed_;
    int startSize_ = 0;
};

} // namespace ui
