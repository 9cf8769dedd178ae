// The EtherLike pause and control windows against the simulated switch: the interfaces in a list,
// the chosen interface's counters read on a click and again at each tick of the refresh interval,
// and the pause window's admin mode written.

#include "SwitchingFixture.h"

#include "features/switching/dot3ControlForm.h"
#include "features/switching/dot3PauseForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace {

const std::string AdminMode = "1.3.6.1.2.1.10.7.10.1.1";

class Dot3Windows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"livecounters.dat"}; }

    template <class Window>
    static void WaitForTable(Window& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.TableRequest.get()) && w.ListView1->Count() > 0; }, 10000))
            << StatusLine(&w);
    }
    // The Value column of the Name/Value list.
    static std::vector<std::string> Values(const ui::ListView* list)
    {
        std::vector<std::string> values;
        for (const auto& row : Cells(list))
            values.push_back(row.size() > 1 ? row[1] : "");
        return values;
    }
    static std::uint64_t Number(const std::string& text) { return std::stoull(text); }
};

TEST_F(Dot3Windows, PauseCountersAreReadOnAClickAndAtEveryTick)
{
    InWindow<Tdot3PauseForm>([&](Tdot3PauseForm& w) {
        WaitForTable(w);
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_EQ(Captions(w.ListView2), (std::vector<std::string>{"In Pause Frame", "Out Pause Frame"}));
        EXPECT_EQ(Values(w.ListView2), (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(w.btnSet->isEnabled());
        EXPECT_TRUE(w.cbxAdminMode->isEnabled()) << "usable without a row";

        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnSet->isEnabled());
        EXPECT_EQ(w.cbxAdminMode->Text(), "disabled");
        const std::vector<std::string> first = Values(w.ListView2);
        ASSERT_EQ(first.size(), 2u);
        EXPECT_GE(Number(first[0]), 200u);
        EXPECT_GE(Number(first[1]), 2000u);

        Choose(w.cbxInterval, "5s");
        EXPECT_TRUE(w.Timer1->Enabled());
        EXPECT_EQ(w.Timer1->Interval(), 5000);
        FireTimer(&w, "Timer1");
        const std::vector<std::string> ticked = Values(w.ListView2);
        EXPECT_GT(Number(ticked[0]), Number(first[0])) << "read again: the switch's counters grew";
        EXPECT_GT(Number(ticked[1]), Number(first[1]));

        // Another interface: the ticks follow it.
        ClickRow(w.ListView1, 0);
        EXPECT_LT(Number(Values(w.ListView2)[0]), 200u);
        Choose(w.cbxInterval, "2s");
        EXPECT_EQ(w.Timer1->Interval(), 2000);

        // A click beside the rows: timer off, values gone.
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.Timer1->Enabled());
        EXPECT_EQ(w.cbxInterval->Text(), "none");
        EXPECT_EQ(Values(w.ListView2), (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(w.btnSet->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Before any interface was chosen a tick has nothing to read.
TEST_F(Dot3Windows, ATickBeforeAnyClickTurnsTheIntervalOff)
{
    InWindow<Tdot3PauseForm>([&](Tdot3PauseForm& w) {
        WaitForTable(w);
        Choose(w.cbxInterval, "2s");
        EXPECT_TRUE(w.Timer1->Enabled());
        const int reads = Stat("get");
        FireTimer(&w, "Timer1");
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not completed."});
        EXPECT_EQ(w.cbxInterval->Text(), "none");
        EXPECT_FALSE(w.Timer1->Enabled());
        EXPECT_EQ(Stat("get"), reads) << "nothing to ask the switch for";
    });
}

TEST_F(Dot3Windows, SetWritesTheAdminModeAloneAndReadsTheTableAgain)
{
    InWindow<Tdot3PauseForm>([&](Tdot3PauseForm& w) {
        WaitForTable(w);
        ClickRow(w.ListView1, 2);
        ASSERT_EQ(w.cbxAdminMode->Text(), "enabledXmitAndRcv");
        ASSERT_FALSE(Values(w.ListView2)[0].empty());
        Choose(w.cbxAdminMode, "disabled");
        const int walks = Stat("getnext");
        Click(w.btnSet);
        EXPECT_EQ(Values(w.ListView2), (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(w.btnSet->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return !WindowLifecycle::Running(w.TableRequest.get()); }, 10000));
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{AdminMode + ".3=1"}}));
        EXPECT_GT(Stat("getnext"), walks) << "the table read again";
        ASSERT_EQ(w.ListView1->Count(), 3);
        ClickRow(w.ListView1, 2);
        EXPECT_EQ(w.cbxAdminMode->Text(), "disabled");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(Dot3Windows, ControlWindowShowsThePauseFunctionAndItsCounter)
{
    InWindow<Tdot3ControlForm>([&](Tdot3ControlForm& w) {
        WaitForTable(w);
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_TRUE(w.CheckBox1->isVisible());
        EXPECT_FALSE(w.CheckBox2->isVisible());
        EXPECT_TRUE(w.CheckBox1->isEnabled()) << "usable without a row";
        EXPECT_EQ(Captions(w.ListView2), std::vector<std::string>{"Recived Unknown Opcodes"});

        ClickRow(w.ListView1, 0);
        EXPECT_TRUE(w.CheckBox1->Checked()) << "bit 0 of 80";
        const std::uint64_t opcodes = Number(Values(w.ListView2)[0]);
        Choose(w.cbxInterval, "10s");
        FireTimer(&w, "Timer1");
        EXPECT_GT(Number(Values(w.ListView2)[0]), opcodes);

        ClickRow(w.ListView1, 1);
        EXPECT_FALSE(w.CheckBox1->Checked());
        EXPECT_EQ(Values(w.ListView2)[0], "0");
        Click(w.CheckBox1);
        EXPECT_TRUE(Sets().empty()) << "the window writes nothing";
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

} // namespace
