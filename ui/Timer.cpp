#include "ui/Timer.h"

#include "ui/Guard.h"

namespace ui {

Timer::Timer(QObject* owner) : QObject(owner)
{
    connect(&timer_, &QTimer::timeout, this,
            [this] { RunGuarded([this] { Fire(OnTimer, static_cast<QObject*>(this)); }); });
    Update();
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Update();
}

void Timer::SetInterval(int interval)
{
    interval_ = interval < 0 ? 0 : interval;
    Update();
}

void Timer::Update()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

} // namespace ui
