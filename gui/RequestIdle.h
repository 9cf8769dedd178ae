#pragma once
// Writes that must not race a read of the same request: the read still under way is stopped and
// waited for first, so that no answer lands between what a write collects and what it sends, and
// the re-read after it starts no second walk.

#include <functional>

class MvSNMPRequest2Controls;
class QWidget;

// Clears the request's active flag, dispatches messages until the request is idle, sets the flag
// again and runs action. A call dispatched while the window handled one of the request's answers
// (a click between the rows of a walk) cannot wait there: that answer's handling ends only after
// the call has returned. Its action then runs once the handling has returned, provided window
// (which keeps the request alive) is still shown.
void WhenRequestIdle(MvSNMPRequest2Controls& request, QWidget* window, const std::function<void()>& action);
