#pragma once
// The request driver a window holds to talk to the switch. It owns one request and drives it:
// Get reads the variable list (one answer for scalars, a GETNEXT walk row by row for tables),
// Set writes it, synchronously or (by default) asynchronously with the answers arriving
// through the event pump. Around every read and write it calls eight virtual steps that
// subclasses fill in (the control bindings, the front panel's LED request, window-specific
// requests), and it reports the end of an exchange in the window's status line or memo, or in a
// message box, unless the window installs its own end-of-request handler.
//
// Busy is a flag, not a lock: Get and Set do not test it. Windows test it before an exchange,
// and before they close they clear Request.Active and dispatch messages until it clears.
// One read at a time: a Get while this driver's asynchronous read is outstanding supersedes that
// read, whose later answers are dropped (no row, no end report, no next GETNEXT); a write in
// flight is left alone. ReadOutstanding tells a read apart from Busy, which a write's answer
// clears too, and OnReadOver tells a window that its read is over however it ended, also where
// no OnGetEnd comes (not sent, the next GETNEXT not sent, an exception while a row was handled).

#include "snmp/SnmpError.h"
#include "snmp/SnmpRequest.h"

#include <QPointer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QObject;
class QWidget;

namespace ui {
class StatusPanel;
}

class MvSNMPRequest2Controls;

// Called with the driver whose exchange ended and the result.
using RequestEndEvent = std::function<void(MvSNMPRequest2Controls* sender, const MvSNMPError& result)>;

class MvSNMPRequest2Controls {
public:
    // The request takes the default settings; owner parents the driver's message boxes.
    explicit MvSNMPRequest2Controls(QWidget* owner);
    // Clears Busy, then destroys the request, which stops it and waits (dispatching messages)
    // up to 6000 ms for outstanding answers. Answers that arrive meanwhile reach no step of the
    // driver and no end-of-request handler: the window and the subclass are on their way out.
    virtual ~MvSNMPRequest2Controls();
    MvSNMPRequest2Controls(const MvSNMPRequest2Controls&) = delete;
    MvSNMPRequest2Controls& operator=(const MvSNMPRequest2Controls&) = delete;

    MvSNMPRequest Request;
    // A failed asynchronous read in place of ReportGetError; after the log line of a successful
    // or stopped asynchronous read when a log target is set.
    RequestEndEvent OnGetEnd;
    // Every asynchronous write result, in place of ReportSetResult.
    RequestEndEvent OnSetEnd;
    // Once at the end of every asynchronous read, after OnGetEnd or the report, however the read
    // ended: answered, failed, stopped, not sent (also while Active is clear), its next GETNEXT
    // not sent, or an exception while a row was handled. Not for a read a newer one superseded,
    // nor for an exception of Get's own send, which reaches Get's caller.
    std::function<void(MvSNMPRequest2Controls* sender)> OnReadOver;
    std::uint8_t Mode = 1;            // 1 asynchronous, 0 synchronous
    std::uint8_t Busy = 0;            // a Get or Set is under way
    QWidget* Owner;                   // parent of the message boxes
    std::int32_t LastOperation = 0;   // 0 after a read, 1 after a write: the log template
    std::uint8_t RefreshAfterSet = 1; // a write of a table list is followed by a new read

    // Where log lines go: a status-bar panel, or a memo or a status bar. A target of any other
    // class receives nothing; none: no log lines.
    void SetLogTarget(ui::StatusPanel* panel);
    void SetLogTarget(QWidget* memoOrStatusBar);
    void SetLogTarget(std::nullptr_t) { logTarget_ = nullptr; }
    QObject* LogTarget() const { return logTarget_; }

    // The log template of LastOperation with the text, the list's name and the time filled in.
    void WriteLogLine(const std::string& text);

    // Reads the variable list. False when a synchronous read failed or an asynchronous one was
    // not sent. The framework's exceptions of a synchronous read, or of sending, reach the caller
    // with Busy cleared.
    bool Get();
    // Whether an asynchronous read has been sent and has not ended yet.
    bool ReadOutstanding() const { return readOutstanding_; }
    // Writes the variable list, after collecting the values from the controls when asked. False
    // when a synchronous write failed or was not sent, or an asynchronous one was not sent.
    bool Set(bool refreshAfterSet = true, bool collectValues = true);

    // The octet form of values and of their parts.
    static std::string TextToOctets(const std::string& text, std::int32_t syntax);
    static std::string OctetsToText(std::string_view octets, std::int32_t syntax);
    static std::string ExtractPart(std::string_view octets, int offset, std::int32_t syntax);

    // The completion handlers of the asynchronous read and write; the pump calls them.
    void AsyncGetAnswer(const MvSNMPError& result);
    void AsyncSetAnswer(const MvSNMPError& result);
    // The report of a failed synchronous write; subclasses' reports never see it.
    void ReportSyncSetResult(const MvSNMPError& result);

    // The steps around every read and write.
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Once per row of a table, once per answer of a scalar list, when the row condition holds.
    virtual void RowReceived() {}
    // By Set when asked to collect the values from the controls.
    virtual void CollectValues() {}
    // A failed asynchronous read, when OnGetEnd is empty: the log line, or a message box.
    virtual void ReportGetError(const MvSNMPError& result);
    // Every asynchronous write result, when OnSetEnd is empty: a failure in a message box, a
    // success in the log line (a message box "Ok!" without a log target).
    virtual void ReportSetResult(const MvSNMPError& result);
    // After every synchronous read; after an asynchronous read that succeeded or was stopped.
    virtual void AfterGet() {}
    // After every synchronous write; after a successful asynchronous write.
    virtual void AfterSet() {}

protected:
    // A message box owned by Owner, captioned with the application title.
    void ShowMessage(const std::string& text);

private:
    bool IsTableKind() const;
    bool RowConditionHolds();
    bool SyncRead();
    // Busy, then the send while the request is active; false when it was not sent (the request
    // reported why), true when sent or when the request is stopped.
    bool StartAsync(const std::function<void(bool& sent)>& send);
    void EndOfRead(const MvSNMPError& result);
    // The next GETNEXT of a walk, or its end when the window stopped it; true when one was sent.
    bool ContinueRead(const MvSNMPError& result);
    void ShowSetResult(const MvSNMPError& result);
    // A framework exception met while handling an answer: logged, or in a message box.
    void ReportAnswerFailure(const std::string& message);

    MvSNMPRequest::AnswerHandler ReadAnswerHandler();
    // Drops the outstanding read, if any, before a new one starts.
    void SupersedeRead();
    // The read of that generation has ended: OnReadOver, unless a newer read has started.
    void ReadOver(std::uint64_t generation);
    MvSNMPRequest::AnswerHandler WriteAnswerHandler();

    QPointer<QObject> logTarget_;
    bool destroying_ = false;
    bool readOutstanding_ = false;
    std::uint64_t readGeneration_ = 0; // raised by every read; answers of older reads are dropped
};
