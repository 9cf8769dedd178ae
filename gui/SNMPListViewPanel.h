#pragma once
// A MIB table as a list, edited through modal dialogs: Add creates a row (the add value, as a
// rule "createAndGo", in the status column), Edit changes the selected row, Delete removes it
// (the delete value). The editor rows of the inherited editor panel stay hidden and are lent to
// the dialogs.
//
// Callers may: hide Buttons->EditButton and call Buttons->ArrangeButtons(); put Tag 100 on the
// status row's editor (EditsPanel->Rows[i].Editor) to offer the status in both dialogs; replace
// ListViewPanel->ListView->OnDblClick (the saved handler opens the Edit dialog).

#include "gui/ListViewPanel.h"
#include "gui/SNMPEditorPanel.h"

#include "ui/Form.h"

#include <string>

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    TSNMPListViewPanel(QWidget* owner, MvSNMPRequest2Edits* edits);

    TListViewPanel* ListViewPanel;

    // The status column's drop-down list (row index) must hold value; then Add (or Delete) is
    // offered and writes it.
    void SetAddStatus(int index, const std::string& value);
    void SetDeleteStatus(int index, const std::string& value);

    void RefreshClick(QObject* sender) override;
    void AddClick(QObject* sender);
    void EditClick(QObject* sender);
    void DeleteClick(QObject* sender);
    void ListClick(QObject* sender);
    void ListDblClick(QObject* sender);
    void ListChange(QObject* sender, ui::ListItem* item);
    void ListMouseMove(QObject* sender, int x, int y);

private:
    // Stores index and value and shows button when the status drop-down list of row index holds
    // value; raises message + value when the row has no drop-down list or the list no such entry.
    void OfferStatus(int index, const std::string& value, const std::string& message, int& storedIndex,
                     std::string& storedValue, ui::BitmapButton* button);
    // The write of Delete, once the request is idle: the keys of the selected row and the delete
    // value, synchronously, then the table read again.
    void DeleteSelected();
    std::string DialogCaption(const std::string& suffix) const;
    // Builds the Add or Edit dialog around the borrowed editor rows, shows it, gives them back.
    struct Dialog;
    void RunDialog(bool add);
};
