#pragma once
// A timer: while enabled and with an interval above 0 it runs its timer event every interval
// milliseconds; an interval of 0 stops it. Setting the interval or enabling it starts the count
// again. Enabled, with 1000 ms, when made.

#include "ui/Events.h"

#include <QObject>
#include <QTimer>

namespace ui {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* owner = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    bool Running() const { return timer_.isActive(); }

    NotifyEvent OnTimer;

private:
    void Update();

    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 1000;
};

} // namespace ui
