// The port trunk window against the simulated switch: Add's checks in their order, Add, Set and
// Delete as the switch receives them, a trunk in another state, and the index rule per model.

#include "PortWindowsFixture.h"

#include "features/switching/PortTrunkForm.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Trunk = "1.3.6.1.4.1.171.11.133.2.1.2.9.3.1";

class PortTrunkWindow : public PortWindowTest {
protected:
    // The first column of every row.
    static std::vector<std::string> Indexes(const TPortTrunkForm& w) { return Captions(w.LV_PortTrunk); }
    // The cells of the column with that caption, top to bottom.
    static std::vector<std::string> Column(const TPortTrunkForm& w, const std::string& caption)
    {
        const ui::ListView* list = w.LV_PortTrunk;
        std::vector<std::string> cells;
        for (int column = 0; column < list->ColumnCount(); ++column)
            if (list->ColumnCaption(column) == caption)
                for (int row = 0; row < list->Count(); ++row)
                    cells.push_back(list->Item(row)->Cell(column));
        return cells;
    }
};

TEST_F(PortTrunkWindow, AddChecksTheNewTrunkInOrder)
{
    struct Case {
        const char* index;
        const char* port;
        int type; // Combo_Type's entry; -1 none
        std::vector<int> members;
        const char* box;
        std::vector<int> membersAfter; // the boxes still ticked
    };
    const std::vector<int> nine = {5, 6, 7, 8, 9, 10, 11, 12, 13};
    const Case cases[] = {
        {"", "5", 0, {5, 6}, "The index should not be empty.", {5, 6}},
        {"1", "5", 0, {5, 6}, "The Index must be different.", {5, 6}},
        {"5", "", 0, {5, 6}, "The Port should not be empty.", {5, 6}},
        {"5", "0", 0, {5, 6}, "set valid master port", {5, 6}},
        {"5", "5", -1, {5, 6}, "Please choose trunk type.", {5, 6}},
        {"5", "9", 0, {9, 11}, "The master port must be different.", {9, 11}},
        {"5", "5", 0, {6, 7}, "Master port must be checked.", {6, 7}},
        {"5", "65", 0, {5, 6}, "Master port must be checked.", {5, 6}},
        // The ninth box in port order is unchecked.
        {"5", "5", 0, nine, "The trunk member can't over eight.", {5, 6, 7, 8, 9, 10, 11, 12}},
        {"5", "5", 0, {5}, "You must choose at least two members.", {5}},
    };
    InWindow<TPortTrunkForm>([&](TPortTrunkForm& w) {
        EXPECT_EQ(Indexes(w), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_TRUE(w.BT_Set->isEnabled());
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.ComboBox1->isEnabled());
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.index) + " " + c.port);
            ClearMessageBoxes();
            ClickRow(w.LV_PortTrunk, -1);
            w.ED_Index->SetText(c.index);
            w.PortEdit->SetText(c.port);
            w.Combo_Type->SetItemIndex(c.type);
            TickPorts(w.MemberPorts, c.members);
            Click(w.BT_Set);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.box});
            EXPECT_EQ(TickedPorts(w.MemberPorts), c.membersAfter);
            EXPECT_TRUE(Sets().empty());
        }

        // Trunk 5: master 5, ports 5 and 6, LACP; created with the state createAndGo.
        ClearMessageBoxes();
        ClickRow(w.LV_PortTrunk, -1);
        w.ED_Index->SetText("5");
        w.PortEdit->SetText("5");
        w.Combo_Type->SetText("lacp");
        TickPorts(w.MemberPorts, {5, 6});
        Click(w.BT_Set);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {Trunk + ".3.5=5", Trunk + ".4.5=0C00000000000000", Trunk + ".6.5=3", Trunk + ".7.5=4"}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(Indexes(w), (std::vector<std::string>{"1", "2", "5"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_EQ(w.ED_Index->Text(), "");
        EXPECT_TRUE(TickedPorts(w.MemberPorts).empty());
    });
}

TEST_F(PortTrunkWindow, SetWritesTheChosenStateAndDeleteTheStateAlone)
{
    InWindow<TPortTrunkForm>([&](TPortTrunkForm& w) {
        // Trunk 1, enabled: its master shown as a port of unit 1, its members ticked.
        ClickRow(w.LV_PortTrunk, 0);
        EXPECT_EQ(w.ED_Index->Text(), "1");
        EXPECT_FALSE(w.ED_Index->isEnabled());
        EXPECT_EQ(w.PortEdit->Text(), "3");
        EXPECT_EQ(TickedPorts(w.MemberPorts), (std::vector<int>{3, 4}));
        EXPECT_EQ(w.ComboBox1->Text(), "enable");
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.BT_Set->isEnabled());

        w.ComboBox1->SetText("disable");
        Click(w.SetBtn);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {Trunk + ".3.1=3", Trunk + ".4.1=3000000000000000", Trunk + ".6.1=2", Trunk + ".7.1=2"}}));
        EXPECT_TRUE(w.ED_Index->isEnabled());
        EXPECT_EQ(w.ED_Index->Text(), "");
        ClickRow(w.LV_PortTrunk, 0);
        EXPECT_EQ(w.ComboBox1->Text(), "disable");

        // A trunk in another state: no state to choose, and Set leaves the state as it is.
        Serve(Trunk + ".7.2 i 5");
        Click(w.BT_Get);
        ClickRow(w.LV_PortTrunk, 1);
        EXPECT_EQ(w.ComboBox1->ItemIndex(), -1);
        Click(w.SetBtn);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {Trunk + ".3.2=9", Trunk + ".4.2=00C0000000000000", Trunk + ".6.2=3"}}));
        EXPECT_EQ(w.Request->Request.VarList.Item(TPortTrunkForm::TrunkStateItem).access, readwrite);
        // The read after the write lists each trunk's own state.
        EXPECT_EQ(Column(w, "Trunk State"), (std::vector<std::string>{"disable", "createAndWait"}));
        ClickRow(w.LV_PortTrunk, 0);
        EXPECT_EQ(w.ComboBox1->Text(), "disable");

        // Delete: the state destroy alone, without a question.
        ClickRow(w.LV_PortTrunk, 1);
        Click(w.BT_Delete);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Trunk + ".7.2=6"}}));
        EXPECT_EQ(Indexes(w), std::vector<std::string>{"1"});
        for (int item = 0; item < w.Request->Request.VarList.Count(); ++item)
            EXPECT_EQ(w.Request->Request.VarList.Item(item).access & invalid, 0) << item;
        EXPECT_FALSE(w.ComboBox1->isEnabled());
        EXPECT_EQ(w.ComboBox1->ItemIndex(), -1);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The model decides the index label and rule; a switch of no known model gets neither, and the
// window reads nothing.
TEST_F(PortTrunkWindow, TheIndexFollowsTheModel)
{
    struct Case {
        const char* oid;
        const char* label;
        bool bound;
        double min, max;
        int length;
        const char* typed; // "123" typed into the index
        int rows;
    };
    const Case cases[] = {
        {KaOid, "Index (1-5)", true, 1, 15, 1, "1", 1},
        {KbOid, "Index (1-13)", true, 1, 13, 2, "12", 2},
        {"1.3.6.1.4.1.171.10.133.3.1", "Index (1-13)", true, 1, 13, 2, "12", 0},
        {"1.3.6.1.4.1.171.10.133.4.1", "Index (1-12)", true, 1, 12, 2, "12", 0},
        {"", "Index (1-26)", false, 0, 0, 0, "123", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label + std::string(" ") + c.oid);
        ModuleOIDText = c.oid;
        const int walks = Stat("getnext");
        InWindow<TPortTrunkForm>([&](TPortTrunkForm& w) {
            EXPECT_EQ(w.Label163->Caption(), c.label);
            EXPECT_EQ(w.Request != nullptr, c.bound);
            if (c.bound) {
                const EditConstraintRule* rule = w.Request->Constraint.FindRule(w.ED_Index);
                ASSERT_NE(rule, nullptr);
                EXPECT_EQ(rule->Min, c.min);
                EXPECT_EQ(rule->Max, c.max);
                EXPECT_EQ(rule->MaxLength, c.length);
                EXPECT_EQ(w.Request->Request.Timeout, 300);
            }
            TypeInto(w.ED_Index, "123");
            EXPECT_EQ(w.ED_Index->Text(), c.typed);
            EXPECT_EQ(w.LV_PortTrunk->Count(), c.rows);
            if (!c.bound) {
                EXPECT_EQ(Stat("getnext"), walks);
                // Refresh, Add, Set and Delete do nothing.
                Click(w.BT_Get);
                Click(w.BT_Set);
                EXPECT_EQ(Stat("getnext"), walks);
                EXPECT_TRUE(Sets().empty());
            }
        });
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
