#pragma once
// A list view in report style: columns with a caption and a width (a column of width 0 is
// hidden and stays hidden), rows with a caption and sub-items, whole-row single selection, grid
// lines, read-only. Events:
//   OnSelectItem  a row became selected or deselected (deselection first), by a user or code;
//   OnClick       a click on the list, a row or the empty space (which clears the selection);
//                 the selection events of the click come first;
//   OnDblClick    a double click;
//   OnChanging, OnChange  a row was added or deleted, or the rows were cleared; both run after
//                 the change, so Count already tells the new number of rows;
//   OnMouseMove   the pointer moved over the list (client coordinates; ItemAt finds the row).

#include "ui/Events.h"
#include "ui/Loadable.h"

#include <QTreeWidget>

#include <string>
#include <vector>

namespace ui {

class ListView;

class ListItem : public QTreeWidgetItem {
public:
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // The texts of columns 1, 2, ...; a row may hold more than the list has columns.
    int SubItemCount() const { return static_cast<int>(subItems_.size()); }
    std::string SubItem(int index) const;
    void AddSubItem(const std::string& text);
    void SetSubItem(int index, const std::string& text);
    void ClearSubItems();

    // The text of column 0 (the caption) or of a later column (a sub-item).
    std::string Cell(int column) const;

    int Index() const;
    bool Selected() const;
    void SetSelected(bool selected);
    ListView* Owner() const;

private:
    friend class ListView;
    ListItem() = default;
    void ShowTexts();

    std::string caption_;
    std::vector<std::string> subItems_;
};

class ListView : public QTreeWidget, public Loadable {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);
    ~ListView() override;

    // Columns.
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // width: pixels; 0 hides the column; -1 fits the column to its texts, -2 to its caption.
    int AddColumn(const std::string& caption, int width);
    std::string ColumnCaption(int index) const;
    int ColumnWidth(int index) const;
    void SetColumnWidth(int index, int width);
    void ClearColumns();

    // Rows.
    int Count() const { return topLevelItemCount(); }
    ListItem* Item(int index) const;
    ListItem* AddItem();
    ListItem* InsertItem(int index);
    void DeleteItem(ListItem* item);
    void Clear();

    // The selected row, or none; selecting another row deselects the one before.
    ListItem* Selected() const { return selected_; }
    void SetSelected(ListItem* item);
    int ItemIndex() const { return selected_ ? selected_->Index() : -1; }
    void SetItemIndex(int index) { SetSelected(Item(index)); }

    // The row at a point of the list's client area, or none.
    ListItem* ItemAt(int x, int y) const;

    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool gridLines);
    // Rows are selected whole and the list cannot be edited; these stay as they are.
    void SetRowSelect(bool) {}
    void SetReadOnly(bool) {}
    void SetHideSelection(bool) {}

    SelectItemEvent OnSelectItem;
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    ListChangeEvent OnChanging;
    ListChangeEvent OnChange;
    MouseMoveEvent OnMouseMove;

    // Takes the columns of a form layout; their widths come from the dynamic property
    // ColumnWidths (comma-separated pixels).
    void Loaded() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ListItem;
    struct Column {
        std::string caption;
        int width;
    };

    void ApplyColumns();
    void ApplyWidth(int index);
    void SelectionChangedByQt();
    // Moves the selection to item, firing deselection then selection; guarded for a user.
    void ChangeSelection(ListItem* item, bool byUser);
    void Changed(ListItem* item);

    std::vector<Column> columns_;
    ListItem* selected_ = nullptr;
    bool gridLines_ = false;
    bool settingSelection_ = false;
    bool pressed_ = false;
    bool skipNextClick_ = false;
    bool destroying_ = false;
};

} // namespace ui
