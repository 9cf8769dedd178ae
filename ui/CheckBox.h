#pragma once
// Check boxes and radio buttons. The click event fires on every change of the state: a user's
// click and a state set by code alike (not when the state set is the one it holds).

#include "ui/Control.h"
#include "ui/Events.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QRadioButton>

#include <string>

namespace ui {

// What a check box and a radio button share: a caption, a state and the click event.
template <class QtButton>
class TwoStateButton : public QtButton {
public:
    explicit TwoStateButton(QWidget* parent) : QtButton(ClientOf(parent))
    {
        QObject::connect(this, &QAbstractButton::toggled, this, [this](bool on) {
            if (!settingState_ && ClickOnToggle(on))
                RunGuarded([this] { Fire(OnClick, static_cast<QObject*>(this)); });
        });
        ShowIfParentVisible(this);
    }

    bool Checked() const { return this->isChecked(); }

    std::string Caption() const { return ToStdString(this->text()); }
    void SetCaption(const std::string& caption) { this->setText(ToQString(caption)); }

    NotifyEvent OnClick;

protected:
    // Whether a change to on is a click.
    virtual bool ClickOnToggle(bool on) const = 0;

    // Sets the state as code does: the click event runs inside the call.
    void ChangeState(bool checked)
    {
        if (checked == this->isChecked())
            return;
        settingState_ = true;
        this->setChecked(checked);
        settingState_ = false;
        if (ClickOnToggle(checked))
            Fire(OnClick, static_cast<QObject*>(this));
    }

private:
    bool settingState_ = false;
};

class CheckBox : public TwoStateButton<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent = nullptr) : TwoStateButton(parent)
    {
        resize(DefaultCheckBoxWidth, DefaultCheckBoxHeight);
    }
    void SetChecked(bool checked) { ChangeState(checked); }

protected:
    bool ClickOnToggle(bool) const override { return true; }
};

// A radio button; checking one clears the others of its parent. Code may clear a checked one.
// The click event fires when the button becomes checked.
class RadioButton : public TwoStateButton<QRadioButton> {
public:
    explicit RadioButton(QWidget* parent = nullptr) : TwoStateButton(parent) {}
    void SetChecked(bool checked);

protected:
    bool ClickOnToggle(bool on) const override { return on; }
};

} // namespace ui
