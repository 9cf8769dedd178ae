#pragma once
// Exceptions never cross Qt's event loop. Every handler that the layer runs for a user's action
// runs under RunGuarded; ui::Application::notify is the backstop for anything else. An escaped
// exception is shown as the class library shows one: a message box with its text, captioned
// with the application title, and the program goes on.

#include <exception>
#include <functional>
#include <string>

namespace ui {

// Mixed into an exception whose message the user has already been shown where it arose (a
// refused input): ShowException shows nothing more for it.
struct AlreadyTold {
    virtual ~AlreadyTold() = default;
};

// Runs f as the handling of a user's action (ui/Handling.h: a Close asked for inside it waits
// until it has returned); an exception that escapes it is shown with ShowException. Returns
// false then.
bool RunGuarded(const std::function<void()>& f);
// The same without counting as handling: for the layer's own steps that carry out a close.
bool RunGuardedOutsideHandling(const std::function<void()>& f);

// The message box of an escaped exception: its text, with a full stop added when the text does
// not already end in punctuation. Nothing for an exception that is AlreadyTold.
void ShowException(const std::exception& e);
void ShowException(const std::string& message);

} // namespace ui
