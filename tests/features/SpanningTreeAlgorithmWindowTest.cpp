// The spanning tree global state window against the simulated switch: enabling asks first,
// writes 3 with a long time-out behind the progress window and reads the state again; disabling
// writes 2 without a question; a refused write is shown over the main window; Set before the
// first read has filled the list does nothing.

#include "SpanningTreeFixture.h"

#include "features/switching/SpanningTreeAlgorithmForm.h"
#include "gui/ProgressForm2.h"

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace {

const std::string StateOid = "1.3.6.1.4.1.171.12.15.1.1.0";
const char* const Question = "To enable STP may take a long time. Do you want to go on?";

using Table = std::vector<std::vector<std::string>>;

class SpanningTreeAlgorithmWindow : public SpanningTreeWindowTest {
protected:
    static bool ReadDone(const TSpanningTreeAlgorithmForm& w)
    {
        return Quiet(w.Request.get()) && w.ComboBox1->ItemIndex() >= 0;
    }
};

TEST_F(SpanningTreeAlgorithmWindow, EnableCancelledWritesNothingAndReadsTheStateAgain)
{
    InWindow<TSpanningTreeAlgorithmForm>([&](TSpanningTreeAlgorithmForm& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(w); }));
        EXPECT_EQ(w.ComboBox1->Text(), "disabled");
        w.ComboBox1->SetItemIndex(w.ComboBox1->IndexOf("enabled"));
        AnswerNextMessageBox(ui::mrCancel);
        EXPECT_FALSE(OpensModalWindow([&] { Click(w.SetButton); }));
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{Question});
        // The list shows the switch's state again.
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.ComboBox1->Text() == "disabled"; }));
        EXPECT_EQ(Stat("get"), 2);
    });
    EXPECT_TRUE(Sets().empty());
}

// Confirmed: 3 goes out with a time-out of 40 s, so an answer two seconds late is a success; the
// progress window shows meanwhile (here closed by the user's script at once).
TEST_F(SpanningTreeAlgorithmWindow, EnableConfirmedWritesWithTheLongTimeOutBehindTheProgressWindow)
{
    InWindow<TSpanningTreeAlgorithmForm>([&](TSpanningTreeAlgorithmForm& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(w); }));
        sim->Control("delay 2000");
        w.ComboBox1->SetItemIndex(w.ComboBox1->IndexOf("enabled"));
        std::string caption, prompt;
        bool shown = false;
        RunInNextModal([&](ui::Form* progress) {
            auto* form = dynamic_cast<TProgressForm2*>(progress);
            ASSERT_NE(form, nullptr);
            shown = true;
            caption = form->Caption();
            prompt = form->LB_Prompt->Caption();
            form->Close();
        });
        Click(w.SetButton);
        EXPECT_TRUE(shown);
        EXPECT_EQ(caption, "Enable STP Progress");
        EXPECT_EQ(prompt, "Enable STP is processing...");
        EXPECT_EQ(ProgressForm2, nullptr);
        EXPECT_EQ(w.Request->Request.Timeout, TSpanningTreeAlgorithmForm::EnableTimeout);
        // The write's answer and the read behind it, each two seconds late.
        ASSERT_TRUE(WaitFor([&] { return sim->SetJournalStatuses().size() == 1 && Quiet(w.Request.get()); }, 20000));
        EXPECT_EQ(sim->SetJournalStatuses(), std::vector<int>{0});
        EXPECT_EQ(w.ComboBox1->Text(), "enabled");
        EXPECT_NE(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        sim->Control("delay 0");
    });
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{Question}); // no failure reported
    EXPECT_EQ(Sets(), (Table{{StateOid + "=3"}}));
}

TEST_F(SpanningTreeAlgorithmWindow, DisableWritesTwoWithoutAQuestion)
{
    sim->Control("data " + StateOid + " i 3 rw enum=2,3");
    InWindow<TSpanningTreeAlgorithmForm>([&](TSpanningTreeAlgorithmForm& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(w); }));
        EXPECT_EQ(w.ComboBox1->Text(), "enabled");
        w.ComboBox1->SetItemIndex(w.ComboBox1->IndexOf("disabled"));
        EXPECT_FALSE(OpensModalWindow([&] { Click(w.SetButton); }));
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && Stat("get") == 2; }));
        EXPECT_EQ(w.ComboBox1->Text(), "disabled");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_EQ(Sets(), (Table{{StateOid + "=2"}}));
}

// The request belongs to the main window: a write the switch refuses is shown in a box owned by
// it, and the state is read again.
TEST_F(SpanningTreeAlgorithmWindow, ARefusedWriteIsShownOverTheMainWindow)
{
    ui::Form mainWindow(nullptr);
    ui::SetMainForm(&mainWindow);
    sim->Control("data " + StateOid + " i 3 ro enum=2,3"); // a state the switch keeps
    InWindow<TSpanningTreeAlgorithmForm>([&](TSpanningTreeAlgorithmForm& w) {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(w); }));
        w.ComboBox1->SetItemIndex(w.ComboBox1->IndexOf("disabled"));
        Click(w.SetButton);
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty() && Quiet(w.Request.get()); }));
        EXPECT_EQ(w.ComboBox1->Text(), "enabled");
    });
    ui::SetMainForm(nullptr);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].Owner, &mainWindow);
    const std::vector<int> statuses = sim->SetJournalStatuses();
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_NE(statuses[0], 0);
    EXPECT_EQ(Sets(), (Table{{StateOid + "=2"}}));
}

TEST_F(SpanningTreeAlgorithmWindow, SetBeforeTheFirstReadDoesNothing)
{
    DefaultTimeout = 1000; // no retry of the delayed first read
    sim->Control("delay 1500");
    InWindow<TSpanningTreeAlgorithmForm>([&](TSpanningTreeAlgorithmForm& w) {
        EXPECT_EQ(w.ComboBox1->ItemIndex(), -1);
        Click(w.SetButton);
        sim->Control("delay 0");
        ASSERT_TRUE(WaitFor([&] { return ReadDone(w); }));
        // The first read alone reached the switch.
        EXPECT_EQ(Stat("get"), 1);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    EXPECT_TRUE(Sets().empty());
}

} // namespace
