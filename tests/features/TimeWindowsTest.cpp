// The current time and summer time windows against the simulated switch. Current time: the
// capacity shown by name, the clock written alone as DateAndTime octets, a Refresh while a read
// runs taking its place. Summer time: the checks before a write, the two writes (state, then
// offset with the state's pair), the composite rows' octets, the pair switched with the state,
// and what the user typed kept when the window becomes active again.

#include "SystemInfoFixture.h"

#include "features/system/CurrentTimeForm.h"
#include "features/system/SummerTimeForm.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

const std::string Time = "1.3.6.1.4.1.171.12.10";
const std::string Summer = "1.3.6.1.4.1.171.12.10.12";

class CurrentTimeWindow : public SystemInfoWindowTest {};

// The capacity's bits by name, a blank first: all four, one alone, none.
TEST_F(CurrentTimeWindow, CapacityIsShownByName)
{
    struct Case {
        const char* octet;
        const char* shown;
    };
    const Case cases[] = {
        {"F0", " systemTime,SNTP,SummerTime,realTimeClock"},
        {"40", " SNTP"},
        {"00", " "},
        {"30", " SummerTime,realTimeClock"},
    };
    InWindow<TCurrentTimeForm>([&](TCurrentTimeForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.octet);
            sim->Control(std::string("data ") + Time + ".1.0 x " + c.octet);
            Click(w.GetButton);
            ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && w.tempText->Caption() == c.octet; }));
            EXPECT_EQ(w.timecapacityEdit->Text(), c.shown);
            EXPECT_EQ(w.CapacityText, c.shown);
        }
        EXPECT_EQ(w.currentclockEdit->Text(), "2026-12-11,3:30:15.0");
        EXPECT_EQ(w.cbxReset->Text(), "false");
        EXPECT_FALSE(w.timecapacityEdit->isEnabled());
        EXPECT_FALSE(w.cbxReset->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Set writes the clock alone, as DateAndTime octets (UTC offset +0:0); an empty clock is refused with nothing sent.
TEST_F(CurrentTimeWindow, SetWritesTheClockAlone)
{
    InWindow<TCurrentTimeForm>([&](TCurrentTimeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()) && !w.currentclockEdit->Text().empty(); }));
        w.currentclockEdit->SetText("");
        Click(w.SetButton);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"The Current Edit should not be empty!"}));
        EXPECT_TRUE(w.currentclockEdit->hasFocus());
        EXPECT_TRUE(Sets().empty());

        TypeInto(w.currentclockEdit, "2027-1-2,3:04:05.6");
        Click(w.SetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(Sets(), (Table{{Time + ".2.0=07EB0102030405062B0000"}}));
        EXPECT_NE(StatusLine(&w).find("Set: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_EQ(MessageBoxes().size(), 1u) << LastMessageBoxText();
}

// Refresh while a read runs: the new read takes the old one's place, whose answer is dropped,
// so the capacity is decoded once, from the newer answer.
TEST_F(CurrentTimeWindow, RefreshDuringARead)
{
    InWindow<TCurrentTimeForm>([&](TCurrentTimeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        int ends = 0;
        const RequestEndEvent decode = w.Request->OnGetEnd;
        w.Request->OnGetEnd = [&](MvSNMPRequest2Controls* sender, const MvSNMPError& result) {
            ++ends;
            decode(sender, result);
        };
        sim->Control("delay 200");
        Click(w.GetButton);
        sim->Control(std::string("data ") + Time + ".1.0 x 80");
        Click(w.GetButton);
        ASSERT_TRUE(WaitFor([&] { return Quiet(w.Request.get()); }));
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(w.timecapacityEdit->Text(), " systemTime");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

class SummerTimeWindow : public SystemInfoWindowTest {
protected:
    static ui::CheckBox* Box(TSummerTimeForm& w, int item) { return w.Rows().Rows[static_cast<std::size_t>(item)].CheckBox; }
    static ui::ComboBox* Combo(TSummerTimeForm& w, int item, int part)
    {
        return dynamic_cast<ui::ComboBox*>(w.PartsOf(item)[static_cast<std::size_t>(part)]);
    }
    static ui::Edit* Edit(TSummerTimeForm& w, int item, int part)
    {
        return dynamic_cast<ui::Edit*>(w.PartsOf(item)[static_cast<std::size_t>(part)]);
    }
    static std::vector<std::string> Parts(TSummerTimeForm& w, int item)
    {
        std::vector<std::string> texts;
        const TCtrlsList& parts = w.PartsOf(item);
        for (std::size_t k = 1; k < parts.size(); ++k) {
            if (auto* combo = dynamic_cast<ui::ComboBox*>(parts[k]))
                texts.push_back(combo->Text());
            else
                texts.push_back(dynamic_cast<ui::Edit*>(parts[k])->Text());
        }
        return texts;
    }
    // The annual row's day, month, hour and minute.
    static void SetAnnual(TSummerTimeForm& w, int item, const std::string& day, const std::string& month,
                          const std::string& hour, const std::string& minute)
    {
        Edit(w, item, 1)->SetText(day);
        Combo(w, item, 2)->SetItemIndex(Combo(w, item, 2)->IndexOf(month));
        Edit(w, item, 3)->SetText(hour);
        Edit(w, item, 4)->SetText(minute);
    }
    static void Tick(TSummerTimeForm& w, std::initializer_list<int> items)
    {
        for (int item = 0; item < TSummerTimeForm::ItemCount; ++item)
            Box(w, item)->SetChecked(std::find(items.begin(), items.end(), item) != items.end());
    }
    static void SetChecked(TSummerTimeForm& w) { Click(w.SummerTimePanel->Buttons->SetCheckedButton); }
    static bool Shown(TSummerTimeForm& w, int item) { return !w.Rows().Rows[static_cast<std::size_t>(item)].Editor->isHidden(); }
};

// The window reads the state, then the offset and the state's pair, and shows the parts.
TEST_F(SummerTimeWindow, ShowsTheStateItsPairAndTheirParts)
{
    InWindow<TSummerTimeForm>([&](TSummerTimeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return !w.OffsetEdit()->Text().empty(); }));
        EXPECT_EQ(w.StateCombo()->Text(), "repeating");
        EXPECT_EQ(w.OffsetEdit()->Text(), "60");
        EXPECT_EQ(Parts(w, TSummerTimeForm::RepeatStartItem), (std::vector<std::string>{"Mar", "1st", "Sun", "2", "0"}));
        EXPECT_EQ(Parts(w, TSummerTimeForm::RepeatEndItem), (std::vector<std::string>{"Oct", "last", "Sun", "3", "0"}));
        EXPECT_TRUE(Shown(w, TSummerTimeForm::RepeatStartItem));
        EXPECT_FALSE(Shown(w, TSummerTimeForm::AnnualStartItem));
        // The annual pair was not read.
        EXPECT_EQ(Parts(w, TSummerTimeForm::AnnualStartItem), (std::vector<std::string>{"", "", "", ""}));
        // The composite row's geometry: five parts across the editor's width.
        EXPECT_EQ(w.PartsOf(TSummerTimeForm::RepeatStartItem)[0]->width(), TSummerTimeForm::EditorWidth);
        EXPECT_EQ(Edit(w, TSummerTimeForm::RepeatStartItem, 4)->x(), 3 * 240 / 5 + 4);
        EXPECT_EQ(ui::Hint(Edit(w, TSummerTimeForm::RepeatStartItem, 5)), "Minute");

        // Refresh reads again.
        sim->Control(std::string("data ") + Summer + ".2.0 i 90");
        Click(w.SummerTimePanel->Buttons->RefreshButton);
        EXPECT_EQ(w.OffsetEdit()->Text(), "90");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The checks before a write, one table: the offsets, an empty ticked row, the days of the
// months, hours and minutes, and the months of a ticked pair. A refused write sends nothing.
TEST_F(SummerTimeWindow, ChecksBeforeAWrite)
{
    using Item = TSummerTimeForm::Item;
    struct Case {
        const char* name;
        std::function<void(TSummerTimeForm&)> setUp;
        std::string message; // empty: the writes go out
    };
    const std::string offsetMessage = "Summer Time Offset must choose from {30, 60, 90, 120}.";
    auto offset = [](const char* value) {
        return [value](TSummerTimeForm& w) {
            w.OffsetEdit()->SetText(value);
            Tick(w, {Item::OffsetItem});
        };
    };
    auto annual = [](const char* day, const char* month, const char* hour, const char* minute) {
        return [=](TSummerTimeForm& w) {
            Choose(w.StateCombo(), "annual");
            SetAnnual(w, Item::AnnualStartItem, day, month, hour, minute);
            Tick(w, {Item::AnnualStartItem});
        };
    };
    const Case cases[] = {
        {"offset 45", offset("45"), offsetMessage},
        {"offset 150", offset("150"), offsetMessage},
        {"offset 30", offset("30"), ""},
        {"offset 60", offset("60"), ""},
        {"offset 90", offset("90"), ""},
        {"offset 120", offset("120"), ""},
        {"empty offset", offset(""), "Some items are empty!"},
        {"29 February", annual("29", "Feb", "2", "0"), ""},
        {"30 February", annual("30", "Feb", "2", "0"), "Time error."},
        {"31 April", annual("31", "Apr", "2", "0"), "Time error."},
        {"hour 24", annual("1", "May", "24", "0"), "Time error."},
        {"minute 60", annual("1", "May", "2", "60"), "Time error."},
        {"repeating hour 24",
         [](TSummerTimeForm& w) {
             Edit(w, Item::RepeatStartItem, 4)->SetText("24");
             Tick(w, {Item::RepeatStartItem});
         },
         "Time error."},
        {"equal months, both ticked",
         [](TSummerTimeForm& w) {
             Combo(w, Item::RepeatEndItem, 1)->SetItemIndex(2); // Mar, as the start
             Tick(w, {Item::RepeatStartItem, Item::RepeatEndItem});
         },
         "From month and To month should not be the same."},
        {"equal months, one ticked",
         [](TSummerTimeForm& w) {
             Combo(w, Item::RepeatEndItem, 1)->SetItemIndex(2);
             Tick(w, {Item::RepeatEndItem});
         },
         ""},
        {"annual months equal",
         [](TSummerTimeForm& w) {
             Choose(w.StateCombo(), "annual");
             SetAnnual(w, Item::AnnualStartItem, "1", "Jun", "2", "0");
             SetAnnual(w, Item::AnnualEndItem, "30", "Jun", "2", "0");
             Tick(w, {Item::AnnualStartItem, Item::AnnualEndItem});
         },
         "From month and To month should not be the same."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearMessageBoxes();
        InWindow<TSummerTimeForm>([&](TSummerTimeForm& w) {
            ASSERT_TRUE(WaitFor([&] { return !w.OffsetEdit()->Text().empty(); }));
            c.setUp(w);
            SetChecked(w);
            const Table sets = Sets();
            if (c.message.empty()) {
                EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
                EXPECT_EQ(sets.size(), 1u); // the state's write carries nothing: its row is not ticked
            } else {
                EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{c.message}));
                EXPECT_TRUE(sets.empty());
            }
        });
    }
}

// The state goes first, alone; then the offset with the ticked rows of the state's pair. The
// week "last" is the octet FF and the weekday "Sun" the two octets 00 01.
TEST_F(SummerTimeWindow, WritesTheStateThenTheOffsetWithItsPair)
{
    using Item = TSummerTimeForm::Item;
    InWindow<TSummerTimeForm>([&](TSummerTimeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return !w.OffsetEdit()->Text().empty(); }));
        Combo(w, Item::RepeatStartItem, 1)->SetItemIndex(3); // Apr
        Combo(w, Item::RepeatStartItem, 2)->SetItemIndex(4); // last
        Combo(w, Item::RepeatStartItem, 3)->SetItemIndex(0); // Sun
        Edit(w, Item::RepeatStartItem, 4)->SetText("1");
        Edit(w, Item::RepeatStartItem, 5)->SetText("30");
        w.OffsetEdit()->SetText("120");
        Tick(w, {Item::StateItem, Item::OffsetItem, Item::RepeatStartItem, Item::RepeatEndItem});
        SetChecked(w);
        EXPECT_EQ(Sets(), (Table{{Summer + ".1.0=1"},
                                 {Summer + ".2.0=120", Summer + ".3.0=FF000104011E", Summer + ".4.0=FF00010A0300"}}));
        EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
    });
}

// From repeating to annual: the repeat rows are hidden and unticked at once, the annual ones
// shown, and the next write carries the annual pair as far as it is ticked.
TEST_F(SummerTimeWindow, ChangingTheStateSwitchesThePair)
{
    using Item = TSummerTimeForm::Item;
    InWindow<TSummerTimeForm>([&](TSummerTimeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return !w.OffsetEdit()->Text().empty(); }));
        Tick(w, {Item::StateItem, Item::RepeatStartItem, Item::RepeatEndItem});
        Choose(w.StateCombo(), "annual");
        EXPECT_FALSE(Shown(w, Item::RepeatStartItem));
        EXPECT_FALSE(Box(w, Item::RepeatStartItem)->Checked());
        EXPECT_FALSE(Box(w, Item::RepeatEndItem)->Checked());
        EXPECT_TRUE(Shown(w, Item::AnnualEndItem));
        SetAnnual(w, Item::AnnualStartItem, "29", "Mar", "2", "0");
        Click(Box(w, Item::AnnualStartItem));
        SetChecked(w);
        EXPECT_EQ(Sets(), (Table{{Summer + ".1.0=2"}, {Summer + ".5.0=1D030200"}}));

        Choose(w.StateCombo(), "disabled");
        EXPECT_FALSE(Shown(w, Item::AnnualStartItem));
        EXPECT_FALSE(Shown(w, Item::RepeatStartItem));
        EXPECT_FALSE(Box(w, Item::AnnualStartItem)->Checked());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A refused write, then the window active again (as when its message box closes): what the user
// typed stands, and nothing is read.
TEST_F(SummerTimeWindow, TypedValuesStandAfterARefusedWrite)
{
    using Item = TSummerTimeForm::Item;
    InWindow<TSummerTimeForm>([&](TSummerTimeForm& w) {
        ASSERT_TRUE(WaitFor([&] { return !w.OffsetEdit()->Text().empty(); }));
        w.OffsetEdit()->SetText("45");
        Edit(w, Item::RepeatStartItem, 4)->SetText("5");
        Tick(w, {Item::OffsetItem});
        const int gets = Stat("get");
        SetChecked(w);
        EXPECT_EQ(MessageBoxes().size(), 1u);
        ui::Fire(w.OnActivate, static_cast<QObject*>(&w));
        EXPECT_EQ(w.OffsetEdit()->Text(), "45");
        EXPECT_EQ(Edit(w, Item::RepeatStartItem, 4)->Text(), "5");
        EXPECT_EQ(Stat("get"), gets);
        EXPECT_TRUE(Sets().empty());
    });
}

} // namespace
