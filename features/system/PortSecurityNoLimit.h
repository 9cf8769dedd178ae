#pragma once
// The "No Limit" box of the port security windows. A learning limit of -1 means no limit: ticked,
// the box puts the -1 that is written into its limit edit, which then only shows it; cleared, the
// edit is empty and open for a number. Each window's CBoxNolimitClick calls FollowNoLimitBox; the
// box's click runs whenever its state changes, by the user or by the window's code.

#include <string>

class QWidget;

namespace ui {
class CheckBox;
class Edit;
} // namespace ui

// The limit text that stands for no limit.
inline constexpr const char* NoLimitText = "-1";

void FollowNoLimitBox(const ui::CheckBox* box, ui::Edit* edit);

// True when the box is ticked (no limit) or the edit holds a limit from min to 3328; otherwise
// the message that names field, the focus on the edit, and false.
bool CheckLimitField(const ui::CheckBox* box, ui::Edit* edit, const std::string& field, long long min,
                     QWidget* owner);
