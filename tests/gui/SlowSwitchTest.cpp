// Windows against a switch that answers late: writes and page changes during a walk, closing
// during a walk. Every row is listed once, the switch holds the right rows, the request ends idle.
#include "GuiFixture.h"

#include <QTimer>

using namespace guitest;

namespace {

using Journal = std::vector<std::vector<std::string>>;

class SlowSwitch : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        sim->Control("delay 60");
    }
    static std::vector<std::string> Keys(ui::ListView* list)
    {
        std::vector<std::string> keys;
        for (const auto& row : Cells(list))
            keys.push_back(row.at(0));
        return keys;
    }
};

TEST_F(SlowSwitch, AddDuringTheFirstWalkWaitsForIt)
{
    TConfigForm form;
    TSNMPListViewPanel* panel = MakeRowsWindow(&form);
    ui::ListView* list = panel->ListViewPanel->ListView;
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        ASSERT_TRUE(form.Requests[0]->Busy) << "still walking";
        RunInNextModal([&](ui::Form*) {
            TEditsPanel* rows = panel->EditsPanel;
            EXPECT_FALSE(form.Requests[0]->Busy) << "the dialog opens on an idle request";
            Retype(rows, 0, "9");
            Retype(rows, 1, "nine");
            Click(BoxOf(rows, 1));
            Click(EnclosingSNMPPanel(EditOf(rows, 1))->Buttons->SetCheckedButton);
        });
        Click(panel->Buttons->AddButton);
        ASSERT_TRUE(WaitFor([&] { return !form.Requests[0]->Busy && list->Count() == 6; }));
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(Keys(list), (std::vector<std::string>{"1", "2", "3", "4", "5", "9"}));
        form.Close();
    });
    EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.10.1.2.9=6E696E65", "1.3.6.1.3.4242.10.1.6.9=4"}}));
}

// A click the window dispatches while it lists a row (between the walk's answers) runs inside
// that answer's handling: the walk cannot end before the handler returns.
TEST_F(SlowSwitch, AddClickedWhileARowIsListedOpensItsDialogOnceTheWalkStopped)
{
    TConfigForm form;
    TSNMPListViewPanel* panel = MakeRowsWindow(&form);
    ui::ListView* list = panel->ListViewPanel->ListView;
    const ui::ListChangeEvent listChange = list->OnChange;
    bool clicked = false;
    list->OnChange = [&](QObject* sender, ui::ListItem* item) {
        listChange(sender, item);
        if (list->Count() == 2 && !clicked) {
            clicked = true;
            QTimer::singleShot(0, list, [&] { Click(panel->Buttons->AddButton); });
        }
    };
    bool opened = false;
    bool idle = false;
    RunModal(&form, [&] {
        RunInNextModal([&](ui::Form* dialog) {
            opened = true;
            idle = !form.Requests[0]->Busy;
            dialog->Close();
        });
        ASSERT_TRUE(WaitFor([&] { return opened && !form.Requests[0]->Busy && list->Count() == 5; }, 10000));
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(Keys(list), (std::vector<std::string>{"1", "2", "3", "4", "5"})) << "read again once";
        form.Close();
    });
    EXPECT_TRUE(idle) << "the dialog opens on an idle request";
    EXPECT_TRUE(TakeJournal().empty());
}

TEST_F(SlowSwitch, PagesZeroOneZeroDuringPageZerosWalkListEveryRowOnce)
{
    TConfigForm form;
    form.MakePages();
    MvSNMPRequest2Edits* rowsRequest = NewRequest(&form, RowColumns, MVT_FMV, 1);
    TSNMPListViewPanel* rowsPage = form.AddListViewPage("Rows", rowsRequest, StatusColumn, "createAndGo",
                                                        StatusColumn, "destroy");
    TSNMPEditorPanel* scalarPage = form.AddEditorPage("Scalars", NewRequest(&form, Scalars));
    ui::ListView* list = rowsPage->ListViewPanel->ListView;
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        form.Pages->setCurrentIndex(1);
        form.PageChanged(form.Pages);
        WaitFor([] { return false; }, 30);
        form.Pages->setCurrentIndex(0);
        form.PageChanged(form.Pages);
        ASSERT_TRUE(WaitFor([&] {
            return !rowsRequest->Busy && !form.Requests[1]->Busy && list->Count() >= 5;
        }));
        WaitFor([] { return false; }, 300);
        EXPECT_EQ(Keys(list), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(EditOf(scalarPage->EditsPanel, 0)->Text(), "5") << "page 1 was read on its visit";
        form.Close();
    });
}

TEST_F(SlowSwitch, DeleteRightAfterARowClick)
{
    TConfigForm form;
    TSNMPListViewPanel* panel = MakeRowsWindow(&form);
    ui::ListView* list = panel->ListViewPanel->ListView;
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 2; }));
        ClickRow(list, 1);
        Click(panel->Buttons->DeleteButton);
        ASSERT_TRUE(WaitFor([&] { return !form.Requests[0]->Busy; }));
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(Keys(list), (std::vector<std::string>{"1", "3", "4", "5"}));
        form.Close();
    });
    EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.10.1.6.2=6"}}));
    EXPECT_EQ(AgentValue("1.3.6.1.3.4242.10.1.6.2").find("No Such Instance") != std::string::npos, true);
}

TEST_F(SlowSwitch, SetCheckedDuringTheFirstReadWritesNothingUntilItEnds)
{
    TConfigForm form;
    TSNMPEditorPanel* panel = form.MakeEditor(NewRequest(&form, Scalars));
    MvSNMPRequest2Edits* edits = form.Requests[0];
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return edits->Busy; }));
        Retype(panel->EditsPanel, 0, "77");
        Click(BoxOf(panel->EditsPanel, 0));
        Click(panel->Buttons->SetCheckedButton);
        EXPECT_TRUE(TakeJournal().empty()) << "nothing written while the read is outstanding";
        ASSERT_TRUE(WaitFor([&] { return !edits->Busy; }));
        Retype(panel->EditsPanel, 0, "77");
        Click(panel->Buttons->SetCheckedButton);
        form.Close();
    });
    EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.6.1.0=77"}}));
    EXPECT_EQ(AgentValue("1.3.6.1.3.4242.6.1.0"), "77");
}

TEST_F(SlowSwitch, ClosingDuringAWalkEndsCleanly)
{
    auto* form = new TConfigForm;
    TSNMPListViewPanel* panel = MakeRowsWindow(form);
    ui::ListView* list = panel->ListViewPanel->ListView;
    RunModal(form, [&] {
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        Click(panel->Buttons->CloseButton);
    });
    EXPECT_TRUE(form->Requests.empty()) << "the requests are freed";
    EXPECT_LT(list->Count(), 5) << "the walk stopped";
    delete form;
}

} // namespace
