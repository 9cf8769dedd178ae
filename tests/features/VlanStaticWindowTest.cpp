// The static VLAN window against the simulated switch: the VLANs listed, Set's five SETs one
// column each and in order (also when the switch loses one), Add's two SETs and its checks,
// Delete, the VLAN ID's range, and a slow switch stopped.

#include "SwitchingFixture.h"

#include "features/switching/VlanStaticForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string StaticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

using Table = std::vector<std::vector<std::string>>;

class VlanStaticWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"vlan.dat"}; }

    static void Retype(ui::Edit* edit, const std::string& text)
    {
        edit->SetText("");
        if (!text.empty())
            TypeInto(edit, text);
    }
};

TEST_F(VlanStaticWindow, ListsTheVlansAndTheNextFreeIndex)
{
    InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
        ui::ListView* list = w.LV_dot1qVlanStaticEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(list), (Table{{"1", "default", "1-26[FFFFFFC000000000]", "0[0000000000000000]",
                                       "1-26[FFFFFFC000000000]", "Active"},
                                      {"10", "sales", "1-4[F000000000000000]", "5[0800000000000000]",
                                       "1-2[C000000000000000]", "Active"}}));
        EXPECT_EQ(w.ST_Count2->Caption(), "2");
        EXPECT_EQ(w.NextFreeLocalVlanIndex->Caption(), "independent");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_FALSE(w.Status->isVisible());
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_TRUE(w.AddBtn->isEnabled());

        // A row in the editors and the three pickers.
        ClickRow(list, 1);
        EXPECT_EQ(w.ED_VLANID->Text(), "10");
        EXPECT_EQ(w.ED_VLANName->Text(), "sales");
        EXPECT_EQ(TickedPorts(w.EgressPorts), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(TickedPorts(w.ForbiddenPorts), std::vector<int>{5});
        EXPECT_EQ(TickedPorts(w.UntaggedPorts), (std::vector<int>{1, 2}));
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.AddBtn->isEnabled());

        // Beside the rows: the editors empty again.
        ClickRow(list, -1);
        EXPECT_EQ(w.ED_VLANID->Text(), "");
        EXPECT_TRUE(TickedPorts(w.EgressPorts).empty());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_TRUE(w.AddBtn->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Set sends one column per SET in the order the switch needs, each after the one before was
// answered; a SET the switch loses is sent again before the next one goes.
TEST_F(VlanStaticWindow, SetWritesOneColumnPerSetInItsOrder)
{
    DefaultTimeout = 50;
    for (const bool lossy : {false, true}) {
        SCOPED_TRACE(lossy ? "the first SET lost" : "every SET answered");
        InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
            ui::ListView* list = w.LV_dot1qVlanStaticEntry;
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            const std::string name = lossy ? "salesB" : "salesA";
            ClickRow(list, 1);
            Click(w.EgressPorts->PortBoxes[5]);
            Retype(w.ED_VLANName, name);
            if (lossy)
                sim->Control("drop 1");
            Click(w.SetBtn);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            const std::string nameHex = name == "salesA" ? "73616C657341" : "73616C657342";
            EXPECT_EQ(Sets(), (Table{{StaticEntry + ".2.10=F400000000000000"},
                                     {StaticEntry + ".3.10=0800000000000000"},
                                     {StaticEntry + ".4.10=C000000000000000"},
                                     {StaticEntry + ".5.10=1"},
                                     {StaticEntry + ".1.10=" + nameHex}}));
            ASSERT_EQ(list->Count(), 2);
            EXPECT_EQ(Cells(list)[1][1], name);
            EXPECT_EQ(Cells(list)[1][2], "1-4,6[F400000000000000]");
            // Every column is written again by the next write; the editors are empty.
            for (int item = TVlanStaticForm::NameItem; item <= TVlanStaticForm::RowStatusItem; ++item)
                EXPECT_EQ(w.Request->Request.VarList.Item(item).access, readwrite) << item;
            EXPECT_EQ(w.ED_VLANID->Text(), "");
            EXPECT_FALSE(w.SetBtn->isEnabled());
            // Port 6 off again for the next round.
            ClickRow(list, 1);
            Click(w.EgressPorts->PortBoxes[5]);
            Click(w.SetBtn);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            EXPECT_EQ(Sets().size(), 5u);
        });
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A refused column is reported in its box; the columns after it still go out.
TEST_F(VlanStaticWindow, ARefusedColumnOfSetDoesNotStopTheNext)
{
    InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        sim->Control("error " + StaticEntry + ".3.10 wrongValue");
        ClickRow(w.LV_dot1qVlanStaticEntry, 1);
        Click(w.SetBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{0, 10, 0, 0, 0}));
        EXPECT_EQ(Sets().size(), 5u);
        EXPECT_EQ(MessageBoxes().size(), 1u);
    });
}

TEST_F(VlanStaticWindow, AddCreatesTheVlanThenWritesItsForbiddenPorts)
{
    InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
        ui::ListView* list = w.LV_dot1qVlanStaticEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        // No ID: the message, nothing sent.
        Click(w.AddBtn);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input VLAN ID."});
        EXPECT_TRUE(Sets().empty());

        // VLAN 20 without a name: egress and untagged port 7 with createAndGo, then forbidden
        // port 8 alone.
        ClearMessageBoxes();
        Retype(w.ED_VLANID, "20");
        TickPorts(w.EgressPorts, {7});
        TickPorts(w.ForbiddenPorts, {8});
        TickPorts(w.UntaggedPorts, {7});
        Click(w.AddBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{StaticEntry + ".2.20=0200000000000000", StaticEntry + ".4.20=0200000000000000",
                                  StaticEntry + ".5.20=4"},
                                 {StaticEntry + ".3.20=0100000000000000"}}));
        ASSERT_EQ(list->Count(), 3);
        EXPECT_EQ(Cells(list)[2], (std::vector<std::string>{"20", "", "7[0200000000000000]", "8[0100000000000000]",
                                                            "7[0200000000000000]", "Active"}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        // VLAN 10 exists: its creation is refused in a box, and its forbidden ports stay.
        Retype(w.ED_VLANID, "10");
        Retype(w.ED_VLANName, "other");
        TickPorts(w.ForbiddenPorts, {9});
        Click(w.AddBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].back(), StaticEntry + ".5.10=4");
        EXPECT_EQ(MessageBoxes().size(), 1u);
        ASSERT_EQ(list->Count(), 3);
        EXPECT_EQ(Cells(list)[1][1], "sales");
        EXPECT_EQ(Cells(list)[1][3], "5[0800000000000000]");
    });
}

TEST_F(VlanStaticWindow, DeleteWritesTheStatusAlone)
{
    InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
        ui::ListView* list = w.LV_dot1qVlanStaticEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(list, 1);
        Click(w.DeleteBtn);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{StaticEntry + ".5.10=6"}}));
        EXPECT_EQ(Captions(list), std::vector<std::string>{"1"});
        EXPECT_EQ(w.ST_Count2->Caption(), "1");
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_EQ(w.Request->Request.VarList.Item(TVlanStaticForm::EgressItem).access, readwrite);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(VlanStaticWindow, TheVlanIdRangesFromTwoTo4094)
{
    InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        for (const char* refused : {"1", "4095"}) {
            SCOPED_TRACE(refused);
            ClearMessageBoxes();
            Retype(w.ED_VLANID, refused);
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(MessageBoxes().size(), 1u);
            EXPECT_EQ(w.ED_VLANID->Text(), refused) << "the refused text stays";
        }
        Retype(w.ED_VLANID, "40945");
        EXPECT_EQ(w.ED_VLANID->Text(), "4094");
        ClearMessageBoxes();
        PressKey(Qt::Key_Tab);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        EXPECT_EQ(w.ED_VLANID->Text(), "4094");
    });
}

// A slow switch: Refresh during the read does nothing, closing is refused; Stop ends the read,
// and the window closes.
TEST_F(VlanStaticWindow, StopEndsASlowReadAndTheWindowCloses)
{
    sim->Control("delay 300");
    InWindow<TVlanStaticForm>([&](TVlanStaticForm& w) {
        ASSERT_TRUE(WaitFor([&] { return w.Request && w.Request->ReadOutstanding(); }, 5000));
        // Not even the next free index is read again.
        const int gets = Stat("get");
        Click(w.RefreshBtn);
        EXPECT_EQ(Stat("get"), gets);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 5000));
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        EXPECT_TRUE(w.isVisible());

        Click(w.btnStop);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 5000));
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);
        ClearMessageBoxes();
        Click(w.btnClose);
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

} // namespace
