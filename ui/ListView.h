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
//
// The rows, Count and every cell are exact at every moment. Rows added at the end reach the Qt
// view in batches (at the latest 50 ms after the first of them, or at once when something needs
// the view's geometry or selection), so that a walk of thousands of rows lays the view out once
// per batch rather than once per row. Each cell's text is kept once, as the row's std::string.

#include "ui/Events.h"
#include "ui/Loadable.h"

#include <QTimer>
#include <QTreeWidget>

#include <string>
#include <vector>

namespace ui {

class ListView;

class ListItem : public QTreeWidgetItem {
public:
    ~ListItem() override;

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
    ListView* Owner() const { return owner_; }

    // The view reads the cells' texts from here; Qt's setText writes them into the cells.
    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

private:
    friend class ListView;
    explicit ListItem(ListView* owner);
    // Tells the view that a cell changed, once the row is shown.
    void TextsChanged();

    ListView* owner_;
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
    int Count() const { return static_cast<int>(rows_.size()); }
    ListItem* Item(int index) const;
    ListItem* AddItem();
    ListItem* InsertItem(int index);
    void DeleteItem(ListItem* item);
    void Clear();
    // Hands the rows added since the last batch to the Qt view now (the end of a walk).
    void ShowAddedRows();

    // The selected row, or none; selecting another row deselects the one before.
    ListItem* Selected() const { return selected_; }
    void SetSelected(ListItem* item);
    int ItemIndex() const { return selected_ ? selected_->Index() : -1; }
    void SetItemIndex(int index) { SetSelected(Item(index)); }

    // The row at a point of the list's client area, or none.
    ListItem* ItemAt(int x, int y) const;
    // The view's own geometry calls, with the rows added last already shown.
    QRect visualItemRect(const QTreeWidgetItem* item) const;
    void scrollToItem(const QTreeWidgetItem* item, ScrollHint hint = EnsureVisible);

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
    // A row is being destroyed: it leaves the rows (and the selection) here.
    void Forget(ListItem* item);
    // Takes every row out of the list without events; the rows the Qt view does not hold yet
    // are returned, for the caller to delete.
    std::vector<ListItem*> DetachRows();

    std::vector<Column> columns_;
    // Every row, in order; the Qt view holds the first shown_ of them.
    std::vector<ListItem*> rows_;
    std::size_t shown_ = 0;
    QTimer batchTimer_;
    ListItem* selected_ = nullptr;
    bool gridLines_ = false;
    bool settingSelection_ = false;
    bool pressed_ = false;
    bool skipNextClick_ = false;
    bool destroying_ = false;
};

} // namespace ui
