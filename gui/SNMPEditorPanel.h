#pragma once
// The scalar editor: a TSNMPPanel whose content is the editor rows of its request and whose Set
// button writes the rows the user checked. MakeEditor returns one; a hand-made window may build
// one directly on itself.
//
// A hand-made window may take over the Set button: save Buttons->SetCheckedButton->OnClick, put
// its own handler in place and call the saved one from it.

#include "gui/EditsPanel.h"
#include "gui/SNMPPanel.h"

#include "snmp/EditConstraint.h"
#include "snmp/Exception.h"

#include <string>

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget* owner, MvSNMPRequest2Edits* edits);

    TEditsPanel* EditsPanel;

    // Every editor this wide; the window grows with the rows.
    void SetEditorWidth(int width);
    // Binds the edit of row again with another input rule ("%i{n1x4094}").
    void SetVarFormat(int row, const std::string& spec);
    void SetVarFormatWithCheck(int row, const std::string& spec, EditCheck check);

    // Writes the checked rows, synchronously; a dialog's Set button (Tag 1) then closes the
    // dialog, when the write succeeded. A typed text that cannot be written as its syntax says
    // sends nothing: a message names the row and its editor gets the focus.
    void SetCheckedClick(QObject* sender);
    void CheckAllClick(QObject* sender);
    void ClearChecksClick(QObject* sender);

private:
    void ShowRefusal(const EBadValue& refusal);
    // Checks or clears every enabled row box; Set follows when something (or nothing) is checked.
    void SetEnabledChecks(bool checked);
    void RebindRow(int row, const std::string& spec, const EditCheck* check);
};
