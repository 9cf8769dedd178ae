#include "Request2Controls.h"

#include "Exception.h"
#include "PartValues.h"
#include "TextUtil.h"

#include "ui/Events.h"
#include "ui/Memo.h"
#include "ui/MessageBox.h"
#include "ui/StatusBar.h"

#include <QTime>

namespace {

constexpr const char* StopText = "Stop, SNMP Request is not active.";

std::string OkText() { return MessageOfCode(MvCode::Ok); }

// Runs an exchange step; a failure leaves with Busy cleared, the framework's exception raised
// anew with the same message and code.
template <class Step>
void Guarded(std::uint8_t& busy, Step step)
{
    try {
        step();
    } catch (const EBadValue&) {
        // A refused value keeps the item it names, for the window's message.
        busy = 0;
        throw;
    } catch (const Exception& e) {
        busy = 0;
        throw Exception(e.Message(), e.HelpContext());
    } catch (...) {
        busy = 0;
        throw;
    }
}

} // namespace

MvSNMPRequest2Controls::MvSNMPRequest2Controls(QWidget* owner) : Owner(owner) {}

MvSNMPRequest2Controls::~MvSNMPRequest2Controls()
{
    Busy = 0;
    destroying_ = true;
}

void MvSNMPRequest2Controls::SetLogTarget(ui::StatusPanel* panel) { logTarget_ = panel; }

void MvSNMPRequest2Controls::SetLogTarget(QWidget* memoOrStatusBar) { logTarget_ = memoOrStatusBar; }

void MvSNMPRequest2Controls::WriteLogLine(const std::string& text)
{
    if (!logTarget_)
        return;
    std::string line = LogTemplates.Text(LastOperation);
    const std::string& name = Request.VarList.name;
    if (name.empty()) {
        // A list without a name drops " Request:[VARLIST]." from the templates.
        const std::size_t error = line.find("[ERROR]");
        const std::size_t list = error == std::string::npos ? error : line.find("[VARLIST]", error);
        if (list != std::string::npos) {
            const std::size_t from = error + 7;
            line.erase(from, list + 9 + 1 - from);
        }
    } else {
        line = ReplaceAll(line, "[VARLIST]", name);
    }
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", QTime::currentTime().toString("hh:mm:ss").toStdString());

    if (auto* memo = qobject_cast<ui::Memo*>(logTarget_))
        memo->AddLine(line);
    else if (auto* bar = qobject_cast<ui::StatusBar*>(logTarget_))
        bar->SetSimpleText(line);
    else if (auto* panel = qobject_cast<ui::StatusPanel*>(logTarget_))
        panel->SetText(line);
}

bool MvSNMPRequest2Controls::IsTableKind() const
{
    return Request.VarList.kind == MVT_FMV || Request.VarList.kind == MVT_UMV;
}

bool MvSNMPRequest2Controls::RowConditionHolds() { return Request.EvalCondition(Request.RowCondition); }

MvSNMPRequest::AnswerHandler MvSNMPRequest2Controls::ReadAnswerHandler()
{
    return [this, generation = readGeneration_](MvSNMPError& result, MvSNMPVarList&) {
        if (generation == readGeneration_)
            AsyncGetAnswer(result);
    };
}

void MvSNMPRequest2Controls::ReadOver(std::uint64_t generation)
{
    if (destroying_ || generation != readGeneration_)
        return;
    readOutstanding_ = false;
    ui::Fire(OnReadOver, this);
}

void MvSNMPRequest2Controls::SupersedeRead()
{
    ++readGeneration_;
    if (readOutstanding_)
        Request.ForgetReads();
    readOutstanding_ = false;
}

MvSNMPRequest::AnswerHandler MvSNMPRequest2Controls::WriteAnswerHandler()
{
    return [this](MvSNMPError& result, MvSNMPVarList&) { AsyncSetAnswer(result); };
}

bool MvSNMPRequest2Controls::Get()
{
    bool ok = true;
    LastOperation = 0;
    SupersedeRead();
    BeforeGet();
    if (Mode == 0) {
        Busy = 1;
        Guarded(Busy, [&] {
            ok = SyncRead();
            AfterGet();
        });
        Busy = 0;
        if (ok && logTarget_)
            WriteLogLine(OkText());
        return ok;
    }
    if (Mode == 1) {
        ok = StartAsync([&](bool& sent) {
            Request.AsyncGet(sent, ReadAnswerHandler(), true);
            readOutstanding_ = sent;
        });
        // Nothing went out (the request failed to send, or is stopped): no answer will end it.
        if (!readOutstanding_)
            ReadOver(readGeneration_);
    }
    return ok;
}

bool MvSNMPRequest2Controls::StartAsync(const std::function<void(bool& sent)>& send)
{
    Busy = 1;
    if (!Request.Active) {
        Busy = 0;
        return true;
    }
    bool sent = false;
    Guarded(Busy, [&] { send(sent); });
    if (!sent)
        Busy = 0;
    return sent;
}

bool MvSNMPRequest2Controls::SyncRead()
{
    bool ok = true;
    if (!IsTableKind()) {
        Request.SyncGet(ok, true);
        if (ok && RowConditionHolds())
            RowReceived();
        return ok;
    }
    bool first = true;
    for (;;) {
        const std::uint64_t failures = Request.ErrorSequence;
        const bool more = Request.SyncGet(ok, first);
        if (!more) {
            // An SNMPv1 agent ends a walk that runs off its MIB with noSuchName, which the
            // request takes as the quiet end of the walk: no failure was reported.
            if (!ok && !first && Request.Active && Request.ErrorSequence == failures)
                ok = true;
            return ok;
        }
        // A failed exchange hands no row on.
        if (ok) {
            if (RowConditionHolds())
                RowReceived();
            first = false;
        }
    }
}

void MvSNMPRequest2Controls::AsyncGetAnswer(const MvSNMPError& result)
{
    if (destroying_)
        return;
    const std::uint64_t generation = readGeneration_;
    try {
        if (result.Code != 0) {
            readOutstanding_ = false;
            Busy = 0;
            LastOperation = 0;
            if (OnGetEnd)
                ui::Fire(OnGetEnd, this, result);
            else
                ReportGetError(result);
            ReadOver(generation);
        } else if (!IsTableKind()) {
            if (RowConditionHolds())
                RowReceived();
            if (generation != readGeneration_)
                return;
            EndOfRead(result);
            ReadOver(generation);
        } else if (result.EndOfWalk) {
            EndOfRead(result);
            ReadOver(generation);
        } else {
            if (RowConditionHolds())
                RowReceived();
            // A read started while the row was handled (a click dispatched from RowReceived)
            // has taken over: this walk goes no further.
            if (generation != readGeneration_)
                return;
            if (!ContinueRead(result))
                ReadOver(generation);
        }
    } catch (const std::exception& e) {
        // Nothing escapes into the event pump: the read ends here, unless a newer one runs.
        if (generation != readGeneration_)
            return;
        readOutstanding_ = false;
        ReportAnswerFailure(e.what());
        ReadOver(generation);
    }
}

bool MvSNMPRequest2Controls::ContinueRead(const MvSNMPError& result)
{
    if (Request.Active) {
        bool sent = false;
        Request.AsyncGet(sent, ReadAnswerHandler(), false);
        if (!sent) {
            readOutstanding_ = false;
            Busy = 0;
        }
        return sent;
    }
    // The window stopped the walk.
    readOutstanding_ = false;
    AfterGet();
    Busy = 0;
    if (!logTarget_)
        return false;
    LastOperation = 0;
    MvSNMPError stop;
    stop.Message = StopText;
    stop.Sequence = static_cast<std::uint64_t>(-1);
    if (Request.ResultHook)
        Request.ResultHook(&stop);
    else
        WriteLogLine(StopText);
    ui::Fire(OnGetEnd, this, result);
    return false;
}

void MvSNMPRequest2Controls::EndOfRead(const MvSNMPError& result)
{
    readOutstanding_ = false;
    AfterGet();
    Busy = 0;
    if (!logTarget_)
        return;
    LastOperation = 0;
    WriteLogLine(OkText());
    ui::Fire(OnGetEnd, this, result);
}

void MvSNMPRequest2Controls::ReportAnswerFailure(const std::string& message)
{
    Busy = 0;
    LastOperation = 0;
    if (logTarget_)
        WriteLogLine(message);
    else
        ShowMessage(message);
}

bool MvSNMPRequest2Controls::Set(bool refreshAfterSet, bool collectValues)
{
    bool ok = true;
    LastOperation = 1;
    RefreshAfterSet = refreshAfterSet ? 1 : 0;
    BeforeSet();
    if (collectValues)
        CollectValues();
    if (Mode == 0) {
        Busy = 1;
        Guarded(Busy, [&] {
            MvSNMPError result;
            Request.SyncSet(ok, result);
            AfterSet();
            Busy = 0;
            if (ok && logTarget_)
                WriteLogLine(OkText());
            // A write that was not sent (the request stopped) reports nothing, least of all
            // success.
            if (!ok && result.Code != 0)
                ReportSyncSetResult(result);
        });
        if (IsTableKind() && RefreshAfterSet == 1)
            Get();
    } else if (Mode == 1) {
        ok = StartAsync([&](bool& sent) { Request.AsyncSet(sent, WriteAnswerHandler()); });
    }
    return ok;
}

void MvSNMPRequest2Controls::AsyncSetAnswer(const MvSNMPError& result)
{
    if (destroying_)
        return;
    try {
        if (result.Code == 0)
            AfterSet();
        Busy = 0;
        LastOperation = 1;
        if (OnSetEnd)
            ui::Fire(OnSetEnd, this, result);
        else
            ReportSetResult(result);
        if (result.Code == 0 && IsTableKind() && RefreshAfterSet == 1)
            Get();
    } catch (const std::exception& e) {
        ReportAnswerFailure(e.what());
    }
}

void MvSNMPRequest2Controls::ReportGetError(const MvSNMPError& result)
{
    LastOperation = 0;
    if (logTarget_)
        WriteLogLine(result.Message);
    else
        ShowMessage(result.Message);
}

void MvSNMPRequest2Controls::ReportSetResult(const MvSNMPError& result) { ShowSetResult(result); }

void MvSNMPRequest2Controls::ReportSyncSetResult(const MvSNMPError& result) { ShowSetResult(result); }

void MvSNMPRequest2Controls::ShowSetResult(const MvSNMPError& result)
{
    LastOperation = 1;
    if (result.Code != 0)
        ShowMessage(result.Message);
    else if (logTarget_)
        WriteLogLine(result.Message);
    else
        ShowMessage(OkText());
}

void MvSNMPRequest2Controls::ShowMessage(const std::string& text) { ui::MessageBox(Owner, text); }

std::string MvSNMPRequest2Controls::TextToOctets(const std::string& text, std::int32_t syntax)
{
    return ::TextToOctets(text, syntax);
}

std::string MvSNMPRequest2Controls::OctetsToText(std::string_view octets, std::int32_t syntax)
{
    return ::OctetsToText(octets, syntax);
}

std::string MvSNMPRequest2Controls::ExtractPart(std::string_view octets, int offset, std::int32_t syntax)
{
    return ::ExtractPart(octets, offset, syntax);
}
