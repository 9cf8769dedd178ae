#pragma once
// A status bar at the bottom of its parent: panels of fixed widths (the last one takes the rest
// of the bar) or one simple text across the whole bar. A simple-panel bar, or one without
// panels, shows its simple text.

#include "ui/Loadable.h"

#include <QFrame>
#include <QObject>

#include <string>
#include <vector>

class QLabel;

namespace ui {

class StatusBar;

class StatusPanel : public QObject {
    Q_OBJECT
public:
    std::string Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    int Index() const;
    StatusBar* Owner() const { return owner_; }

private:
    friend class StatusBar;
    StatusPanel(StatusBar* owner, int width);

    StatusBar* owner_;
    QLabel* label_;
    std::string text_;
    int width_;
};

class StatusBar : public QFrame, public Loadable {
    Q_OBJECT
public:
    // Aligned to the bottom of parent, 20 pixels high.
    explicit StatusBar(QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    StatusPanel* Panel(int index) const;
    StatusPanel* AddPanel(int width);
    void ClearPanels();

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    std::string SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);

    // Reads the dynamic properties Panels (the widths, comma-separated) and SimplePanel.
    void Loaded() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class StatusPanel;
    void Arrange();

    std::vector<StatusPanel*> panels_;
    QLabel* simpleLabel_;
    std::string simpleText_;
    bool simplePanel_ = false;
};

} // namespace ui
