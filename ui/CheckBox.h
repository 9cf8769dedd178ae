#pragma once
// Check boxes and radio buttons. The click event fires on every change of the state: a user's
// click and a state set by code alike (not when the state set is the one it holds).

#include "ui/Events.h"

#include <QCheckBox>
#include <QRadioButton>

#include <string>

namespace ui {

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);

    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    NotifyEvent OnClick;

private:
    bool settingState_ = false;
};

// A radio button; checking one clears the others of its parent. Code may clear a checked one.
class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit RadioButton(QWidget* parent = nullptr);

    bool Checked() const { return isChecked(); }
    // The click event fires when the button becomes checked.
    void SetChecked(bool checked);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    NotifyEvent OnClick;

private:
    bool settingState_ = false;
};

} // namespace ui
