// A window that reads a table of thousands of rows into its list view, against the simulated
// switch: the user selects a row while the rows still arrive, and stops a walk half-way.

#include "BindingFixture.h"
#include "RequestFixture.h"

#include "snmp/Request2Edits.h"

#include "ui/Edit.h"
#include "ui/ListView.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

using namespace requesttest;

namespace {

constexpr int Rows = 2000;

// The generated table: the row number, "row-N" and the counter 3 x N.
const VarDescriptor Generated[] = {
    {"1.3.6.1.3.4242.100.1.1", "Row", integer, readonly, nullptr},
    {"1.3.6.1.3.4242.100.1.2", "Name", displaystr, readonly, nullptr},
    {"1.3.6.1.3.4242.100.1.3", "Counter", counter, readonly, nullptr},
    {},
};

std::vector<std::string> GeneratedRow(int n)
{
    return {std::to_string(n), "row-" + std::to_string(n), std::to_string(3 * n)};
}

class ListViewWalk : public bindingtest::BindingTest {
protected:
    static void SetUpTestSuite() { EnsureGlobalSession(); }

    void SetUp() override
    {
        BindingTest::SetUp();
        sim = std::make_unique<SimSwitch>(
            SimSwitchOptions{"Kb", {"--generate", "1.3.6.1.3.4242.100.1:" + std::to_string(Rows) + ":3"}});
        AimAt(driver->Request, *sim);
        driver->Request.VarList = MvSNMPVarList(Generated, MVT_FMV, 1);
        list = Add<ui::ListView>(10, 10, 500, 300);
        name = Add<ui::Edit>(10, 320, 120, 24);
        number = Add<ui::Edit>(140, 320, 120, 24);
        driver->AttachListView(list);
        driver->BindControl(1, name);
        driver->BindControl(2, number);
        list->OnChange = [this](QObject*, ui::ListItem*) {
            // A posted call runs while the driver dispatches messages after the row, as a
            // user's click during the walk does.
            if (++changes == atChange && midWalk)
                QTimer::singleShot(0, list, midWalk);
        };
        ShowAndActivate(form.get());
    }

    void TearDown() override
    {
        BindingTest::TearDown();
        sim.reset();
    }

    // Reads the table in the window's event loop, which waits for each answer without polling.
    bool Read()
    {
        if (!driver->Get())
            return false;
        QEventLoop loop;
        QTimer poll;
        poll.callOnTimeout([&] {
            if (driver->Busy == 0)
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        loop.exec();
        return driver->Busy == 0;
    }

    // Every row as the Qt view holds it.
    std::vector<std::vector<std::string>> ViewCells() const
    {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            std::vector<std::string> row;
            for (int column = 0; column < list->columnCount(); ++column)
                row.push_back(list->topLevelItem(i)->text(column).toStdString());
            rows.push_back(row);
        }
        return rows;
    }

    std::unique_ptr<SimSwitch> sim;
    ui::ListView* list = nullptr;
    ui::Edit* name = nullptr;
    ui::Edit* number = nullptr;
    int changes = 0;
    int atChange = -1;
    std::function<void()> midWalk;
};

TEST_F(ListViewWalk, EveryRowArrivesInOrderAndARowSelectedMidWalkFillsTheControls)
{
    struct Seen {
        int rows = -1;
        bool busy = false;
        int selected = -1;
        std::vector<std::string> texts;
    } seen;
    atChange = 1 + 1000; // the clearing, then a thousand rows
    midWalk = [&] {
        ClickRow(list, 400);
        seen = {list->Count(), driver->Busy != 0, list->ItemIndex(), {name->Text(), number->Text()}};
    };
    ASSERT_TRUE(Read());

    EXPECT_TRUE(seen.busy);
    EXPECT_LT(seen.rows, Rows);
    EXPECT_EQ(seen.selected, 400);
    EXPECT_EQ(seen.texts, (std::vector<std::string>{"row-401", "1203"}));

    std::vector<std::vector<std::string>> expected;
    for (int n = 1; n <= Rows; ++n)
        expected.push_back(GeneratedRow(n));
    EXPECT_EQ(list->Count(), Rows);
    EXPECT_EQ(changes, Rows + 1);
    EXPECT_EQ(Cells(list), expected);
    // The view has every row as soon as the walk ends.
    EXPECT_EQ(ViewCells(), expected);
    // The selection made during the walk stays; the controls wait for the next one.
    EXPECT_EQ(list->ItemIndex(), 400);
    EXPECT_FALSE(name->isEnabled());

    ClickRow(list, Rows - 1);
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(list->ItemIndex(), Rows - 1);
    EXPECT_EQ(name->Text(), "row-2000");
    EXPECT_EQ(number->Text(), "6000");
}

TEST_F(ListViewWalk, StopDuringTheWalkEndsItWithTheRowsReadSoFarShown)
{
    atChange = 1 + 300;
    midWalk = [&] { driver->Request.Active = 0; }; // the window's Stop button
    ASSERT_TRUE(Read());

    ASSERT_GE(list->Count(), 300);
    EXPECT_LT(list->Count(), Rows);
    EXPECT_EQ(changes, list->Count() + 1);
    std::vector<std::vector<std::string>> expected;
    for (int n = 1; n <= list->Count(); ++n)
        expected.push_back(GeneratedRow(n));
    EXPECT_EQ(Cells(list), expected);
    EXPECT_EQ(ViewCells(), expected);
}

} // namespace
