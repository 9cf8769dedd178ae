#include "ui/MessageLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace ui {

void ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool WaitUntil(const std::function<bool()>& done, const std::function<void()>& step,
               int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (timeoutMs >= 0 && clock.elapsed() >= timeoutMs)
            return done();
        if (step)
            step();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (done())
            break;
        // Nothing to do for the moment: give the peer and the timers a millisecond.
        QThread::msleep(1);
    }
    return true;
}

} // namespace ui
