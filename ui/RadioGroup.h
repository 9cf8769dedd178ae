#pragma once
// A group box of radio buttons, one per item, in columns. The click event fires when the
// selected item changes, by a user's click or by code.

#include "ui/Events.h"
#include "ui/Loadable.h"

#include <QGroupBox>

#include <string>
#include <vector>

class QRadioButton;

namespace ui {

class RadioGroup : public QGroupBox, public Loadable {
    Q_OBJECT
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    std::string ItemText(int index) const;
    void AddItem(const std::string& text);
    void ClearItems();
    void SetItems(const std::vector<std::string>& items);

    // -1: none selected.
    int ItemIndex() const { return index_; }
    void SetItemIndex(int index);

    int Columns() const { return columns_; }
    void SetColumns(int columns);

    NotifyEvent OnClick;

    // Reads the dynamic properties Items (a string list), Columns and ItemIndex.
    void Loaded() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrangeButtons();
    void SelectIndex(int index, bool click);
    void ButtonToggled(QRadioButton* button, bool on);

    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
    int columns_ = 1;
    bool settingIndex_ = false;
};

} // namespace ui
