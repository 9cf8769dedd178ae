// The L2 protocol tunnel port window against the simulated switch: the protocol flags listed as
// words, the check-box chooser, what Set writes (the words as four octets, the empty set as one),
// the protocol edit open for UNI ports alone, a refused write shown, and Stop then Refresh.

#include "SwitchingFixture.h"

#include "features/switching/L2PTPPortForm.h"
#include "features/switching/l2PTPPortEditForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

using Table = std::vector<std::vector<std::string>>;
using Window = TL2PTPPortForm;
using Dialog = Tl2PTPPortEditForm;

const std::string Entry = "1.3.6.1.4.1.171.12.93.1.2.1";
const std::string CC = "mac-01-00-0C-CC-CC-CC";
const std::string CD = "mac-01-00-0C-CC-CC-CD";
const Table Rows = {{"1", "uni", " stp,gvrp"},
                    {"2", "none", " "},
                    {"3", "nni", " " + CC + "," + CD},
                    {"4", "uni", " stp,gvrp," + CC + "," + CD},
                    {"5", "uni", " "}, // one octet 80: the number 0x80, no flag of the first octet
                    {"6", "uni", " " + CD}};

class L2PTPPortWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"erps-l2ptp.dat"}; }

    // Runs script in the chooser that a click into the protocol edit opens.
    static void InChooser(Window& w, const std::function<void(Dialog&)>& script)
    {
        RunInNextModal([&](ui::Form* shown) {
            auto* dialog = dynamic_cast<Dialog*>(shown);
            ASSERT_NE(dialog, nullptr);
            script(*dialog);
        });
        Click(w.ProtocolEdit);
    }
    static std::vector<bool> Ticks(const Dialog& d)
    {
        return {d.stpcbx->Checked(), d.gvrpcbx->Checked(), d.maccccbx->Checked(), d.maccdcbx->Checked()};
    }
};

TEST_F(L2PTPPortWindow, ListsTheProtocolsAsWordsAndWritesThemAsFlags)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1), Rows);
        EXPECT_EQ(w.StaticText1->Caption(), "6");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.PortEditLabel->isEnabled());
        EXPECT_FALSE(w.ProtocolEdit->isEnabled());

        // A UNI port: the chooser shows its words and writes the checked ones into the edit.
        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_EQ(w.PortText->Caption(), "1");
        EXPECT_TRUE(w.ProtocolEdit->isEnabled());
        InChooser(w, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "Port Configuration Table Setting: " + sim->Address());
            EXPECT_EQ(Ticks(d), (std::vector<bool>{true, true, false, false}));
            Click(d.stpcbx);
            Click(d.maccdcbx);
            Click(d.SetButton);
        });
        EXPECT_EQ(w.ProtocolEdit->Text(), " gvrp," + CD);
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.1=2", Entry + ".3.1=50000000"}}));
        // The editors were cleared when the write went out; the read after the answer follows.
        EXPECT_EQ(w.PortText->Caption(), " ");
        EXPECT_EQ(w.ProtocolEdit->Text(), "");
        EXPECT_FALSE(w.ProtocolEdit->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[0], (std::vector<std::string>{"1", "uni", " gvrp," + CD}));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);

        // No box checked: the blank alone, written as one zero octet.
        ClickRow(w.ListView1, 5);
        InChooser(w, [&](Dialog& d) {
            EXPECT_EQ(Ticks(d), (std::vector<bool>{false, false, false, true}));
            Click(d.maccdcbx);
            Click(d.SetButton);
        });
        EXPECT_EQ(w.ProtocolEdit->Text(), " ");
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.6=2", Entry + ".3.6=00"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[5][2], " ");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The protocol edit is open for a UNI port alone; an NNI port is written with the protocols it
// had, and choosing a type opens or closes the edit.
TEST_F(L2PTPPortWindow, TheProtocolEditFollowsThePortType)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 2);
        EXPECT_EQ(w.TypeComboBox->Text(), "nni");
        EXPECT_FALSE(w.ProtocolEdit->isEnabled());
        EXPECT_EQ(w.ProtocolEdit->Text(), " " + CC + "," + CD);
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.3=3", Entry + ".3.3=30000000"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));

        ClickRow(w.ListView1, 1);
        EXPECT_FALSE(w.ProtocolEdit->isEnabled());
        Choose(w.TypeComboBox, "uni");
        EXPECT_TRUE(w.ProtocolEdit->isEnabled());
        Choose(w.TypeComboBox, "nni");
        EXPECT_FALSE(w.ProtocolEdit->isEnabled());
        Choose(w.TypeComboBox, "uni");
        InChooser(w, [&](Dialog& d) {
            EXPECT_EQ(Ticks(d), (std::vector<bool>{false, false, false, false}));
            Click(d.stpcbx);
            Click(d.SetButton);
        });
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.2=2", Entry + ".3.2=80000000"}}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[1], (std::vector<std::string>{"2", "uni", " stp"}));

        // A click beside the rows: nothing to write.
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.EditButton->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Close keeps the edit's text and unchecks the boxes; the chooser opens again on the edit's words.
TEST_F(L2PTPPortWindow, TheChooserReopensOnTheEditsWords)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 0);
        InChooser(w, [&](Dialog& d) {
            Click(d.maccccbx);
            Click(d.CloseButton);
        });
        EXPECT_EQ(w.ProtocolEdit->Text(), " stp,gvrp");
        TypeInto(w.ProtocolEdit, "," + CC);
        InChooser(w, [&](Dialog& d) {
            EXPECT_EQ(Ticks(d), (std::vector<bool>{true, true, true, false}));
            Click(d.CloseButton);
        });
        EXPECT_EQ(w.ProtocolEdit->Text(), " stp,gvrp," + CC);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A write the switch refuses is shown in a message box; the table is read again all the same.
TEST_F(L2PTPPortWindow, ARefusedWriteIsShown)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 3); // port 4, whose protocols the switch keeps
        InChooser(w, [&](Dialog& d) {
            Click(d.stpcbx);
            Click(d.SetButton);
        });
        Click(w.EditButton);
        EXPECT_EQ(Sets(), (Table{{Entry + ".2.4=2", Entry + ".3.4=70000000"}}));
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(StatusLine(&w).find("Set: Ok!"), std::string::npos) << StatusLine(&w);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1), Rows);
    });
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

// Refresh and Set refuse while a read runs; Stop makes the window idle and the next Refresh lists
// every row once, whatever the stopped walk still answers.
TEST_F(L2PTPPortWindow, RefreshAfterStopListsEachRowOnce)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        sim->Control("delay 100");
        Click(w.GetButton);
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ClickRow(w.ListView1, 0);
        Click(w.EditButton);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
        Click(w.StopButton);
        EXPECT_EQ(w.DataComplete, 1);
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_EQ(Cells(w.ListView1), Rows);
        EXPECT_TRUE(Sets().empty());
    });
}

// A failure while the window opens is shown in its status line; the window is idle and closes.
TEST_F(L2PTPPortWindow, AFailureWhileOpeningIsShown)
{
    DefaultDevice.Address = "";
    InWindow<Window>([&](Window& w) {
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_EQ(w.StaticText1->Caption(), "0");
    });
    EXPECT_TRUE(Sets().empty());
}

} // namespace
