#include "snmp/SnmpEventProcessor.h"

#include "snmp/GlobalSession.h"
#include "snmplib/Snmp.h"
#include "ui/Handling.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QtGlobal>

#include <exception>

_SnmpEventProcessor* SnmpEventProcessor = nullptr;

_SnmpEventProcessor::_SnmpEventProcessor() : timer_(new QTimer)
{
    timer_->setInterval(20);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { OnTimer(timer_); });
}

_SnmpEventProcessor::~_SnmpEventProcessor()
{
    Disable();
    notifiers_.clear();
    delete timer_;
}

void _SnmpEventProcessor::Enable()
{
    enabled_ = true;
    ApplyEnabled();
}

void _SnmpEventProcessor::Disable()
{
    enabled_ = false;
    ApplyEnabled();
}

void _SnmpEventProcessor::ApplyEnabled()
{
    // start() restarts the interval: the next tick comes 20 ms after the re-enable.
    if (enabled_)
        timer_->start();
    else
        timer_->stop();
    for (auto& [fd, notifier] : notifiers_)
        notifier->setEnabled(enabled_);
}

void _SnmpEventProcessor::OnTimer(QTimer*)
{
    Tick();
}

void _SnmpEventProcessor::Tick()
{
    if (ticking_)
        return;
    ticking_ = true;
    Disable();
    if (GlobalSnmpSession != nullptr) {
        // A window closed from an answer's handling closes once the tick has returned.
        ui::HandlingScope handling;
        // Exceptions must not cross the event loop; answer handlers report their own failures.
        try {
            SNMPProcessPendingEvents();
        } catch (const std::exception& e) {
            qWarning("SNMP event processing: %s", e.what());
        }
    }
    Enable();
    ticking_ = false;
}

void _SnmpEventProcessor::WatchSocket(int fd, bool open)
{
    if (!open) {
        notifiers_.erase(fd);
        return;
    }
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    notifier->setEnabled(enabled_ && !ticking_);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { Tick(); });
    notifiers_[fd] = std::move(notifier);
}
