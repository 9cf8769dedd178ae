#pragma once
// What every control has, whatever its class: a Tag, colours, a hint, bounds, visibility, a
// parent. Free functions over QWidget, so generic code (enable or clear a group of controls,
// find a control by Tag) works on any control of a form.

#include "ui/Color.h"

#include <QPoint>

#include <string>
#include <vector>

class QObject;
class QWidget;

namespace ui {

// The sizes of controls made at run time, before code sizes them (a form layout gives its own).
constexpr int DefaultEditWidth = 121, DefaultEditHeight = 21;
constexpr int DefaultComboBoxWidth = 145, DefaultComboBoxHeight = 21;
constexpr int DefaultCheckBoxWidth = 97, DefaultCheckBoxHeight = 17;
constexpr int DefaultButtonWidth = 75, DefaultButtonHeight = 25;

// An integer for the window's own use; 0 until set. Form layouts set it as the dynamic
// property "Tag".
int Tag(const QObject* control);
void SetTag(QObject* control, int tag);

// Background and text colour. An editor's background is its editing area.
Color ColorOf(const QWidget* control);
void SetColor(QWidget* control, Color color);
Color FontColorOf(const QWidget* control);
void SetFontColor(QWidget* control, Color color);

// The hint (tool tip) and whether it shows.
std::string Hint(const QWidget* control);
void SetHint(QWidget* control, const std::string& hint);
bool ShowHint(const QWidget* control);
void SetShowHint(QWidget* control, bool show);

// Position and size in the parent's client coordinates (a window: on the screen, its size with
// the frame). Aligned children of the control and aligned siblings follow at once.
void SetBounds(QWidget* control, int left, int top, int width, int height);
void SetLeft(QWidget* control, int left);
void SetTop(QWidget* control, int top);
void SetWidth(QWidget* control, int width);
void SetHeight(QWidget* control, int height);

// Resizes a control (a window: its client area) to width x height; a fixed-size window keeps
// the new size fixed.
void Resize(QWidget* control, int width, int height);

// A fixed-size window (a dialog or single border) cannot be resized by the user; code still
// sizes it through the layer (SetBounds, Resize, the form's client size).
bool FixedSize(const QWidget* control);
void SetFixedSize(QWidget* control, bool fixed);

// The control's own visibility: a child that is not hidden counts as visible even while its
// window is not shown.
bool Visible(const QWidget* control);

// Puts the control into parent (into its client area: a scroll box's content, a main window's
// central widget); the control keeps its visibility. A form given a parent becomes a child
// control of it; given none, a window again.
void SetParent(QWidget* control, QWidget* parent);

// The widget that holds the children of container.
QWidget* ClientOf(QWidget* container);

// Whether Tab stops at the control; a control out of the tab order still takes a click.
void SetTabStop(QWidget* control, bool tabStop);

// Clips the control to a polygon (alternate fill), in its own coordinates.
void SetWindowRegion(QWidget* control, const std::vector<QPoint>& polygon);

// For the constructors of the layer's controls: a control made inside a window that is already
// shown appears at once, as one made before the window is shown does.
void ShowIfParentVisible(QWidget* control);

} // namespace ui
