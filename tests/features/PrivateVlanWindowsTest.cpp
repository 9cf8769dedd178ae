// The private VLAN and secondary VLAN windows against the simulated switch: Add, Edit and Delete
// as the switch receives them, Add's checks, and reads that list every row once.

#include "SwitchingFixture.h"

#include "features/switching/PrivateVLANForm.h"
#include "features/switching/SecondaryVlanForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <set>

namespace {

const std::string PrivateEntry = "1.3.6.1.4.1.171.12.69.3.1.1";
const std::string SecondaryEntry = "1.3.6.1.4.1.171.12.69.3.2.1";

using Table = std::vector<std::vector<std::string>>;

bool EveryBoxEnabled(const TStackingPortUitForm* picker, bool enabled)
{
    for (const ui::CheckBox* box : picker->PortBoxes)
        if (box->isEnabled() != enabled)
            return false;
    return true;
}

class PrivateVlanWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"vlan.dat"}; }

    static void Retype(ui::Edit* edit, const std::string& text)
    {
        edit->SetText("");
        if (!text.empty())
            TypeInto(edit, text);
    }
};

TEST_F(PrivateVlanWindows, PrivateVlansAreAddedByNameAndGetTheirPortsWithEdit)
{
    InWindow<TPrivateVLANForm>([&](TPrivateVLANForm& w) {
        ui::ListView* list = w.lvData;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(Cells(list), (Table{{"100", "pv100", "1[8000000000000000]", "2[4000000000000000]", "active"}}));
        EXPECT_EQ(w.txtCount->Caption(), "1");
        EXPECT_TRUE(EveryBoxEnabled(w.PromiscuousPorts, false));
        EXPECT_FALSE(w.btnEdit->isEnabled());

        // Add's checks, then VLAN 200 by its name alone.
        Click(w.btnSet);
        Retype(w.edtVID, "200");
        Click(w.btnSet);
        EXPECT_EQ(MessageBoxTexts(),
                  (std::vector<std::string>{"Please input VLAN ID first.", "Please input VLAN Name."}));
        EXPECT_TRUE(Sets().empty());
        ClearMessageBoxes();
        Retype(w.edtVLAN, "pv200");
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{PrivateEntry + ".2.200=7076323030", PrivateEntry + ".5.200=4"}}));
        EXPECT_EQ(w.Request->Request.VarList.Item(TPrivateVLANForm::TrunkItem).access, readwrite);

        // Edit: the ID and name stay, the ports go with the name and "active".
        ClickRow(list, 0);
        EXPECT_FALSE(w.edtVID->isEnabled());
        EXPECT_EQ(ui::ColorOf(w.edtVID), ui::clBtnFace);
        EXPECT_TRUE(EveryBoxEnabled(w.PromiscuousPorts, true));
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnSet->isEnabled());
        Click(w.PromiscuousPorts->PortBoxes[2]);
        Click(w.btnEdit);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{PrivateEntry + ".2.100=7076313030", PrivateEntry + ".3.100=A000000000000000",
                                  PrivateEntry + ".4.100=4000000000000000", PrivateEntry + ".5.100=1"}}));
        EXPECT_EQ(Cells(list)[0][2], "1,3[A000000000000000]");
        EXPECT_TRUE(w.edtVID->isEnabled());
        EXPECT_EQ(ui::ColorOf(w.edtVID), ui::clWindow);

        // Beside the rows: the pickers off and empty again.
        ClickRow(list, 0);
        ClickRow(list, -1);
        EXPECT_TRUE(EveryBoxEnabled(w.PromiscuousPorts, false));
        EXPECT_TRUE(TickedPorts(w.PromiscuousPorts).empty());

        // Delete: destroy alone, the table read at once and after the answer, each row once.
        ClickRow(list, 1);
        Click(w.btnDel);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 1; }));
        EXPECT_EQ(Sets(), (Table{{PrivateEntry + ".5.200=6"}}));
        EXPECT_EQ(Captions(list), std::vector<std::string>{"100"});
        EXPECT_EQ(w.txtCount->Caption(), "1");

        // Close frees the request once.
        Click(w.btnClose);
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 5000));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(PrivateVlanWindows, SecondaryVlansAreAddedChangedAndDeleted)
{
    InWindow<TSecondaryVlanForm>([&](TSecondaryVlanForm& w) {
        ui::ListView* list = w.lvData;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !StatusLine(&w).empty(); }));
        EXPECT_EQ(Cells(list), (Table{{"100", "101", "isolated", "3-4[3000000000000000]", "active"},
                                      {"100", "102", "community", "5-6[0C00000000000000]", "active"}}));
        EXPECT_EQ(w.txtCount->Caption(), "2");

        // Add's checks in order; then VLAN 103, community, port 7.
        const std::vector<std::pair<std::vector<std::string>, const char*>> checks = {
            {{"", "103"}, "Please input Private VLAN ID first."},
            {{"100", ""}, "Please input Second VLAN ID."},
            {{"100", "103"}, "Please selecct VLAN Type."},
        };
        for (const auto& [ids, message] : checks) {
            ClearMessageBoxes();
            Retype(w.edtPrivateVID, ids[0]);
            Retype(w.edtSecondVID, ids[1]);
            Click(w.btnSet);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{message});
        }
        EXPECT_TRUE(Sets().empty());
        ClearMessageBoxes();
        w.cbbVLANType->SetItemIndex(1);
        TickPorts(w.Ports, {7});
        Click(w.btnSet);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 3; }));
        EXPECT_EQ(Sets(), (Table{{SecondaryEntry + ".2.100.103=2", SecondaryEntry + ".3.100.103=0200000000000000",
                                  SecondaryEntry + ".4.100.103=4"}}));
        EXPECT_EQ(w.cbbVLANType->ItemIndex(), -1);

        // A row: its IDs fixed, its type and ports editable.
        ClickRow(list, 0);
        EXPECT_FALSE(w.edtPrivateVID->isEnabled());
        EXPECT_FALSE(w.edtSecondVID->isEnabled());
        EXPECT_TRUE(w.cbbVLANType->isEnabled());
        EXPECT_EQ(TickedPorts(w.Ports), (std::vector<int>{3, 4}));

        // Delete: destroy alone.
        ClickRow(list, 2);
        Click(w.btnDel);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        EXPECT_EQ(Sets(), (Table{{SecondaryEntry + ".4.100.103=6"}}));
        EXPECT_EQ(w.Request->Request.VarList.Item(TSecondaryVlanForm::PortsItem).access, readwrite);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Edit reads at once and again after the answer: the later read takes the earlier one's place.
TEST_F(PrivateVlanWindows, EditOfASlowSwitchListsEveryRowOnce)
{
    sim->Control("delay 100");
    InWindow<TSecondaryVlanForm>([&](TSecondaryVlanForm& w) {
        ui::ListView* list = w.lvData;
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && list->Count() == 2; }));
        ClickRow(list, 0);
        w.cbbVLANType->SetItemIndex(1);
        const int walks = Stat("getnext");
        Click(w.btnEdit);
        EXPECT_FALSE(w.btnEdit->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Stat("getnext") > walks + 2 && Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{SecondaryEntry + ".2.100.101=2", SecondaryEntry + ".3.100.101=3000000000000000",
                                  SecondaryEntry + ".4.100.101=1"}}));
        std::set<std::string> keys;
        for (const auto& row : Cells(list))
            keys.insert(row[0] + "/" + row[1]);
        EXPECT_EQ(keys, (std::set<std::string>{"100/101", "100/102"}));
        EXPECT_EQ(list->Count(), 2);
        EXPECT_EQ(Cells(list)[0][2], "community");
        EXPECT_EQ(w.txtCount->Caption(), "2");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
