// The DHCP relay VLAN window against the simulated switch: the VLAN bitmaps listed as VLAN lists,
// the two editing states, Edit writing the ticked blocks as bitmaps (and nothing for a text that
// is no list of its block), Add creating a server with its row status alone (and nothing for a
// text that is no address), Delete with its question, and one listing for two quick reads.

#include "IPWindowsFixture.h"

#include "features/system/DHCPRelayVLANControlUnitForm.h"

#include "snmp/VarList.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <cstdio>

namespace {

const std::string Relay = "1.3.6.1.4.1.171.12.42.3.5.1";

using Rows = std::vector<std::vector<std::string>>;

// A 64-octet bitmap with bits first to last set (bit 0: the most significant of octet 0), as
// the journal shows it.
std::string Bitmap(int first, int last)
{
    unsigned char octets[64] = {};
    for (int bit = first; bit <= last; ++bit)
        octets[bit / 8] |= static_cast<unsigned char>(0x80 >> (bit % 8));
    std::string hex;
    for (unsigned char octet : octets) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", octet);
        hex += digits;
    }
    return hex;
}

class DHCPRelayVLANControlWindow : public IPWindowTest {
protected:
    using Window = TDHCPRelayVLANControlUnitForm;

    std::vector<std::string> DataFiles() const override { return {"systemlists.dat"}; }

    static bool Listed(const Window& w, int rows) { return Quiet(w.Request.get()) && w.ListView1->Count() == rows; }
    // No item is left out of the next write.
    static bool AllWritable(const Window& w)
    {
        const MvSNMPVarList& list = w.Request->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            if ((list.Item(i).access & invalid) != 0)
                return false;
        return true;
    }
};

TEST_F(DHCPRelayVLANControlWindow, ListsBitmapsAsVLANListsAndFollowsTheSelection)
{
    InWindow<Window>([&](Window& w) {
        EXPECT_EQ(w.width(), 711);
        EXPECT_EQ(w.height(), 457);
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1), (Rows{{"10.1.1.1", "1-2,4", "513,1024", "0", "0", "0", "0", "0", "0", "active"},
                                            {"10.1.1.2", "0", "0", "0", "0", "0", "0", "0", "0", "active"}}));
        EXPECT_EQ(w.ListView1->ColumnCaption(2), "513-1024");
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_EQ(w.Label4->Caption(), "Samples");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.StopButton->isVisible());
        EXPECT_FALSE(w.chkIP->isVisible());

        // No selection: the server address alone can be typed.
        EXPECT_TRUE(w.IPAddressEdit->isEnabled());
        EXPECT_FALSE(w.VLANRangeEdit1->isEnabled());
        EXPECT_FALSE(w.cbxVlanRange1->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());

        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.IPAddressEdit->Text(), "10.1.1.1");
        EXPECT_EQ(w.VLANRangeEdit1->Text(), "1-2,4");
        EXPECT_FALSE(w.IPAddressEdit->isEnabled());
        EXPECT_TRUE(w.VLANRangeEdit8->isEnabled());
        EXPECT_TRUE(w.cbxVlanRange8->isEnabled());
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());
        Click(w.CheckButton);
        EXPECT_TRUE(w.cbxVlanRange3->Checked());
        Click(w.UncheckButton);
        EXPECT_FALSE(w.cbxVlanRange3->Checked());

        // A click beside the rows: back to no selection, every edit emptied.
        Click(w.cbxVlanRange2);
        ClickRow(w.ListView1, -1);
        EXPECT_EQ(w.IPAddressEdit->Text(), "");
        EXPECT_EQ(w.VLANRangeEdit1->Text(), "");
        EXPECT_FALSE(w.cbxVlanRange2->Checked());
        EXPECT_TRUE(w.IPAddressEdit->isEnabled());
        EXPECT_FALSE(w.VLANRangeEdit1->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Edit writes each ticked block as its bitmap and the row's own Row Status; unticked blocks stay
// out. A ticked empty block sends zeros.
TEST_F(DHCPRelayVLANControlWindow, EditWritesTheTickedBlocksOfTheSelectedServer)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 1);
        Click(w.cbxVlanRange2);
        w.VLANRangeEdit2->SetText("");
        TypeInto(w.VLANRangeEdit2, "513-520");
        Click(w.cbxVlanRange8);
        w.VLANRangeEdit8->SetText("4094");
        w.VLANRangeEdit3->SetText("1100"); // not ticked: not sent
        Click(w.EditButton);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Relay + ".3.10.1.1.2=" + Bitmap(0, 7), Relay + ".9.10.1.1.2=" +
                                           Bitmap(509, 509), Relay + ".10.10.1.1.2=1"}}));
        EXPECT_TRUE(AllWritable(w));
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1)[1][2], "513-520");
        EXPECT_EQ(Cells(w.ListView1)[1][8], "4094");

        ClickRow(w.ListView1, 0);
        Click(w.cbxVlanRange1);
        w.VLANRangeEdit1->SetText("");
        Click(w.EditButton);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Relay + ".2.10.1.1.1=" + Bitmap(0, -1), Relay + ".10.10.1.1.1=1"}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1)[0][1], "0");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A ticked block whose text is no list of that block (VLANs of another block, no number, a
// descending range) is refused with the block check's message and the focus on its edit:
// nothing goes out, and the selection, the texts and the ticks stay.
TEST_F(DHCPRelayVLANControlWindow, ABlockTextThatIsNoListOfItsBlockIsRefused)
{
    struct Case {
        int block; // 1 to 8
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {2, "10-20", "Please input a VLAN list within 513-1024."},
        {1, "abc", "Please input a VLAN list within 1-512."},
        {1, "20-10", "Please input a VLAN list within 1-512."},
        {8, "4095", "Please input a VLAN list within 3585-4094."},
    };
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 0);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            ClearMessageBoxes();
            Click(w.UncheckButton);
            Click(w.RangeBox(c.block));
            w.RangeEdit(c.block)->SetText(c.text);
            Click(w.EditButton);
            EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
            ASSERT_NE(w.focusWidget(), nullptr);
            EXPECT_EQ(w.focusWidget(), w.RangeEdit(c.block));
            EXPECT_TRUE(Sets().empty());
            EXPECT_TRUE(AllWritable(w));
            EXPECT_EQ(w.RangeEdit(c.block)->Text(), c.text);
            EXPECT_TRUE(w.RangeBox(c.block)->Checked());
            EXPECT_EQ(w.ListView1->Selected(), w.ListView1->Item(0));
            EXPECT_TRUE(w.EditButton->isEnabled());
        }
    });
    WaitFor([] { return false; }, 300);
    EXPECT_TRUE(Sets().empty());
}

// Add writes the Row Status createAndGo alone at the typed address, whatever the block edits
// hold; the new server lists no VLAN. A text that is no address is refused (the empty one by the
// address check, with the focus): nothing goes out.
TEST_F(DHCPRelayVLANControlWindow, AddCreatesTheServerWithItsRowStatusAlone)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        // Empty: the edit's own rule lets it pass, the address check refuses it.
        w.IPAddressEdit->SetText("");
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Please input a valid IP"});
        EXPECT_EQ(w.focusWidget(), w.IPAddressEdit);
        // Not an address: the edit's rule refuses it as the focus leaves.
        ClearMessageBoxes();
        TypeInto(w.IPAddressEdit, "abc");
        Click(w.AddButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"IP Address: Please input a valid IP."});
        WaitFor([] { return false; }, 300);
        EXPECT_TRUE(Sets().empty());

        w.IPAddressEdit->SetText("");
        TypeInto(w.IPAddressEdit, "10.1.1.3");
        w.VLANRangeEdit1->SetText("5");
        Click(w.AddButton);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Relay + ".10.10.1.1.3=4"}}));
        EXPECT_TRUE(AllWritable(w));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 3); }));
        EXPECT_EQ(Cells(w.ListView1)[2], (std::vector<std::string>{"10.1.1.3", "0", "0", "0", "0", "0", "0", "0", "0",
                                                                   "active"}));
    });
}

// Delete asks first: Cancel sends nothing, OK sends Row Status destroy alone for the selected
// server; the window returns to no selection.
TEST_F(DHCPRelayVLANControlWindow, DeleteAsksThenDestroysTheSelectedServer)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 1);
        AnswerNextMessageBox(ui::mrCancel);
        Click(w.DeleteButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Are you sure to delete it?"});
        WaitFor([] { return false; }, 300);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.ListView1->Count(), 2);

        ClickRow(w.ListView1, 1);
        Click(w.DeleteButton);
        EXPECT_EQ(SetsOnceThere(1), (Rows{{Relay + ".10.10.1.1.2=6"}}));
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 1); }));
        EXPECT_EQ(Captions(w.ListView1), std::vector<std::string>{"10.1.1.1"});
        EXPECT_TRUE(w.IPAddressEdit->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_EQ(w.StaticText1->Caption(), "1");
    });
}

// A write of Add or Edit that cannot go out (here: no address to send to) says why in the status
// line rather than pass for one that went out; every column is written again later.
TEST_F(DHCPRelayVLANControlWindow, AWriteThatCannotGoOutSaysWhy)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        const std::string address = w.Request->Request.Device.Address;
        for (const bool add : {false, true}) {
            SCOPED_TRACE(add ? "Add" : "Edit");
            w.StatusBar1->Panel(0)->SetText("");
            if (add) {
                ClickRow(w.ListView1, -1);
                TypeInto(w.IPAddressEdit, "10.1.1.4");
            } else {
                ClickRow(w.ListView1, 0);
                Click(w.cbxVlanRange1);
            }
            w.Request->Request.Device.Address = "";
            Click(add ? w.AddButton : w.EditButton);
            w.Request->Request.Device.Address = address;
            EXPECT_FALSE(StatusLine(&w).empty());
            EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
            EXPECT_TRUE(AllWritable(w));
            EXPECT_FALSE(w.EditButton->isEnabled());
        }
    });
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(DHCPRelayVLANControlWindow, TwoQuickRefreshesListEveryServerOnce)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        sim->Control("delay 200");
        Click(w.GetButton);
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        sim->Control("delay 0");
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"10.1.1.1", "10.1.1.2"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
