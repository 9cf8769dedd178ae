#include "ui/Scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ui {

namespace {

int& Forced()
{
    static int forced = 0;
    return forced;
}

} // namespace

int ScreenPixelsPerInch()
{
    if (Forced() > 0)
        return Forced();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 96;
    return static_cast<int>(std::lround(screen->logicalDotsPerInch() * screen->devicePixelRatio()));
}

void ForcePixelsPerInch(int pixelsPerInch)
{
    Forced() = pixelsPerInch;
}

float DPIScale()
{
    return ScreenPixelsPerInch() == 96 ? 1.0f : 1.25f;
}

int Scaled(int n)
{
    return static_cast<int>(static_cast<float>(n) * DPIScale());
}

} // namespace ui
