#pragma once
// The input rules of one window's edits. While the user types, the key filter drops what the
// rule's type refuses (with a beep) and may move the focus on; when the edit loses the focus,
// the exit check tests the whole text and, on failure, shows a message that names the field,
// leaves the refused text in the edit, selected, and takes the focus back; a button pressed to
// leave the edit then does not click. Putting the last accepted text back instead would let the
// next click write a value the user did not type just now.
// Rule texts are read by ParseEditRule (EditRule.h).
//
// The rules take the edits' change and exit events; an edit's own handlers are kept and called
// after a pass. Such a handler may set the edit's Tag to -1 to veto: after the change handler,
// the auto-advance is skipped; after the exit handler, the last accepted text is put back.

#include "snmp/EditRule.h"

#include "ui/Events.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QObject;
class QWidget;

namespace ui {
class Edit;
}

// A window's own test of a control's text, used by rules with the option "Z". It shows its own
// messages. A plain function of that signature (a validator of ControlValidators.h) converts
// even when its name is overloaded.
struct EditCheck : std::function<bool(QWidget* control)> {
    using std::function<bool(QWidget*)>::function;
    EditCheck(bool (*check)(QWidget*)) : std::function<bool(QWidget*)>(check) {}
};

// The rule of one edit.
struct EditConstraintRule : EditRuleFormat {
    QPointer<ui::Edit> Control;   // not owned
    EditCheck Check;              // used with "Z"; none for rules attached without one
    std::string LastGood;         // put back when the edit's own exit handler vetoes; empty at first
    std::string Field;            // the caption the messages name ("<Field>: <message>"); empty: none
    bool Refused = false;         // the exit check refused the text, and no text has passed since
    ui::NotifyEvent SavedOnChange; // the edit's own handlers before the rule was attached
    ui::NotifyEvent SavedOnExit;
};

class MvEditConstraint {
public:
    // owner: parent of the message boxes, receives the focus moves. rememberLast: a text that
    // passes the exit check becomes the edit's last accepted text.
    MvEditConstraint(QWidget* owner, bool rememberLast);
    // Gives the edits that still exist their own handlers back.
    ~MvEditConstraint();
    MvEditConstraint(const MvEditConstraint&) = delete;
    MvEditConstraint& operator=(const MvEditConstraint&) = delete;

    QWidget* Owner;
    bool RememberLast;

    // Reads the rule text and attaches the rule to the edit; an edit that has a rule gets the
    // new one in its place, keeping its last accepted text. A malformed text raises the
    // framework's exception (code -2) before the edit is touched.
    void Attach(const std::string& text, ui::Edit* edit, EditCheck check = {});
    // One rule per "%" piece of the text, the k-th piece to the k-th edit. Every piece is read
    // before any is attached; fewer edits than pieces raise -522.
    void AttachCompound(const std::string& text, const std::vector<ui::Edit*>& edits, EditCheck check = {});
    // Removes the edit's rule and gives the edit its own handlers back.
    void Detach(ui::Edit* edit);

    // The control's rule, or none.
    EditConstraintRule* FindRule(const QObject* control);
    // The rule's last accepted text := the control's current text (no rule: nothing). The
    // value transfer calls it for every edit it fills, so a refused input falls back to the
    // value read from the switch.
    void RememberText(const QObject* control);

    // Before a write: false, with the messages shown anew, when the control's text was refused
    // on leaving the edit and still does not pass (a write started without the focus leaving it).
    bool RecheckRefused(const QObject* control);

    // The key filter, the edit's change handler.
    void OnEditChange(QObject* sender);
    // The exit check, the edit's exit handler.
    void OnEditExit(QObject* sender);

private:
    void PostNextControl();
    // A failed exit check: the messages, the focus back; the text stays as typed.
    void Refuse(EditConstraintRule& rule, const std::vector<std::string>& messages);
    // The exit check's verdict on the edit's text: empty when it passes.
    std::optional<std::vector<std::string>> Verdict(EditConstraintRule& rule);

    std::vector<std::unique_ptr<EditConstraintRule>> rules_;
};
