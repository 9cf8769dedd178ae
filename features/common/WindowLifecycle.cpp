#include "features/common/WindowLifecycle.h"

#include "gui/PortFunctions.h"

#include "snmp/DeviceState.h"
#include "snmplib/Snmp.h"

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/PageControl.h"
#include "ui/StatusBar.h"

#include <QThread>

#include <exception>

namespace {

// How long closing waits for a request to go idle, like the request's own destructor.
constexpr int CloseWaitMs = 6000;

// A waiting handler sleeps this long between its rounds of dispatching, rather than spin.
constexpr unsigned long WaitTurnMs = 5;

} // namespace

WindowLifecycle::WindowLifecycle(ui::CustomForm* form, WindowVariants variants)
    : form_(form), variants_(std::move(variants))
{
}

WindowLifecycle::~WindowLifecycle() = default;

QWidget* WindowLifecycle::FormWidget() const { return form_->Widget(); }

void WindowLifecycle::InitWindow()
{
    if (!variants_.KeepLayoutSize)
        form_->ScaleForScreen();
    DataComplete = 0;
}

void WindowLifecycle::Attach(MvSNMPRequest2Controls& request, bool endGet, bool endSet)
{
    logLine_ = &request;
    LogToStatusLine(request);
    if (endGet)
        request.OnGetEnd = [this](MvSNMPRequest2Controls* sender, const MvSNMPError& result) {
            OnEndGet(sender, result);
        };
    if (endSet)
        request.OnSetEnd = [this](MvSNMPRequest2Controls* sender, const MvSNMPError& result) {
            OnEndSet(sender, result);
        };
    // However the read ended, the window is idle again: a read that failed to send its next
    // GETNEXT, or that an exception broke off, reaches no OnGetEnd.
    request.OnReadOver = [this](MvSNMPRequest2Controls*) {
        if (!variants_.LogOnly)
            DataComplete = 1;
    };
}

void WindowLifecycle::LogToStatusLine(MvSNMPRequest2Controls& request) const
{
    if (auto* bar = FormWidget()->findChild<ui::StatusBar*>()) {
        if (bar->PanelCount() > 0)
            request.SetLogTarget(bar->Panel(0));
        else
            request.SetLogTarget(static_cast<QWidget*>(bar));
    }
}

bool WindowLifecycle::Read(MvSNMPRequest2Controls& request, bool keepDataComplete)
{
    request.Request.Active = 1;
    if (!keepDataComplete && !variants_.LogOnly)
        DataComplete = 0;
    const bool ok = request.Get();
    // A synchronous read has ended here; an asynchronous one that went out ends with its answers.
    if (!variants_.LogOnly && (request.Mode != 1 || !request.ReadOutstanding()))
        DataComplete = 1;
    return ok;
}

bool WindowLifecycle::Write(MvSNMPRequest2Controls& request, bool refreshAfterSet)
{
    request.Request.Active = 1;
    return request.Set(refreshAfterSet, true);
}

bool WindowLifecycle::WriteAndWait(MvSNMPRequest2Controls& request, const std::function<void()>& afterSend)
{
    DataComplete = 0;
    writeAccepted_ = false;
    writeAnswered_ = false;
    const bool sent = Write(request);
    if (afterSend)
        afterSend();
    if (sent) {
        // The answer, or a time-out of every attempt, comes within the request's own bound.
        const int boundMs = (request.Request.Retries + 1) * request.Request.Timeout * 10 + 1000;
        ui::WaitUntil(
            // A read under way (a window without DataComplete may write during one) need not end.
            [this] { return writeAnswered_ || DataComplete != 0; },
            [] {
                SNMPProcessPendingEvents();
                QThread::msleep(WaitTurnMs);
            },
            boundMs);
    }
    if (!Running(&request))
        DataComplete = 1;
    return writeAccepted_;
}

bool WindowLifecycle::SetAndWait(MvSNMPRequest2Controls& request, const std::function<void()>& afterSend)
{
    const bool accepted = WriteAndWait(request, afterSend);
    Read(request);
    return accepted;
}

void WindowLifecycle::Stop(MvSNMPRequest2Controls& request)
{
    request.Request.Active = 0;
    if (variants_.StopSetsDataComplete)
        DataComplete = 1;
}

bool WindowLifecycle::Running(const MvSNMPRequest2Controls* request)
{
    return request != nullptr && (request->Busy != 0 || request->ReadOutstanding());
}

void WindowLifecycle::OnEndGet(MvSNMPRequest2Controls*, const MvSNMPError&) { DataComplete = 1; }

void WindowLifecycle::OnEndSet(MvSNMPRequest2Controls* sender, const MvSNMPError& result)
{
    // Without this report a refused write would look like the read's "Ok!" that follows it. A
    // read the window started meanwhile (after a Stop ended its wait) makes it idle at its end.
    struct Idle {
        std::uint8_t& flag;
        const MvSNMPRequest2Controls* sender;
        ~Idle()
        {
            if (!sender->ReadOutstanding())
                flag = 1;
        }
    } idle{DataComplete, sender};
    writeAccepted_ = result.Code == 0;
    writeAnswered_ = true;
    sender->ReportSetResult(result);
}

bool WindowLifecycle::Guarded(const std::function<void()>& step, MvSNMPRequest2Controls* logLine)
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        if (!variants_.LogOnly)
            DataComplete = 1;
        MvSNMPRequest2Controls* target = logLine != nullptr ? logLine : logLine_;
        if (target != nullptr && variants_.ExceptionsToLogLine && target->LogTarget() != nullptr)
            target->WriteLogLine(e.what());
        else
            ShowInStatusLine(e.what());
        return false;
    }
}

bool WindowLifecycle::RefuseWhileReading(const MvSNMPRequest2Controls* request)
{
    if (!variants_.LogOnly && DataComplete == 0) {
        Say(variants_.NotCompleteText);
        return true;
    }
    if (request == nullptr)
        return true;
    if (Running(request)) {
        Say(variants_.NotCompleteText);
        return true;
    }
    return false;
}

void WindowLifecycle::Say(const std::string& text) const { ui::ShowMessage(FormWidget(), text); }

void WindowLifecycle::ShowInStatusLine(const std::string& text) const
{
    auto* bar = FormWidget()->findChild<ui::StatusBar*>();
    if (bar == nullptr)
        Say(text); // a window without a status line still shows what went wrong
    else if (bar->PanelCount() > 0)
        bar->Panel(0)->SetText(text);
    else
        bar->SetSimpleText(text);
}

TStackingPortUitForm* WindowLifecycle::AddPicker(const std::string& caption, ui::PageControl* pages)
{
    auto* picker = new TStackingPortUitForm(FormWidget());
    pickers_.emplace_back(picker);
    AddUnitPortsTab(caption, picker, pages);
    return picker;
}

void WindowLifecycle::FreePickers()
{
    for (QPointer<TStackingPortUitForm>& picker : pickers_)
        delete picker.data();
    pickers_.clear();
}

bool WindowLifecycle::StopAndWait(MvSNMPRequest2Controls& request)
{
    request.Request.Active = 0;
    return ui::WaitUntil([&request] { return !Running(&request); }, [] { SNMPProcessPendingEvents(); },
                         CloseWaitMs);
}

int WindowLifecycle::ShowEditDialog(ui::Form& dialog, const std::string& title)
{
    dialog.SetCaption(title + ": " + DeviceIPText + " (Edit)");
    return dialog.ShowModal();
}

void WindowLifecycle::ShowRowCount(ui::Label* text, const ui::ListView* list)
{
    if (text != nullptr && list != nullptr)
        text->SetCaption(std::to_string(list->Count()));
}

bool WindowLifecycle::MayClose() const
{
    if (!variants_.CloseQuery || DataComplete != 0)
        return true;
    Say(variants_.NotCompleteText);
    return false;
}

void WindowLifecycle::Deselect(ui::ListView* list)
{
    if (list != nullptr && list->Selected() != nullptr)
        list->SetSelected(nullptr);
}
