#include "ui/RadioGroup.h"

#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QRadioButton>
#include <QVariant>

#include <algorithm>

namespace ui {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(ClientOf(parent))
{
    ShowIfParentVisible(this);
}

std::string RadioGroup::Caption() const
{
    return ToStdString(title());
}

void RadioGroup::SetCaption(const std::string& caption)
{
    setTitle(ToQString(caption));
}

std::string RadioGroup::ItemText(int index) const
{
    if (index < 0 || index >= ItemCount())
        return {};
    return ToStdString(buttons_[static_cast<std::size_t>(index)]->text());
}

void RadioGroup::AddItem(const std::string& text)
{
    auto* button = new QRadioButton(ToQString(text), this);
    connect(button, &QAbstractButton::toggled, this,
            [this, button](bool on) { ButtonToggled(button, on); });
    buttons_.push_back(button);
    ArrangeButtons();
    if (isVisible())
        button->show();
}

void RadioGroup::ClearItems()
{
    for (QRadioButton* button : buttons_)
        delete button;
    buttons_.clear();
    index_ = -1;
}

void RadioGroup::SetItems(const std::vector<std::string>& items)
{
    ClearItems();
    for (const std::string& item : items)
        AddItem(item);
}

void RadioGroup::SetItemIndex(int index)
{
    SelectIndex(index, true);
}

void RadioGroup::SelectIndex(int index, bool click)
{
    if (index < -1)
        index = -1;
    if (index >= ItemCount())
        index = ItemCount() - 1;
    if (index == index_)
        return;
    settingIndex_ = true;
    if (index_ >= 0) {
        QRadioButton* old = buttons_[static_cast<std::size_t>(index_)];
        old->setAutoExclusive(false);
        old->setChecked(false);
        old->setAutoExclusive(true);
    }
    index_ = index;
    if (index_ >= 0)
        buttons_[static_cast<std::size_t>(index_)]->setChecked(true);
    settingIndex_ = false;
    if (click && index_ >= 0)
        Fire(OnClick, static_cast<QObject*>(this));
}

void RadioGroup::SetColumns(int columns)
{
    columns_ = std::max(1, columns);
    ArrangeButtons();
}

void RadioGroup::ButtonToggled(QRadioButton* button, bool on)
{
    if (settingIndex_ || !on)
        return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), button);
    index_ = static_cast<int>(it - buttons_.begin());
    RunGuarded([this] { Fire(OnClick, static_cast<QObject*>(this)); });
}

void RadioGroup::Loaded()
{
    const QVariant items = property("Items");
    if (items.isValid()) {
        std::vector<std::string> texts;
        for (const QString& text : items.toStringList())
            texts.push_back(ToStdString(text));
        SetItems(texts);
    }
    const QVariant columns = property("Columns");
    if (columns.isValid())
        SetColumns(columns.toInt());
    const QVariant index = property("ItemIndex");
    if (index.isValid())
        SelectIndex(index.toInt(), false); // the layout's choice is no click
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void RadioGroup::ArrangeButtons()
{
    if (buttons_.empty())
        return;
    const QRect area = contentsRect().adjusted(8, fontMetrics().height(), -4, -4);
    const int count = ItemCount();
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = area.width() / columns_;
    const int rowHeight = std::max(1, area.height() / std::max(1, rows));
    for (int i = 0; i < count; ++i) {
        QRadioButton* button = buttons_[static_cast<std::size_t>(i)];
        const int column = i / rows;
        const int row = i % rows;
        const int height = button->sizeHint().height();
        button->setGeometry(area.x() + column * columnWidth,
                            area.y() + row * rowHeight + (rowHeight - height) / 2, columnWidth,
                            height);
    }
}

} // namespace ui
