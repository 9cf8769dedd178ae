// The queue bandwidth window against the simulated switch: rates of 0 shown and written as
// "No Limit", the rate checks of Edit, a limited row after a "No Limit" row, and Refresh while a
// read runs.

#include "SpanningTreeFixture.h"

#include "features/switching/CoSBrandwidthctrlForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.171.12.61.3.9.1";
const char* const OutOfRange = "Please input a number between 8 and 10240000.";

using Table = std::vector<std::vector<std::string>>;

class CoSBrandwidthWindow : public SpanningTreeWindowTest {
protected:
    static bool Listed(TCoSBrandwidthctrlForm& w) { return Idle(w, w.Request.get()) && w.ListView1->Count() == 3; }
};

TEST_F(CoSBrandwidthWindow, ZeroRatesAreNoLimitAndAreWrittenAsZero)
{
    InWindow<TCoSBrandwidthctrlForm>([&](TCoSBrandwidthctrlForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
        EXPECT_EQ(Cells(w.ListView1), (Table{{"1", "0", "No Limit", "No Limit"},
                                             {"1", "1", "2000", "8000"},
                                             {"2", "0", "64", "1000"}}));
        EXPECT_EQ(w.StaticText1->Caption(), "3");
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.MinEdit->isEnabled());

        ClickRow(w.ListView1, 0);
        EXPECT_EQ(w.PortText->Caption(), "1");
        EXPECT_EQ(w.ClassIDText->Caption(), "0");
        for (const auto& [box, edit] : {std::pair{w.CheckBox1, w.MinEdit}, std::pair{w.CheckBox2, w.MaxEdit}}) {
            EXPECT_TRUE(box->Checked());
            EXPECT_EQ(edit->Text(), "0");
            EXPECT_FALSE(edit->isEnabled());
        }
        EXPECT_TRUE(w.EditButton->isEnabled());
        Click(w.EditButton);
        EXPECT_EQ(SetsOnceThere(1), (Table{{Entry + ".3.1.0=0", Entry + ".4.1.0=0"}}));
        EXPECT_FALSE(w.EditButton->isEnabled());
        ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
        EXPECT_EQ(Cells(w.ListView1)[0][2], "No Limit");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The rates of a limited queue with its boxes unchecked: 8 to 10240000 pass (the minimum is not
// compared with the maximum); an empty rate asks for one without a new read; a rate that is no
// number says why in the status line and the table is read again.
TEST_F(CoSBrandwidthWindow, EditChecksTheRatesBeforeItWrites)
{
    struct Case {
        const char* minimum;
        const char* maximum;
        const char* message;  // in a message box; none: written
        bool statusLine;      // the conversion error instead, with a new read
    };
    const Case cases[] = {
        {"7", "8000", OutOfRange, false},
        {"10240001", "8000", OutOfRange, false},
        {"2000", "7", OutOfRange, false},
        {"8", "10240000", nullptr, false},
        {"9000", "8000", nullptr, false},
        {"", "8000", "Please input a rate number.", false},
        {"abc", "8000", nullptr, true},
    };
    InWindow<TCoSBrandwidthctrlForm>([&](TCoSBrandwidthctrlForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.minimum) + "/" + c.maximum);
            ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
            ClearMessageBoxes();
            ClickRow(w.ListView1, 1);
            EXPECT_FALSE(w.CheckBox1->Checked());
            w.MinEdit->SetText(c.minimum);
            w.MaxEdit->SetText(c.maximum);
            const int reads = Stat("getnext");
            if (c.statusLine)
                sim->Control("delay 300"); // the read's own log line comes later
            Click(w.EditButton);
            if (c.statusLine) {
                EXPECT_EQ(StatusLine(&w), "'abc' is not a valid integer value");
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
                EXPECT_FALSE(w.EditButton->isEnabled());
                sim->Control("delay 0");
                ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
                EXPECT_GT(Stat("getnext"), reads);
                EXPECT_TRUE(Sets().empty());
            } else if (c.message != nullptr) {
                EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{c.message});
                EXPECT_EQ(w.DataComplete, 1);
                EXPECT_TRUE(w.EditButton->isEnabled());
                EXPECT_EQ(Stat("getnext"), reads);
                EXPECT_TRUE(Sets().empty());
            } else {
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
                EXPECT_EQ(SetsOnceThere(1), (Table{{Entry + ".3.1.1=" + c.minimum, Entry + ".4.1.1=" + c.maximum}}));
                EXPECT_FALSE(w.EditButton->isEnabled());
            }
        }
    });
}

// The "No Limit" boxes of the row before go off for a row with numbers: its rate is shown,
// open, checked and written as typed.
TEST_F(CoSBrandwidthWindow, ALimitedRowAfterANoLimitRowHasItsBoxesOff)
{
    InWindow<TCoSBrandwidthctrlForm>([&](TCoSBrandwidthctrlForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
        ClickRow(w.ListView1, 0);
        ASSERT_TRUE(w.CheckBox1->Checked());
        ClickRow(w.ListView1, 1);
        for (const auto& [box, edit, rate] : {std::tuple{w.CheckBox1, w.MinEdit, "2000"},
                                              std::tuple{w.CheckBox2, w.MaxEdit, "8000"}}) {
            EXPECT_FALSE(box->Checked());
            EXPECT_TRUE(edit->isEnabled());
            EXPECT_EQ(ui::ColorOf(edit), ui::clWindow);
            EXPECT_EQ(edit->Text(), rate);
        }
        w.MinEdit->SetText("");
        TypeInto(w.MinEdit, "5");
        Click(w.EditButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{OutOfRange});
        // Ticked again by the user, the box empties nothing and writes 0.
        Click(w.CheckBox1);
        EXPECT_EQ(w.MinEdit->Text(), "0");
        Click(w.EditButton);
        ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
    });
    EXPECT_EQ(Sets(), (Table{{Entry + ".3.1.1=0", Entry + ".4.1.1=8000"}}));
}

TEST_F(CoSBrandwidthWindow, RefreshWhileAReadRunsStartsNoOther)
{
    InWindow<TCoSBrandwidthctrlForm>([&](TCoSBrandwidthctrlForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
        const int oneWalk = Stat("getnext");
        sim->Control("delay 200");
        Click(w.GetButton);
        EXPECT_EQ(w.DataComplete, 0);
        Click(w.GetButton);
        EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{"Get data not complete"});
        ASSERT_TRUE(WaitFor([&] { return Listed(w); }));
        sim->Control("delay 0");
        EXPECT_EQ(Stat("getnext"), 2 * oneWalk);
        EXPECT_EQ(w.StaticText1->Caption(), "3");
    });
    EXPECT_TRUE(Sets().empty());
}

} // namespace
