// The three LLDP-Dot1 TX windows against the simulated switch: their tables and captions, Set
// writing the chosen row's true or false, an exception of the write shown in the status line,
// and Stop followed by Refresh.

#include "LLDPFixture.h"

#include "features/switching/LLDPConfigProtocolForm.h"
#include "features/switching/LLDPConfigProtocolVLANForm.h"
#include "features/switching/LLDPConfigVLANNameForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class LLDPDot1Tx : public LLDPWindowTest {
protected:
    // Opens the window of type Window and runs the checks every one of the three passes: its
    // labels and rows, then a write of each value to its second row.
    template <class Window>
    void WritesBothValues(const char* keyLabel, const char* txLabel, const std::string& entry, const Table& rows)
    {
        InWindow<Window>([&](Window& w) {
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            EXPECT_EQ(w.Label1->Caption(), "Port Number");
            EXPECT_EQ(w.Label2->Caption(), keyLabel);
            EXPECT_EQ(w.Label3->Caption(), txLabel);
            EXPECT_EQ(Cells(w.ListView1), rows);
            EXPECT_EQ(w.StaticText1->Caption(), std::to_string(rows.size()));
            EXPECT_FALSE(w.SetButton->isEnabled());

            const std::string index = rows[1][0] + "." + rows[1][1];
            for (const char* value : {"true", "false"}) {
                SCOPED_TRACE(value);
                const std::vector<std::string> row = Cells(w.ListView1)[1];
                ClickRow(w.ListView1, 1);
                EXPECT_TRUE(w.SetButton->isEnabled());
                EXPECT_FALSE(w.Label1->isEnabled());
                EXPECT_FALSE(w.Label2->isEnabled());
                EXPECT_EQ(w.PortNumberText->Caption(), rows[1][0]);
                EXPECT_EQ(w.IndexText->Caption(), rows[1][1]);
                EXPECT_EQ(w.TXComboBox->Text(), row[2]);
                w.TXComboBox->SetItemIndex(w.TXComboBox->IndexOf(value));
                Click(w.SetButton);
                EXPECT_EQ(Sets(), (Table{{entry + ".1." + index + "=" + (value == std::string("true") ? "1" : "2")}}));
                EXPECT_EQ(w.IndexText->Caption(), " ");
                ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
                EXPECT_EQ(Cells(w.ListView1)[1][2], value);
            }
        });
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    }
};

TEST_F(LLDPDot1Tx, ProtocolTable)
{
    WritesBothValues<TLLDPConfigProtocolForm>("Index", "Protocol TX", "1.0.8802.1.1.2.1.5.32962.1.1.4.1",
                                              {{"1", "1", "true"}, {"1", "2", "false"}, {"4", "1", "true"}});
}

TEST_F(LLDPDot1Tx, ProtocolVLANTable)
{
    WritesBothValues<TLLDPConfigProtocolVLANForm>("VLAN ID", "Protocol VLAN TX", "1.0.8802.1.1.2.1.5.32962.1.1.3.1",
                                                  {{"1", "1", "false"}, {"3", "20", "true"}});
}

TEST_F(LLDPDot1Tx, VLANNameTable)
{
    WritesBothValues<TLLDPConfigVLANNameForm>("VLAN ID", "VLAN Name TX", "1.0.8802.1.1.2.1.5.32962.1.1.2.1",
                                              {{"1", "1", "true"}, {"2", "1", "false"}, {"2", "10", "true"}});
}

// An exception while the write is built shows in the status line and leaves the window idle,
// its editors cleared; nothing is sent.
TEST_F(LLDPDot1Tx, AnExceptionInSetReachesTheStatusLine)
{
    InWindow<TLLDPConfigProtocolForm>([&](TLLDPConfigProtocolForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        w.StatusBar1->Panel(0)->SetText("");
        ClickRow(w.ListView1, 0);
        // A TX column of a type the request cannot write.
        w.Request->Request.VarList.Item(TLLDPDot1TxFrame::TxItem).syntax = 0x7f;
        Click(w.SetButton);
        EXPECT_FALSE(StatusLine(&w).empty());
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_EQ(w.PortNumberText->Caption(), " ");
        EXPECT_FALSE(w.SetButton->isEnabled());
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// While a read runs Refresh and Set refuse with their words; Stop makes the window idle, and the
// Refresh after it lists every row once.
TEST_F(LLDPDot1Tx, StopThenRefreshListsEachRowOnce)
{
    InWindow<TLLDPConfigVLANNameForm>([&](TLLDPConfigVLANNameForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        sim->Control("delay 100");
        Click(w.RefreshButton);
        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }));
        ClickRow(w.ListView1, 0);
        Click(w.SetButton);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete.", "Get data not complete"}));
        Click(w.StopButton);
        EXPECT_EQ(w.DataComplete, 1);
        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "1", "true"}, {"2", "1", "false"}, {"2", "10", "true"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_TRUE(Sets().empty());
    });
}

} // namespace
