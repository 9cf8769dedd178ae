// The IGMP and MLD snooping static group windows against the simulated switch: listing, Add,
// Set and Delete as the switch receives them, Add's checks, a slow and a silent switch.

#include "SwitchingFixture.h"

#include "features/switching/IGMPSnoopingStaticGroupForm.h"
#include "features/switching/MLDSnoopingStaticGroupForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/Scale.h"

#include <algorithm>
#include <set>

namespace {

const std::string IGMPEntry = "1.3.6.1.4.1.171.12.73.3.1.2.1";
const std::string MLDEntry = "1.3.6.1.4.1.171.12.73.3.2.2.1";

class StaticGroupWindows : public SwitchingWindowTest {
protected:
    // Types a new group into the editors (after a click beside the rows) and ticks its ports.
    static void TypeGroup(TSnoopingStaticGroupForm& w, const std::string& vlan, const std::string& address,
                          const std::vector<int>& ports)
    {
        ClickRow(w.findChild<ui::ListView*>(), -1);
        auto* vlanEdit = Find<ui::Edit>(&w, "VlanIDEdit");
        auto* addressEdit = Find<ui::Edit>(&w, "RepalceIPEdit");
        vlanEdit->SetText("");
        addressEdit->SetText("");
        if (!vlan.empty())
            TypeInto(vlanEdit, vlan);
        if (!address.empty())
            TypeInto(addressEdit, address);
        TickPorts(w.MemberPorts, ports);
    }
};


TEST_F(StaticGroupWindows, IGMPListsAddsChangesAndDeletesGroups)
{
    InWindow<TIGMPSnoopingStaticGroupForm>([&](TIGMPSnoopingStaticGroupForm& w) {
        ui::ListView* list = w.LV_IGMPStaticGroupEntry;
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(list), (std::vector<std::vector<std::string>>{{"1", "224.1.1.1", "1-3[E000000000000000]", "active"},
                                                                       {"1", "225.0.0.5", "5[0800000000000000]", "active"},
                                                                       {"2", "239.1.2.3", "10,12[0050000000000000]", "active"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_FALSE(w.btnSet->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_TRUE(w.btnAdd->isEnabled());

        // Add: VLAN 3, group 230.1.1.1, port 3; the status last in the PDU.
        TypeGroup(w, "3", "230.1.1.1", {3});
        Click(w.btnAdd);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {IGMPEntry + ".2.3.230.1.1.1=2000000000000000", IGMPEntry + ".100.3.230.1.1.1=4"}}));
        ASSERT_EQ(list->Count(), 4);
        EXPECT_EQ(Cells(list)[3], (std::vector<std::string>{"3", "230.1.1.1", "3[2000000000000000]", "active"}));
        EXPECT_EQ(w.StaticText1->Caption(), "4");

        // Set of a changed port: the row's ports are in the boxes; port 2 off.
        ClickRow(list, 0);
        EXPECT_EQ(TickedPorts(w.MemberPorts), (std::vector<int>{1, 2, 3}));
        EXPECT_TRUE(w.btnSet->isEnabled());
        EXPECT_FALSE(w.btnAdd->isEnabled());
        Click(w.MemberPorts->PortBoxes[1]);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 4; }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {IGMPEntry + ".2.1.224.1.1.1=A000000000000000", IGMPEntry + ".100.1.224.1.1.1=1"}}));
        EXPECT_EQ(Cells(list)[0][2], "1,3[A000000000000000]");

        // Delete: the status alone; the next Set writes the member ports again.
        ClickRow(list, 3);
        Click(w.btnDelete);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{IGMPEntry + ".100.3.230.1.1.1=6"}}));
        EXPECT_EQ(list->Count(), 3);
        ClickRow(list, 1);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 3; }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {IGMPEntry + ".2.1.225.0.0.5=0800000000000000", IGMPEntry + ".100.1.225.0.0.5=1"}}));

        // A Delete whose write raises: the message in the status line, the window idle, the member
        // ports written again afterwards.
        ClickRow(list, 1);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        Click(w.btnDelete);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos);
        EXPECT_EQ(w.Request->Request.VarList.Item(TSnoopingStaticGroupForm::MemberPortsItem).access, readwrite);
        w.Request->Request.Device.Address = address;
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

struct AddCase {
    const char* vlan;
    const char* address;
    std::vector<std::string> boxes; // none: the group is added
};

// Add's checks, in their order; nothing goes out after a message.
TEST_F(StaticGroupWindows, AddChecksTheTypedGroup)
{
    const AddCase igmp[] = {
        {"", "", {"Multicast VLAN ID need to input."}},
        {"", "224.9.9.9", {"Multicast VLAN ID need to input."}},
        {"2", "", {"Multicast Group IP Address need to input."}},
        {"2", "192.168.0.256", {"Please input a valid IP", "IP Address in not valid."}},
        {"2", "192.168.00.1", {"Please input a valid IP", "IP Address in not valid."}},
        {"2", ".1.2.3", {"Please input a valid IP", "IP Address in not valid."}},
        {"2", "1.2.3", {"Please input a valid IP", "IP Address in not valid."}},
        {"2", "1.2.3.4.5", {"Please input a valid IP", "IP Address in not valid."}},
        // Sixteen characters: the whole text is read, so neither adds 192.168.100.100.
        {"2", "192.168.100.100x", {"Please input a valid IP", "IP Address in not valid."}},
        {"2", "192.168.100.1001", {"Please input a valid IP", "IP Address in not valid."}},
        {"2", "192.168.0.1", {}},
        {"2", "0.0.0.0", {}},
    };
    InWindow<TIGMPSnoopingStaticGroupForm>([&](TIGMPSnoopingStaticGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        for (const AddCase& c : igmp) {
            SCOPED_TRACE(std::string(c.vlan) + " " + c.address);
            ClearMessageBoxes();
            TypeGroup(w, c.vlan, c.address, {4});
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxTexts(), c.boxes);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            const auto sets = Sets();
            if (c.boxes.empty()) {
                ASSERT_EQ(sets.size(), 1u);
                EXPECT_EQ(sets[0].back(), IGMPEntry + ".100.2." + c.address + "=4");
                const auto rows = Cells(w.LV_IGMPStaticGroupEntry);
                EXPECT_NE(std::find(rows.begin(), rows.end(), std::vector<std::string>{"2", c.address, "4[1000000000000000]", "active"}),
                          rows.end());
            } else {
                EXPECT_TRUE(sets.empty());
            }
        }
    });

    const std::string group = "ff0e000000000000000000000000000" "1";
    const AddCase mld[] = {
        {"", "", {"Multicast VLAN ID need to input."}},
        {"2", "", {"Group IPv6 Address need to input."}},
        {"2", "ff0e::1", {"Please enter a valid IPv6 address whose length is 32 without ':'.", "IPv6 Address in not valid."}},
        {"2", "ff0e:0000:0000:0000:0000:0000:1", {"Please enter a valid IPv6 address whose length is 32 without ':'.",
                                                 "IPv6 Address in not valid."}},
        {"2", group.c_str(), {}},
    };
    InWindow<TMLDSnoopingStaticGroupForm>([&](TMLDSnoopingStaticGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.LV_MLDStaticGroupEntry),
                  (std::vector<std::vector<std::string>>{{"1", "FF0E0000000000000000000000000001", "2[4000000000000000]", "active"}}));
        for (const AddCase& c : mld) {
            SCOPED_TRACE(std::string(c.vlan) + " " + c.address);
            ClearMessageBoxes();
            TypeGroup(w, c.vlan, c.address, {4});
            Click(w.btnAdd);
            EXPECT_EQ(MessageBoxTexts(), c.boxes);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            const auto sets = Sets();
            if (c.boxes.empty()) {
                ASSERT_EQ(sets.size(), 1u);
                EXPECT_EQ(sets[0], (std::vector<std::string>{
                                       MLDEntry + ".2.2.255.14.0.0.0.0.0.0.0.0.0.0.0.0.0.1=1000000000000000",
                                       MLDEntry + ".100.2.255.14.0.0.0.0.0.0.0.0.0.0.0.0.0.1=4"}));
                EXPECT_EQ(w.LV_MLDStaticGroupEntry->Count(), 2);
            } else {
                EXPECT_TRUE(sets.empty());
            }
        }

        // The MLD window does not set the status for Add itself: after a Delete whose write
        // raised, the status is still destroy and Add refuses until the editors are reset.
        ClickRow(w.LV_MLDStaticGroupEntry, 0);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        Click(w.btnDelete);
        w.Request->Request.Device.Address = address;
        ClearMessageBoxes();
        w.VlanIDEdit->SetText("3");
        w.RepalceIPEdit->SetText(group);
        Click(w.btnAdd);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Row Status must be createAndGo."});
        EXPECT_TRUE(Sets().empty());
    });
}

// A slow switch: closing waits for the first read; presses while a read runs start no second
// one, and a Set while the read after a Set runs supersedes it: every row is listed once.
TEST_F(StaticGroupWindows, ReadsOfASlowSwitchListEveryRowOnce)
{
    sim->Control("delay 80");
    auto onceEach = [](const ui::ListView* list) {
        std::set<std::string> keys;
        for (const auto& row : Cells(list))
            keys.insert(row[0] + "/" + row[1]);
        return keys.size() == static_cast<std::size_t>(list->Count());
    };
    InWindow<TIGMPSnoopingStaticGroupForm>([&](TIGMPSnoopingStaticGroupForm& w) {
        ui::ListView* list = w.LV_IGMPStaticGroupEntry;
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 5000));
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        EXPECT_TRUE(w.isVisible());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(list->Count(), 3);

        // Refresh twice: the second press does nothing, without a message.
        ClearMessageBoxes();
        Click(w.btnGet);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(list->Count(), 3);
        EXPECT_TRUE(onceEach(list));

        // Set, and Set again while the read after the first Set runs.
        ClickRow(list, 0);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return list->Count() >= 1; }));
        ASSERT_TRUE(w.Request->ReadOutstanding());
        ClickRow(list, 0);
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(list->Count(), 3);
        EXPECT_TRUE(onceEach(list));
        EXPECT_EQ(Sets().size(), 2u);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();

        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000)); // FormClose has run
    });
}

TEST_F(StaticGroupWindows, TheWindowsGrowByAQuarterOffNinetySixDotsPerInch)
{
    ui::ForcePixelsPerInch(120);
    InWindow<TMLDSnoopingStaticGroupForm>([&](TMLDSnoopingStaticGroupForm& w) {
        EXPECT_EQ(w.width(), 800);
        EXPECT_EQ(w.height(), 550);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
    });
    ui::ForcePixelsPerInch(0);
}

TEST_F(StaticGroupWindows, ASilentSwitchEndsTheFirstReadAtItsTimeOut)
{
    sim->Control("silence on");
    DefaultTimeout = 40;
    InWindow<TIGMPSnoopingStaticGroupForm>([&](TIGMPSnoopingStaticGroupForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_EQ(w.LV_IGMPStaticGroupEntry->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        EXPECT_EQ(StatusLine(&w), "");
        Click(w.btnClose);
        ASSERT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000)); // FormClose has run
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
