// The 802.1X guest VLAN and PAE frame statistics windows against the simulated switch: Set sends
// the guest VLAN name only when it is not the one last read, Delete writes start and reads the
// switch's new state, the statistics list is keyed by MAC address and port; exceptions of the
// first read and of Refresh are shown.

#include "GuestVlanFixture.h"

#include "features/system/GuestVlanForm.h"
#include "features/system/MacStatisticTableForm.h"

#include "snmp/SnmpSettings.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

const std::string GuestVlan = "1.3.6.1.4.1.171.12.30.1";

class GuestVlanWindows : public GuestVlanWindowTest {};

TEST_F(GuestVlanWindows, OpensWithTheSwitchsGuestVlan)
{
    InWindow<TGuestVlanForm>([&](TGuestVlanForm& w) {
        EXPECT_EQ(w.edtName->Text(), "guests");
        EXPECT_EQ(w.Edit1->Text(), "guests");
        EXPECT_FALSE(w.Edit1->isVisible());
        EXPECT_FALSE(w.cbxDel->isVisible());
        EXPECT_EQ(w.pgc1->tabText(0).toStdString(), "Guest VLAN Ports");
        EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{1, 3}));
        EXPECT_EQ(w.GuestVlanRequest->Request.Timeout, 300);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

struct NameCase {
    const char* onSwitch; // the name the window read
    const char* typed;    // edtName at Set
    bool sendsName;
};

// The name goes out unless it is the non-empty name last read; the ports always do. The window
// reads again afterwards and the name's access is back for the next Set.
TEST_F(GuestVlanWindows, SetSendsTheNameOnlyWhenItChanged)
{
    const NameCase cases[] = {
        {"guests", "guests", false},
        {"guests", "visitors", true},
        {"", "", true},
        {"", "visitors", true},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(std::string(c.onSwitch) + " -> " + c.typed);
        Serve(GuestVlan + ".1.0 s \"" + c.onSwitch + "\" rw");
        InWindow<TGuestVlanForm>([&](TGuestVlanForm& w) {
            ASSERT_EQ(w.Edit1->Text(), c.onSwitch);
            w.edtName->SetText(c.typed);
            TickPorts(w.PortPicker, {2, 26});
            Click(w.SetBtn);
            std::vector<std::string> sent;
            if (c.sendsName)
                sent.push_back(GuestVlan + ".1.0=" + Hex(c.typed));
            sent.push_back(GuestVlan + ".2.0=" + PortBits({2, 26}));
            EXPECT_EQ(Sets(), Table{sent});
            EXPECT_EQ(w.GuestVlanRequest->Request.VarList.Item(TGuestVlanForm::NameItem).access, readwrite);
            // Read again: what the switch holds now.
            EXPECT_EQ(w.edtName->Text(), c.typed);
            EXPECT_EQ(w.Edit1->Text(), c.typed);
            EXPECT_EQ(TickedPorts(w.PortPicker), (std::vector<int>{2, 26}));
        });
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A refused SET shows its message box; the name's access is back and the window reads again.
TEST_F(GuestVlanWindows, ARefusedSetLeavesTheNameWritable)
{
    InWindow<TGuestVlanForm>([&](TGuestVlanForm& w) {
        sim->Control("error " + GuestVlan + ".2 wrongValue");
        w.edtName->SetText("guests");
        Click(w.SetBtn);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses().size(), 1u);
        EXPECT_EQ(Sets(), (Table{{GuestVlan + ".2.0=" + PortBits({1, 3})}}));
        EXPECT_EQ(w.GuestVlanRequest->Request.VarList.Item(TGuestVlanForm::NameItem).access, readwrite);
        sim->Control("reset");
        w.edtName->SetText("visitors");
        Click(w.SetBtn);
        EXPECT_EQ(Sets(), (Table{{GuestVlan + ".1.0=" + Hex("visitors"), GuestVlan + ".2.0=" + PortBits({1, 3})}}));
    });
}

// Delete writes start alone and reads all three again: a name the switch now holds shows.
TEST_F(GuestVlanWindows, DeleteWritesStartAndReadsAgain)
{
    InWindow<TGuestVlanForm>([&](TGuestVlanForm& w) {
        Serve(GuestVlan + ".1.0 s \"renamed\" rw");
        Serve(GuestVlan + ".2.0 x 0000000000000000 rw");
        Click(w.DelBtn);
        EXPECT_EQ(Sets(), (Table{{GuestVlan + ".3.0=2"}}));
        EXPECT_EQ(w.edtName->Text(), "renamed");
        EXPECT_EQ(w.Edit1->Text(), "renamed");
        EXPECT_TRUE(TickedPorts(w.PortPicker).empty());
        EXPECT_EQ(w.cbxDel->Text(), "start"); // the switch's delete state, read again
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// An exception of a read goes into the status line.
TEST_F(GuestVlanWindows, AnExceptionGoesIntoTheStatusLine)
{
    InWindow<TGuestVlanForm>([&](TGuestVlanForm& w) {
        for (MvSNMPRequest2Edits* r :
             {w.GuestVlanRequest.get(), w.GuestVlanNameRequest.get(), w.GuestVlanDeleteRequest.get()})
            r->Request.Device.Address = "";
        Click(w.BT_Get);
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

class MacStatisticWindow : public GuestVlanWindowTest {};

// Each row is keyed by the MAC address and port of its instance; the count follows the rows.
TEST_F(MacStatisticWindow, RowsAreKeyedByMacAndPort)
{
    InWindow<TMacStatisticTableForm>([&](TMacStatisticTableForm& w) {
        const auto cells = Cells(w.ListView1);
        ASSERT_EQ(cells.size(), 2u);
        EXPECT_EQ(cells[0][1], "3");
        EXPECT_EQ(cells[0][2], "11");
        EXPECT_EQ(cells[0][11], "20");
        EXPECT_EQ(cells[0][12], "2");
        EXPECT_EQ(cells[1][1], "1");
        EXPECT_EQ(cells[1][2], "21");
        EXPECT_EQ(cells[0][0], "000102030405");
        EXPECT_EQ(cells[1][0], "00010203040A");
        EXPECT_EQ(cells[0][13], cells[0][0]); // the last frame's source is the row's own MAC
        EXPECT_EQ(w.ListView1->ColumnCount(), 14);
        EXPECT_EQ(w.txtCount->Caption(), "2");

        // None left: an empty list and a count of 0.
        Serve("remove 1.3.6.1.4.1.171.12.3.6.2");
        Click(w.Button1);
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(w.txtCount->Caption(), "0");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The first read has no guard of the window's own: the layer shows its exception and the window
// opens. Refresh writes an exception as the log line.
TEST_F(MacStatisticWindow, ExceptionsOfTheReads)
{
    const std::string address = DefaultDevice.Address;
    DefaultDevice.Address = "";
    bool opened = false;
    InWindow<TMacStatisticTableForm>([&](TMacStatisticTableForm& w) {
        opened = true;
        EXPECT_EQ(w.ListView1->Count(), 0);
    });
    DefaultDevice.Address = address;
    EXPECT_TRUE(opened);
    EXPECT_EQ(MessageBoxes().size(), 1u);

    ClearMessageBoxes();
    InWindow<TMacStatisticTableForm>([&](TMacStatisticTableForm& w) {
        ASSERT_EQ(w.ListView1->Count(), 2);
        w.Request->Request.Device.Address = "";
        Click(w.Button1);
        EXPECT_EQ(StatusLine(&w).rfind("Get: ", 0), 0u) << StatusLine(&w);
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.txtCount->Caption(), std::to_string(w.ListView1->Count()));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
