#pragma once
// The summer time window (System > Time Management > Summer Time): the state (disabled,
// repeating or annual), the offset, and the start and end of summer time. The switch keeps each
// point as one octet string; the window edits it part by part in a composite row of lists and
// edits (repeating: week, weekday, month, hour, minute; annual: day, month, hour, minute). The
// rows are the generated scalar editor's, built by the constructor; only the pair of the chosen
// state shows. The request stays synchronous. The window reads when it first becomes active and
// on Refresh, so the focus coming back from one of its own message boxes keeps what the user
// typed. Set writes the state first, then the offset with the state's pair. The window keeps its
// size.

#include "features/common/WindowLifecycle.h"

#include "gui/SNMPEditorPanel.h"
#include "snmp/OptionList.h"
#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_SummerTimeForm.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

namespace ui {
class ComboBox;
class Edit;
class Panel;
} // namespace ui

// The controls of one composite row: element 0 the row's panel, then its parts in the order
// they were made.
using TCtrlsList = std::vector<QWidget*>;

class TSummerTimeForm : public ui::Form, public Ui::SummerTimeForm, public WindowLifecycle {
public:
    enum Item { StateItem, OffsetItem, RepeatStartItem, RepeatEndItem, AnnualStartItem, AnnualEndItem, ItemCount };
    // Entries of the State list: 0 disabled, 1 repeating, 2 annual.
    enum StateIndex { DisabledState, RepeatingState, AnnualState };
    // Editor width of the rows; the composite rows divide it among their parts.
    static constexpr int EditorWidth = 240;

    explicit TSummerTimeForm(QWidget* owner = nullptr);
    ~TSummerTimeForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> SummerTimeEdits;
    QPointer<TSNMPEditorPanel> SummerTimePanel;
    TCtrlsList RepeatStartParts;
    TCtrlsList RepeatEndParts;
    TCtrlsList AnnualStartParts;
    TCtrlsList AnnualEndParts;
    // The panel's own click of "Set Checked": one write of the checked rows.
    ui::NotifyEvent SavedSetClick;

    // The option lists of the composite rows, built once.
    static MvOptionList& MonthOptions();
    static MvOptionList& WeekdayOptions();
    static MvOptionList& WeekOptions();

    void FormActivate(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    // Reads the state, then the offset and the pair the state uses.
    void Refresh(QObject* sender);
    // Shows the pair of the chosen state; the other rows are hidden and unticked.
    void ShowRowsForState(QObject* sender);
    // Set Checked: the checks, then the state's write and the offset and pair's write.
    void SetSummerTime(QObject* sender);
    // The checks before a write, in order; false after the message (or, without a state,
    // without one).
    bool ValidateSummerTime();
    // A composite row's panel text: "-" when every part holds a text, else empty (an empty
    // row is refused by Set Checked).
    void MarkCompleteParts();

    // The row's editor: the State list and the Offset edit.
    ui::ComboBox* StateCombo() const;
    ui::Edit* OffsetEdit() const;
    TCtrlsList& PartsOf(int item);
    TEditsPanel& Rows() const { return *SummerTimePanel->EditsPanel; }

private:
    // The row's generated editor replaced by an empty panel at its place.
    void MakeCompositeRow(int item, TCtrlsList& parts);
    void AddRepeatingParts(int item, TCtrlsList& parts);
    void AddAnnualParts(int item, TCtrlsList& parts);
    ui::ComboBox* AddComboPart(TCtrlsList& parts, int left, int width);
    ui::Edit* AddEditPart(TCtrlsList& parts, int left, int width, const std::string& hint);
    void AddColonAfter(TCtrlsList& parts, const ui::Edit* hour);
    // The invalid flag of the items from..to (inclusive) set or cleared.
    void Flag(int from, int to, bool leaveOut);
    // The pair of the state the State list shows (repeating or annual): its first item, or -1.
    int PairOfState() const;
    bool CheckRepeatingRow(int item);
    bool CheckAnnualRow(int item);
    bool RowTicked(int item) const;
    // The panel's write of the rows left in, when one of them is ticked.
    void WriteTickedRows(QObject* sender);

    bool activated_ = false;
};
