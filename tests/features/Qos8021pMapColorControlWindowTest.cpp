// The 802.1p colour map window against the simulated switch: a row's colour alone is editable;
// Set writes one colour, waits for the answer (shown, refused or taken, within its bound) and
// reads the table again; Stop then Refresh; an exception of Set in the status line.

#include "SwitchingFixture.h"

#include "features/switching/Qos8021pMapColorControlForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <QElapsedTimer>

#include <set>

namespace {

const std::string Colour = "1.3.6.1.4.1.171.12.61.3.6.1.1.3";

using Table = std::vector<std::vector<std::string>>;
using Window = TQos8021pMapColorControlForm;

class ColorMapWindow : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"nlb-colormap-pppoe.dat"}; }

    static void WaitUntilIdle(Window& w) { ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); })); }
    // Chooses the row of port 1, priority 3 (yellow) and the colour.
    static void ChooseColour(Window& w, const std::string& colour)
    {
        ClickRow(w.ListView1, 3);
        ASSERT_EQ(w.PortIndexEdit->Text(), "1");
        ASSERT_EQ(w.DSCPIndexEdit->Text(), "3");
        Choose(w.ColorCBX, colour);
    }
};

TEST_F(ColorMapWindow, ARowsColourAloneIsEditable)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        ASSERT_EQ(w.ListView1->Count(), 16);
        EXPECT_EQ(Cells(w.ListView1)[3], (std::vector<std::string>{"1", "3", "yellow"}));
        EXPECT_EQ(w.StaticText1->Caption(), "16");
        EXPECT_FALSE(w.SetButton->isEnabled());

        ClickRow(w.ListView1, 5);
        EXPECT_EQ(w.ColorCBX->Text(), "red");
        EXPECT_TRUE(w.ColorCBX->isEnabled());
        EXPECT_TRUE(w.SetButton->isEnabled());
        for (QWidget* key : std::initializer_list<QWidget*>{w.PortIndexEdit, w.DSCPIndexEdit, w.Label1, w.Label2})
            EXPECT_FALSE(key->isEnabled()) << key->objectName().toStdString();

        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.SetButton->isEnabled());
        EXPECT_FALSE(w.PortIndexEdit->isEnabled());
    });
    EXPECT_TRUE(Sets().empty());
}

TEST_F(ColorMapWindow, SetWritesOneColourAndReadsAgainAfterTheAnswer)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        // The answer comes late: Set waits for it, and only then reads.
        sim->Control("delay 300");
        ChooseColour(w, "red");
        QElapsedTimer clock;
        clock.start();
        Click(w.SetButton);
        EXPECT_GE(clock.elapsed(), 250);
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
        EXPECT_TRUE(w.Request->ReadOutstanding());
        EXPECT_EQ(w.DataComplete, 0);
        EXPECT_EQ(Sets(), (Table{{Colour + ".1.3=2"}}));
        EXPECT_EQ(w.ColorCBX->Text(), "");
        EXPECT_FALSE(w.SetButton->isEnabled());
        sim->Control("delay 0");
        WaitUntilIdle(w);
        EXPECT_EQ(w.ListView1->Count(), 16);
        EXPECT_EQ(Cells(w.ListView1)[3][2], "red");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(ColorMapWindow, ARefusedColourIsShownAndTheTableReadAgain)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        // The switch keeps this colour read-only: the write is refused, the read goes on.
        sim->Control("data " + Colour + ".1.3 i 3 ro");
        ChooseColour(w, "green");
        Click(w.SetButton);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses().size(), 1u);
        EXPECT_NE(sim->SetJournalStatuses()[0], 0);
        WaitUntilIdle(w);
        ASSERT_EQ(w.ListView1->Count(), 16);
        EXPECT_EQ(Cells(w.ListView1)[3][2], "yellow");
    });
}

TEST_F(ColorMapWindow, ASilentSwitchEndsTheWaitWithinItsBound)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        sim->Control("silence on");
        ChooseColour(w, "green");
        QElapsedTimer clock;
        clock.start();
        Click(w.SetButton);
        // Two attempts of 1 s each, and a second to spare.
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_EQ(MessageBoxes().size(), 1u); // the time-out, shown
        WaitUntilIdle(w);                     // the read after it times out as well
        sim->Control("silence off");
        Click(w.RefreshButton);
        WaitUntilIdle(w);
        EXPECT_EQ(Cells(w.ListView1)[3][2], "yellow");
    });
}

TEST_F(ColorMapWindow, RefreshAfterStopListsEveryRowOnce)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        sim->Control("delay 40");
        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 2; }));
        // Refused while the read runs.
        Click(w.RefreshButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete."});
        Click(w.StopButton);
        EXPECT_EQ(w.DataComplete, 1);
        Click(w.RefreshButton);
        sim->Control("delay 0");
        WaitUntilIdle(w);
        WaitFor([] { return false; }, 300);
        const Table rows = Cells(w.ListView1);
        EXPECT_EQ(rows.size(), 16u);
        std::set<std::pair<std::string, std::string>> keys;
        for (const auto& row : rows)
            keys.insert({row[0], row[1]});
        EXPECT_EQ(keys.size(), 16u);
        EXPECT_EQ(w.StaticText1->Caption(), "16");
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

TEST_F(ColorMapWindow, AnExceptionOfSetIsShownInTheStatusLine)
{
    InWindow<Window>([&](Window& w) {
        WaitUntilIdle(w);
        ChooseColour(w, "red");
        w.Request->Request.Device.Address = "no such host name!";
        Click(w.SetButton);
        const std::string line = StatusLine(&w);
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find("Get:"), std::string::npos) << line;
        EXPECT_EQ(line.find("Set:"), std::string::npos) << line;
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_FALSE(w.SetButton->isEnabled());
        EXPECT_TRUE(Sets().empty());
        // The window works on once the address is usable again.
        w.Request->Request.Device.Address = sim->Address();
        Click(w.RefreshButton);
        WaitUntilIdle(w);
        EXPECT_EQ(w.ListView1->Count(), 16);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
