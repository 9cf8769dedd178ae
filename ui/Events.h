#pragma once
// Event handlers of forms and controls. Events are plain assignable fields, so a binding can
// save a control's handler, put its own in place and call the saved one (as the request
// framework does with combo boxes and list views); a window connects its methods explicitly:
//
//     btnGet->OnClick = ui::Handler(this, &TVlanForm::btnGetClick);
//
// A handler runs either because a user acted (a click, a key, a tick of a timer, a posted
// message): then the layer runs it under the exception guard (ui/Guard.h) and an escaped
// exception is shown in a message box; or because code changed a control (SetChecked, SetText,
// SetItemIndex ...): then it runs inside that call and an exception reaches the caller.

#include <functional>
#include <utility>

class QObject;

namespace ui {

class ListItem;

enum CloseAction { caNone, caHide, caFree, caMinimize };

using NotifyEvent = std::function<void(QObject* Sender)>;
using CloseEvent = std::function<void(QObject* Sender, CloseAction& Action)>;
using CloseQueryEvent = std::function<void(QObject* Sender, bool& CanClose)>;
// Key is the typed character (8 for Backspace, 13 for Enter); setting it to 0 drops the key.
using KeyPressEvent = std::function<void(QObject* Sender, char& Key)>;
// The modifier keys held with a key (bits of Shift in a KeyDownEvent).
enum ShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
// Key is the pressed key (a Qt::Key value, F3 included), Shift the ShiftState bits held;
// setting Key to 0 drops the key.
using KeyDownEvent = std::function<void(QObject* Sender, int& Key, int Shift)>;
// X and Y in the control's client coordinates.
using MouseMoveEvent = std::function<void(QObject* Sender, int X, int Y)>;
using SelectItemEvent = std::function<void(QObject* Sender, ListItem* Item, bool Selected)>;
// A row of a list view was added (Item is the row) or deleted, or the rows were cleared (none).
using ListChangeEvent = std::function<void(QObject* Sender, ListItem* Item)>;

// A window method as an event handler: ui::Handler(this, &TForm::btnGetClick).
template <class T, class... Args>
auto Handler(T* object, void (T::*method)(Args...))
{
    return [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
}

// Calls a handler when one is set. The handler is copied first: it may replace the event it
// runs from (a binding that restores saved handlers) without destroying itself mid-call.
template <class Event, class... Args>
void Fire(const Event& event, Args&&... args)
{
    if (event) {
        const Event handler = event;
        handler(std::forward<Args>(args)...);
    }
}

} // namespace ui
