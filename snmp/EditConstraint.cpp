#include "EditConstraint.h"

#include "SnmpError.h"

#include "ui/Beep.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Message.h"
#include "ui/MessageBox.h"
#include "ui/Text.h"

#include <QTimer>

namespace {

// The framework's own marker texts (a null value, a value not read): no input to check.
bool IsPlaceholder(const std::string& text) { return text == "(NOTDONE)" || text == "(NULL)"; }

// Removes the byte at position k of the text and keeps the caret where the user typed.
void RemoveCharAt(ui::Edit* edit, const std::string& text, std::size_t k)
{
    edit->SetText(std::string(text).erase(k, 1));
    edit->setCursorPosition(static_cast<int>(ui::ToQString(text.substr(0, k)).size()));
}

// The edit that gets the focus back after a failed exit check, until the queued move has run.
// Meanwhile other edits losing the focus (to the message boxes, to the move back) are not
// checked, whichever window or constraint they belong to: exit checks never cascade.
QPointer<ui::Edit>& Refocusing()
{
    static QPointer<ui::Edit> edit;
    return edit;
}

} // namespace

MvEditConstraint::MvEditConstraint(QWidget* owner, bool rememberLast)
    : Owner(owner), RememberLast(rememberLast)
{
}

MvEditConstraint::~MvEditConstraint()
{
    // The edits' handlers point here: edits that outlive this object must not call them.
    for (const auto& rule : rules_) {
        if (rule->Control) {
            rule->Control->OnChange = rule->SavedOnChange;
            rule->Control->OnExit = rule->SavedOnExit;
        }
    }
}

void MvEditConstraint::Attach(const std::string& text, ui::Edit* edit, EditCheck check)
{
    const EditRuleFormat format = ParseEditRule(text);
    EditConstraintRule* rule = FindRule(edit);
    if (rule == nullptr) {
        auto added = std::make_unique<EditConstraintRule>();
        added->Control = edit;
        added->SavedOnChange = edit->OnChange;
        added->SavedOnExit = edit->OnExit;
        rule = added.get();
        rules_.push_back(std::move(added));
    }
    static_cast<EditRuleFormat&>(*rule) = format;
    rule->Check = std::move(check);
    if (format.Width > 0)
        ui::SetWidth(edit, format.Width);
    edit->SetMaxLength(format.MaxLength);
    edit->OnChange = [this](QObject* sender) { OnEditChange(sender); };
    edit->OnExit = [this](QObject* sender) { OnEditExit(sender); };
}

void MvEditConstraint::AttachCompound(const std::string& text, const std::vector<ui::Edit*>& edits, EditCheck check)
{
    const std::vector<std::string> pieces = SplitEditRules(text);
    for (const std::string& piece : pieces)
        ParseEditRule(piece);
    if (edits.size() < pieces.size())
        RaiseFrameworkError(MvCode::NotEnoughControls);
    for (std::size_t k = 0; k < pieces.size(); ++k)
        Attach(pieces[k], edits[k], check);
}

void MvEditConstraint::Detach(ui::Edit* edit)
{
    for (auto it = rules_.begin(); it != rules_.end(); ++it) {
        if ((*it)->Control == edit) {
            edit->OnChange = (*it)->SavedOnChange;
            edit->OnExit = (*it)->SavedOnExit;
            rules_.erase(it);
            return;
        }
    }
}

EditConstraintRule* MvEditConstraint::FindRule(const QObject* control)
{
    if (control == nullptr)
        return nullptr;
    for (const auto& rule : rules_)
        if (rule->Control == control)
            return rule.get();
    return nullptr;
}

void MvEditConstraint::RememberText(const QObject* control)
{
    if (EditConstraintRule* rule = FindRule(control); rule != nullptr && rule->Control) {
        rule->LastGood = rule->Control->Text();
        rule->Refused = false;
    }
}

void MvEditConstraint::PostNextControl()
{
    if (ui::CustomForm* form = ui::FormOf(Owner))
        form->PostMessage(ui::WM_NEXTDLGCTL);
}

void MvEditConstraint::OnEditChange(QObject* sender)
{
    auto* edit = qobject_cast<ui::Edit*>(sender);
    EditConstraintRule* rule = FindRule(edit);
    if (rule == nullptr)
        return;
    const std::string text = edit->Text();
    if (text.empty() || IsPlaceholder(text))
        return;
    if (rule->JumpChar != 0) {
        const std::size_t at = text.find(rule->JumpChar);
        if (at != std::string::npos) {
            RemoveCharAt(edit, text, at);
            PostNextControl();
            return;
        }
    }
    const std::size_t refused = FirstRefusedChar(*rule, text);
    if (refused != std::string::npos) {
        // Setting the text runs this filter again, which removes the next refused character.
        RemoveCharAt(edit, text, refused);
        ui::Beep(1000, 200);
        return;
    }
    if (rule->SavedOnChange) {
        ui::Fire(rule->SavedOnChange, sender);
        rule = FindRule(edit); // the handler may have detached the rule
        if (rule == nullptr || ui::Tag(edit) == -1)
            return;
    }
    if ((rule->LengthFlags & LengthAutoAdvance) && rule->MaxLength > 0 &&
        edit->text().size() == rule->MaxLength)
        PostNextControl();
}

void MvEditConstraint::OnEditExit(QObject* sender)
{
    auto* edit = qobject_cast<ui::Edit*>(sender);
    EditConstraintRule* rule = FindRule(edit);
    if (rule == nullptr)
        return;
    if (Refocusing() && Refocusing() != edit)
        return;
    if (const auto refused = Verdict(*rule)) {
        if (EditConstraintRule* still = FindRule(edit))
            Refuse(*still, *refused);
        return;
    }
    rule = FindRule(edit); // a check function may have rebound the edit
    if (rule == nullptr)
        return;
    rule->Refused = false;
    const std::string text = edit->Text();
    if (IsPlaceholder(text) || text.empty())
        return;
    if (rule->SavedOnExit) {
        ui::Fire(rule->SavedOnExit, sender);
        rule = FindRule(edit);
        if (rule == nullptr)
            return;
        if (ui::Tag(edit) == -1) {
            edit->SetText(rule->LastGood);
            return;
        }
    }
    if (RememberLast)
        rule->LastGood = edit->Text();
}

std::optional<std::vector<std::string>> MvEditConstraint::Verdict(EditConstraintRule& rule)
{
    ui::Edit* edit = rule.Control;
    const std::string text = edit->Text();
    if (IsPlaceholder(text))
        return std::nullopt;
    if (text.empty()) {
        if (rule.LengthFlags & LengthNotEmpty)
            return std::vector<std::string>{CommonMessage(CommonMsg::EmptyValue)};
        return std::nullopt;
    }
    if (rule.CustomCheck && rule.Check) {
        const EditCheck check = rule.Check; // the check may rebind the edit
        const ui::FieldNaming naming(rule.Field);
        if (check(edit))
            return std::nullopt;
        // A function that refuses without a word would leave the user in an edit that keeps
        // taking the focus back, not knowing why.
        if (naming.Shown() == 0)
            return std::vector<std::string>{MessageOfCode(MvCode::BadPartValue)};
        return std::vector<std::string>{}; // the function has spoken, naming the field
    }
    EditTextVerdict verdict = CheckEditText(rule, text);
    if (!verdict.Passed)
        return std::move(verdict.Messages);
    return std::nullopt;
}

bool MvEditConstraint::RecheckRefused(const QObject* control)
{
    EditConstraintRule* rule = FindRule(control);
    // A disabled edit cannot be corrected: refusing it again would block every write.
    if (rule == nullptr || !rule->Refused || !rule->Control || !rule->Control->isEnabled())
        return true;
    const QPointer<ui::Edit> edit = rule->Control;
    if (const auto refused = Verdict(*rule)) {
        if (EditConstraintRule* still = FindRule(edit))
            Refuse(*still, *refused);
        return false;
    }
    if (EditConstraintRule* still = FindRule(edit))
        still->Refused = false;
    return true;
}

void MvEditConstraint::Refuse(EditConstraintRule& rule, const std::vector<std::string>& messages)
{
    rule.Refused = true;
    const QPointer<ui::Edit> edit = rule.Control;
    const std::string field = rule.Field;
    Refocusing() = edit;
    if (edit)
        edit->RefuseExit();
    for (std::size_t k = 0; k < messages.size(); ++k)
        ui::MessageBox(Owner, k == 0 ? ui::FieldNaming::Named(field, messages[k]) : messages[k]);
    if (!edit)
        return;
    // Queued: the focus is still on its way to the next control while the exit check runs.
    // The refused text comes back selected, so what is typed next replaces it.
    QTimer::singleShot(0, edit, [edit] {
        edit->SetFocus();
        edit->selectAll();
        Refocusing() = nullptr;
    });
}
