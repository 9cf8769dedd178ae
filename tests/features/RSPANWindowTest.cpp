// The RSPAN window against the simulated switch: Add writes the entry alone, Set its three port
// lists alone, Delete its status; the pickers only with an entry; a slow switch's reads.

#include "PortWindowsFixture.h"

#include "features/switching/RSPANForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.171.12.68.3.1.1";

class RSPANWindow : public PortWindowTest {
protected:
    // Whether any box of the three pickers can be changed.
    static bool PickersUsable(const TRSPANForm& w)
    {
        for (const TStackingPortUitForm* picker : {w.IngressPorts.data(), w.EgressPorts.data(), w.RedirectPorts.data()})
            for (const ui::CheckBox* box : picker->PortBoxes)
                if (box->isEnabled())
                    return true;
        return false;
    }
    static int RowOf(const TRSPANForm& w, const std::string& vlan)
    {
        const auto captions = Captions(w.ListView1);
        const auto found = std::find(captions.begin(), captions.end(), vlan);
        return found == captions.end() ? -1 : static_cast<int>(found - captions.begin());
    }
};

TEST_F(RSPANWindow, AddsAnEntryThenSetsItsPortsAndDeletesIt)
{
    InWindow<TRSPANForm>([&](TRSPANForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"10", "20"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_FALSE(PickersUsable(w));

        // An ID is needed.
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"VLAN ID need to input."});
        EXPECT_TRUE(Sets().empty());
        ClearMessageBoxes();

        // The entry alone: its port lists come with Set.
        TypeInto(w.ED_VLANID, "100");
        TickPorts(w.IngressPorts, {4});
        Click(w.btnAdd);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Entry + ".5.100=4"}}));
        ASSERT_EQ(RowOf(w, "100"), 2);
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_FALSE(PickersUsable(w));

        // The three lists of VLAN 100, without its status.
        ClickRow(w.ListView1, 2);
        EXPECT_TRUE(PickersUsable(w));
        EXPECT_FALSE(w.ED_VLANID->isEnabled());
        EXPECT_FALSE(w.btnAdd->isEnabled());
        TickPorts(w.IngressPorts, {1});
        TickPorts(w.EgressPorts, {2});
        TickPorts(w.RedirectPorts, {8});
        Click(w.btnSet);
        EXPECT_FALSE(PickersUsable(w));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ListView1->Count() == 3; }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Entry + ".2.100=8000000000000000",
                                                                  Entry + ".3.100=4000000000000000",
                                                                  Entry + ".4.100=0100000000000000"}}));
        EXPECT_EQ(w.Request->Request.VarList.Item(TRSPANForm::RowStatusItem).access, readwrite);
        ClickRow(w.ListView1, 2);
        EXPECT_EQ(TickedPorts(w.RedirectPorts), std::vector<int>{8});

        // Delete: the status alone.
        Click(w.btnDelete);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Entry + ".5.100=6"}}));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"10", "20"}));
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Closing waits for the first read; a Set while the read after a Set runs lists each row once.
TEST_F(RSPANWindow, ReadsOfASlowSwitchListEveryEntryOnce)
{
    sim->Control("delay 120");
    InWindow<TRSPANForm>([&](TRSPANForm& w) {
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 5000));
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        EXPECT_TRUE(w.isVisible());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClearMessageBoxes();

        ClickRow(w.ListView1, 0);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ASSERT_TRUE(w.Request->ReadOutstanding());
        ClickRow(w.ListView1, 0);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(w.ListView1->Count(), 2);
        EXPECT_TRUE(EachRowOnce(w.ListView1));
        EXPECT_EQ(Sets().size(), 2u);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000)); // FormClose has run
    });
}

} // namespace
