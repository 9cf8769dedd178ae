#include "ui/Beep.h"

#include <QApplication>

namespace ui {

namespace {

BeepHandler& Handler()
{
    static BeepHandler handler;
    return handler;
}

} // namespace

BeepHandler SetBeepHandler(BeepHandler handler)
{
    BeepHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

void Beep(int frequency, int durationMs)
{
    const BeepHandler handler = Handler();
    if (handler)
        handler(frequency, durationMs);
    else
        QApplication::beep();
}

} // namespace ui
