#pragma once
// The event pump through which every asynchronous answer arrives. A 20 ms timer lets the SNMP
// layer process ready sockets, retransmissions and time-outs without waiting; a notifier on
// each session socket does the same as soon as an answer arrives, so a walk is paced by the
// agent and not by the timer. A tick disables the timer and the notifiers, processes and
// enables them again, so one tick never runs inside another, whatever the answer handlers do
// (a message box included).

#include <map>
#include <memory>

class QSocketNotifier;
class QTimer;

class _SnmpEventProcessor {
public:
    _SnmpEventProcessor();   // the timer: no owner, 20 ms, disabled
    ~_SnmpEventProcessor();  // disables the timer, then frees it
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Enable();
    void Disable();
    bool Enabled() const { return enabled_; }
    QTimer* Timer() const { return timer_; }

    // The timer's handler: disable, process the session's events if it exists, enable.
    void OnTimer(QTimer* sender);

    // A session socket opened (open true) or about to close.
    void WatchSocket(int fd, bool open);

private:
    void Tick();
    void ApplyEnabled();

    QTimer* timer_;
    std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
    bool enabled_ = false;
    bool ticking_ = false;
};

// The one event processor, built by InitRequestStatics and destroyed by ReleaseRequestStatics.
extern _SnmpEventProcessor* SnmpEventProcessor;
