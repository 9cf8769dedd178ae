#pragma once
// Every message box of the program goes through MessageBox. The real dialog is the default
// handler; tests install their own, which reads the call and returns the answer.

#include "ui/ModalResult.h"

#include <functional>
#include <string>

class QWidget;

namespace ui {

enum MessageButtons { mbOK, mbOKCancel, mbYesNo, mbYesNoCancel };
enum MessageIcon { miNone, miInformation, miWarning, miError, miQuestion };

struct MessageBoxCall {
    QWidget* Owner = nullptr;     // the window the box belongs to; none: the active window
    std::string Text;
    std::string Caption;          // already resolved: the application title unless given
    MessageButtons Buttons = mbOK;
    MessageIcon Icon = miNone;
};

// Returns the answer: mrOk, mrCancel, mrYes or mrNo.
using MessageBoxHandler = std::function<int(const MessageBoxCall&)>;

// Installs a handler for every later message box and returns the one it replaces; an empty
// handler brings back the real dialog.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a message box and returns the answer. An empty caption means the application title.
int MessageBox(QWidget* owner, const std::string& text, MessageButtons buttons = mbOK,
               MessageIcon icon = miNone, const std::string& caption = {});

// The simple message dialog: the text and an OK button, captioned with the application title.
void ShowMessage(QWidget* owner, const std::string& text);

// While one lives, every message box shown names a field first: "<field>: <text>". For checks
// that speak for themselves without knowing which field they check. Scopes do not nest: the
// innermost one names.
class FieldNaming {
public:
    explicit FieldNaming(std::string field);
    ~FieldNaming();
    FieldNaming(const FieldNaming&) = delete;
    FieldNaming& operator=(const FieldNaming&) = delete;

    // The message boxes shown since the scope began.
    int Shown() const { return shown_; }

    // "<field>: <text>"; a text that begins with a blank of its own keeps it after the colon.
    static std::string Named(const std::string& field, const std::string& text);

private:
    friend int MessageBox(QWidget*, const std::string&, MessageButtons, MessageIcon, const std::string&);
    std::string field_;
    int shown_ = 0;
    FieldNaming* outer_;
};

// A question with OK and Cancel; true when the answer is OK.
bool Confirm(QWidget* owner, const std::string& text);

} // namespace ui
