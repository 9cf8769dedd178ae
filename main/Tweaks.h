#pragma once
// The small adjustments a handler makes to the window it builds, as data in its row: a list of
// tweaks applied in row order. RequestTimeout is applied before the layout call, ForceV2c and
// ForceV2cWhileOpen before the window is created, every other tweak after the layout call.
//
// Scaled n is the window's scale factor times n, truncated toward zero (562 for 450 at 1.25).
// Rows are 0-based positions in the request's variable list; a tweak that addresses a row of an
// empty list (a model-dependent window on an unidentified switch) is skipped, a row missing
// from a list that has rows raises.
//
// A deviation that is no tweak is a step of the row's own: a function the group file writes
// beside its rows, run in the row's tweak order (Step), before the layout call (StepBeforeLayout)
// or before the window is created (StepBeforeCreate).

#include <cstdint>

class QWidget;
struct HandlerWindow;

// A validator of an edit's whole text ("Z" rules), such as ValidateIPv4Text.
using TweakCheck = bool (*)(QWidget* control);
// A row's own step.
using HandlerStep = void (*)(HandlerWindow& window);

enum class TweakKind : std::uint8_t {
    None,                  // the end of a row's tweaks
    HideEditButton,        // Edit hidden, the button column closes up
    NoDoubleClickEdit,     // a double click on a row opens nothing
    SetVarFormat,          // row's editor takes the input rule Spec
    SetVarFormatWithCheck, // the same with the check of the rule's "Z" option
    SetEditorWidth,        // editor column of a scalar window: scaled N
    FixedEditorWidth,      // the same, N unscaled
    WidenEditor,           // editor column of a scalar window: row 0's editor + scaled N
    ListEditorWidth,       // editors of a list window's Add and Edit dialogs: scaled N
    FixedListEditorWidth,  // the same, N unscaled
    WidenEditRows,         // editors of a list window's Add and Edit dialogs: row 0's + scaled N
    ShowStopButton,        // the Stop button shown
    ScaledHeight,          // window height := scaled N
    GrowHeight,            // window height += scaled N
    GrowWidth,             // window width += scaled N
    FixedHeight,           // window height := N
    FixedWidth,            // window width := N
    RequestTimeout,        // the request's time-out := N hundredths of a second
    OptionalRow,           // row's editor Tag 99: it may stay empty
    SendActiveRow,         // row's editor Tag 100: "active" is written too
    TextCodec,             // row's text travels in the code page Spec ("Shift_JIS")
    ForceV2c,              // SNMPv1 becomes SNMPv2c for the window's life
    ForceV2cWhileOpen,     // the same
    Step,                  // the row's own step, in tweak order
    StepBeforeLayout,      // the row's own step, before the layout call
    StepBeforeCreate,      // the row's own step, before the window is created
};

struct Tweak {
    TweakKind Kind = TweakKind::None;
    int Row = -1;
    int N = 0;
    const char* Spec = nullptr;
    TweakCheck Check = nullptr;
    HandlerStep OwnStep = nullptr;
};

// The most tweaks one row (or one page) holds.
inline constexpr int MaxTweaks = 12;

// The vocabulary the rows use (main/handlers/: `using namespace tweak;`).
namespace tweak {
constexpr Tweak HideEditButton() { return {TweakKind::HideEditButton}; }
constexpr Tweak NoDoubleClickEdit() { return {TweakKind::NoDoubleClickEdit}; }
constexpr Tweak SetVarFormat(int row, const char* spec) { return {TweakKind::SetVarFormat, row, 0, spec}; }
constexpr Tweak SetVarFormatWithCheck(int row, const char* spec, TweakCheck check)
{
    return {TweakKind::SetVarFormatWithCheck, row, 0, spec, check};
}
constexpr Tweak SetEditorWidth(int n) { return {TweakKind::SetEditorWidth, -1, n}; }
constexpr Tweak FixedEditorWidth(int n) { return {TweakKind::FixedEditorWidth, -1, n}; }
constexpr Tweak WidenEditor(int n) { return {TweakKind::WidenEditor, -1, n}; }
constexpr Tweak ListEditorWidth(int n) { return {TweakKind::ListEditorWidth, -1, n}; }
constexpr Tweak FixedListEditorWidth(int n) { return {TweakKind::FixedListEditorWidth, -1, n}; }
constexpr Tweak WidenEditRows(int n) { return {TweakKind::WidenEditRows, -1, n}; }
constexpr Tweak ShowStopButton() { return {TweakKind::ShowStopButton}; }
constexpr Tweak ScaledHeight(int n) { return {TweakKind::ScaledHeight, -1, n}; }
constexpr Tweak GrowHeight(int n) { return {TweakKind::GrowHeight, -1, n}; }
constexpr Tweak GrowWidth(int n) { return {TweakKind::GrowWidth, -1, n}; }
constexpr Tweak FixedHeight(int n) { return {TweakKind::FixedHeight, -1, n}; }
constexpr Tweak FixedWidth(int n) { return {TweakKind::FixedWidth, -1, n}; }
constexpr Tweak RequestTimeout(int n) { return {TweakKind::RequestTimeout, -1, n}; }
constexpr Tweak OptionalRow(int row) { return {TweakKind::OptionalRow, row}; }
constexpr Tweak SendActiveRow(int row) { return {TweakKind::SendActiveRow, row}; }
constexpr Tweak TextCodec(int row, const char* codec) { return {TweakKind::TextCodec, row, 0, codec}; }
constexpr Tweak ForceV2c() { return {TweakKind::ForceV2c}; }
constexpr Tweak ForceV2cWhileOpen() { return {TweakKind::ForceV2cWhileOpen}; }
constexpr Tweak Step(HandlerStep step) { return {TweakKind::Step, -1, 0, nullptr, nullptr, step}; }
constexpr Tweak StepBeforeLayout(HandlerStep step)
{
    return {TweakKind::StepBeforeLayout, -1, 0, nullptr, nullptr, step};
}
constexpr Tweak StepBeforeCreate(HandlerStep step)
{
    return {TweakKind::StepBeforeCreate, -1, 0, nullptr, nullptr, step};
}
} // namespace tweak

// When a tweak is applied.
enum class TweakPhase : std::uint8_t { BeforeCreate, BeforeLayout, AfterLayout };
TweakPhase PhaseOf(TweakKind kind);

// n times scale, truncated toward zero.
int ScaledBy(float scale, int n);

// Applies the tweaks of that phase, in their order, to the window being built. Raises the
// framework's Exception for a row missing from a list that has rows and for a tweak the window
// has no control for (a list tweak on a scalar window).
void ApplyTweaks(const Tweak (&tweaks)[MaxTweaks], TweakPhase phase, HandlerWindow& window);
