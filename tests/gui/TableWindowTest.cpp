// The table window: the list and its count, the Add, Edit and Delete dialogs, and what the
// switch received from each.
#include "GuiFixture.h"

#include "ui/ModalResult.h"

using namespace guitest;

namespace {

using Journal = std::vector<std::vector<std::string>>;

class TableWindow : public GuiTest {
protected:
    // Shows the window modally; script runs once the first read has listed the five rows.
    void RunTable(const std::function<void(TConfigForm&, TSNMPListViewPanel&)>& script)
    {
        TConfigForm form;
        TSNMPListViewPanel* panel = MakeRowsWindow(&form);
        RunModal(&form, [&] {
            ASSERT_TRUE(WaitFor([&] { return !form.Requests[0]->Busy && List(*panel)->Count() == 5; }, 10000));
            TakeJournal();
            script(form, *panel);
            form.Close();
        });
    }
    static ui::ListView* List(TSNMPListViewPanel& panel) { return panel.ListViewPanel->ListView; }
    static std::vector<std::string> Column(TSNMPListViewPanel& panel, int column)
    {
        std::vector<std::string> cells;
        for (const auto& row : Cells(List(panel)))
            cells.push_back(row.at(static_cast<std::size_t>(column)));
        return cells;
    }
};

TEST_F(TableWindow, CountAndSelectionDriveTheButtons)
{
    RunTable([&](TConfigForm&, TSNMPListViewPanel& panel) {
        TCtrlBtnPanel* b = panel.Buttons;
        EXPECT_EQ(b->CountText->Caption(), "5");
        EXPECT_EQ(Column(panel, 1), (std::vector<std::string>{"one", "two", "three", "four", "five"}));
        EXPECT_TRUE(ui::Visible(b->AddButton));
        EXPECT_TRUE(ui::Visible(b->DeleteButton));
        EXPECT_FALSE(b->EditButton->isEnabled());
        EXPECT_FALSE(b->DeleteButton->isEnabled());
        ClickRow(List(panel), 1);
        EXPECT_TRUE(b->EditButton->isEnabled());
        EXPECT_TRUE(b->DeleteButton->isEnabled());
        EXPECT_EQ(EditOf(panel.EditsPanel, 1)->Text(), "two") << "the selection fills the rows";
        ClickRow(List(panel), -1);
        EXPECT_FALSE(b->EditButton->isEnabled());
        EXPECT_FALSE(b->DeleteButton->isEnabled());
        Click(b->RefreshButton);
        EXPECT_TRUE(WaitFor([&] { return b->CountText->Caption() == "5" && List(panel)->Count() == 5; }));
    });
}

TEST_F(TableWindow, AddCreatesTheRowWithTheStatusSentUnseen)
{
    RunTable([&](TConfigForm&, TSNMPListViewPanel& panel) {
        RunInNextModal([&](ui::Form* dialog) {
            EXPECT_EQ(dialog->Caption(), "Rows: " + sim->Address() + " (Add)");
            TEditsPanel* rows = panel.EditsPanel;
            EXPECT_TRUE(BoxOf(rows, 0)->Checked());
            EXPECT_FALSE(BoxOf(rows, 0)->isEnabled()) << "the key is always sent";
            EXPECT_FALSE(ui::Visible(rows->Rows[StatusColumn].Editor)) << "the status is not offered";
            EXPECT_EQ(EditOf(rows, 1)->Text(), "") << "Add starts empty";
            Retype(rows, 0, "7");
            Retype(rows, 1, "seven");
            Retype(rows, 2, "70");
            Retype(rows, 3, "10.0.0.7");
            Retype(rows, 4, "0102030405060708");
            for (int i = 1; i <= 4; ++i)
                Click(BoxOf(rows, i));
            Click(EnclosingSNMPPanel(EditOf(rows, 1))->Buttons->SetCheckedButton);
        });
        Click(panel.Buttons->AddButton);
        EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.10.1.2.7=736576656E", "1.3.6.1.3.4242.10.1.3.7=70",
                                           "1.3.6.1.3.4242.10.1.4.7=10.0.0.7",
                                           "1.3.6.1.3.4242.10.1.5.7=0102030405060708",
                                           "1.3.6.1.3.4242.10.1.6.7=4"}}));
        EXPECT_TRUE(WaitFor([&] { return List(panel)->Count() == 6; }));
        EXPECT_EQ(Column(panel, 1).back(), "seven");
        EXPECT_FALSE(ui::Visible(panel.EditsPanel)) << "the rows are back, hidden";
    });
    EXPECT_EQ(AgentValue("1.3.6.1.3.4242.10.1.6.7"), "1");
}

TEST_F(TableWindow, EditKeepsTheDialogAndItsTextAfterARefusalThenSucceeds)
{
    RunTable([&](TConfigForm&, TSNMPListViewPanel& panel) {
        ClickRow(List(panel), 2);
        bool stayedOpen = false;
        RunInNextModal([&](ui::Form* dialog) {
            EXPECT_EQ(dialog->Caption(), "Rows: " + sim->Address() + " (Edit)");
            TEditsPanel* rows = panel.EditsPanel;
            TCtrlBtnPanel* buttons = EnclosingSNMPPanel(EditOf(rows, 1))->Buttons;
            EXPECT_FALSE(buttons->SetCheckedButton->isEnabled());
            EXPECT_FALSE(ui::Visible(BoxOf(rows, 0))) << "the key is read-only";
            EXPECT_EQ(EditOf(rows, 1)->Text(), "three");
            Retype(rows, 2, "5000");   // outside the column's range
            Click(BoxOf(rows, 2));
            Click(buttons->SetCheckedButton);
            WaitFor([] { return false; }, 50);
            stayedOpen = dialog->Modal() && dialog->isVisible();
            EXPECT_EQ(EditOf(rows, 2)->Text(), "5000") << "the input is kept";
            Retype(rows, 2, "333");
            Click(buttons->SetCheckedButton);
        });
        Click(panel.Buttons->EditButton);
        EXPECT_TRUE(stayedOpen);
        EXPECT_FALSE(MessageBoxes().empty()) << "the refusal is shown";
        EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.10.1.3.3=5000"}, {"1.3.6.1.3.4242.10.1.3.3=333"}}));
        EXPECT_TRUE(WaitFor([&] { return List(panel)->Count() == 5 && Column(panel, 2)[2] == "333"; }));
    });
}

const OptionItem AddDeleteOnly[] = {{4, "createAndGo"}, {6, "destroy"}, {}};
MvOptionList AddDeleteOnlyList{AddDeleteOnly, 1};

TEST_F(TableWindow, AStatusListOfOnlyTheAddAndDeleteValuesHidesItsRowInEdit)
{
    VarDescriptor columns[7];
    std::copy(std::begin(RowColumns), std::end(RowColumns), columns);
    columns[StatusColumn].options = &AddDeleteOnlyList;
    TConfigForm form;
    TSNMPListViewPanel* panel = MakeRowsWindow(&form, columns);
    ui::ComboBox* status = ComboOf(panel->EditsPanel, StatusColumn);
    ui::SetTag(status, 100);   // offered in the dialogs
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return !form.Requests[0]->Busy; }));
        ClickRow(panel->ListViewPanel->ListView, 0);
        RunInNextModal([&](ui::Form* dialog) {
            EXPECT_EQ(status->ItemCount(), 0);
            EXPECT_FALSE(ui::Visible(status));
            EXPECT_FALSE(ui::Visible(panel->EditsPanel->Rows[StatusColumn].Label));
            dialog->Close();
        });
        DoubleClickRow(panel->ListViewPanel->ListView, 0);
        form.Close();
    });
    ASSERT_EQ(status->ItemCount(), 2);
    EXPECT_EQ(status->ItemText(0), "createAndGo");
    EXPECT_EQ(status->ItemText(1), "destroy");
    EXPECT_TRUE(ui::Visible(status)) << "the row is whole again";
    EXPECT_TRUE(TakeJournal().empty());
}

// The Edit dialog hides the status row whose list it emptied and shows it again after; a later
// Add still sends the status it does not show, also where one writable row makes it a "Set"
// dialog (which clears the boxes of rows a dialog hid).
TEST_F(TableWindow, AfterAnEditThatHidTheStatusRowAddStillSendsTheStatus)
{
    const VarDescriptor columns[] = {RowColumns[0], RowColumns[1],
                                     {"1.3.6.1.3.4242.10.1.6", "Status", integer, readwrite, &AddDeleteOnlyList},
                                     {}};
    TConfigForm form;
    TSNMPListViewPanel* panel = form.MakeListView(NewRequest(&form, columns, MVT_FMV, 1), 2, "createAndGo", 2, "destroy");
    ui::ListView* list = panel->ListViewPanel->ListView;
    TEditsPanel* rows = panel->EditsPanel;
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return !form.Requests[0]->Busy && list->Count() == 5; }));
        ClickRow(list, 0);
        RunInNextModal([&](ui::Form* dialog) {
            EXPECT_FALSE(ui::Visible(rows->Rows[2].Editor)) << "nothing left to choose";
            dialog->Close();
        });
        Click(panel->Buttons->EditButton);
        RunInNextModal([&](ui::Form* dialog) {
            TCtrlBtnPanel* buttons = EnclosingSNMPPanel(EditOf(rows, 1))->Buttons;
            EXPECT_EQ(buttons->SetCheckedButton->Caption(), "Set");
            // The one writable row goes out by "Set", without a box to tick.
            Retype(rows, 0, "8");
            Retype(rows, 1, "eight");
            Click(buttons->SetCheckedButton);
            if (dialog->isVisible())
                dialog->Close();
        });
        Click(panel->Buttons->AddButton);
        form.Close();
    });
    EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.10.1.2.8=6569676874", "1.3.6.1.3.4242.10.1.6.8=4"}}));
}

TEST_F(TableWindow, DeleteAsksFirstThenRemovesTheRowAndReadsAgain)
{
    RunTable([&](TConfigForm&, TSNMPListViewPanel& panel) {
        ClickRow(List(panel), 1);
        AnswerNextMessageBox(ui::mrCancel);
        Click(panel.Buttons->DeleteButton);
        EXPECT_EQ(LastMessageBoxText(), "Are you sure to delete it?");
        EXPECT_TRUE(TakeJournal().empty());

        ClickRow(List(panel), 1);
        Click(panel.Buttons->DeleteButton);
        EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.10.1.6.2=6"}}));
        EXPECT_EQ(Column(panel, 1), (std::vector<std::string>{"one", "three", "four", "five"}))
            << "read again at once";
        EXPECT_EQ(panel.Buttons->CountText->Caption(), "4");
        EXPECT_FALSE(AnyInvalidFlag(panel.Edits->Request.VarList));
        EXPECT_EQ(panel.Edits->Mode, 1);
    });
}

TEST_F(TableWindow, HoverHintAndDoubleClickWithEditHidden)
{
    RunTable([&](TConfigForm&, TSNMPListViewPanel& panel) {
        ui::ListView* list = List(panel);
        const QRect row = list->visualItemRect(list->Item(3));
        panel.ListMouseMove(list, row.center().x(), row.center().y());
        // Each caption is padded with one tab per character it is shorter than "Address".
        EXPECT_EQ(ui::Hint(list), "Index\t\t  4\nName\t\t\t  four\nNumber\t  40\nAddress  10.0.0.4\n"
                                  "Ports\t\t  1000000000000000\nStatus\t  active\n");
        EXPECT_TRUE(ui::ShowHint(list));
        panel.ListMouseMove(list, 2, list->viewport()->height() - 2);
        EXPECT_FALSE(ui::ShowHint(list)) << "no row under the pointer";

        panel.Buttons->EditButton->hide();
        panel.Buttons->ArrangeButtons();
        bool opened = false;
        RunInNextModal([&](ui::Form* dialog) {
            opened = dialog->Caption().ends_with(" (Edit)");
            dialog->Close();
        });
        DoubleClickRow(list, 0);
        EXPECT_TRUE(opened);
    });
}

} // namespace

namespace {

const OptionItem ValidInvalid[] = {{1, "valid"}, {2, "invalid"}, {}};
MvOptionList ValidInvalidList{ValidInvalid, 1};
const VarDescriptor RouteColumns[] = {
    {"1.3.6.1.3.4242.8.1.1", "Destination", ipaddress, notaccess, nullptr},
    {"1.3.6.1.3.4242.8.1.2", "Next Hop", ipaddress, readwrite, nullptr},
    {"1.3.6.1.3.4242.8.1.3", "Status", integer, readwrite, &ValidInvalidList},
    {},
};

TEST_F(TableWindow, AnAddressKeyThatNamesNoRowIsRefusedAndNothingIsSent)
{
    TConfigForm form;
    MvSNMPRequest2Edits* edits = NewRequest(&form, RouteColumns, MVT_FMV, 1);
    TSNMPListViewPanel* panel = form.MakeListView(edits, 2, "valid", 2, "invalid");
    form.SetCaption("Routes");
    RunModal(&form, [&] {
        ASSERT_TRUE(WaitFor([&] { return !edits->Busy && panel->ListViewPanel->ListView->Count() == 1; }));
        RunInNextModal([&](ui::Form* dialog) {
            TEditsPanel* rows = panel->EditsPanel;
            TCtrlBtnPanel* buttons = EnclosingSNMPPanel(EditOf(rows, 1))->Buttons;
            Retype(rows, 1, "10.0.0.9");
            Click(BoxOf(rows, 1));
            for (const char* key : {"", "abc"}) {
                SCOPED_TRACE(key);
                ClearMessageBoxes();
                EditOf(rows, 0)->SetText(key);
                ui::SetTag(EditOf(rows, 0), 99);   // past the empty-row check: the key encoder decides
                Click(buttons->SetCheckedButton);
                ASSERT_FALSE(MessageBoxes().empty()) << "the refused key is told";
                const std::string field = rows->Rows[0].Label->Caption() + ": ";
                EXPECT_EQ(MessageBoxTexts().front().rfind(field, 0), 0u) << MessageBoxTexts().front();
                EXPECT_TRUE(TakeJournal().empty());
                EXPECT_TRUE(dialog->Modal());
            }
            Retype(rows, 0, "10.9.0.0");
            Click(buttons->SetCheckedButton);
        });
        Click(panel->Buttons->AddButton);
        form.Close();
    });
    EXPECT_EQ(TakeJournal(), (Journal{{"1.3.6.1.3.4242.8.1.2.10.9.0.0=10.0.0.9", "1.3.6.1.3.4242.8.1.3.10.9.0.0=1"}}));
}

} // namespace
