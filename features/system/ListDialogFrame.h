#pragma once
// The add and edit dialog of a list window (features/system/ListWindowFrame.h). The dialog has
// no request: its controls are bound to the list window's request, which it reaches through the
// list window given when it is built, and its Set writes through that request. The list window
// gives it a mode before it shows it. A dialog class mixes the frame in beside its form class
// and its layout:
//
//     class TFooEditForm : public ui::Form, public Ui::FooEditForm, public ListDialogFrame {
//         explicit TFooEditForm(TFooForm* listWindow)
//             : ui::Form(listWindow), ListDialogFrame(*this, *listWindow) { ... }
//     };
//
// Set:  ...the checks of the mode, each ending the Set with its message...;
//       SetRow({.Skip = [this](SkippedColumns& s) { s.SkipIfEmpty(MetricItem, MetricEdit); }});
//
// SetRow waits for the switch's answer: the dialog closes once the switch has accepted the row;
// after a refusal (shown by the request's report) or an exception (in the list window's status
// line) it stays open with what the user typed.

#include "features/system/ListWindowFrame.h"

namespace ui {
class Form;
}

class ListDialogFrame {
public:
    // Written by the list window before every ShowModal; read by the preparation and by Set.
    int Mode = 0;

    ui::Form& Window() const { return dialog_; }

protected:
    ListDialogFrame(ui::Form& dialog, ListWindowFrame& listWindow);
    virtual ~ListDialogFrame();
    ListDialogFrame(const ListDialogFrame&) = delete;
    ListDialogFrame& operator=(const ListDialogFrame&) = delete;

    ListWindowFrame& ListWindow() const { return list_; }

    // The row written through the list window's request (ListWindowFrame::WriteDialogRow); the
    // dialog closes when the switch accepted it, or at once when the list window has no request.
    // A second Set while one waits for its answer does nothing. A Set clicked while the window
    // handled one of the request's answers (between the rows of a walk) runs once that handling
    // has returned, while the dialog is still shown.
    void SetRow(const RowWrite& write);

private:
    ui::Form& dialog_;
    ListWindowFrame& list_;
    bool writing_ = false;
};
