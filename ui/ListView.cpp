#include "ui/ListView.h"

#include "ui/Control.h"
#include "ui/Guard.h"
#include "ui/Text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVariant>

#include <algorithm>

namespace ui {

namespace {

// Paints the grid lines of a list that has them.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(ListView* owner) : QStyledItemDelegate(owner), owner_(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!owner_->GridLines())
            return;
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect r = option.rect;
        painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter->restore();
    }

private:
    ListView* owner_;
};

} // namespace

ListItem::ListItem(ListView* owner) : owner_(owner)
{
    // A row of a report has no children: the view then skips looking for them when it lays
    // out its rows.
    setFlags(flags() | Qt::ItemNeverHasChildren);
}

ListItem::~ListItem()
{
    if (owner_ != nullptr)
        owner_->Forget(this);
}

void ListItem::SetCaption(const std::string& caption)
{
    caption_ = caption;
    TextsChanged();
}

std::string ListItem::SubItem(int index) const
{
    if (index < 0 || index >= SubItemCount())
        return {};
    return subItems_[static_cast<std::size_t>(index)];
}

void ListItem::AddSubItem(const std::string& text)
{
    subItems_.push_back(text);
    TextsChanged();
}

void ListItem::SetSubItem(int index, const std::string& text)
{
    if (index < 0)
        return;
    if (index >= SubItemCount())
        subItems_.resize(static_cast<std::size_t>(index) + 1);
    subItems_[static_cast<std::size_t>(index)] = text;
    TextsChanged();
}

void ListItem::ClearSubItems()
{
    subItems_.clear();
    TextsChanged();
}

std::string ListItem::Cell(int column) const
{
    return column == 0 ? caption_ : SubItem(column - 1);
}

int ListItem::Index() const
{
    if (owner_ == nullptr)
        return -1;
    const std::vector<ListItem*>& rows = owner_->rows_;
    return static_cast<int>(std::find(rows.begin(), rows.end(), this) - rows.begin());
}

bool ListItem::Selected() const
{
    return owner_ != nullptr && owner_->Selected() == this;
}

void ListItem::SetSelected(bool selected)
{
    if (owner_ == nullptr)
        return;
    if (selected)
        owner_->SetSelected(this);
    else if (owner_->Selected() == this)
        owner_->SetSelected(nullptr);
}

QVariant ListItem::data(int column, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return column < 0 ? QVariant() : QVariant(ToQString(Cell(column)));
    return QTreeWidgetItem::data(column, role);
}

void ListItem::setData(int column, int role, const QVariant& value)
{
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        QTreeWidgetItem::setData(column, role, value);
    } else if (column == 0) {
        SetCaption(ToStdString(value.toString()));
    } else if (column > 0) {
        SetSubItem(column - 1, ToStdString(value.toString()));
    }
}

void ListItem::TextsChanged()
{
    if (treeWidget() != nullptr)
        emitDataChanged();
}

ListView::ListView(QWidget* parent) : QTreeWidget(ClientOf(parent))
{
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setItemDelegate(new GridDelegate(this));
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChangedByQt(); });
    batchTimer_.setSingleShot(true);
    batchTimer_.setInterval(50);
    connect(&batchTimer_, &QTimer::timeout, this, [this] { ShowAddedRows(); });
    ShowIfParentVisible(this);
}

ListView::~ListView()
{
    destroying_ = true;
    disconnect(this, &QTreeWidget::itemSelectionChanged, this, nullptr);
    // The Qt view deletes the rows it holds; the others are deleted here.
    for (ListItem* item : DetachRows())
        delete item;
}

int ListView::AddColumn(const std::string& caption, int width)
{
    columns_.push_back({caption, width});
    ApplyColumns();
    return ColumnCount() - 1;
}

std::string ListView::ColumnCaption(int index) const
{
    if (index < 0 || index >= ColumnCount())
        return {};
    return columns_[static_cast<std::size_t>(index)].caption;
}

int ListView::ColumnWidth(int index) const
{
    if (index < 0 || index >= ColumnCount())
        return 0;
    return columns_[static_cast<std::size_t>(index)].width == 0 ? 0 : columnWidth(index);
}

void ListView::SetColumnWidth(int index, int width)
{
    if (index < 0 || index >= ColumnCount())
        return;
    columns_[static_cast<std::size_t>(index)].width = width;
    ApplyWidth(index);
}

void ListView::ClearColumns()
{
    columns_.clear();
    ApplyColumns();
}

void ListView::ApplyColumns()
{
    QStringList captions;
    for (const Column& column : columns_)
        captions << ToQString(column.caption);
    setColumnCount(ColumnCount());
    setHeaderLabels(captions);
    for (int i = 0; i < ColumnCount(); ++i)
        ApplyWidth(i);
}

void ListView::ApplyWidth(int index)
{
    const int width = columns_[static_cast<std::size_t>(index)].width;
    setColumnHidden(index, width == 0);
    if (width > 0) {
        setColumnWidth(index, width);
    } else if (width == -1) {
        ShowAddedRows();
        resizeColumnToContents(index);
    } else if (width == -2) {
        const QString caption = ToQString(columns_[static_cast<std::size_t>(index)].caption);
        setColumnWidth(index, fontMetrics().horizontalAdvance(caption) + 16);
    }
}

ListItem* ListView::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return rows_[static_cast<std::size_t>(index)];
}

ListItem* ListView::AddItem()
{
    return InsertItem(Count());
}

ListItem* ListView::InsertItem(int index)
{
    auto* item = new ListItem(this);
    const std::size_t at = index < 0 || index > Count() ? rows_.size() : static_cast<std::size_t>(index);
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), item);
    if (at < shown_) {
        // Among the shown rows: the Qt view takes it now, the rows after it move down.
        insertTopLevelItem(static_cast<int>(at), item);
        ++shown_;
    } else if (!batchTimer_.isActive()) {
        batchTimer_.start();
    }
    Changed(item);
    return item;
}

void ListView::ShowAddedRows()
{
    batchTimer_.stop();
    if (shown_ == rows_.size())
        return;
    // One insertion of many rows: the Qt view lays itself out once for all of them.
    QList<QTreeWidgetItem*> batch(rows_.begin() + static_cast<std::ptrdiff_t>(shown_), rows_.end());
    shown_ = rows_.size();
    insertTopLevelItems(topLevelItemCount(), batch);
}

void ListView::DeleteItem(ListItem* item)
{
    if (item == nullptr || item->owner_ != this)
        return;
    if (item == selected_)
        ChangeSelection(nullptr, false);
    settingSelection_ = true;
    delete item;
    settingSelection_ = false;
    Changed(nullptr);
}

void ListView::Forget(ListItem* item)
{
    const auto it = std::find(rows_.begin(), rows_.end(), item);
    if (it == rows_.end())
        return;
    if (static_cast<std::size_t>(it - rows_.begin()) < shown_)
        --shown_;
    rows_.erase(it);
    if (selected_ == item)
        selected_ = nullptr;
}

std::vector<ListItem*> ListView::DetachRows()
{
    batchTimer_.stop();
    for (ListItem* item : rows_)
        item->owner_ = nullptr;
    std::vector<ListItem*> pending(rows_.begin() + static_cast<std::ptrdiff_t>(shown_), rows_.end());
    rows_.clear();
    shown_ = 0;
    selected_ = nullptr;
    return pending;
}

void ListView::Clear()
{
    if (selected_ != nullptr)
        ChangeSelection(nullptr, false);
    const std::vector<ListItem*> pending = DetachRows();
    settingSelection_ = true;
    clear();
    settingSelection_ = false;
    for (ListItem* item : pending)
        delete item;
    Changed(nullptr);
}

void ListView::SetSelected(ListItem* item)
{
    if (item != nullptr && item->owner_ != this)
        return;
    ShowAddedRows();
    ChangeSelection(item, false);
}

ListItem* ListView::ItemAt(int x, int y) const
{
    const_cast<ListView*>(this)->ShowAddedRows();
    return dynamic_cast<ListItem*>(itemAt(x, y));
}

QRect ListView::visualItemRect(const QTreeWidgetItem* item) const
{
    const_cast<ListView*>(this)->ShowAddedRows();
    return QTreeWidget::visualItemRect(item);
}

void ListView::scrollToItem(const QTreeWidgetItem* item, ScrollHint hint)
{
    ShowAddedRows();
    QTreeWidget::scrollToItem(item, hint);
}

void ListView::SetGridLines(bool gridLines)
{
    gridLines_ = gridLines;
    viewport()->update();
}

void ListView::Loaded()
{
    if (!columns_.empty() || columnCount() == 0)
        return;
    const QStringList widths = property("ColumnWidths").toString().split(QLatin1Char(','));
    std::vector<Column> columns;
    for (int i = 0; i < columnCount(); ++i) {
        const int width = i < widths.size() && !widths[i].trimmed().isEmpty()
                              ? widths[i].trimmed().toInt()
                              : 50;
        columns.push_back({ToStdString(headerItem()->text(i)), width});
    }
    columns_ = columns;
    ApplyColumns();
}

void ListView::SelectionChangedByQt()
{
    if (settingSelection_ || destroying_)
        return;
    const QList<QTreeWidgetItem*> items = selectedItems();
    ChangeSelection(items.isEmpty() ? nullptr : dynamic_cast<ListItem*>(items.first()), true);
}

void ListView::ChangeSelection(ListItem* item, bool byUser)
{
    if (item == selected_)
        return;
    ListItem* old = selected_;
    selected_ = item;
    if (!byUser) {
        settingSelection_ = true;
        if (item != nullptr) {
            setCurrentItem(item);
        } else {
            clearSelection();
        }
        settingSelection_ = false;
    }
    const auto fire = [&] {
        if (old != nullptr)
            Fire(OnSelectItem, static_cast<QObject*>(this), old, false);
        if (item != nullptr)
            Fire(OnSelectItem, static_cast<QObject*>(this), item, true);
    };
    if (byUser)
        RunGuarded(fire);
    else
        fire();
}

void ListView::Changed(ListItem* item)
{
    Fire(OnChanging, static_cast<QObject*>(this), item);
    Fire(OnChange, static_cast<QObject*>(this), item);
}

void ListView::mousePressEvent(QMouseEvent* event)
{
    ShowAddedRows();
    pressed_ = event->button() == Qt::LeftButton;
    if (itemAt(event->position().toPoint()) == nullptr) {
        // A click beside the rows clears the selection.
        ChangeSelection(nullptr, true);
        settingSelection_ = true;
        clearSelection();
        settingSelection_ = false;
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    const bool click = pressed_ && !skipNextClick_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    skipNextClick_ = false;
    if (click)
        RunGuarded([this] { Fire(OnClick, static_cast<QObject*>(this)); });
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    ShowAddedRows();
    QTreeWidget::mouseDoubleClickEvent(event);
    skipNextClick_ = true;
    if (event->button() == Qt::LeftButton)
        RunGuarded([this] { Fire(OnDblClick, static_cast<QObject*>(this)); });
}

void ListView::keyPressEvent(QKeyEvent* event)
{
    // The row the keys move to becomes the selected one; Qt's own steps in between (it may
    // select the row the code selected last on the way) are not reported.
    ShowAddedRows();
    QTreeWidgetItem* before = currentItem();
    settingSelection_ = true;
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* after = currentItem();
    if (after != nullptr && after != before) {
        clearSelection();
        after->setSelected(true);
    }
    settingSelection_ = false;
    const QList<QTreeWidgetItem*> items = selectedItems();
    ChangeSelection(items.isEmpty() ? nullptr : dynamic_cast<ListItem*>(items.first()), true);
}

void ListView::mouseMoveEvent(QMouseEvent* event)
{
    QTreeWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    RunGuarded([&] { Fire(OnMouseMove, static_cast<QObject*>(this), p.x(), p.y()); });
}

} // namespace ui
