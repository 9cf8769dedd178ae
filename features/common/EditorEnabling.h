#pragma once
// Editors that a window enables and disables itself show it in their colour: window colour while
// the user can type or choose, button face while they only show a value.

#include <initializer_list>

class QWidget;

// The editors (edits, combo boxes) enabled and painted window colour, or disabled and painted
// button face; their texts stay.
void EnableEditors(std::initializer_list<QWidget*> editors, bool enabled);
