// The 802.1Q current VLAN, group destination and forward-all windows against the simulated
// switch: rows in pickers that only display, port lists of several units on the pickers of
// unit 1, the forward-all Set, and reads that never list a row twice.

#include "SwitchingFixture.h"

#include "features/switching/MulticastForwardingInformationForm.h"
#include "features/switching/TpGroupDestinationForwardedForm.h"
#include "features/switching/VLanCurrentTableForm.h"

#include "ui/Button.h"
#include "ui/Label.h"

#include <set>

namespace {

const std::string ForwardAllEntry = "1.3.6.1.2.1.17.7.1.2.4.1";

using Table = std::vector<std::vector<std::string>>;

// 48 octets with the given ports (1-based) set, in hexadecimal.
std::string PortList48(const std::vector<int>& ports)
{
    std::string octets(48, '\0');
    for (int port : ports)
        octets[static_cast<std::size_t>((port - 1) / 8)] |= static_cast<char>(0x80 >> ((port - 1) % 8));
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : octets) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool EveryBoxDisabled(const TStackingPortUitForm* picker)
{
    for (const ui::CheckBox* box : picker->PortBoxes)
        if (box->isEnabled())
            return false;
    return true;
}

class VlanViewsWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"vlan.dat"}; }

    static bool OnceEach(const ui::ListView* list)
    {
        std::set<std::string> keys;
        for (const auto& row : Cells(list))
            keys.insert(row[0] + "/" + row[1]);
        return keys.size() == static_cast<std::size_t>(list->Count());
    }
};

TEST_F(VlanViewsWindows, TheCurrentTableShowsARowInPickersThatOnlyDisplay)
{
    InWindow<TVLanCurrentTableForm>([&](TVLanCurrentTableForm& w) {
        ui::ListView* list = w.LV_dot1qVlanCurrentEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(w.ST_Count2->Caption(), "2");
        EXPECT_EQ(w.VlanNumDeletes->Caption(), "3");
        EXPECT_EQ(Cells(list)[1][1], "10");
        EXPECT_EQ(Cells(list)[1][5], "permanent");
        EXPECT_TRUE(EveryBoxDisabled(w.EgressPorts));
        EXPECT_TRUE(EveryBoxDisabled(w.UntaggedPorts));

        ClickRow(list, 1);
        EXPECT_EQ(w.StaticText1->Caption(), "10");
        EXPECT_EQ(TickedPorts(w.EgressPorts), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(TickedPorts(w.UntaggedPorts), (std::vector<int>{1, 2}));
        EXPECT_TRUE(EveryBoxDisabled(w.EgressPorts));
        Click(w.EgressPorts->PortBoxes[7]);
        EXPECT_EQ(TickedPorts(w.EgressPorts), (std::vector<int>{1, 2, 3, 4}));

        ClickRow(list, -1);
        EXPECT_EQ(w.StaticText1->Caption(), "");
        EXPECT_TRUE(TickedPorts(w.EgressPorts).empty());

        // Refresh reads both again.
        sim->Control("data 1.3.6.1.2.1.17.7.1.4.1.0 c 4");
        Click(w.RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(w.VlanNumDeletes->Caption(), "4");
        EXPECT_TRUE(OnceEach(list));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(VlanViewsWindows, AnEmptyCurrentTableCountsNoRow)
{
    sim->Control("data remove 1.3.6.1.2.1.17.7.1.4.2.1");
    InWindow<TVLanCurrentTableForm>([&](TVLanCurrentTableForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(w.LV_dot1qVlanCurrentEntry->Count(), 0);
        EXPECT_EQ(w.ST_Count2->Caption(), "0");
        EXPECT_EQ(w.StaticText1->Caption(), "");
        EXPECT_TRUE(TickedPorts(w.EgressPorts).empty());
        EXPECT_TRUE(TickedPorts(w.UntaggedPorts).empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A group whose ports reach the second unit (port 70) opens on the boxes of unit 1.
TEST_F(VlanViewsWindows, AGroupOfSeveralUnitsShowsItsFirstUnitsPorts)
{
    InWindow<TTpGroupDestinationForwardedForm>([&](TTpGroupDestinationForwardedForm& w) {
        ui::ListView* list = w.LV_dot1qTpGroupEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        ASSERT_EQ(Cells(list), (Table{{"1", "01005E000001", PortList48({3, 70}), PortList48({1})}}));
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        ClickRow(list, 0);
        EXPECT_EQ(TickedPorts(w.EgressPorts), std::vector<int>{3});
        EXPECT_EQ(TickedPorts(w.LearntPorts), std::vector<int>{1});
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(VlanViewsWindows, AnEmptyGroupTableCountsNoRow)
{
    sim->Control("data remove 1.3.6.1.2.1.17.7.1.2.3.1");
    InWindow<TTpGroupDestinationForwardedForm>([&](TTpGroupDestinationForwardedForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(w.LV_dot1qTpGroupEntry->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
    });
}

// Set writes the static and forbidden ports of the selected VLAN, the other units' ports as the
// switch had them; without a row it writes nothing.
TEST_F(VlanViewsWindows, ForwardAllSetKeepsTheOtherUnitsPorts)
{
    InWindow<TMulticastForwardingInformationForm>([&](TMulticastForwardingInformationForm& w) {
        ui::ListView* list = w.LV_dot1qForwardUnregisteredEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        ASSERT_EQ(list->Count(), 2);
        EXPECT_EQ(w.ST_Count->Caption(), "2");
        EXPECT_FALSE(w.StaticPorts->PortBoxes[0]->isEnabled()) << "no row: the pickers wait for one";

        Click(w.SetBtn);
        EXPECT_TRUE(Sets().empty());

        ClickRow(list, 0);
        EXPECT_EQ(TickedPorts(w.ForwardPorts), (std::vector<int>{2, 3}));
        EXPECT_EQ(TickedPorts(w.StaticPorts), std::vector<int>{2});
        EXPECT_TRUE(w.StaticPorts->PortBoxes[3]->isEnabled());
        TickPorts(w.StaticPorts, {2, 4});
        TickPorts(w.ForbiddenPorts, {5});
        Click(w.SetBtn);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{ForwardAllEntry + ".2.1=" + PortList48({2, 4, 70}),
                                  ForwardAllEntry + ".3.1=" + PortList48({5})}}));
        EXPECT_EQ(Cells(list)[0][2], "2,4,70[" + PortList48({2, 4, 70}) + "]");

        // The read after the write left no row selected.
        Click(w.SetBtn);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Refresh reads at once, also while a read runs: the newer read takes its place.
TEST_F(VlanViewsWindows, RefreshesOfASlowSwitchListEveryRowOnce)
{
    sim->Control("delay 100");
    InWindow<TMulticastForwardingInformationForm>([&](TMulticastForwardingInformationForm& w) {
        ui::ListView* list = w.LV_dot1qForwardUnregisteredEntry;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        Click(w.RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return list->Count() == 1; }));
        Click(w.RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Captions(list), (std::vector<std::string>{"1", "10"}));
    });
    InWindow<TTpGroupDestinationForwardedForm>([&](TTpGroupDestinationForwardedForm& w) {
        Click(w.RefreshBtn);
        Click(w.RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(w.LV_dot1qTpGroupEntry->Count(), 1);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
