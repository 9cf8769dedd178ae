// The two ACL counter windows against the simulated switch (tests/support/data/
// acl-counters-bindings.dat): the counters listed, what Set writes and the read after it, a
// refused state shown, the refusals while a read runs, Stop and Close during the wait.

#include "SwitchingFixture.h"

#include "features/acl/ACLCounterForm.h"
#include "features/acl/EgressACLCounterForm.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/StatusBar.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

using Table = std::vector<std::vector<std::string>>;

const std::string Ingress = "1.3.6.1.4.1.171.12.9.3.8.1";
const std::string Egress = "1.3.6.1.4.1.171.12.89.3.4.1";

class ACLCounterWindows : public SwitchingWindowTest {
protected:
    std::vector<std::string> DataFiles() const override { return {"acl-counters-bindings.dat"}; }

    // The ingress window (or the egress one) with script run inside it.
    int InCounters(bool egress, const std::function<void(TAclCounterFrame&)>& script)
    {
        if (egress)
            return InWindow<TEgressACLCounterForm>([&](TEgressACLCounterForm& w) { script(w); });
        return InWindow<TACLCounterForm>([&](TACLCounterForm& w) { script(w); });
    }
    static bool Idle(TAclCounterFrame& w) { return SwitchingWindowTest::Idle(w, w.Request.get()); }
    static void WaitIdle(TAclCounterFrame& w)
    {
        ASSERT_TRUE(WaitFor([&] { return Idle(w); }, 10000)) << StatusLine(&w);
    }
};

// Both windows list every rule's counters in decimal, past 2^32 too; a row's IDs show in edits
// that stay off, its state in the list that Set writes; no row chosen, no Set.
TEST_F(ACLCounterWindows, ListTheCountersOfEveryRule)
{
    struct Case {
        const char* name;
        bool egress;
        const char* stateHeader;
        Table rows;
    };
    const Case cases[] = {
        {"ingress", false, "Counter State",
         {{"1", "1", "enabled", "8589934597", "4294967296", "4294967301", "0"},
          {"1", "2", "enabled", "18446744073709551615", "12", "3", "1"},
          {"3", "7", "disabled", "0", "0", "0", "0"}}},
        {"egress", true, "State",
         {{"2", "1", "enabled", "6442450944", "4294967295", "2147483649", "0"},
          {"2", "4", "disabled", "7", "7", "0", "0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InCounters(c.egress, [&](TAclCounterFrame& w) {
            WaitIdle(w);
            EXPECT_EQ(Cells(w.ListView1), c.rows);
            const std::vector<std::string> headers = {"Profile ID",    "Access ID",     c.stateHeader, "Total Counter",
                                                      "Green Counter", "Yellow Counter", "Red Counter"};
            ASSERT_EQ(w.ListView1->ColumnCount(), 7);
            for (int i = 0; i < 7; ++i)
                EXPECT_EQ(w.ListView1->ColumnCaption(i), headers[static_cast<std::size_t>(i)]);
            EXPECT_EQ(w.StaticText1->Caption(), std::to_string(c.rows.size()));
            EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
            EXPECT_FALSE(w.SetButton->isEnabled());
            EXPECT_FALSE(w.ProfileIDEdit->isEnabled());
            EXPECT_FALSE(w.Label1->isEnabled());

            ClickRow(w.ListView1, 1);
            EXPECT_TRUE(w.SetButton->isEnabled());
            EXPECT_EQ(w.ProfileIDEdit->Text(), c.rows[1][0]);
            EXPECT_EQ(w.AccessIDEdit->Text(), c.rows[1][1]);
            EXPECT_FALSE(w.ProfileIDEdit->isEnabled());
            EXPECT_FALSE(w.AccessIDEdit->isEnabled());
            EXPECT_FALSE(w.Label2->isEnabled());
            EXPECT_TRUE(w.StateCBX->isEnabled());
            EXPECT_EQ(w.StateCBX->Text(), c.rows[1][2]);

            ClickRow(w.ListView1, -1);
            EXPECT_FALSE(w.SetButton->isEnabled());
        });
    }

    // No rule at all: nothing to choose, Set stays off.
    sim->Control("data remove " + Ingress);
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        EXPECT_EQ(w.ListView1->Count(), 0);
        EXPECT_EQ(w.StaticText1->Caption(), "0");
        ClickRow(w.ListView1, -1);
        EXPECT_FALSE(w.SetButton->isEnabled());
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Set writes the chosen rule's state alone at its IDs, clears the editors and reads the table
// again; with no row chosen it does nothing.
TEST_F(ACLCounterWindows, SetWritesTheStateAloneThenReadsAgain)
{
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        Click(w.SetButton); // off: nothing
        w.SetButtonClick(w.SetButton);
        EXPECT_TRUE(Sets().empty());

        ClickRow(w.ListView1, 1);
        Choose(w.StateCBX, "disabled");
        const int getNexts = Stat("getnext");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Table{{Ingress + ".3.1.2=2"}}));
        EXPECT_EQ(w.ProfileIDEdit->Text(), "");
        EXPECT_EQ(w.AccessIDEdit->Text(), "");
        EXPECT_EQ(w.StateCBX->ItemIndex(), -1);
        EXPECT_FALSE(w.SetButton->isEnabled());
        WaitIdle(w);
        EXPECT_GT(Stat("getnext"), getNexts);
        EXPECT_EQ(Cells(w.ListView1)[1][2], "disabled");
        EXPECT_EQ(w.ListView1->Count(), 3);
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    InCounters(true, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        ClickRow(w.ListView1, 1);
        Choose(w.StateCBX, "enabled");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Table{{Egress + ".3.2.4=1"}}));
        WaitIdle(w);
        EXPECT_EQ(Cells(w.ListView1)[1][2], "enabled");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// The IDs are the row's instance and are never typed, however the row was chosen: a row reached
// with the keys still writes at its own IDs.
TEST_F(ACLCounterWindows, TheIDsAreNeverTyped)
{
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        ClickRow(w.ListView1, 0);
        w.ListView1->setFocus();
        PressKey(Qt::Key_Down, w.ListView1);
        ASSERT_EQ(w.ListView1->ItemIndex(), 1);
        EXPECT_EQ(w.AccessIDEdit->Text(), "2");
        TypeInto(w.ProfileIDEdit, "9");
        TypeInto(w.AccessIDEdit, "9");
        EXPECT_EQ(w.ProfileIDEdit->Text(), "1");
        EXPECT_EQ(w.AccessIDEdit->Text(), "2");
        Choose(w.StateCBX, "disabled");
        Click(w.SetButton);
        EXPECT_EQ(Sets(), (Table{{Ingress + ".3.1.2=2"}}));
        WaitIdle(w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// A state the switch refuses is shown in a message box; the read after it shows the state the
// switch holds.
TEST_F(ACLCounterWindows, ARefusedStateIsShownAndTheOldStateStays)
{
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        ClickRow(w.ListView1, 2);
        Choose(w.StateCBX, "enabled");
        Click(w.SetButton);
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(sim->SetJournalStatuses(), (std::vector<int>{17})); // notWritable
        EXPECT_EQ(Sets(), (Table{{Ingress + ".3.3.7=1"}}));
        WaitIdle(w);
        EXPECT_EQ(Cells(w.ListView1)[2][2], "disabled");
        EXPECT_EQ(w.ListView1->Count(), 3);
    });
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

// A Set that cannot be sent says why in status panel 0; the window is idle again and reads on.
TEST_F(ACLCounterWindows, ASetThatCannotBeSentIsShownInTheStatusLine)
{
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        ClickRow(w.ListView1, 0);
        const std::string address = w.Request->Request.Device.Address;
        w.Request->Request.Device.Address = "";
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.SetButton);
        w.Request->Request.Device.Address = address;
        EXPECT_TRUE(Sets().empty());
        EXPECT_NE(StatusLine(&w), "");
        EXPECT_EQ(StatusLine(&w).find("Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(w.DataComplete, 1);
        EXPECT_EQ(w.ProfileIDEdit->Text(), "");
        EXPECT_FALSE(w.SetButton->isEnabled());
        Click(w.RefreshButton);
        WaitIdle(w);
        EXPECT_EQ(w.ListView1->Count(), 3);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// While the opening read runs, Refresh and Set refuse, each with its own words.
TEST_F(ACLCounterWindows, RefreshAndSetRefuseDuringTheOpeningRead)
{
    sim->Control("delay 150");
    InCounters(false, [&](TAclCounterFrame& w) {
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }, 10000));
        ASSERT_EQ(w.DataComplete, 0);
        Click(w.RefreshButton);
        ClickRow(w.ListView1, 0);
        Click(w.SetButton);
        EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete.", "Get data not complete"}));
        EXPECT_TRUE(Sets().empty());
        WaitIdle(w);
        EXPECT_EQ(w.ListView1->Count(), 3);
    });
}

// Stop makes the window idle at once; the Refresh after it lists every row once, whatever the
// stopped walk still answers.
TEST_F(ACLCounterWindows, RefreshAfterStopListsEachRowOnce)
{
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        sim->Control("delay 100");
        Click(w.RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return w.ListView1->Count() >= 1; }, 10000));
        Click(w.StopButton);
        EXPECT_EQ(w.DataComplete, 1);
        Click(w.RefreshButton);
        EXPECT_EQ(w.DataComplete, 0);
        WaitIdle(w);
        EXPECT_TRUE(WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()); }, 10000));
        EXPECT_EQ(Captions(w.ListView1), (std::vector<std::string>{"1", "1", "3"}));
        EXPECT_EQ(Cells(w.ListView1)[2][1], "7");
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Stop during Set's wait ends the wait; the table is read again all the same, and Refresh works
// afterwards.
TEST_F(ACLCounterWindows, StopDuringTheWaitThenTheReadAndRefresh)
{
    InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        ClickRow(w.ListView1, 0);
        Choose(w.StateCBX, "disabled");
        // The answer is held for 3 s: without Stop the wait lasts until the request's two
        // attempts of 1 s have timed out. Stop, clicked after 0.1 s, ends it well before.
        // Then the switch answers at once again.
        sim->Control("delay 3000");
        QTimer::singleShot(100, &w, [&] { Click(w.StopButton); });
        QElapsedTimer clock;
        clock.start();
        Click(w.SetButton);
        EXPECT_LT(clock.elapsed(), 2000);
        sim->Control("delay 0");
        EXPECT_EQ(w.Request->Request.Active, 1) << "the read after the wait went out";
        ASSERT_TRUE(WaitFor([&] { return Idle(w) && w.ListView1->Count() == 3; }, 10000));
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
        EXPECT_EQ(Sets(), (Table{{Ingress + ".3.1.1=2"}}));

        sim->Control("delay 0");
        w.StatusBar1->Panel(0)->SetText("");
        Click(w.RefreshButton);
        EXPECT_EQ(w.DataComplete, 0);
        WaitIdle(w);
        EXPECT_EQ(Cells(w.ListView1)[0][2], "disabled");
        EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos) << StatusLine(&w);
    });
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Close during Set's wait takes effect once Set's handler has returned.
TEST_F(ACLCounterWindows, CloseDuringTheWaitClosesAfterTheHandler)
{
    bool openAfterClose = false;
    bool handlerReturned = false;
    const int result = InCounters(false, [&](TAclCounterFrame& w) {
        WaitIdle(w);
        ClickRow(w.ListView1, 0);
        sim->Control("delay 300");
        QTimer::singleShot(100, &w, [&] {
            Click(w.CloseButton);
            openAfterClose = w.isVisible() && w.Request != nullptr;
        });
        Click(w.SetButton);
        handlerReturned = w.Request != nullptr;
        EXPECT_TRUE(WaitFor([&] { return w.Request == nullptr; }, 10000));
    });
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(handlerReturned);
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(Sets().size(), 1u);
}

} // namespace
