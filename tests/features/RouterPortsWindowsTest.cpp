// The IGMP and MLD snooping router port windows against the simulated switch: which pickers can
// be used after a read and after a row is chosen, what Set writes, Stop and Refresh.

#include "SwitchingFixture.h"

#include "features/switching/IGMPRouterPortsForm.h"
#include "features/switching/MLDRouterProtsForm.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/PageControl.h"

#include <set>

namespace {

const std::string IGMPEntry = "1.3.6.1.4.1.171.12.73.3.1.4.1";
const std::string MLDEntry = "1.3.6.1.4.1.171.12.73.3.2.4.1";

using Table = std::vector<std::vector<std::string>>;

class RouterPortsWindows : public SwitchingWindowTest {
protected:
    static bool AllEnabled(const TStackingPortUitForm* picker, bool enabled)
    {
        for (const ui::CheckBox* box : picker->PortBoxes)
            if (box->isEnabled() != enabled)
                return false;
        return true;
    }
    static std::vector<std::string> Tabs(ui::PageControl* pages)
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < pages->PageCount(); ++i)
            tabs.push_back(pages->PageCaption(pages->Page(i)));
        return tabs;
    }
};

TEST_F(RouterPortsWindows, IGMPSetsTheStaticAndForbiddenPortsOfTheChosenVlan)
{
    InWindow<TIGMPRouterPortsForm>([&](TIGMPRouterPortsForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Tabs(w.PageControl1), (std::vector<std::string>{"Static Ports", "Forbidden Ports", "Dynamic Ports"}));
        EXPECT_EQ(Cells(w.ListView1),
                  (Table{{"1", "1[8000000000000000]", "3[2000000000000000]", "0[0000000000000000]"},
                         {"2", "0[0000000000000000]", "0[0000000000000000]", "16[0001000000000000]"},
                         {"3", "0[0000000000000000]", "0[0000000000000000]", "0[0000000000000000]"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        // After the read: static and forbidden usable (and empty), dynamic and the VLAN not.
        EXPECT_TRUE(AllEnabled(w.StaticPorts, true));
        EXPECT_TRUE(AllEnabled(w.ForbiddenPorts, true));
        EXPECT_TRUE(AllEnabled(w.DynamicPorts, false));
        EXPECT_TRUE(TickedPorts(w.StaticPorts).empty());
        EXPECT_FALSE(w.stVlanID->isEnabled());
        EXPECT_FALSE(w.btnSet->isEnabled());

        // Set without a row does nothing.
        w.btnSetClick(nullptr);
        EXPECT_TRUE(Sets().empty());

        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.stVlanID->Caption(), "1");
        EXPECT_EQ(TickedPorts(w.StaticPorts), std::vector<int>{1});
        EXPECT_EQ(TickedPorts(w.DynamicPorts), std::vector<int>{3});
        EXPECT_TRUE(AllEnabled(w.DynamicPorts, false));
        EXPECT_TRUE(w.btnSet->isEnabled());
        w.PageControl1->SetActivePage(w.PageControl1->Page(0));
        Click(w.StaticPorts->PortBoxes[1]);
        w.PageControl1->SetActivePage(w.PageControl1->Page(1));
        Click(w.ForbiddenPorts->PortBoxes[4]);
        Click(w.btnSet);
        EXPECT_EQ(w.stVlanID->Caption(), "");
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{IGMPEntry + ".5.1=C000000000000000", IGMPEntry + ".15.1=0800000000000000"}}));
        EXPECT_EQ(Cells(w.ListView1)[0],
                  (std::vector<std::string>{"1", "1-2[C000000000000000]", "3[2000000000000000]", "5[0800000000000000]"}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Stop ends a read at its next answer; the next Refresh reads every row once.
TEST_F(RouterPortsWindows, StopThenRefreshListsEveryRowOnce)
{
    sim->Control("delay 150");
    InWindow<TIGMPRouterPortsForm>([&](TIGMPRouterPortsForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        Click(w.btnStop);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_LT(w.ListView1->Count(), 3);
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        // Stop while nothing reads changes nothing visible; the next read sets the flag again.
        Click(w.btnStop);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(w.ListView1->Count(), 3);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(RouterPortsWindows, MLDKeepsItsPickersUsableAndRefreshReadsAgain)
{
    InWindow<TMLDRouterProtsForm>([&](TMLDRouterProtsForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Tabs(w.PageControl1),
                  (std::vector<std::string>{"Static Router Ports", "Dynamic Router Ports", "Forbidden Router Ports"}));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_TRUE(AllEnabled(w.DynamicPorts, true)); // until a row is chosen
        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(AllEnabled(w.DynamicPorts, false));
        EXPECT_EQ(TickedPorts(w.DynamicPorts), std::vector<int>{4});

        for (const char* column : {".5.3", ".10.3", ".15.3"})
            sim->Control("data " + MLDEntry + column + " x 00:00:00:00:00:00:00:01");
        Click(w.btnGet);
        EXPECT_EQ(w.DataComplete, 0);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_FALSE(w.btnSet->isEnabled());

        ClickRow(w.ListView1, 1);
        Click(w.StaticPorts->PortBoxes[0]);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{MLDEntry + ".5.2=8000000000000000", MLDEntry + ".15.2=0000000000000000"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
