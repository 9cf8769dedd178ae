#pragma once
// Editor rows: one row per variable of a request, each a send box, the variable's caption and
// an editor bound to the variable. The box says whether the row takes part in the next SET;
// rows that cannot be written are greyed and have no box.
//
// Tags a window may put on a row's editor:
//   99   the row is never counted as empty (it may be sent empty)
//   100  (the row-status editor) a checked row is sent even when its box is hidden and its value
//        is "active", and the Add and Edit dialogs keep the row visible
// A row's box gets Tag 6666 once HideRow hid it. A window may replace a row's editor by a
// control of its own and set the row's Kind to 5; the empty-row test reads that control's text.

#include "ui/Color.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <string>
#include <vector>

class MvSNMPRequest2Edits;
class TCtrlBtnPanel;

namespace ui {
class CheckBox;
class ScrollBox;
} // namespace ui

// Kinds of rows.
enum : int {
    ukEnd = 0,          // the end record of Rows
    ukReadOnlyEdit = 1, // not settable, no option list
    ukEdit = 2,         // settable, no option list
    ukComboBox = 3,     // settable with an option list: a drop-down list
    ukReadOnlyText = 4, // not settable with an option list: the option text in a read-only edit
    ukCustom = 5,       // the window replaced the editor by a control of its own
};

// One row.
struct UISnmpVar {
    int Kind = ukEnd;
    std::string Format;            // the input rule the edit is bound with
    QWidget* Editor = nullptr;     // edit, drop-down list or (kind 5) the window's own control
    ui::CheckBox* CheckBox = nullptr;
    ui::Label* Label = nullptr;
};

class TEditsPanel : public ui::Panel {
    Q_OBJECT
public:
    TEditsPanel(QWidget* owner, MvSNMPRequest2Edits* editCtrl);

    // One per item of the request's variable list, in item order, then the end record.
    std::vector<UISnmpVar> Rows;
    ui::Label* MessageLabel;
    ui::ScrollBox* ScrollBox;
    int EditorWidth = 121;
    ui::Color ReadOnlyFontColor = ui::clBlack;
    ui::Color ReadOnlyColor = ui::clBtnFace;
    MvSNMPRequest2Edits* EditCtrl;   // not owned
    std::uint8_t RowsCheckedDefault = 0;

    // The number of rows without the end record.
    int RowCount() const { return static_cast<int>(Rows.size()) - 1; }

    void BuildRows(MvSNMPRequest2Edits* editCtrl);
    // Which buttons of the column an editor shows; a one-row editor gets "Set", enabled.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* column);
    // Places the rows one per line (orientation 2, the only one); with resize the panel takes
    // their size plus 40.
    void LayoutRows(int orientation, bool resize);
    void SetEditorWidth(int width, int orientation);
    // Keys and rows that cannot be written become read-only, the others editable with their box
    // in the given state.
    void SetRowsChecked(std::uint8_t checkedDefault);
    void MakeRowReadOnly(int row);
    void MakeRowEditable(int row);
    void SetReadOnlyColours(ui::Color fontColor, ui::Color color);
    void HideRow(int row);
    void ShowRow(int row);
    void UncheckRow(int row);
    void SetRowValue(int row, const std::string& text);
    // Empties every editor and every item value.
    void ClearAllRows();
    bool IsRowEmpty(int row) const;
    void RowCheckClick(QObject* sender);
    void ShowMessageLabel(const std::string& text, ui::Color color, int fontSize);

private:
    void DeleteRows();
};

// The text an editor shows (an edit, a drop-down list, or a window's own control).
std::string EditorText(const QWidget* editor);
