#include "ui/StatusBar.h"

#include "ui/Align.h"
#include "ui/Control.h"
#include "ui/Text.h"

#include <QLabel>
#include <QVariant>

namespace ui {

namespace {

QLabel* MakePanelLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(2);
    return label;
}

} // namespace

StatusPanel::StatusPanel(StatusBar* owner, int width)
    : QObject(owner), owner_(owner), label_(MakePanelLabel(owner)), width_(width)
{
}

void StatusPanel::SetText(const std::string& text)
{
    text_ = text;
    label_->setText(ToQString(text));
}

void StatusPanel::SetWidth(int width)
{
    width_ = width;
    owner_->Arrange();
}

int StatusPanel::Index() const
{
    for (int i = 0; i < owner_->PanelCount(); ++i) {
        if (owner_->Panel(i) == this)
            return i;
    }
    return -1;
}

StatusBar::StatusBar(QWidget* parent) : QFrame(ClientOf(parent)), simpleLabel_(MakePanelLabel(this))
{
    resize(width(), 20);
    SetAlign(this, alBottom);
    Arrange();
    ShowIfParentVisible(this);
}

StatusPanel* StatusBar::Panel(int index) const
{
    if (index < 0 || index >= PanelCount())
        return nullptr;
    return panels_[static_cast<std::size_t>(index)];
}

StatusPanel* StatusBar::AddPanel(int width)
{
    auto* panel = new StatusPanel(this, width);
    panels_.push_back(panel);
    Arrange();
    return panel;
}

void StatusBar::ClearPanels()
{
    for (StatusPanel* panel : panels_) {
        delete panel->label_;
        delete panel;
    }
    panels_.clear();
    Arrange();
}

void StatusBar::SetSimplePanel(bool simple)
{
    simplePanel_ = simple;
    Arrange();
}

void StatusBar::SetSimpleText(const std::string& text)
{
    simpleText_ = text;
    simpleLabel_->setText(ToQString(text));
}

void StatusBar::Loaded()
{
    const QVariant widths = property("Panels");
    if (widths.isValid()) {
        ClearPanels();
        for (const QString& width : widths.toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
            AddPanel(width.trimmed().toInt());
    }
    const QVariant simple = property("SimplePanel");
    if (simple.isValid())
        SetSimplePanel(simple.toBool());
}

void StatusBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Arrange();
}

void StatusBar::Arrange()
{
    const bool simple = simplePanel_ || panels_.empty();
    simpleLabel_->setVisible(simple);
    simpleLabel_->setGeometry(rect());
    int left = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        QLabel* label = panels_[i]->label_;
        label->setVisible(!simple);
        const int width = i + 1 == panels_.size() ? std::max(panels_[i]->width_, this->width() - left)
                                                  : panels_[i]->width_;
        label->setGeometry(left, 0, width, height());
        left += width;
    }
}

} // namespace ui
