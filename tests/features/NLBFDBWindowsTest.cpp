// The NLB forwarding table windows against the simulated switch: Add's checks and what it
// writes, Delete without a question, Set of the selected entry's ports, the key edits as a row is
// chosen and left, and the unicast twin keyed by its MAC address alone.

#include "SwitchingFixture.h"

#include "features/switching/NLBMulticastFDBForm.h"
#include "features/switching/NLBUnicastFDBForm.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Multicast = "1.3.6.1.4.1.171.12.77.3.2.1";
const std::string Unicast = "1.3.6.1.4.1.171.12.77.3.1.1";

using Table = std::vector<std::vector<std::string>>;

class NLBFDBWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"nlb-colormap-pppoe.dat"}; }

    // The first read has ended and said so.
    template <class Window>
    static void WaitForTheTable(Window& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
    }
    // The table has count rows and no read or write is under way; a little later it still has.
    template <class Window>
    static bool SettlesAt(Window& w, ui::ListView* list, int count)
    {
        if (!WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == count; }, 10000))
            return false;
        WaitFor([] { return false; }, 300);
        return Quiet(w.Request.get()) && list->Count() == count;
    }
};

TEST_F(NLBFDBWindows, MulticastAddNeedsBothKeysAndWritesThePortsWithCreateAndGo)
{
    InWindow<TNLBMulticastFDBForm>([&](TNLBMulticastFDBForm& w) {
        ui::ListView* list = w.LV_NLBMulticastFDBEntry;
        WaitForTheTable(w);
        EXPECT_EQ(Cells(list), (Table{{"1", "03BF0A000001", "1-2[C000000000000000]", "active"},
                                      {"2", "03BF0A000002", "5[0800000000000000]", "active"}}));
        EXPECT_EQ(w.ST_Count->Caption(), "2");
        EXPECT_FALSE(w.UStatus->isVisible());
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());

        TypeInto(w.UnicastAddress, "03BF0A0000AA");
        Click(w.AddBtn);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input VLAN ID and MAC Address."});
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.UnicastAddress->Text(), "03BF0A0000AA"); // nothing lost

        TypeInto(w.ED_UnicastVID, "10");
        Click(w.Ports->PortBoxes[2]);
        Click(w.AddBtn);
        ASSERT_TRUE(SettlesAt(w, list, 3));
        EXPECT_EQ(Sets(), (Table{{Multicast + ".3.10.3.191.10.0.0.170=2000000000000000",
                                  Multicast + ".4.10.3.191.10.0.0.170=4"}}));
        EXPECT_EQ(Cells(list)[2], (std::vector<std::string>{"10", "03BF0A0000AA", "3[2000000000000000]", "active"}));
        EXPECT_EQ(w.ED_UnicastVID->Text(), "");
        EXPECT_EQ(w.UnicastAddress->Text(), "");
        EXPECT_TRUE(TickedPorts(w.Ports).empty());
        EXPECT_EQ(w.ST_Count->Caption(), "3");
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

TEST_F(NLBFDBWindows, MulticastKeysAreShownNotEditedAndDeleteAsksNothing)
{
    InWindow<TNLBMulticastFDBForm>([&](TNLBMulticastFDBForm& w) {
        ui::ListView* list = w.LV_NLBMulticastFDBEntry;
        WaitForTheTable(w);

        ClickRow(list, 0);
        EXPECT_EQ(w.ED_UnicastVID->Text(), "1");
        EXPECT_EQ(w.UnicastAddress->Text(), "03BF0A000001");
        EXPECT_FALSE(w.ED_UnicastVID->isEnabled());
        EXPECT_FALSE(w.UnicastAddress->isEnabled());
        EXPECT_EQ(TickedPorts(w.Ports), (std::vector<int>{1, 2}));
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        EXPECT_FALSE(w.AddBtn->isEnabled());

        // A click beside the rows: the keys editable and empty again.
        ClickRow(list, -1);
        EXPECT_TRUE(w.ED_UnicastVID->isEnabled());
        EXPECT_TRUE(w.UnicastAddress->isEnabled());
        EXPECT_EQ(w.ED_UnicastVID->Text(), "");
        EXPECT_EQ(w.UnicastAddress->Text(), "");
        EXPECT_TRUE(TickedPorts(w.Ports).empty());
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_TRUE(w.AddBtn->isEnabled());

        // Delete at once: destroy for the entry; the table read by the window and again by the
        // framework after the answer lists each entry once.
        ClickRow(list, 0);
        Click(w.DeleteBtn);
        ASSERT_TRUE(SettlesAt(w, list, 1));
        EXPECT_EQ(Sets(), (Table{{Multicast + ".3.1.3.191.10.0.0.1=C000000000000000",
                                  Multicast + ".4.1.3.191.10.0.0.1=6"}}));
        EXPECT_EQ(Captions(list), std::vector<std::string>{"2"});
        EXPECT_EQ(w.ST_Count->Caption(), "1");
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_TRUE(w.AddBtn->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(NLBFDBWindows, MulticastSetWritesTheSelectedEntrysPortsAndDeleteWarnsWithoutKeys)
{
    InWindow<TNLBMulticastFDBForm>([&](TNLBMulticastFDBForm& w) {
        ui::ListView* list = w.LV_NLBMulticastFDBEntry;
        WaitForTheTable(w);
        ClickRow(list, 1);
        Click(w.Ports->PortBoxes[5]);
        Click(w.SetBtn);
        ASSERT_TRUE(SettlesAt(w, list, 2));
        // The ports with the entry's own Row Status.
        EXPECT_EQ(Sets(), (Table{{Multicast + ".3.2.3.191.10.0.0.2=0C00000000000000",
                                  Multicast + ".4.2.3.191.10.0.0.2=1"}}));
        EXPECT_EQ(Cells(list)[1][2], "5-6[0C00000000000000]");
        EXPECT_EQ(w.ED_UnicastVID->Text(), "");
        EXPECT_TRUE(w.ED_UnicastVID->isEnabled());

        // Set leaves its buttons as they were; Delete with the keys empty warns and sends nothing.
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        Click(w.DeleteBtn);
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0].Text, "Please select which entry you want to delete.");
        EXPECT_EQ(MessageBoxes()[0].Icon, ui::miWarning);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(list->Count(), 2);
    });
}

TEST_F(NLBFDBWindows, UnicastEntriesAreKeyedByTheMacAddressAlone)
{
    InWindow<TNLBUnicastFDBForm>([&](TNLBUnicastFDBForm& w) {
        ui::ListView* list = w.LV_NLBUnicastFDBEntry;
        WaitForTheTable(w);
        EXPECT_EQ(Cells(list), (Table{{"02BF0A000001", "3[2000000000000000]", "active"}}));

        Click(w.AddBtn);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input MAC Address."});
        EXPECT_TRUE(Sets().empty());
        ClearMessageBoxes();

        TypeInto(w.UnicastAddress, "02BF0A0000FF");
        Click(w.Ports->PortBoxes[0]);
        Click(w.AddBtn);
        ASSERT_TRUE(SettlesAt(w, list, 2));
        EXPECT_EQ(Sets(), (Table{{Unicast + ".2.2.191.10.0.0.255=8000000000000000",
                                  Unicast + ".3.2.191.10.0.0.255=4"}}));

        // A chosen entry's MAC address stays editable.
        ClickRow(list, 0);
        EXPECT_EQ(w.UnicastAddress->Text(), "02BF0A000001");
        EXPECT_TRUE(w.UnicastAddress->isEnabled());
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        Click(w.DeleteBtn);
        ASSERT_TRUE(SettlesAt(w, list, 1));
        EXPECT_EQ(Sets(), (Table{{Unicast + ".2.2.191.10.0.0.1=2000000000000000", Unicast + ".3.2.191.10.0.0.1=6"}}));
        EXPECT_EQ(Captions(list), std::vector<std::string>{"02BF0A0000FF"});
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
