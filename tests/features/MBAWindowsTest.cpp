// The MAC-based access control settings window and the compound authentication guest VLAN table
// against the simulated switch: Set writes the four settings first and then the guest VLAN by what
// the switch's name allows; Delete writes start; the table's Add creates the row alone and then
// writes its ports, but only when the switch made the row; Edit writes the ports, Delete destroy.

#include "GuestVlanFixture.h"

#include "features/system/MBAControlForm.h"
#include "features/system/MultpAuthGuestVlanForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

const std::string Mba = "1.3.6.1.4.1.171.12.35.1";
const std::string GuestEntry = "1.3.6.1.4.1.171.12.3.11.2.1";

class MBAControlWindow : public GuestVlanWindowTest {
protected:
    // The SET of the four settings as the window shows them after the first read.
    static std::vector<std::string> SettingsSet()
    {
        return {Mba + ".1.0=2", Mba + ".2.0=1", Mba + ".3.0=" + Hex("pass01"), Mba + ".8.0=1"};
    }
};

TEST_F(MBAControlWindow, OpensWithTheSwitchsSettings)
{
    InWindow<TMBAControlForm>([&](TMBAControlForm& w) {
        EXPECT_EQ(w.Cbox_State->Text(), "enabled");
        EXPECT_EQ(w.Cbox_Method->Text(), "local");
        EXPECT_EQ(w.edtPassWord->Text(), "pass01");
        EXPECT_EQ(w.Cbox_ClearAllAction->Text(), "other");
        EXPECT_EQ(w.edtName->Text(), "mbaguest");
        EXPECT_EQ(w.Edit1->Text(), "mbaguest");
        EXPECT_EQ(w.cbxDel->Text(), "none");
        EXPECT_FALSE(w.Edit1->isVisible());
        EXPECT_FALSE(w.cbxDel->isVisible());
        EXPECT_EQ(w.pgc1->tabText(0).toStdString(), "Guest VLAN Ports");
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{2});
        EXPECT_EQ(w.MacAccessNameRequest->Request.Timeout, 300);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

struct GuestVlanCase {
    const char* onSwitch;          // the switch's guest VLAN name at Set
    const char* typed;             // edtName at Set
    std::vector<std::string> then; // the second SET, none when empty
    const char* message;           // "" for none
};

// The settings always go out first; then the guest VLAN by the name the switch holds at Set.
TEST_F(MBAControlWindow, SetWritesTheSettingsThenTheGuestVlan)
{
    const std::string ports = Mba + ".5.0=" + PortBits({4, 6});
    const GuestVlanCase cases[] = {
        {"mbaguest", "mbaguest", {ports}, ""},
        {"", "", {}, ""},
        {"", "lab", {Mba + ".4.0=" + Hex("lab"), ports}, ""},
        {"mbaguest", "lab", {}, "Can't change the VLAN name,delete previous name first."},
    };
    for (const GuestVlanCase& c : cases) {
        SCOPED_TRACE(std::string(c.onSwitch) + " -> " + c.typed);
        Serve(Mba + ".4.0 s \"mbaguest\" rw");
        InWindow<TMBAControlForm>([&](TMBAControlForm& w) {
            // The switch's name changes after the window read it: Set reads it again.
            Serve(Mba + ".4.0 s \"" + c.onSwitch + "\" rw");
            w.edtName->SetText(c.typed);
            TickPorts(w.PortPicker, {4, 6});
            Click(w.SetBtn);
            Table expected{SettingsSet()};
            if (!c.then.empty())
                expected.push_back(c.then);
            EXPECT_EQ(Sets(), expected);
            const std::vector<std::string> messages =
                c.message[0] ? std::vector<std::string>{c.message} : std::vector<std::string>{};
            EXPECT_EQ(MessageBoxTexts(), messages);
            for (int item : {TMBAControlForm::NameItem, TMBAControlForm::MemberPortsItem})
                EXPECT_EQ(w.MacAccessGuestVlanRequest->Request.VarList.Item(item).access, readwrite);
            if (c.message[0]) {
                // Refused: the window is not read again, the user's text stays.
                EXPECT_EQ(w.edtName->Text(), c.typed);
                EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{4, 6}));
            } else {
                EXPECT_EQ(w.edtName->Text(), c.onSwitch[0] ? c.onSwitch : c.typed);
            }
        });
        ClearMessageBoxes();
    }
}

// A refused settings SET shows its message box and the guest VLAN part still goes out.
TEST_F(MBAControlWindow, ARefusedSettingsSetStillWritesTheGuestVlan)
{
    InWindow<TMBAControlForm>([&](TMBAControlForm& w) {
        sim->Control("error " + Mba + ".1 wrongValue");
        TickPorts(w.PortPicker, {2, 3});
        Click(w.SetBtn);
        const std::vector<int> statuses = sim->SetJournalStatuses();
        ASSERT_EQ(statuses.size(), 2u);
        EXPECT_NE(statuses[0], 0);
        EXPECT_EQ(statuses[1], 0);
        EXPECT_EQ(Sets(), (Table{SettingsSet(), {Mba + ".5.0=" + PortBits({2, 3})}}));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{2, 3}));
    });
}

// Delete writes start alone and reads the window again.
TEST_F(MBAControlWindow, DeleteWritesStart)
{
    InWindow<TMBAControlForm>([&](TMBAControlForm& w) {
        Serve(Mba + ".4.0 s \"\" rw");
        Click(w.DelBtn);
        EXPECT_EQ(Sets(), (Table{{Mba + ".7.0=2"}}));
        EXPECT_EQ(w.edtName->Text(), "");
        EXPECT_EQ(w.Edit1->Text(), "");
        EXPECT_EQ(w.cbxDel->Text(), "start");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

class MultpAuthGuestVlanWindow : public GuestVlanWindowTest {};

TEST_F(MultpAuthGuestVlanWindow, ListsTheGuestVlans)
{
    InWindow<TMultpAuthGuestVlanForm>([&](TMultpAuthGuestVlanForm& w) {
        // A port list cell shows the ranges and the octets.
        EXPECT_EQ(Cells(w.ListView1),
                  (Table{{"10", "1-2[C000000000000000]", "active"}, {"20", "5[0800000000000000]", "active"}}));
        EXPECT_EQ(w.txt1->Caption(), "2");
        EXPECT_EQ(w.pgc1->tabText(0).toStdString(), "Guest VLAN Ports");
        EXPECT_FALSE(w.cbxDel->isVisible());
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.DelBtn->isEnabled());
        EXPECT_EQ(w.Request->Request.Timeout, 300);

        // A row selected: its VLAN ID stays, Add is off; none selected: back to Add.
        ClickRow(w.ListView1, 1);
        EXPECT_EQ(w.VIDEdit->Text(), "20");
        EXPECT_EQ(TickedPorts(w.PortPicker), std::vector<int>{5});
        EXPECT_FALSE(w.VIDEdit->isEnabled());
        EXPECT_FALSE(w.ADDButton->isEnabled());
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_TRUE(w.DelBtn->isEnabled());
        ClickRow(w.ListView1, -1);
        EXPECT_TRUE(w.ADDButton->isEnabled());
        EXPECT_TRUE(w.VIDEdit->isEnabled());
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.DelBtn->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Add: createAndGo alone, then the ports alone; the new row is listed with its ports.
TEST_F(MultpAuthGuestVlanWindow, AddCreatesTheRowThenWritesItsPorts)
{
    InWindow<TMultpAuthGuestVlanForm>([&](TMultpAuthGuestVlanForm& w) {
        TypeInto(w.VIDEdit, "30");
        TickPorts(w.PortPicker, {3, 4});
        Click(w.ADDButton);
        EXPECT_EQ(Sets(), (Table{{GuestEntry + ".3.30=4"}, {GuestEntry + ".2.30=" + PortBits({3, 4})}}));
        EXPECT_EQ(Cells(w.ListView1).back(), (std::vector<std::string>{"30", "3-4[3000000000000000]", "active"}));
        EXPECT_EQ(w.txt1->Caption(), "3");
        EXPECT_EQ(w.VIDEdit->Text(), "");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
        for (int item : {TMultpAuthGuestVlanForm::PortsItem, TMultpAuthGuestVlanForm::RowStatusItem})
            EXPECT_EQ(w.Request->Request.VarList.Item(item).access, readwrite);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// An Add of a listed VLAN ID: the switch refuses the createAndGo, and that row's ports are left
// as they were. An empty VLAN ID is refused before anything is sent.
TEST_F(MultpAuthGuestVlanWindow, AddOfAListedOrEmptyVlanIdWritesNoPorts)
{
    InWindow<TMultpAuthGuestVlanForm>([&](TMultpAuthGuestVlanForm& w) {
        TypeInto(w.VIDEdit, "10");
        TickPorts(w.PortPicker, {7});
        Click(w.ADDButton);
        EXPECT_EQ(Sets(), (Table{{GuestEntry + ".3.10=4"}}));
        EXPECT_EQ(MessageBoxes().size(), 1u); // the switch's refusal
        EXPECT_EQ(Cells(w.ListView1)[0], (std::vector<std::string>{"10", "1-2[C000000000000000]", "active"}));
        EXPECT_EQ(w.Request->Request.VarList.Item(TMultpAuthGuestVlanForm::PortsItem).access, readwrite);

        ClearMessageBoxes();
        TickPorts(w.PortPicker, {7});
        Click(w.ADDButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a VLAN ID."});
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.ListView1->Count(), 2);
    });
}

// Edit writes the selected row's ports alone; Delete writes destroy alone, without a question.
TEST_F(MultpAuthGuestVlanWindow, EditAndDeleteTheSelectedRow)
{
    InWindow<TMultpAuthGuestVlanForm>([&](TMultpAuthGuestVlanForm& w) {
        ClickRow(w.ListView1, 0);
        TickPorts(w.PortPicker, {1, 2, 9});
        Click(w.SetBtn);
        EXPECT_EQ(Sets(), (Table{{GuestEntry + ".2.10=" + PortBits({1, 2, 9})}}));
        EXPECT_EQ(Cells(w.ListView1)[0], (std::vector<std::string>{"10", "1-2,9[C080000000000000]", "active"}));
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_EQ(w.VIDEdit->Text(), "");

        ClickRow(w.ListView1, 1);
        Click(w.DelBtn);
        EXPECT_EQ(Sets(), (Table{{GuestEntry + ".3.20=6"}}));
        EXPECT_EQ(Captions(w.ListView1), std::vector<std::string>{"10"});
        EXPECT_EQ(w.txt1->Caption(), "1");
        EXPECT_EQ(w.Request->Request.VarList.Item(TMultpAuthGuestVlanForm::PortsItem).access, readwrite);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
