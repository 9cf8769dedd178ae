#pragma once
// Results of a modal window and answers of a message box share one set of numbers.

namespace ui {

enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

} // namespace ui
