#pragma once
// Dispatching window messages from inside a handler.

#include <functional>

namespace ui {

// Handles every window message that is waiting, then returns.
void ProcessMessages();

// Dispatches window messages, and runs step (when given) each round, until done() holds or
// timeoutMs have passed (a negative time-out: no limit). Returns done().
//
// A window waiting for its request to go idle passes the SNMP event processing as the step: the
// wait may run inside the event pump's own tick, whose timer is stopped while it runs, and
// would otherwise never see the answer it waits for.
bool WaitUntil(const std::function<bool()>& done, const std::function<void()>& step = {},
               int timeoutMs = -1);

} // namespace ui
