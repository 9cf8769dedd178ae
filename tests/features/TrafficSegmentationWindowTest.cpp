// The traffic segmentation window against the simulated switch: ports shown within their unit,
// Set and the read the switch's answer brings, one Set per read, Stop, and reads that never
// list a row twice.

#include "PortWindowsFixture.h"

#include "features/switching/TrafficSegmentationForm.h"

#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace {

const std::string Segments = "1.3.6.1.4.1.171.11.133.2.1.2.14.1.1";

class TrafficSegmentationWindow : public PortWindowTest {
protected:
    static bool Ready(TTrafficSegmentationForm& w) { return Idle(w, w.Request.get()) && w.SetReady == 1; }
};

TEST_F(TrafficSegmentationWindow, ShowsEachPortWithinItsUnitAndWritesItsForwardPorts)
{
    InWindow<TTrafficSegmentationForm>([&](TTrafficSegmentationForm& w) {
        EXPECT_EQ(w.Caption(), "Traffic Segmentation Table: " + sim->Address());
        // The port's label takes the place of the hidden unit's.
        EXPECT_EQ(w.GroupBox1->width(), 100);
        EXPECT_EQ(w.Label_Port->x(), 8);
        ASSERT_TRUE(WaitFor([&] { return Ready(w); }));
        EXPECT_EQ(Captions(w.LV_TrafficForward), (std::vector<std::string>{"1", "5", "64"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_FALSE(w.BT_Set->isEnabled());

        ClickRow(w.LV_TrafficForward, 2);
        EXPECT_EQ(w.Combo_Unit->Text(), "1");
        EXPECT_EQ(w.Combo_Port->Text(), "64");
        ClickRow(w.LV_TrafficForward, 1);
        EXPECT_EQ(w.Combo_Unit->Text(), "1");
        EXPECT_EQ(w.Combo_Port->Text(), "5");
        EXPECT_TRUE(w.BT_Set->isEnabled());
        ClickRow(w.LV_TrafficForward, -1);
        EXPECT_EQ(w.Combo_Port->Text(), "");
        EXPECT_FALSE(w.BT_Set->isEnabled());

        // Port 5 no longer forwards to port 2. The answer is slow: a second Set before the read
        // that follows the first is refused.
        sim->Control("delay 150");
        ClickRow(w.LV_TrafficForward, 1);
        Click(w.Ports->PortBoxes[1]);
        Click(w.BT_Set);
        EXPECT_FALSE(w.BT_Set->isEnabled());
        EXPECT_TRUE(TickedPorts(w.Ports).empty());
        ClickRow(w.LV_TrafficForward, 1);
        Click(w.BT_Set);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        ASSERT_TRUE(WaitFor([&] { return Ready(w) && w.LV_TrafficForward->Count() == 3; }));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Segments + ".2.5=B7FFFFC000000000"}}));
        ClickRow(w.LV_TrafficForward, 1);
        EXPECT_EQ(TickedPorts(w.Ports).size(), 24u);
        EXPECT_EQ(TickedPorts(w.Ports)[1], 3);
    });
}

TEST_F(TrafficSegmentationWindow, StopAndRefreshNeverListARowTwice)
{
    sim->Control("delay 150");
    InWindow<TTrafficSegmentationForm>([&](TTrafficSegmentationForm& w) {
        // Stop during the first read: Refresh is taken at once, and the stopped read's answer
        // adds nothing.
        ASSERT_TRUE(WaitFor([&] { return w.Request && w.Request->ReadOutstanding(); }));
        Click(w.StopBtn);
        Click(w.BT_Get);
        ASSERT_TRUE(WaitFor([&] { return Ready(w); }));
        EXPECT_EQ(w.LV_TrafficForward->Count(), 3);
        EXPECT_TRUE(EachRowOnce(w.LV_TrafficForward));

        // Refresh during the read the switch's answer to Set brought.
        ClickRow(w.LV_TrafficForward, 0);
        Click(w.BT_Set);
        ASSERT_TRUE(WaitFor([&] { return w.Request->ReadOutstanding(); }));
        EXPECT_EQ(w.DataComplete, 1);
        Click(w.BT_Get);
        ASSERT_TRUE(WaitFor([&] { return Ready(w); }));
        EXPECT_EQ(w.LV_TrafficForward->Count(), 3);
        EXPECT_TRUE(EachRowOnce(w.LV_TrafficForward));
        EXPECT_EQ(Sets().size(), 1u);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(TrafficSegmentationWindow, ASwitchOfNoKnownModelIsNotRead)
{
    ModuleOIDText = "1.3.6.1.4.1.171.10.999.1";
    const int walks = Stat("getnext");
    InWindow<TTrafficSegmentationForm>([&](TTrafficSegmentationForm& w) {
        EXPECT_EQ(w.Request, nullptr);
        EXPECT_EQ(w.LV_TrafficForward->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        Click(w.BT_Get);
        Click(w.StopBtn);
        Click(w.btnClose);
        EXPECT_TRUE(WaitFor([&] { return w.ModalResult() != ui::mrNone; }, 5000));
    });
    EXPECT_EQ(Stat("getnext"), walks);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
