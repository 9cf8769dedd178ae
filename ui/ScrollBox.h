#pragma once
// A scroll box: its children lie on a content area as large as the box's visible part or as
// their extent, whichever is larger; with automatic scrolling the box scrolls over it.
// Controls made with the box as parent (or moved into it with ui::SetParent) land on the
// content area.

#include "ui/Loadable.h"

#include <QScrollArea>

namespace ui {

class ScrollBox : public QScrollArea, public Loadable {
    Q_OBJECT
public:
    explicit ScrollBox(QWidget* parent = nullptr);

    // The widget that holds the box's children.
    QWidget* Content() const { return widget(); }

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool autoScroll);

    void ScrollToTop();

    // Fits the content area to the children again (done by itself when they move or change).
    void UpdateRange();

    // Takes over the content area a form layout made; reads the dynamic property AutoScroll.
    void Loaded() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void Watch(QWidget* content);

    bool autoScroll_ = true;
    bool updating_ = false;
};

} // namespace ui
