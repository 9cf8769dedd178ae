// The time range window against the simulated switch: the ticked days go out as one text,
// Monday first; a row's text ticks its days; Add, Edit and Delete write the row's three texts
// with createAndGo, the row's own status or destroy and read the table again; closing waits for
// the first read, which Stop ends.

#include "SystemInfoFixture.h"

#include "features/system/TimeRangeForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.171.12.50.3.1.1";
// "night", length-prefixed, and the switch's "office".
const std::string Night = "5.110.105.103.104.116";
const std::string Office = "6.111.102.102.105.99.101";

using Table = std::vector<std::vector<std::string>>;

class TimeRangeWindow : public SystemInfoWindowTest {
protected:
    static std::vector<ui::CheckBox*> Days(TTimeRangeForm& w)
    {
        return {w.CheckBox1, w.CheckBox2, w.CheckBox3, w.CheckBox4, w.CheckBox5, w.CheckBox6, w.CheckBox7};
    }
    static std::vector<bool> Ticked(TTimeRangeForm& w)
    {
        std::vector<bool> ticked;
        for (ui::CheckBox* box : Days(w))
            ticked.push_back(box->Checked());
        return ticked;
    }
    static void ResetEditors(TTimeRangeForm& w)
    {
        for (ui::Edit* edit : {w.edtName, w.edtStart, w.edtEnd})
            edit->SetText("");
        for (ui::CheckBox* box : Days(w))
            box->SetChecked(false);
    }
    // The row as the switch should receive it, the texts in hex.
    static std::vector<std::string> Row(const std::string& index, const std::string& days, const std::string& start,
                                        const std::string& end, int status)
    {
        return {Entry + ".2." + index + "=" + Hex(days), Entry + ".3." + index + "=" + Hex(start),
                Entry + ".4." + index + "=" + Hex(end), Entry + ".5." + index + "=" + std::to_string(status)};
    }
};

// Add joins the ticked days, Monday first, with single commas; no day: the message and no SET.
TEST_F(TimeRangeWindow, AddSendsTheTickedDaysAsOneText)
{
    struct Case {
        std::vector<int> days; // 0 Monday .. 6 Sunday
        std::string text;
    };
    const Case cases[] = {
        {{5, 6}, "Sat,Sun"},
        {{0, 1, 2, 3, 4, 5, 6}, "Mon,Tue,Wed,Thu,Fri,Sat,Sun"},
        {{3, 0}, "Mon,Thu"},
    };
    InWindow<TTimeRangeForm>([&](TTimeRangeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"lower", "office"}));
        EXPECT_EQ(w.StaticText1->Caption(), "2");
        EXPECT_FALSE(w.btnSet->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            TypeInto(w.edtName, "night");
            for (int day : c.days)
                Click(Days(w)[static_cast<std::size_t>(day)]);
            TypeInto(w.edtStart, "22:00:00");
            TypeInto(w.edtEnd, "23:30:00");
            Click(w.btnAdd);
            EXPECT_EQ(SetsSent(), (Table{Row(Night, c.text, "22:00:00", "23:30:00", 4)}));
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"lower", "night", "office"}));
            EXPECT_EQ(w.StaticText1->Caption(), "3");
            // The editors keep what was typed; the next case starts afresh.
            EXPECT_EQ(w.edtName->Text(), "night");
            for (const char* column : {"1", "2", "3", "4", "5"})
                sim->Control(std::string("data remove ") + Entry + "." + column + "." + Night);
            ResetEditors(w);
            Click(w.btnGet);
            ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
            EXPECT_EQ(w.ListView1->Count(), 2);
        }
        // No day: refused before anything goes out; so are empty times, in that order.
        TypeInto(w.edtName, "night");
        Click(w.btnAdd);
        Click(w.CheckBox2);
        Click(w.btnAdd);
        TypeInto(w.edtStart, "01:00:00");
        Click(w.btnAdd);
        EXPECT_TRUE(Sets().empty());
    });
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Please input the weekdays",
                                                           "Please select the daily start time",
                                                           "Please select the daily end time"}));
}

// A row's text ticks the days named in it, letter case counting; the name and status are
// locked while a row is chosen, and a click beside the rows empties the editors.
TEST_F(TimeRangeWindow, ARowTicksTheDaysItNames)
{
    InWindow<TTimeRangeForm>([&](TTimeRangeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 1); // office: "Mon,Thu"
        EXPECT_EQ(Ticked(w), (std::vector<bool>{true, false, false, true, false, false, false}));
        EXPECT_EQ(w.edtName->Text(), "office");
        EXPECT_EQ(w.edtStart->Text(), "08:00:00");
        EXPECT_FALSE(w.edtName->isEnabled());
        EXPECT_FALSE(w.cbxStatus->isEnabled());
        EXPECT_TRUE(w.btnSet->isEnabled());
        EXPECT_TRUE(w.btnDelete->isEnabled());

        ClickRow(w.ListView1, 0); // lower: "mon,thu"
        EXPECT_EQ(Ticked(w), std::vector<bool>(7, false));
        EXPECT_EQ(w.edtweekdays->Text(), "mon,thu");

        ClickRow(w.ListView1, -1);
        EXPECT_EQ(w.edtName->Text(), "");
        EXPECT_EQ(w.edtStart->Text(), "");
        EXPECT_TRUE(w.edtName->isEnabled());
        EXPECT_FALSE(w.btnSet->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Edit sends the row's status as the row holds it; Delete sends destroy with the row's texts and
// asks nothing. Both go back to adding.
TEST_F(TimeRangeWindow, EditKeepsTheStatusAndDeleteSendsDestroy)
{
    InWindow<TTimeRangeForm>([&](TTimeRangeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        ClickRow(w.ListView1, 1);
        Click(w.CheckBox4); // Thursday off
        Click(w.CheckBox7);
        w.edtEnd->SetText("");
        TypeInto(w.edtEnd, "19:00:00");
        Click(w.btnSet);
        EXPECT_EQ(SetsSent(), (Table{Row(Office, "Mon,Sun", "08:00:00", "19:00:00", 1)}));
        EXPECT_FALSE(w.btnSet->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());
        EXPECT_TRUE(w.edtName->isEnabled());
        EXPECT_EQ(w.edtName->Text(), "");
        EXPECT_EQ(Ticked(w), std::vector<bool>(7, false));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Cells(w.ListView1)[1], (std::vector<std::string>{"office", "Mon,Sun", "08:00:00", "19:00:00", "active"}));

        ClickRow(w.ListView1, 1);
        Click(w.btnDelete);
        EXPECT_EQ(SetsSent(), (Table{Row(Office, "Mon,Sun", "08:00:00", "19:00:00", 6)}));
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"lower"}));
        EXPECT_EQ(w.StaticText1->Caption(), "1");
        EXPECT_FALSE(w.btnDelete->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// While the first read runs the window refuses to close, and Refresh does nothing; Stop ends the
// read at its next answer, and then the window closes.
TEST_F(TimeRangeWindow, ClosingWaitsForTheFirstReadUntilStop)
{
    sim->Control("delay 300");
    bool closed = false;
    InWindow<TTimeRangeForm>([&](TTimeRangeForm& w) {
        ASSERT_EQ(w.DataComplete, 0);
        Click(w.btnClose);
        // The close is asked for once the click's handling has returned.
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes().empty(); }, 5000));
        EXPECT_TRUE(w.Modal());
        EXPECT_EQ(w.ModalResult(), ui::mrNone);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete"}));
        Click(w.btnAdd);
        Click(w.btnStop);
        ASSERT_TRUE(WaitFor([&] { return Idle(w, w.Request.get()); }, 10000));
        EXPECT_NE(StatusLine(&w).find("Stop, SNMP Request is not active."), std::string::npos) << StatusLine(&w);
        EXPECT_LT(w.ListView1->Count(), 2);
        Click(w.btnClose);
        closed = WaitFor([&] { return w.ModalResult() != ui::mrNone; }, 5000);
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
    EXPECT_TRUE(Sets().empty());
}

} // namespace
