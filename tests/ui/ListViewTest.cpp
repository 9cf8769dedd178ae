// The report-style list view as the table windows use it.
#include "LayerForm.h"

#include "support/FormTest.h"
#include "ui/ListView.h"

#include <QHeaderView>
#include <QTest>

class ListViews : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        form_ = std::make_unique<TLayerForm>();
        list_ = form_->LV_Entry;
        ShowAndActivate(form_.get());
        for (const char* name : {"default", "v10", "v20"}) {
            ui::ListItem* row = list_->AddItem();
            row->SetCaption(std::to_string(list_->Count()));
            row->AddSubItem(std::to_string(list_->Count() * 10));
            row->AddSubItem(name);
        }
        list_->OnSelectItem = [this](QObject*, ui::ListItem* item, bool selected) {
            events_.push_back((selected ? "select " : "deselect ") + item->Caption());
        };
        list_->OnClick = [this](QObject*) { events_.push_back("click"); };
        list_->OnDblClick = [this](QObject*) { events_.push_back("dblclick"); };
    }

    std::unique_ptr<TLayerForm> form_;
    ui::ListView* list_ = nullptr;
    std::vector<std::string> events_;
};

TEST_F(ListViews, ClicksSelectRowsDeselectingFirstAndEmptySpaceClearsTheSelection)
{
    ClickRow(list_, 0);
    ClickRow(list_, 2);
    ClickRow(list_, -1);
    EXPECT_EQ(events_, (std::vector<std::string>{"select 1", "click", "deselect 1", "select 3",
                                                 "click", "deselect 3", "click"}));
    EXPECT_EQ(list_->Selected(), nullptr);
    EXPECT_EQ(list_->ItemIndex(), -1);

    events_.clear();
    DoubleClickRow(list_, 1);
    EXPECT_EQ(events_, (std::vector<std::string>{"select 2", "click", "dblclick"}));
    EXPECT_TRUE(list_->Item(1)->Selected());
}

TEST_F(ListViews, SelectionByCodeAndByKeyboardFiresTheSameEvents)
{
    list_->SetSelected(list_->Item(0));
    list_->setFocus();
    QTest::keyClick(list_, Qt::Key_Down);
    list_->SetSelected(nullptr);
    EXPECT_EQ(events_,
              (std::vector<std::string>{"select 1", "deselect 1", "select 2", "deselect 2"}));
}

TEST_F(ListViews, RowCountEventsFollowAddedAndDeletedRows)
{
    // The layout form writes the count into StaticText1 on every change.
    EXPECT_EQ(form_->StaticText1->Caption(), "3");
    list_->SetSelected(list_->Item(2));
    list_->DeleteItem(list_->Item(2));
    EXPECT_EQ(form_->StaticText1->Caption(), "2");
    EXPECT_EQ(events_, (std::vector<std::string>{"select 3", "deselect 3"}));
    list_->Clear();
    EXPECT_EQ(form_->StaticText1->Caption(), "0");
}

TEST_F(ListViews, HiddenColumnStaysHiddenAndCellsKeepEveryText)
{
    // Column 0 (the index) has width 0 in the layout.
    EXPECT_TRUE(list_->isColumnHidden(0));
    EXPECT_FALSE(list_->header()->stretchLastSection());
    form_->resize(700, 400);
    EXPECT_TRUE(list_->isColumnHidden(0));
    EXPECT_EQ(list_->ColumnWidth(0), 0);
    EXPECT_EQ(list_->ColumnWidth(1), 60);
    EXPECT_EQ(Cells(list_), (std::vector<std::vector<std::string>>{
                                {"1", "10", "default"}, {"2", "20", "v10"}, {"3", "30", "v20"}}));

    // Columns rebuilt at run time show the texts the rows already hold.
    list_->ClearColumns();
    list_->AddColumn("Port", 50);
    EXPECT_EQ(list_->Item(0)->text(0), "1");
    list_->AddColumn("VLAN", 0);
    list_->AddColumn("Name", -2);
    EXPECT_EQ(list_->Item(2)->text(2), "v20");
    EXPECT_TRUE(list_->isColumnHidden(1));
    EXPECT_GT(list_->columnWidth(2), 0);
}

TEST_F(ListViews, MouseMoveReportsThePointAndItemAtFindsTheRow)
{
    std::vector<std::string> hovered;
    list_->OnMouseMove = [&](QObject*, int x, int y) {
        ui::ListItem* row = list_->ItemAt(x, y);
        hovered.push_back(row ? row->SubItem(1) : "-");
    };
    const QPoint onRow = list_->visualItemRect(list_->Item(1)).center();
    QTest::mouseMove(list_->viewport(), onRow);
    QTest::mouseMove(list_->viewport(), QPoint(5, list_->viewport()->height() - 2));
    EXPECT_EQ(hovered, (std::vector<std::string>{"v10", "-"}));
}

namespace {

// The captions of the rows the Qt view itself holds, in its order.
std::vector<std::string> ViewCaptions(const ui::ListView* list)
{
    std::vector<std::string> captions;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        captions.push_back(list->topLevelItem(i)->text(0).toStdString());
    return captions;
}

std::vector<std::string> Captions(const ui::ListView* list)
{
    std::vector<std::string> captions;
    for (int i = 0; i < list->Count(); ++i)
        captions.push_back(list->Item(i)->Caption());
    return captions;
}

} // namespace

TEST_F(ListViews, RowsAddedTogetherAreExactAtOnceAndReachTheViewInOneInsertion)
{
    list_->ShowAddedRows();
    int insertions = 0;
    QObject::connect(list_->model(), &QAbstractItemModel::rowsInserted, list_, [&] { ++insertions; });
    for (int k = 4; k <= 2000; ++k) {
        ui::ListItem* row = list_->AddItem();
        row->SetCaption(std::to_string(k));
        row->AddSubItem(std::to_string(k * 10));
        row->AddSubItem("v" + std::to_string(k));
        // The row reads back complete right after it was filled.
        ASSERT_EQ(list_->Item(k - 1)->Cell(2), "v" + std::to_string(k));
        ASSERT_EQ(list_->Item(k - 1)->Index(), k - 1);
    }
    EXPECT_EQ(list_->Count(), 2000);
    EXPECT_EQ(form_->StaticText1->Caption(), "2000");

    ASSERT_TRUE(WaitFor([&] { return list_->topLevelItemCount() == 2000; }));
    EXPECT_EQ(insertions, 1);
    EXPECT_EQ(ViewCaptions(list_), Captions(list_));
    EXPECT_EQ(list_->topLevelItem(1999)->text(2), "v2000");
    // A cell changed after the row is shown shows its new text.
    list_->Item(1999)->SetSubItem(1, "renamed");
    EXPECT_EQ(list_->topLevelItem(1999)->text(2), "renamed");
}

TEST_F(ListViews, RowsInsertedDeletedAndSelectedBeforeTheViewHasThemKeepTheirOrder)
{
    list_->ShowAddedRows();
    const auto add = [&](int index, const std::string& caption) {
        ui::ListItem* row = index < 0 ? list_->AddItem() : list_->InsertItem(index);
        row->SetCaption(caption);
        return row;
    };
    add(-1, "4");
    ui::ListItem* five = add(-1, "5");
    add(1, "1a");                          // among the shown rows
    add(4, "3a");                          // among the rows the view has not had yet
    ui::ListItem* six = add(-1, "6");
    list_->DeleteItem(five);
    delete list_->Item(0);                 // a row deleted directly leaves the list as well
    EXPECT_EQ(Captions(list_), (std::vector<std::string>{"1a", "2", "3", "3a", "4", "6"}));
    EXPECT_EQ(six->Index(), 5);

    // Selecting a row the view has not had yet shows it selected there.
    list_->SetSelected(six);
    EXPECT_EQ(events_, std::vector<std::string>{"select 6"});
    EXPECT_EQ(list_->ItemIndex(), 5);
    EXPECT_EQ(list_->currentItem(), six);
    EXPECT_EQ(ViewCaptions(list_), Captions(list_));

    ClickRow(list_, 3);
    EXPECT_EQ(list_->Selected()->Caption(), "3a");
    list_->Clear();
    EXPECT_EQ(list_->Count(), 0);
    EXPECT_EQ(list_->topLevelItemCount(), 0);
    EXPECT_EQ(list_->Selected(), nullptr);
}
