#pragma once
// The list window with its add and edit dialog. The window lists one table through its one
// request. Its dialog is made when the window is created and kept until the window closes; it
// has no request of its own: its controls are bound to the window's request, so that selecting a
// row loads the row into the dialog (hidden or not), and the dialog writes through that request.
// The window gives the dialog a mode and a caption before it shows it. The window mixes this
// frame in beside its form class (ui::Form, or TBasicForm) and its layout; the dialog mixes in
// ListDialogFrame (features/system/ListDialogFrame.h):
//
//     class TFooForm : public ui::Form, public Ui::FooForm, public ListWindowFrame {
//         TFooForm(QWidget* owner) : ui::Form(owner), ListWindowFrame(this, {.CloseQuery = true})
//         {
//             setupUi(this);
//             Loaded();
//             InitWindow();
//             UseList(ListView1, StaticText1);
//             ...handlers (the list's own OnSelectItem before FormCreate attaches the list)...
//             DoCreate();
//         }
//     };
//
// FormCreate:  ::FooEditForm = new TFooEditForm(this);
//              CreateRequest(FindModelTable(...), MVT_UMV, keys, ::FooEditForm, NoTableText,
//                            [this](MvSNMPRequest2Edits& r) { ...bindings to the dialog... });
// Refresh:     if (Refresh()) ...buttons...;
// Add:         if (RefuseWhileReading(Request.get())) return;
//              OpenDialog(*::FooEditForm, AddMode, Caption() + " (Add)");
// Edit:        OpenDialog(*::FooEditForm, EditMode, Caption() + " (Edit)", true);
// Delete:      ...the window's refusals...;
//              WriteSelectedRow({.Skip = [](SkippedColumns& s) { s.KeepOnly(StatusItem); }},
//                               [this] { ...the status control := the delete value... });
// Close:       FormCloseQuery: canClose = MayClose();
//              FormClose:      CloseFrame(action, ::FooEditForm);
//
// The selected row goes into the bound controls again at the start of every write of it (its
// keys come from the controls, which an Add may have changed since the row was selected) and
// before an edit dialog opens.

#include "features/common/SkippedColumns.h"
#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ListDialogFrame;
struct VarDescriptor;

namespace ui {
class Form;
class Label;
class ListView;
} // namespace ui

// How the list follows a write of the dialog that the switch accepted.
enum class AfterWrite {
    Read,           // the window reads its table again
    RequestRereads, // the request reads it again once the switch has accepted the write (a
                    // Delete, which waits for no answer, reads it again at once as well)
    Nothing,        // the list stays as it is until Refresh
};

// One write of a row through the window's request.
struct RowWrite {
    // Leaves columns out of this write; every flag comes back afterwards, on every path. A
    // dialog's write may run after its click has returned (see ListDialogFrame::SetRow): the
    // functions capture the window or dialog, never a local.
    std::function<void(SkippedColumns&)> Skip = {};
    // The flags that come back, taken when the window was made; none: those before the write.
    const SavedColumnFlags* Flags = nullptr;
    // The request is synchronous for this write alone.
    bool Synchronous = false;
    AfterWrite After = AfterWrite::Read;
    // The window's read after the write leaves DataComplete as it is.
    bool KeepDataComplete = false;
    // After a dialog's write the switch accepted, before the dialog closes.
    std::function<void()> Then = {};
};

class ListWindowFrame : public WindowLifecycle {
public:
    // None before FormCreate, when the switch's model has no such table, and after closing.
    std::unique_ptr<MvSNMPRequest2Edits> Request;

    // The selected row into the bound controls again, as selecting it did (the controls
    // enabled when a selection enables them). Nothing without a selected row.
    void LoadSelectedRow();

    // The dialog's write: the values of the bound controls written as a row, the flags and the
    // mode back, the answer waited for; then, when the switch accepted it, the list as write
    // says and write's Then. True when it was accepted. An exception goes to the status line.
    bool WriteDialogRow(const RowWrite& write);

    using WindowLifecycle::ShowRowCount;
    // The number of rows into the static text under "Samples".
    void ShowRowCount() const;

protected:
    ListWindowFrame(ui::CustomForm* form, WindowVariants variants = {});

    // The window's list and the static text under "Samples", once its layout is built.
    void UseList(ui::ListView* list, ui::Label* rowCount);
    ui::ListView* List() const { return list_; }

    // FormCreate's request on table (list kind and key columns): the list attached (a selected
    // row goes into the dialog's controls, whose input rules speak from the dialog), bind run,
    // the window attached (the log line; OnEndGet when endGet; OnEndSet, which a dialog's write
    // waits for) and the first read. An exception goes to the status line. Without a table (the
    // switch's model has none) nothing is bound or read: the window is idle and its status line
    // says noTable.
    void CreateRequest(const VarDescriptor* table, std::uint8_t kind, int keys, ui::Form* dialog,
                       const std::string& noTable, const std::function<void(MvSNMPRequest2Edits&)>& bind,
                       bool endGet = true);

    // Refresh: nothing without a request or, with DataComplete, before the window is idle;
    // otherwise the request is made active again and, unless a read runs (which then goes on,
    // also after a Stop), read. True when a read was started or raised.
    bool Refresh();

    // The dialog given its mode and caption and shown modally; an edit loads the selected row
    // first. An exception goes to the status line. The modal result.
    int OpenDialog(ListDialogFrame& dialog, int mode, const std::string& caption, bool loadSelectedRow = false);

    // Delete's write of the selected row: the row loaded again, setStatus (the status control
    // := the delete value), the write as write says, the flags and the mode back, then a read
    // (the list is read again whatever the switch answers). An exception goes to the status line.
    void WriteSelectedRow(const RowWrite& write, const std::function<void()>& setStatus);

    // FormClose: the selection cleared, the request stopped, waited for and freed, the dialog
    // freed and its global cleared.
    template <class Dialog>
    void CloseFrame(ui::CloseAction& action, Dialog*& dialogGlobal)
    {
        CloseDown(action, list_, Request);
        FreeDialog(dialogGlobal);
    }

private:
    // The write inside its flags and mode scopes; with waitForAnswer, whether the switch accepted
    // it (the flags come back after the answer), else Write's result.
    bool WriteRow(const RowWrite& write, bool waitForAnswer);

    ui::ListView* list_ = nullptr;
    ui::Label* rowCount_ = nullptr;
};
