#pragma once
// A combo box: a drop-down list (choice only) or a drop-down (an edit with a list). Its change
// event fires only when a user chooses an entry or types; setting the index or the text in code
// does not fire it. No entry is selected until one is chosen or set.

#include "ui/Events.h"
#include "ui/Loadable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include <string>

namespace ui {

enum ComboStyle { csDropDown, csDropDownList };

class ComboBox : public QComboBox, public Loadable {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    ComboStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void SetStyle(ComboStyle style);

    int ItemCount() const { return count(); }
    std::string ItemText(int index) const;
    void AddItem(const std::string& text);
    void InsertItem(int index, const std::string& text);
    void DeleteItem(int index);
    void ClearItems();
    // The first entry with that text, or -1.
    int IndexOf(const std::string& text) const;

    // -1: no entry selected.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);

    // The edit's text (drop-down) or the selected entry's text (drop-down list); setting the
    // text of a drop-down list selects the entry with that text, or none.
    std::string Text() const;
    void SetText(const std::string& text);

    NotifyEvent OnChange;

    // Reads the dynamic property ItemIndex of the form layout (none when absent).
    void Loaded() override;

private:
    // Typing in the drop-down's edit fires OnChange.
    void WatchEdit();

    QPointer<QLineEdit> watchedEdit_; // the drop-down's edit whose typing is a change
};

} // namespace ui
