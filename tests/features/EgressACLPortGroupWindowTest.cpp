// The egress ACL port group window against the simulated switch: the close guard while it
// reads, Add's checks and its write, Set and Delete, the switch's refusal, and reads that never
// overlap.

#include "AclFixture.h"

#include "features/acl/EgressACLPortGroupForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <functional>

namespace {

constexpr const char* Group = "1.3.6.1.4.1.171.12.88.1.1.1";

std::string Cell(int subId, int id) { return std::string(Group) + "." + std::to_string(subId) + "." + std::to_string(id); }

class EgressPortGroupWindow : public AclWindowTest {
protected:
    TEgressACLPortGroupForm& OpenIdle()
    {
        auto& w = Open<TEgressACLPortGroupForm>();
        WaitIdle(w);
        return w;
    }
    static std::vector<std::string> Groups(const ui::ListView* list)
    {
        std::vector<std::string> groups;
        for (int i = 0; i < list->Count(); ++i)
            groups.push_back(list->Item(i)->Caption() + " " + list->Item(i)->SubItem(1));
        return groups;
    }
};

TEST_F(EgressPortGroupWindow, ListsTheGroupsInAddMode)
{
    auto& w = OpenIdle();
    ASSERT_EQ(w.ListView1->ColumnCount(), 4);
    EXPECT_EQ(w.ListView1->ColumnCaption(0), "Port Group ID");
    EXPECT_EQ(w.ListView1->ColumnCaption(3), "Port");
    EXPECT_EQ(Groups(w.ListView1), (std::vector<std::string>{"1 servers", "64 uplinks"}));
    EXPECT_EQ(w.StaticText1->Caption(), "2");
    EXPECT_EQ(w.pgc1->count(), 1);
    EXPECT_EQ(w.pgc1->tabText(0).toStdString(), "Ports");
    EXPECT_TRUE(w.btnAdd->isEnabled());
    EXPECT_FALSE(w.btnSet->isEnabled());
    EXPECT_FALSE(w.btnDelete->isEnabled());
    EXPECT_FALSE(ui::Visible(w.CBoxStatus));
    // A group chosen: its ports checked, its ID and name fixed.
    ClickRow(w.ListView1, 1);
    EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{25, 26}));
    EXPECT_EQ(w.ED_PortGroupID->Text(), "64");
    EXPECT_FALSE(w.ED_PortGroupID->isEnabled());
    EXPECT_FALSE(w.NameEdit->isEnabled());
    EXPECT_TRUE(w.btnSet->isEnabled());
    EXPECT_TRUE(w.btnDelete->isEnabled());
    EXPECT_FALSE(w.btnAdd->isEnabled());
    ClickRow(w.ListView1, -1);
    EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
    EXPECT_EQ(w.ED_PortGroupID->Text(), "");
    EXPECT_TRUE(w.NameEdit->isEnabled());
    EXPECT_TRUE(w.btnAdd->isEnabled());
    EXPECT_FALSE(w.btnSet->isEnabled());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(EgressPortGroupWindow, ClosingWaitsForTheFirstRead)
{
    StartSwitch();
    sim->Control("delay 300");
    auto& w = Open<TEgressACLPortGroupForm>();
    ASSERT_EQ(w.DataComplete, 0);
    // A close asked for in a handler takes effect once the handler has returned.
    Click(w.btnClose);
    ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 5000));
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
    EXPECT_TRUE(w.isVisible());
    WaitIdle(w);
    Click(w.btnClose);
    EXPECT_TRUE(WaitFor([&] { return !w.isVisible(); }, 5000));
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

// A switch that does not answer: the first read ends at its time-out and the window closes.
TEST_F(EgressPortGroupWindow, ASilentSwitchStillLetsTheWindowClose)
{
    StartSwitch();
    sim->Control("silence on");
    auto& w = Open<TEgressACLPortGroupForm>();
    ASSERT_TRUE(WaitFor([&] { return w.DataComplete == 1; }, 15000));
    Click(w.btnClose);
    EXPECT_TRUE(WaitFor([&] { return !w.isVisible(); }, 5000));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(EgressPortGroupWindow, AddChecksItsInputs)
{
    auto& w = OpenIdle();
    struct Case {
        const char* name;
        std::string id, groupName;
        std::vector<int> ports;
        std::string message;
    };
    const Case cases[] = {
        {"no ID", "", "lab", {3}, "Please input Port Group ID and Group Name."},
        {"no name", "5", "", {3}, "Please input Port Group ID and Group Name."},
        {"no port", "5", "lab", {}, "Please select ports."},
        {"only a port the model lacks", "5", "lab", {27}, "Please select ports."},
        // The ID is the group's instance: a typo would create another group, or none.
        {"ID out of range", "65", "lab", {3}, "Port Group ID: Please input a number between 1 and 64."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.ED_PortGroupID->SetText(c.id);
        w.NameEdit->SetText(c.groupName);
        TickPorts(w.PortPicker, c.ports);
        ClearMessageBoxes();
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
        // Nothing is lost: the inputs stay as typed.
        EXPECT_EQ(w.ED_PortGroupID->Text(), c.id);
        EXPECT_EQ(TickedPorts(w.PortPicker), c.ports);
    }
    EXPECT_TRUE(Sets().empty());
}

TEST_F(EgressPortGroupWindow, AddSetAndDeleteWriteTheGroup)
{
    auto& w = OpenIdle();
    // Add: one PDU of createAndGo, the name and the port bits.
    w.ED_PortGroupID->SetText("5");
    w.NameEdit->SetText("lab");
    TickPorts(w.PortPicker, {3, 9});
    Click(w.btnAdd);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(2, 5) + "=4", Cell(3, 5) + "=6C6162", Cell(4, 5) + "=2080000000000000"}}));
    EXPECT_EQ(w.ED_PortGroupID->Text(), "");
    EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
    WaitIdle(w);
    EXPECT_EQ(Groups(w.ListView1), (std::vector<std::string>{"1 servers", "5 lab", "64 uplinks"}));

    // Set: the three columns, the row's own status, the ports as left.
    ClickRow(w.ListView1, 1);
    TickPorts(w.PortPicker, {3, 10});
    Click(w.btnSet);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{
                                   {Cell(2, 5) + "=1", Cell(3, 5) + "=6C6162", Cell(4, 5) + "=2040000000000000"}}));
    WaitIdle(w);
    EXPECT_FALSE(w.btnSet->isEnabled());

    // Delete: the status alone.
    ClickRow(w.ListView1, 1);
    Click(w.btnDelete);
    EXPECT_EQ(SetsReceived(1), (std::vector<std::vector<std::string>>{{Cell(2, 5) + "=6"}}));
    WaitIdle(w);
    EXPECT_EQ(Groups(w.ListView1), (std::vector<std::string>{"1 servers", "64 uplinks"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(EgressPortGroupWindow, AnExistingIDIsRefusedByTheSwitch)
{
    auto& w = OpenIdle();
    w.ED_PortGroupID->SetText("1");
    w.NameEdit->SetText("again");
    TickPorts(w.PortPicker, {2});
    Click(w.btnAdd);
    ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 10000));
    EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{12});
    WaitIdle(w);
    EXPECT_EQ(Groups(w.ListView1), (std::vector<std::string>{"1 servers", "64 uplinks"}));
}

// Refresh while a read runs is ignored; Add during a read replaces it: each group listed once.
TEST_F(EgressPortGroupWindow, ReadsNeverOverlap)
{
    auto& w = OpenIdle();
    const int before = Stat("getnext");
    Click(w.RefreshBtn);
    WaitIdle(w);
    const int oneWalk = Stat("getnext") - before;
    ASSERT_GT(oneWalk, 0);

    sim->Control("delay 100");
    const int start = Stat("getnext");
    Click(w.RefreshBtn);
    ASSERT_EQ(w.DataComplete, 0);
    Click(w.RefreshBtn);
    Click(w.RefreshBtn);
    WaitIdle(w);
    EXPECT_EQ(Stat("getnext") - start, oneWalk) << "a second walk was started";
    EXPECT_EQ(Groups(w.ListView1), (std::vector<std::string>{"1 servers", "64 uplinks"}));

    Click(w.RefreshBtn);
    ASSERT_EQ(w.DataComplete, 0);
    w.ED_PortGroupID->SetText("7");
    w.NameEdit->SetText("lab");
    TickPorts(w.PortPicker, {1});
    Click(w.btnAdd);
    EXPECT_EQ(SetsReceived(1).size(), 1u);
    WaitIdle(w);
    EXPECT_EQ(Groups(w.ListView1), (std::vector<std::string>{"1 servers", "7 lab", "64 uplinks"}));
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
