#pragma once
// The base of the hand-made windows that edit one row of a table through a fixed form. Every
// column of the row has a value control (an edit or a drop-down list) and, for a column that may
// be left unchanged, a check box (or radio button): a column whose box is not checked and
// enabled stays out of the write. The base keeps the two controls of each column side by side,
// offers the group operations the windows run on them, builds the port picker of the windows
// that edit port lists, and gives the address checks.
//
// A window binds its columns in order, one bind call per column from column 0 on, and appends a
// pair of none entries for a column without controls, so that entry k of both lists belongs to
// item k of its request. Its constructor runs, in order:
//
//     setupUi(this);
//     Loaded();
//     InitBasicForm();   // scaling, position, the lists
//     ...handlers...
//     DoCreate();

#include "gui/StackingPortUitForm.h"

#include "ui/Form.h"

#include <QPointer>

#include <initializer_list>
#include <string>
#include <vector>

class MvSNMPRequest2Edits;
class QAbstractButton;

namespace ui {
class ComboBox;
class Edit;
} // namespace ui

class TBasicForm : public ui::Form {
public:
    explicit TBasicForm(QWidget* owner = nullptr);

    // Entry k: the check box or radio button of column k, or none.
    std::vector<QWidget*> CheckBoxes;
    // Entry k: the value control of column k, or none.
    std::vector<QWidget*> ValueControls;
    // The columns the skip operations walk (the window sets the variable list's item count).
    int ColumnCount = 0;
    // The variable list's key count, for the window's own use.
    int KeyCount = 0;
    // A column MarkSkippedColumns never leaves out (0 until the window sets one).
    int SkipIndex = 0;
    // The part list binding a unit's 64 port boxes to a port-list value.
    std::string PortBitsText;
    // The port picker; none until BuildPortSelector, none again once the window freed it.
    QPointer<TStackingPortUitForm> PortSelector;

    // Binds the column's value to the drop-down list and appends the column's pair.
    void BindCombo(MvSNMPRequest2Edits& request, int column, ui::ComboBox* list, QAbstractButton* checkBox);
    // Binds the column's value to the edit with the input rule and appends the column's pair.
    void BindEdit(MvSNMPRequest2Edits& request, int column, const std::string& rule, ui::Edit* edit,
                  QAbstractButton* checkBox);
    // Puts a port picker into the panel, filling it: six units of perLine boxes a line, unit 1
    // showing the model's ports.
    void BuildPortSelector(QWidget* panel, int perLine);

    // Before a write: every column from the key count on, except SkipIndex and columns without a
    // box, whose box is not both checked and enabled, is left out (the item's invalid flag).
    void MarkSkippedColumns(MvSNMPRequest2Edits& request);
    // After the write: items 0 to ColumnCount - 1 are written again by the next write.
    void ClearSkippedColumns(MvSNMPRequest2Edits& request);
    // False after "You must choose at least 1 port!" when no port of unit 1 is checked.
    bool RequireOnePort();

    // An edit is disabled, painted menu colour and emptied; a drop-down list disabled and painted
    // menu colour; a check box or radio button cleared and disabled. Other controls are left alone.
    static void DisableControl(QWidget* control);
    // Enabled; an edit or drop-down list painted window colour.
    static void EnableControl(QWidget* control);
    static void DisableControls(std::initializer_list<QWidget*> controls);
    static void EnableControls(std::initializer_list<QWidget*> controls);
    // The single operation on every control of the two lists whose Tag is tag; a column whose
    // check-box entry is none is passed over.
    void DisableByTag(int tag);
    void EnableByTag(int tag);
    // An edit read-only, a drop-down list disabled; either out of the tab order, painted button
    // face.
    static void MakeReadOnly(QWidget* control);
    static void MakeReadOnlyControls(std::initializer_list<QWidget*> controls);
    // Drop-down lists select their first entry, edits are emptied.
    static void ClearValues(const std::vector<QWidget*>& controls);
    // Every check box of the list cleared.
    static void UncheckAll(const std::vector<QWidget*>& controls);
    // Every enabled check box of the list set; none entries are passed over.
    static void CheckAllEnabled(const std::vector<QWidget*>& controls);

    // The input checks: false when the input is refused, after a message box (all but
    // CheckDottedIPv4Text); the window then keeps its dialog open.
    // True when the box is not checked or the control holds a text; otherwise the message, the
    // focus on the control when it is enabled, and false.
    bool RequireTextIfChecked(QAbstractButton* checkBox, QWidget* control, const std::string& message);
    // True for none or a control that holds a text; otherwise as RequireTextIfChecked.
    bool RequireText(QWidget* control, const std::string& message);
    // Twelve hexadecimal digits without separators; the check function of a "Z" input rule.
    static bool CheckPlainMACText(QWidget* control);
    // Six groups separated by "-" or "." (each beginning with two hexadecimal digits), or twelve
    // hexadecimal digits.
    static bool CheckSeparatedMACText(QWidget* control);
    // A dotted IPv4 address; no message.
    static bool CheckDottedIPv4Text(QWidget* control);
    // The focus to the control (an edit, a drop-down list ...) when it is enabled.
    static void FocusIfEnabled(QWidget* control);

protected:
    // The base's part of the construction, run once the window's layout is built: scaled for the
    // screen, centred on the main window, the lists empty.
    void InitBasicForm();

private:
    // The operation on every control of the two lists whose Tag is tag.
    void ForEachTagged(int tag, void (*operation)(QWidget*));
};
