// The ERPS sub-ring window against the simulated switch: the rows, what Add, Edit and Delete
// write, a refused or failing write that keeps the dialog open with what the user chose, and the
// TC column written and read again after a write that raised.

#include "IPWindowsFixture.h"

#include "features/switching/ERPSSubRingForm.h"
#include "features/switching/ERPSubRingEditForm.h"

#include "snmp/VarList.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

namespace {

using Table = std::vector<std::vector<std::string>>;
using Window = TERPSSubRingForm;
using Dialog = TERPSubRingEditForm;

const std::string Entry = "1.3.6.1.4.1.171.12.78.3.2.1";
const Table Rows = {{"10", "20", "enabled", "active"},
                    {"10", "30", "disabled", "active"},
                    {"100", "200", "enabled", "active"}};

class ERPSSubRingWindow : public IPWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"erps-l2ptp.dat"}; }

    static bool ReadOver(Window& w) { return Quiet(w.Request.get()); }
    // The TC column is neither left out of a write nor of a read.
    static bool FlagsBack(Window& w)
    {
        const MvSNMPVarList& list = w.Request->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            if ((list.Item(i).access & invalid) != 0)
                return false;
        return true;
    }
};

TEST_F(ERPSSubRingWindow, ListsTheSubRingsAndAddsOne)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        EXPECT_EQ(Cells(w.ListView1), Rows);
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());

        // Box 4 unchecked: the keys and createAndGo alone.
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "ERPS Sub-Ring Table: " + sim->Address() + " (Add)");
            EXPECT_EQ(d.Mode, Window::AddMode);
            for (ui::CheckBox* box : {d.CheckBox2, d.CheckBox3}) {
                EXPECT_TRUE(box->Checked());
                EXPECT_FALSE(box->isEnabled());
            }
            EXPECT_TRUE(d.CheckBox4->isVisible());
            EXPECT_FALSE(d.CheckBox4->Checked());
            EXPECT_TRUE(d.EditVID->isEnabled());
            EXPECT_EQ(d.EditVID->Text(), "");
            EXPECT_EQ(d.cbxTC->ItemIndex(), -1);
            TypeInto(d.EditVID, "10");
            TypeInto(d.SubRingEdit, "40");
            Choose(d.cbxTC, "disabled");
            Click(d.btnEdit);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Table{{Entry + ".4.10.40=4"}}));
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 4; }));
        EXPECT_EQ(Cells(w.ListView1)[2], (std::vector<std::string>{"10", "40", "enabled", "active"}));

        // Box 4 checked: the TC propagation state too.
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            EXPECT_EQ(d.EditVID->Text(), "");
            TypeInto(d.EditVID, "10");
            TypeInto(d.SubRingEdit, "50");
            Click(d.CheckBox4);
            Choose(d.cbxTC, "disabled");
            Click(d.btnEdit);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Table{{Entry + ".3.10.50=2", Entry + ".4.10.50=4"}}));
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 5; }));
        EXPECT_EQ(Cells(w.ListView1)[3], (std::vector<std::string>{"10", "50", "disabled", "active"}));
        EXPECT_EQ(w.StaticText1->Caption(), "5");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Edit and the double click show the selected row with its keys fixed and write its TC
// propagation state with the Row Status it had.
TEST_F(ERPSSubRingWindow, EditWritesTheRowsTCState)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        ClickRow(w.ListView1, 1);
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_TRUE(w.btnDelete->isEnabled());
        InDialog<Dialog>(w.btnEdit, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "ERPS Sub-Ring Table: " + sim->Address() + " (Edit)");
            EXPECT_EQ(d.Mode, Window::EditMode);
            EXPECT_EQ(d.EditVID->Text(), "10");
            EXPECT_EQ(d.SubRingEdit->Text(), "30");
            EXPECT_FALSE(d.EditVID->isEnabled());
            EXPECT_FALSE(d.SubRingEdit->isEnabled());
            for (ui::CheckBox* box : {d.CheckBox2, d.CheckBox3, d.CheckBox4})
                EXPECT_FALSE(box->isVisible());
            EXPECT_EQ(d.cbxTC->Text(), "disabled");
            Choose(d.cbxTC, "enabled");
            Click(d.btnEdit);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Table{{Entry + ".3.10.30=1", Entry + ".4.10.30=1"}}));
        // The selection is gone once the dialog has closed.
        EXPECT_EQ(w.ListView1->Selected(), nullptr);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        EXPECT_EQ(Cells(w.ListView1)[1][2], "enabled");

        // A double click opens the same dialog; Close writes nothing.
        InDialog<Dialog>([&] { DoubleClickRow(w.ListView1, 2); }, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "ERPS Sub-Ring Table: " + sim->Address() + " (Edit)");
            EXPECT_EQ(d.SubRingEdit->Text(), "200");
            Click(d.btnClose);
        });
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(ERPSSubRingWindow, DeleteDestroysTheSelectedRow)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        // The button is off without a selection; its handler asks for one.
        w.btnDeleteClick(w.btnDelete);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Choose the item first."}));
        EXPECT_TRUE(Sets().empty());

        ClickRow(w.ListView1, 0);
        Click(w.btnDelete);
        EXPECT_EQ(SetsOnceThere(1), (Table{{Entry + ".3.10.20=1", Entry + ".4.10.20=6"}}));
        EXPECT_FALSE(w.btnDelete->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 2; }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"10", "100"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
    });
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

// A refused Add shows the switch's answer and keeps the dialog with what the user chose; nothing
// is read. Corrected, the row is written and the dialog closes.
TEST_F(ERPSSubRingWindow, ARefusedAddKeepsTheDialog)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        const int walks = Stat("getnext");
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            TypeInto(d.EditVID, "10");
            TypeInto(d.SubRingEdit, "20"); // the row is there already
            Click(d.CheckBox4);
            Choose(d.cbxTC, "disabled");
            Click(d.btnEdit);
            EXPECT_FALSE(Closing(d));
            ASSERT_EQ(MessageBoxes().size(), 1u);
            EXPECT_EQ(Sets(), (Table{{Entry + ".3.10.20=2", Entry + ".4.10.20=4"}}));
            EXPECT_EQ(Stat("getnext"), walks) << "nothing read after a refusal";
            EXPECT_EQ(d.EditVID->Text(), "10");
            EXPECT_EQ(d.SubRingEdit->Text(), "20");
            EXPECT_TRUE(d.CheckBox4->Checked());
            EXPECT_EQ(d.cbxTC->Text(), "disabled");
            EXPECT_TRUE(FlagsBack(w));

            d.SubRingEdit->SetText("21");
            Click(d.btnEdit);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Table{{Entry + ".3.10.21=2", Entry + ".4.10.21=4"}}));
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 4; }));
    });
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

// An Add that raises shows its text in the window's status line and keeps the dialog; the TC
// column it left out is written and read again afterwards.
TEST_F(ERPSSubRingWindow, AfterAnAddThatRaisedTheTCColumnIsWrittenAndRead)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            TypeInto(d.EditVID, "10");
            TypeInto(d.SubRingEdit, "60");
            const std::string address = w.Request->Request.Device.Address;
            w.Request->Request.Device.Address = "";
            Click(d.btnEdit);
            w.Request->Request.Device.Address = address;
            EXPECT_FALSE(Closing(d));
            EXPECT_NE(StatusLine(&w), "");
            EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
            EXPECT_TRUE(FlagsBack(w));
            EXPECT_EQ(d.SubRingEdit->Text(), "60");
        });
        EXPECT_TRUE(Sets().empty());

        ClickRow(w.ListView1, 2);
        InDialog<Dialog>(w.btnEdit, [&](Dialog& d) {
            Choose(d.cbxTC, "disabled");
            Click(d.btnEdit);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Table{{Entry + ".3.100.200=2", Entry + ".4.100.200=1"}}));
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        EXPECT_EQ(Cells(w.ListView1), (Table{Rows[0], Rows[1], {"100", "200", "disabled", "active"}}));
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Add writes no row without both VLAN IDs (an empty one would go out as 0); the dialog stays.
TEST_F(ERPSSubRingWindow, AddNeedsBothVlanIds)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        InDialog<Dialog>(w.btnAdd, [&](Dialog& d) {
            Click(d.btnEdit);
            TypeInto(d.EditVID, "10");
            Click(d.btnEdit);
            EXPECT_FALSE(Closing(d));
            EXPECT_EQ(MessageBoxTexts(),
                      (std::vector<std::string>{"Please input RAPS VLAN ID.", "Please input Sub-Ring RAPS VLAN ID."}));
            EXPECT_EQ(d.EditVID->Text(), "10");
        });
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(w.ListView1->Count(), 3);
    });
}

// Refresh does nothing while a read runs; the window may close meanwhile.
TEST_F(ERPSSubRingWindow, RefreshWhileAReadRunsDoesNothing)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w) && w.ListView1->Count() == 3; }));
        sim->Control("delay 100");
        const int walks = Stat("getnext");
        Click(w.btnGet);
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return ReadOver(w); }, 10000));
        EXPECT_EQ(Cells(w.ListView1), Rows);
        EXPECT_EQ(Stat("getnext") - walks, 4) << "one walk: a GETNEXT per row and the one past the table";
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A failure while the window opens is shown in its status line; Delete stays off.
TEST_F(ERPSSubRingWindow, AFailureWhileOpeningIsShown)
{
    DefaultDevice.Address = "";
    InWindow<Window>([&](Window& w) {
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_EQ(w.ListView1->Count(), 0);
    });
    EXPECT_TRUE(Sets().empty());
}

} // namespace
