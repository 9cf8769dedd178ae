// The configuration control window and its dialog against the simulated switch: the list, the
// action written for the selected configuration, the progress window after "active", and a slow
// switch within the window's longer time-out.

#include "IPWindowsFixture.h"

#include "features/system/MultiConfigControlEditForm.h"
#include "features/system/MultipleConfigControlForm.h"
#include "gui/ProgressForm2.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"

namespace {

const std::string Actions = "1.3.6.1.4.1.171.12.1.2.8.4.1.2";

using Rows = std::vector<std::vector<std::string>>;

class MultipleConfigControlWindow : public IPWindowTest {
protected:
    using Window = TMultipleConfigControlForm;
    using Dialog = TMultiConfigControlEditForm;

    std::vector<std::string> DataFiles() const override { return {"systemlists.dat"}; }

    void SetUp() override
    {
        IPWindowTest::SetUp();
        savedInterval_ = TProgressForm2::TimerInterval;
        TProgressForm2::TimerInterval = 20;
    }
    void TearDown() override
    {
        TProgressForm2::TimerInterval = savedInterval_;
        IPWindowTest::TearDown();
    }

    static bool Listed(Window& w, int rows) { return Quiet(w.Request.get()) && w.ListView1->Count() == rows; }

private:
    int savedInterval_ = 0;
};

TEST_F(MultipleConfigControlWindow, ListsTheConfigurations)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        EXPECT_EQ(Cells(w.ListView1), (Rows{{"cfgId-1", "none"}, {"cfgId-2", "none"}}));
        EXPECT_EQ(w.Request->Request.Timeout, 300);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_FALSE(w.btnEdit->isEnabled());
        ClickRow(w.ListView1, 1);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        InDialog<Dialog>(w.btnEdit, [&](Dialog& d) {
            EXPECT_EQ(d.Caption(), "Multiple Configuration Control Edit:" + sim->Address());
            EXPECT_FALSE(d.cbxCtrlID->isEnabled());
            EXPECT_EQ(d.cbxCtrlID->Text(), "cfgId-2");
            EXPECT_EQ(d.cbxCfgAction->Text(), "none");
        });
        // A double click beside the rows opens nothing.
        DoubleClickRow(w.ListView1, -1);
        EXPECT_EQ(w.ListView1->Selected(), nullptr);
        EXPECT_FALSE(w.btnEdit->isEnabled());
    });
    EXPECT_EQ(MultiConfigControlEditForm, nullptr);
}

// Set writes the Action alone for the selected ID and closes; the list keeps the old action
// until Refresh. "active" shows the progress window, bar maximum 15, once the switch has
// accepted the write.
TEST_F(MultipleConfigControlWindow, SetWritesTheActionOfTheSelectedConfiguration)
{
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        ClickRow(w.ListView1, 1);
        InDialog<Dialog>(w.btnEdit, [&](Dialog& d) {
            Choose(d.cbxCfgAction, "apply");
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_EQ(Sets(), (Rows{{Actions + ".2=3"}}));
        EXPECT_EQ(Cells(w.ListView1)[1][1], "none") << "no read after the write";
        Click(w.btnGet);
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2) && Cells(w.ListView1)[1][1] == "apply"; }));

        ClickRow(w.ListView1, 0);
        std::string caption, prompt;
        int maximum = 0;
        bool progress = false;
        InDialog<Dialog>(w.btnEdit, [&](Dialog& d) {
            Choose(d.cbxCfgAction, "active");
            RunInNextModal([&](ui::Form* shown) {
                auto* form = dynamic_cast<TProgressForm2*>(shown);
                ASSERT_NE(form, nullptr);
                progress = true;
                caption = form->Caption();
                prompt = form->LB_Prompt->Caption();
                maximum = form->ProgressBar->Max();
                EXPECT_EQ(sim->SetJournal().size(), 1U) << "the write went out first";
                // It closes by itself once its bar is full.
                EXPECT_TRUE(WaitFor([&] { return form->ModalResult() != ui::mrNone; }, 5000));
                EXPECT_EQ(form->ProgressBar->Position(), TMultiConfigControlEditForm::ProgressMax);
            });
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        EXPECT_TRUE(progress);
        EXPECT_EQ(caption, "Set Configuration");
        EXPECT_EQ(prompt, "Active Configuration is processing...");
        EXPECT_EQ(maximum, TMultiConfigControlEditForm::ProgressMax);
        EXPECT_EQ(ProgressForm2, nullptr);
        EXPECT_EQ(Sets(), (Rows{{Actions + ".1=1"}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// A switch that answers after 2 s is still within the window's 3 s time-out.
TEST_F(MultipleConfigControlWindow, ASlowSwitchStillAnswers)
{
    DefaultTimeout = 100;
    InWindow<Window>([&](Window& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w, 2); }));
        sim->Control("delay 2000");
        ClickRow(w.ListView1, 0);
        InDialog<Dialog>(w.btnEdit, [&](Dialog& d) {
            Choose(d.cbxCfgAction, "delete");
            Click(d.btnSet);
            EXPECT_TRUE(Closing(d));
        });
        sim->Control("delay 0");
        EXPECT_EQ(Sets(), (Rows{{Actions + ".1=2"}}));
        EXPECT_NE(StatusLine(&w).find("Set: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

} // namespace
