#include "features/system/ListDialogFrame.h"

#include "ui/Form.h"
#include "ui/Guard.h"
#include "ui/Handling.h"

#include <QPointer>

ListDialogFrame::ListDialogFrame(ui::Form& dialog, ListWindowFrame& listWindow) : dialog_(dialog), list_(listWindow) {}

ListDialogFrame::~ListDialogFrame() = default;

void ListDialogFrame::SetRow(const RowWrite& write)
{
    if (writing_)
        return;
    if (ui::HandlingNested()) {
        // The answer this write waits for cannot arrive inside the handling around the click.
        const QPointer<ui::Form> shown(&dialog_);
        ui::RunWhenIdle(
            ui::ModalLevel(), [shown] { return !shown.isNull() && shown->isVisible(); },
            [this, write] { ui::RunGuarded([&] { SetRow(write); }); });
        return;
    }
    if (!list_.Request) {
        dialog_.Close();
        return;
    }
    writing_ = true;
    struct Done {
        bool& writing;
        ~Done() { writing = false; }
    } done{writing_};
    if (list_.WriteDialogRow(write))
        dialog_.Close();
}
