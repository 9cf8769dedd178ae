#pragma once
// Window messages a form posts to itself: a number and two parameters, delivered later by the
// message loop that runs (the form's own modal loop, as a rule) to the form's Dispatch.

#include <cstdint>

namespace ui {

struct Message {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

inline constexpr unsigned WM_CLOSE = 0x0010;      // Dispatch closes the form
inline constexpr unsigned WM_NEXTDLGCTL = 0x0028; // Dispatch moves the focus to the next control
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned WM_APP = 0x8000;        // the first number of a program's own messages

} // namespace ui
