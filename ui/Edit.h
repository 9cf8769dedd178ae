#pragma once
// A one-line edit. Its change event fires on every change of the text, a user's typing and a
// text set by code alike (not when the text set is the one it holds); its exit event when the
// focus moves from it to another control of the window, except to a button that only closes the
// window (Button::OnlyCloses). An exit handler that refuses the text (RefuseExit) stops the click
// of the button whose press took the focus. Its click event fires when a left-button press is
// released over the edit.

#include "ui/Events.h"
#include "ui/Loadable.h"

#include <QLineEdit>

#include <string>

namespace ui {

class Edit : public QLineEdit, public Loadable {
    Q_OBJECT
public:
    explicit Edit(QWidget* parent = nullptr);

    std::string Text() const;
    void SetText(const std::string& text);

    // The most characters a user can type; 0: no limit. Text set by code is not cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

    // Moves the focus to the edit (its window becomes the active one).
    void SetFocus();

    // Said by an exit handler that refuses the text: the button pressed to leave the edit does
    // not click, so its action never runs on a text the user did not enter.
    void RefuseExit() { exitRefused_ = true; }

    NotifyEvent OnChange;
    NotifyEvent OnClick;
    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    KeyPressEvent OnKeyPress;

    // Reads the dynamic property MaxLength of the form layout.
    void Loaded() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void TextChangedByQt();

    int maxLength_ = 0;
    bool settingText_ = false;
    bool entered_ = false;
    bool exitRefused_ = false;
};

} // namespace ui
