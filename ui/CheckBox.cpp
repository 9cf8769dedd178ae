#include "ui/CheckBox.h"

#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Text.h"

namespace ui {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(ClientOf(parent))
{
    connect(this, &QAbstractButton::toggled, this, [this] {
        if (!settingState_)
            RunGuarded([this] { Fire(OnClick, static_cast<QObject*>(this)); });
    });
    ShowIfParentVisible(this);
}

void CheckBox::SetChecked(bool checked)
{
    if (checked == isChecked())
        return;
    settingState_ = true;
    setChecked(checked);
    settingState_ = false;
    Fire(OnClick, static_cast<QObject*>(this));
}

std::string CheckBox::Caption() const
{
    return ToStdString(text());
}

void CheckBox::SetCaption(const std::string& caption)
{
    setText(ToQString(caption));
}

RadioButton::RadioButton(QWidget* parent) : QRadioButton(ClientOf(parent))
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!settingState_ && on)
            RunGuarded([this] { Fire(OnClick, static_cast<QObject*>(this)); });
    });
    ShowIfParentVisible(this);
}

void RadioButton::SetChecked(bool checked)
{
    if (checked == isChecked())
        return;
    settingState_ = true;
    // An exclusive radio button cannot be cleared by Qt; the class library lets code do it.
    const bool exclusive = autoExclusive();
    if (!checked)
        setAutoExclusive(false);
    setChecked(checked);
    setAutoExclusive(exclusive);
    settingState_ = false;
    if (checked)
        Fire(OnClick, static_cast<QObject*>(this));
}

std::string RadioButton::Caption() const
{
    return ToStdString(text());
}

void RadioButton::SetCaption(const std::string& caption)
{
    setText(ToQString(caption));
}

} // namespace ui
