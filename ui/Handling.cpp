#include "ui/Handling.h"

#include <QCoreApplication>
#include <QTimer>

namespace ui {

namespace {

int depth = 0;
int modalLevel = 0;

// How often a postponed action looks again whether handling has ended.
constexpr int RecheckMs = 5;

bool IdleAt(int level)
{
    return depth == 0 && modalLevel <= level;
}

void RunOrPostpone(int level, const std::function<bool()>& guard,
                   const std::function<void()>& action)
{
    if (!guard())
        return;
    if (IdleAt(level)) {
        action();
        return;
    }
    QTimer::singleShot(RecheckMs, QCoreApplication::instance(),
                       [level, guard, action] { RunOrPostpone(level, guard, action); });
}

} // namespace

HandlingScope::HandlingScope()
{
    ++depth;
}

HandlingScope::~HandlingScope()
{
    --depth;
}

ModalScope::ModalScope() : savedDepth_(depth)
{
    depth = 0;
    ++modalLevel;
}

ModalScope::~ModalScope()
{
    --modalLevel;
    depth = savedDepth_;
}

bool Handling()
{
    return depth > 0;
}

bool HandlingNested()
{
    return depth > 1;
}

int ModalLevel()
{
    return modalLevel;
}

void RunWhenIdle(int level, std::function<bool()> guard, std::function<void()> action)
{
    RunOrPostpone(level, guard, action);
}

} // namespace ui
