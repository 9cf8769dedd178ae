#pragma once
// Push buttons. A click (by a user or by Click in code) sets the form's modal result when the
// button has one, then runs the click event. Enter in an edit does not press a button. A press
// whose focus change an edit refused (Edit::RefuseExit) does not click. A button that only closes
// its window (Close, Cancel) takes the focus from an edit without the edit's exit check, so a
// refused text never holds its window open.

#include "ui/Events.h"
#include "ui/Loadable.h"

#include <QPushButton>

#include <string>

namespace ui {

class Button : public QPushButton, public Loadable {
    Q_OBJECT
public:
    explicit Button(QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // As if the user had clicked; an exception of the handler reaches the caller.
    void Click();

    NotifyEvent OnClick;
    // A key pressed while the button has the focus, before the button handles it.
    KeyDownEvent OnKeyDown;

    // The mouse press that is giving the button the focus is not taken (Edit::RefuseExit). A
    // focus that came by the keyboard brings no press: the mark ends with the current event.
    void DropPress();

    // A Close or Cancel button, or one whose modal result is mrCancel.
    bool OnlyCloses() const;

    // Reads the dynamic property ModalResult of the form layout.
    void Loaded() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Clicked();

    int modalResult_ = 0;
    bool dropPress_ = false;
};

// A button with an optional picture beside (or instead of) its caption.
class BitmapButton : public Button {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget* parent = nullptr);

    // Loads the picture from a file; the colour of its bottom-left pixel is transparent.
    // False when the file cannot be read; the button keeps what it had.
    bool LoadGlyph(const std::string& path);
    bool HasGlyph() const { return !icon().isNull(); }

    // Also reads the dynamic property Glyph (a file or resource path).
    void Loaded() override;
};

} // namespace ui
