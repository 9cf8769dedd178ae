#pragma once
// The lifecycle every hand-made window shares: it is built and scaled once, reads its table into
// a list, refuses work while a read runs ("Get data not complete"), writes one row, catches the
// exceptions of its handlers, and on closing stops its requests, waits for them and frees what
// it made. A window mixes this class in beside its form class (ui::Form, or TBasicForm for the
// rule windows) and its layout, and picks its variants:
//
//     class TFooForm : public ui::Form, public Ui::FooForm, public WindowLifecycle {
//         TFooForm(QWidget* owner) : ui::Form(owner), WindowLifecycle(this, {.CloseQuery = true})
//         {
//             setupUi(this);
//             Loaded();
//             InitWindow();          // Width and Height x 1.25 off 96 dpi; DataComplete 0
//             ...handlers...
//             DoCreate();
//         }
//     };
//
// FormCreate:  Picker = AddPicker("Member Ports", PageControl1);
//              Guarded([&] { Request = std::make_unique<MvSNMPRequest2Edits>(this);
//                            ...variable list, list view, bindings...;
//                            Attach(*Request);   // log target, OnEndGet, the end of every read
//                            Read(*Request); });
// Refresh:     if (DataComplete == 0) return;
//              Guarded([&] { if (!Running(Request.get())) Read(*Request); });
// Add:         if (RefuseWhileReading(Request.get())) return;  ...checks...
//              Guarded([&] { Write(*Request); Read(*Request); });
// Delete:      ... { SkippedColumns marks(Request->Request.VarList); marks.KeepOnly(status);
//                    Write(*Request); } Read(*Request);
// Set and wait: Attach(*Request, true, true) in FormCreate; Set: Guarded([&] { SetAndWait(*Request); });
//              an edit dialog that closes only when the switch took its write: WriteAndWait.
// Close:       FormCloseQuery: CanClose = MayClose();
//              FormClose:      CloseDown(Action, ListView1, Request);
//
// A window on TBasicForm mixes the class in the same way; InitBasicForm has scaled it already, so
// it picks KeepLayoutSize unless it applies the factor a second time.
//
// DataComplete is 0 while the window's read runs (and from construction until the first read has
// ended), 1 when it is idle. Every read the window starts through Read ends it, however it ends:
// answered, failed, stopped, not sent, or broken off by an exception while a row was handled.
// A window that keeps its request synchronous for its whole life reads through Read as well;
// DataComplete is 1 again when Get returns. A request whose reads do not decide DataComplete (a
// second request of the window) is read with its own Get.
//
// The window's unit global (the module variable its menu handler keeps it in) is declared in its
// header and registered with the class in main/HandMadeWindows.cpp, one line:
//     Register<TFooForm>("TFooForm", &FooForm);

#include "features/common/SkippedColumns.h"

#include "gui/StackingPortUitForm.h"

#include "snmp/Request2Controls.h"

#include "ui/Events.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MvSNMPRequest2Edits;

namespace ui {
class CustomForm;
class Form;
class Label;
class ListView;
class PageControl;
} // namespace ui

// The variants of the pattern a window follows; the others are the helpers it calls.
struct WindowVariants {
    // No DataComplete: the window refuses work by its request's busy flag alone, and exceptions
    // go to the request's log line.
    bool LogOnly = false;
    // FormCloseQuery: closing is refused while DataComplete is 0.
    bool CloseQuery = false;
    // FormClose sets the close action to free.
    bool CloseActionFree = false;
    // The window keeps its layout size at every screen resolution.
    bool KeepLayoutSize = false;
    // Stop also makes the window idle at once.
    bool StopSetsDataComplete = false;
    // Exceptions go to the log line of the attached request (its log template filled), or to
    // status panel 0 while there is none or it has no log target yet.
    bool ExceptionsToLogLine = false;
    // The window's words for "a read runs".
    std::string NotCompleteText = "Get data not complete";
};

class WindowLifecycle {
public:
    WindowLifecycle(ui::CustomForm* form, WindowVariants variants = {});
    virtual ~WindowLifecycle();
    WindowLifecycle(const WindowLifecycle&) = delete;
    WindowLifecycle& operator=(const WindowLifecycle&) = delete;

    // 0 while the window's read runs or before its first read ended, 1 when the window is idle.
    std::uint8_t DataComplete = 0;

    const WindowVariants& Variants() const { return variants_; }

    // Construction, once the layout is built: scaled unless the window keeps its size;
    // DataComplete 0.
    void InitWindow();

    // --- the window's requests
    // The log target (status panel 0), OnGetEnd := OnEndGet when endGet, OnSetEnd := OnEndSet when
    // endSet, and the end of every read of the request ends the window's read. The request
    // attached last takes the exceptions of ExceptionsToLogLine.
    void Attach(MvSNMPRequest2Controls& request, bool endGet = true, bool endSet = false);
    // The log target alone (status panel 0): a second request of the window that reports in
    // the status line and leaves the window's read and its exceptions to the first.
    void LogToStatusLine(MvSNMPRequest2Controls& request) const;
    // The read helper of FormCreate, Refresh, Add, Set and Delete: the active flag set,
    // DataComplete 0 unless keepDataComplete, then Get. Returns Get's result; an exception of the
    // send reaches the caller (run it under Guarded).
    bool Read(MvSNMPRequest2Controls& request, bool keepDataComplete = false);
    // A write of the row: the active flag set, then Set (refresh after set as given; collecting
    // the values from the controls). Returns Set's result.
    bool Write(MvSNMPRequest2Controls& request, bool refreshAfterSet = false);
    // The write, waited for: DataComplete 0, the write, then messages dispatched until its answer
    // reached OnEndSet, Stop made the window idle, the write was not sent, or (retries + 1) x
    // time-out + 1 s passed (a read of the request still under way goes on meanwhile). The window is idle afterwards unless the write is still outstanding. The request
    // must be attached with endSet. afterSend, when given, runs once the write has been handed
    // to the request (sent or not), before the wait: a window that clears its editors then.
    // True when the switch accepted the write.
    bool WriteAndWait(MvSNMPRequest2Controls& request, const std::function<void()>& afterSend = {});
    // Set and wait: WriteAndWait, then the read, whatever the answer. True when the switch
    // accepted the write.
    bool SetAndWait(MvSNMPRequest2Controls& request, const std::function<void()>& afterSend = {});
    // Stop: the running read ends at its next answer.
    void Stop(MvSNMPRequest2Controls& request);

    // Whether a read or write of the request is under way (a write's answer clears Busy while the
    // read sent with it still runs).
    static bool Running(const MvSNMPRequest2Controls* request);

    // The installed end handlers; a window adds its own steps and calls these.
    // OnEndGet: DataComplete := 1.
    virtual void OnEndGet(MvSNMPRequest2Controls* sender, const MvSNMPError& result);
    // OnEndSet: the result reported as the framework reports it (a failure in a message box, a
    // success in the log line), then DataComplete := 1 unless a read of the request runs.
    virtual void OnEndSet(MvSNMPRequest2Controls* sender, const MvSNMPError& result);

    // --- the guards of the handlers
    // Runs step; an exception's message goes to status panel 0 (or, with ExceptionsToLogLine, to
    // the log line of logLine, by default of the request attached last) and the window becomes
    // idle. False after an exception.
    bool Guarded(const std::function<void()>& step, MvSNMPRequest2Controls* logLine = nullptr);
    // The guards of Add, Set and Delete: true (refused) after the window's message while a read
    // runs or has not completed; true without a message when there is no request.
    bool RefuseWhileReading(const MvSNMPRequest2Controls* request);
    // The window's message box (captioned with the application title).
    void Say(const std::string& text) const;
    // A text into status panel 0 (the status bar's simple text when it has no panels).
    void ShowInStatusLine(const std::string& text) const;

    // --- what the window owns
    // A port picker owned by the window, on a new tab of pages captioned caption.
    TStackingPortUitForm* AddPicker(const std::string& caption, ui::PageControl* pages);
    // Frees the window's pickers (their box and tab lists go with them).
    void FreePickers();
    // Stops the request (active flag 0) and dispatches messages until it is idle, at most
    // 6000 ms; false when it was still busy then. The request stays stopped: the next Read or
    // Write makes it active again.
    bool StopAndWait(MvSNMPRequest2Controls& request);
    template <class Request>
    void FreeRequest(std::unique_ptr<Request>& request)
    {
        if (request) {
            StopAndWait(*request);
            if (logLine_ == request.get())
                logLine_ = nullptr;
        }
        request.reset();
    }
    // The edit dialog of a list window: captioned with the title, the device address and
    // " (Edit)", shown modally; its modal result.
    static int ShowEditDialog(ui::Form& dialog, const std::string& title);
    // Frees a dialog kept in a module variable and clears the variable.
    template <class Dialog>
    static void FreeDialog(Dialog*& moduleVariable)
    {
        delete moduleVariable;
        moduleVariable = nullptr;
    }

    // The number of rows into the text under "Samples".
    static void ShowRowCount(ui::Label* text, const ui::ListView* list);

    // --- closing
    // FormCloseQuery: false after the window's message while DataComplete is 0 (always true
    // without the close-query variant).
    bool MayClose() const;
    // FormClose: the selection cleared, each request stopped, waited for and freed in the order
    // given, the pickers freed, the close action free where the window picks it.
    template <class... Requests>
    void CloseDown(ui::CloseAction& action, ui::ListView* list, std::unique_ptr<Requests>&... requests)
    {
        Deselect(list);
        (FreeRequest(requests), ...);
        FreePickers();
        if (variants_.CloseActionFree)
            action = ui::caFree;
    }
    static void Deselect(ui::ListView* list);

protected:
    ui::CustomForm* Form() const { return form_; }
    QWidget* FormWidget() const;

private:
    ui::CustomForm* form_;
    WindowVariants variants_;
    std::vector<QPointer<TStackingPortUitForm>> pickers_;
    bool writeAccepted_ = false;                 // what the last OnEndSet was told
    bool writeAnswered_ = false;                 // OnEndSet ran since the write waited for went out
    MvSNMPRequest2Controls* logLine_ = nullptr; // the request attached last, until it is freed
};
