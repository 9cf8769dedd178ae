#pragma once
// The one closing rule of every window: a Close asked for while a user handler or an SNMP answer
// is being handled takes effect after that handling has returned, never nested inside it. The
// layer counts the handlers that run (RunGuarded does, the SNMP event pump does); a modal loop
// starts its own count, so the handlers of the window it shows count from zero inside it, and
// the handler that opened it counts again once it has returned.

#include <functional>

namespace ui {

// Marks the handling of a user's action or of an SNMP answer for its lifetime.
class HandlingScope {
public:
    HandlingScope();
    ~HandlingScope();
    HandlingScope(const HandlingScope&) = delete;
    HandlingScope& operator=(const HandlingScope&) = delete;
};

// A modal loop for its lifetime: handling counts from zero inside it.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    int savedDepth_;
};

// Whether a handler is running in the innermost modal loop.
bool Handling();
// Whether the running handler was dispatched from inside another handling: a click the window
// dispatched while it handled an SNMP answer (a walk dispatches messages between its rows), or
// while another handler waited. Such a handler cannot wait for what the handling around it
// holds up.
bool HandlingNested();
// How many modal loops run, one inside the other (0: only the application's own loop).
int ModalLevel();

// Runs action once nothing is being handled at modal level at most level (at once when that
// holds now). guard is asked before it runs: false drops the action (its window is gone).
void RunWhenIdle(int level, std::function<bool()> guard, std::function<void()> action);

} // namespace ui
