// What the Ethernet, IPv6 and packet content rule windows share: their lists, the report of
// their writes, reads that never list a row twice and closing during a read.

#include "AclRuleWindowFixture.h"

#include "features/acl/EthernetProfileRuleForm.h"
#include "features/acl/Ipv6RuleForm.h"
#include "features/acl/PktContentRuleForm.h"

#include "ui/StatusBar.h"

#include <QPointer>
#include <QTest>

#include <memory>

namespace {

// One window as the shared tests drive it.
struct RuleWindow {
    TAclRuleFrame* Frame;
    ui::ListView* List;
    ui::Button *Get, *Add, *Stop, *Close;
    // A new rule that passes every check, keyed profile/access.
    std::function<void(const std::string& profile, const std::string& access)> NewRule;
};

struct WindowCase {
    const char* name;
    std::function<RuleWindow(AclRuleWindowTest&)> open;
    int columns;
    std::vector<std::pair<int, std::string>> captions; // some column headers
    std::vector<std::string> rows;                      // the switch's rules, listed
    int vlanBasedRow;                                   // the row bound to a VLAN-based ID
};

class IngressRuleWindows : public AclRuleWindowTest {
protected:
    // The window open and idle; keys names its two key edits.
    template <class Window, class KeyEdits>
    RuleWindow Make(KeyEdits keys)
    {
        Window& w = Open<Window>();
        WaitIdle(w);
        return {&w,        w.ListView1,  w.GetButton, w.AddButton, w.StopButton, w.CloseButton,
                [this, &w, keys](const std::string& p, const std::string& a) {
                    const auto [profile, access] = keys(w);
                    NewRule(w, profile, access, p, a);
                }};
    }

    std::vector<WindowCase> Cases()
    {
        return {
            {"Ethernet", [](AclRuleWindowTest& t) {
                 return static_cast<IngressRuleWindows&>(t).Make<TEthernetProfileRuleForm>(
                     [](TEthernetProfileRuleForm& w) { return std::pair{w.MaskIDEdit, w.AccessEdit}; });
             },
             23, {{0, "Profile ID"}, {2, "Rule VLAN ID"}, {14, "Rule Ports"}, {15, "Row Status"}, {22, "Mask Destination MAC Address"}},
             {"1/1", "1/2", "2/1"}, 1},
            {"IPv6", [](AclRuleWindowTest& t) {
                 return static_cast<IngressRuleWindows&>(t).Make<TIpv6RuleForm>(
                     [](TIpv6RuleForm& w) { return std::pair{w.edtRuleID, w.edtRuleAccessID}; });
             },
             27, {{0, "Profile ID"}, {3, "Flow label"}, {10, "Port"}, {11, "Row Status"}, {26, "ICMP Code"}},
             {"1/1", "1/2", "2/1"}, 1},
            {"packet content", [](AclRuleWindowTest& t) {
                 return static_cast<IngressRuleWindows&>(t).Make<TPktContentRuleForm>(
                     [](TPktContentRuleForm& w) { return std::pair{w.edtProfile, w.edtAccess}; });
             },
             26, {{0, "Profile ID"}, {2, "Chunk 1 Value"}, {16, "Rule Port"}, {17, "Row Status"}, {25, "Chunk 4 Mask"}},
             {"1/1", "1/2"}, 1},
        };
    }

    // Each case on a switch of its own.
    void ForEachWindow(const std::function<void(const WindowCase&, RuleWindow&)>& test)
    {
        for (const WindowCase& c : Cases()) {
            SCOPED_TRACE(c.name);
            StartSwitch();
            RuleWindow w = c.open(*this);
            test(c, w);
            delete w.Frame;
            ClearMessageBoxes();
        }
    }
};

TEST_F(IngressRuleWindows, ListTheirColumnsAndRules)
{
    ForEachWindow([&](const WindowCase& c, RuleWindow& w) {
        ASSERT_EQ(w.List->ColumnCount(), c.columns);
        for (const auto& [column, caption] : c.captions)
            EXPECT_EQ(w.List->ColumnCaption(column), caption) << column;
        EXPECT_EQ(Keys(w.List), c.rows);
        EXPECT_EQ(FormTest::Find<ui::Label>(w.Frame, "StaticText1")->Caption(), std::to_string(c.rows.size()));
        EXPECT_NE(StatusLine(w.Frame).find("Get: Ok!"), std::string::npos) << StatusLine(w.Frame);
        // The picker shows unit 1 with the model's 26 ports, 12 a line.
        ASSERT_EQ(w.Frame->PortSelector->PortBoxes.size(), 6u * 64u);
        EXPECT_TRUE(w.Frame->PortSelector->PortBoxes[25]->isVisible());
        EXPECT_FALSE(w.Frame->PortSelector->PortBoxes[26]->isVisible());
        const auto& boxes = w.Frame->PortSelector->PortBoxes;
        EXPECT_EQ(boxes[11]->y(), boxes[0]->y());
        EXPECT_GT(boxes[12]->y(), boxes[11]->y());
        // A row on a VLAN-based ID checks "VLAN-based VID", every port and turns the picker off.
        ClickRow(w.List, c.vlanBasedRow);
        auto* vlanBased = FormTest::Find<ui::CheckBox>(w.Frame, "VLANBaseChkBox");
        EXPECT_TRUE(vlanBased->Checked());
        EXPECT_FALSE(w.Frame->PortSelector->isEnabled());
        EXPECT_EQ(TickedPorts(w.Frame->PortSelector).size(), 26u);
        // A cell that is no number counts as no VLAN-based ID.
        w.List->Item(0)->SetSubItem(w.Frame->VLANBasedColumn - 1, "(NULL)");
        ClickRow(w.List, 0);
        EXPECT_FALSE(vlanBased->Checked());
        EXPECT_TRUE(w.Frame->PortSelector->isEnabled());
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// A write the switch refuses shows its message in a box captioned with the program's file
// name; one it takes writes its line to the status bar.
TEST_F(IngressRuleWindows, ReportEachWriteThemselves)
{
    ForEachWindow([&](const WindowCase&, RuleWindow& w) {
        // "01"/"1" is no duplicate in the list, but the switch has the row.
        w.NewRule("01", "1");
        ClearMessageBoxes();
        Click(w.Add);
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 10000));
        EXPECT_EQ(MessageBoxes()[0].Caption, ProgramName());
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{12});
        sim->ClearSetJournal();
        WaitIdle(*w.Frame);
        // With the answers slow, the write's line stands while its read goes on.
        sim->Control("delay 200");
        w.NewRule("3", "7");
        Click(w.Add);
        EXPECT_TRUE(WaitFor([&] { return StatusLine(w.Frame).rfind("Set: Ok!", 0) == 0; }, 10000))
            << StatusLine(w.Frame);
        WaitIdle(*w.Frame);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
    });
}

// The answer of a write does not end the read sent behind it: Refresh is refused until the read
// has ended, and every row is listed once. Stop, then Refresh, reads once as well.
TEST_F(IngressRuleWindows, ReadsThatOverlapListEachRowOnce)
{
    ForEachWindow([&](const WindowCase& c, RuleWindow& w) {
        sim->Control("delay 200");
        w.NewRule("3", "7");
        Click(w.Add);
        ASSERT_TRUE(WaitFor([&] { return StatusLine(w.Frame).rfind("Set: Ok!", 0) == 0; }, 10000))
            << StatusLine(w.Frame);
        EXPECT_EQ(w.Frame->DataComplete, 0);
        ClearMessageBoxes();
        Click(w.Get);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."});
        WaitIdle(*w.Frame);
        std::vector<std::string> rows = c.rows;
        rows.push_back("3/7");
        EXPECT_EQ(Keys(w.List), rows);

        Click(w.Get);
        ASSERT_TRUE(WaitFor([&] { return w.List->Count() == 1; }, 10000));
        Click(w.Stop);
        EXPECT_EQ(w.Frame->DataComplete, 1);
        Click(w.Get);
        WaitIdle(*w.Frame);
        EXPECT_EQ(Keys(w.List), rows);
        EXPECT_EQ(Sets().size(), 1u);
    });
}

TEST_F(IngressRuleWindows, ClosingDuringAReadStopsTheWalkAndWaitsForIt)
{
    for (const WindowCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        StartSwitch();
        RuleWindow w = c.open(*this);
        const QPointer<QWidget> window(w.Frame);
        sim->Control("delay 300");
        Click(w.Get);
        ASSERT_TRUE(WaitFor([&] { return w.List->Count() == 1; }, 10000));
        Click(w.Close);
        ASSERT_TRUE(WaitFor([&] { return window.isNull(); }, 10000));
        // No GETNEXT follows the answer the walk was waiting for.
        const int sent = Stat("getnext");
        QTest::qWait(700);
        EXPECT_EQ(Stat("getnext"), sent);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
}

} // namespace
