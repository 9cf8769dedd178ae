#pragma once
// Base fixture of window tests: message boxes are read and answered instead of shown, beeps are
// counted, and the helpers drive a window as a user would: type into an edit, click a button, a
// check box or a list row, open a menu item, read a list's cells and the status line, wait
// until something holds, run a modal window with a script.

#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Message boxes: each is recorded; it gets the next queued answer, or OK (Yes for a Yes/No
    // box) when none is queued.
    void AnswerNextMessageBox(int answer) { answers_.push_back(answer); }
    const std::vector<ui::MessageBoxCall>& MessageBoxes() const { return boxes_; }
    // The texts of the boxes shown so far, in order.
    std::vector<std::string> MessageBoxTexts() const;
    std::string LastMessageBoxText() const;
    void ClearMessageBoxes() { boxes_.clear(); }

    int BeepCount() const { return beeps_; }

    // A component of a window by name; the test fails when there is none of that class.
    template <class T = QWidget>
    static T* Find(QWidget* form, const std::string& name)
    {
        T* found = dynamic_cast<T*>(FindObject(form, name));
        if (found == nullptr)
            ADD_FAILURE() << "no component " << name << " of the expected class";
        return found;
    }

    // Shows a window (not modally) and waits until it is the active one.
    static void ShowAndActivate(QWidget* form);

    // Puts the focus into the edit (or editable combo box) and types the text key by key.
    static void TypeInto(QWidget* form, const std::string& name, const std::string& text);
    static void TypeInto(QWidget* edit, const std::string& text);
    // A key pressed in the widget that has the focus (or in target when given).
    static void PressKey(Qt::Key key, QWidget* target = nullptr);
    // A mouse click on a button, check box, radio button ... (it must be visible).
    static void Click(QWidget* form, const std::string& name);
    static void Click(QWidget* control);

    // A click on a row of a list view; row -1 clicks the empty space below the rows.
    static void ClickRow(ui::ListView* list, int row);
    static void DoubleClickRow(ui::ListView* list, int row);
    // Every row's texts, column by column.
    static std::vector<std::vector<std::string>> Cells(const ui::ListView* list);

    // Panel 0 of the window's first status bar, or its simple text when it has no panels.
    static std::string StatusLine(QWidget* form);

    // The timer with that component name runs its timer event once, as its tick would (the
    // window's poll without waiting for the clock), whether or not it is enabled.
    static void FireTimer(QWidget* form, const std::string& name);

    // Triggers the menu item (an action) with that component name.
    static void ClickMenuItem(QWidget* form, const std::string& name);

    // Dispatches messages until condition holds; false after timeoutMs.
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 30000);

    // Shows the form modally and runs whileOpen inside its modal loop; returns ShowModal's
    // result. A form still open after timeoutMs fails the test and is ended.
    static int RunModal(ui::Form* form, const std::function<void()>& whileOpen,
                        int timeoutMs = 30000);

    // Runs script inside the next modal window that opens (the one the next click opens), once
    // its modal loop runs and nothing is being handled in it; the script closes it as a user
    // would (after a fatal failure of the script the window is closed for it). Fails the test
    // when no modal window opens within timeoutMs.
    static void RunInNextModal(const std::function<void(ui::Form*)>& script, int timeoutMs = 30000);

private:
    static QObject* FindObject(QWidget* form, const std::string& name);

    std::vector<ui::MessageBoxCall> boxes_;
    std::deque<int> answers_;
    int beeps_ = 0;
    ui::MessageBoxHandler previousHandler_;
};
