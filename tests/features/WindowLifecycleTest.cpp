// The plumbing of the hand-made windows on a small window against the simulated switch
// (tests/support/data/formkit.dat): every read ends the window's read however it ends, the
// exception guard, Set and wait, the columns left out of one write, and closing.

#include "features/common/SkippedColumns.h"
#include "features/common/WindowLifecycle.h"

#include "snmp/RequestFixture.h" // the tests' global session and aiming a request at an agent

#include "support/FormTest.h"
#include "support/SimSwitch.h"

#include "snmp/Exception.h"
#include "snmp/OptionList.h"
#include "snmp/Request2Edits.h"
#include "snmp/VarDescriptor.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Guard.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"
#include "ui/StatusBar.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const OptionItem RowStatusItems[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                     {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                     {}};
MvOptionList RowStatusOptions(RowStatusItems, 1);

// The RowStatus table of formkit.dat: three rows with a name, a number (0 to 1000), a note, a
// port list and the status.
const VarDescriptor Columns[] = {
    {"1.3.6.1.3.4242.30.1.1", "Row", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.30.1.2", "Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.3", "Number", integer, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.4", "Note", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.5", "Ports", bitlist, readwrite, nullptr},
    {"1.3.6.1.3.4242.30.1.6", "Status", integer, readwrite, &RowStatusOptions},
    {},
};
constexpr int NumberItem = 2;
constexpr int StatusItem = 5;

// A request whose row handling can fail half-way.
class TestRequest : public MvSNMPRequest2Edits {
public:
    using MvSNMPRequest2Edits::MvSNMPRequest2Edits;
    int FailAtRow = 0;
    int Rows = 0;
    void RowReceived() override
    {
        MvSNMPRequest2Edits::RowReceived();
        if (++Rows == FailAtRow)
            throw Exception("Row refused", -521);
    }
};

// A hand-made window as the pattern builds one: a list, a number edit and a hidden status
// combo bound to its request, a picker, the row count, one status panel.
class TTestWindow : public ui::Form, public WindowLifecycle {
public:
    explicit TTestWindow(WindowVariants variants) : ui::Form(nullptr), WindowLifecycle(this, std::move(variants))
    {
        resize(500, 400);
        List = new ui::ListView(this);
        List->setGeometry(0, 0, 500, 150);
        NumberEdit = new ui::Edit(this);
        NumberEdit->setGeometry(10, 160, 80, 21);
        StatusCombo = new ui::ComboBox(this);
        StatusCombo->hide();
        Count = new ui::Label(this);
        Count->setGeometry(10, 190, 80, 21);
        Pages = new ui::PageControl(this);
        Pages->setGeometry(0, 210, 500, 160);
        Bar = new ui::StatusBar(this);
        Bar->AddPanel(500);
        InitWindow();
        OnCloseQuery = [this](QObject*, bool& canClose) { canClose = MayClose(); };
        OnClose = [this](QObject*, ui::CloseAction& action) { CloseDown(action, List, Request); };
    }
    ~TTestWindow() override { Request.reset(); }

    // FormCreate: the request built, bound and attached, the first read.
    void Create(const SimSwitch& sim, bool attach = true)
    {
        Picker = AddPicker("Ports", Pages);
        Guarded([&] {
            Request = std::make_unique<TestRequest>(this);
            requesttest::AimAt(Request->Request, sim);
            Request->Request.VarList = MvSNMPVarList(Columns, MVT_UMV, 1);
            Request->AttachListView(List);
            Request->BindEdits(NumberItem, "%i", NumberEdit);
            Request->BindComboBox(StatusItem, StatusCombo);
            if (attach)
                Attach(*Request, true, true);
            Read(*Request);
        });
    }

    std::unique_ptr<TestRequest> Request;
    QPointer<TStackingPortUitForm> Picker;
    ui::ListView* List;
    ui::Edit* NumberEdit;
    ui::ComboBox* StatusCombo;
    ui::Label* Count;
    ui::PageControl* Pages;
    ui::StatusBar* Bar;
};

class WindowLifecycleTest : public FormTest {
protected:
    static void SetUpTestSuite() { requesttest::EnsureGlobalSession(); }

    void SetUp() override
    {
        FormTest::SetUp();
        sim = std::make_unique<SimSwitch>(SimSwitchOptions{"Kb", {"--data", SimSwitch::DataFile("formkit.dat")}});
    }
    void TearDown() override
    {
        window.reset();
        sim.reset();
        FormTest::TearDown();
    }

    TTestWindow& Open(WindowVariants variants = {.CloseQuery = true})
    {
        window = std::make_unique<TTestWindow>(std::move(variants));
        ShowAndActivate(window.get());
        return *window;
    }

    bool Idle() const { return window->DataComplete == 1; }

    // The GETNEXT requests the switch has answered so far.
    int GetNexts()
    {
        const std::string stats = sim->Control("stats");
        return std::stoi(stats.substr(stats.find("getnext=") + 8));
    }

    std::unique_ptr<SimSwitch> sim;
    std::unique_ptr<TTestWindow> window;
};

TEST_F(WindowLifecycleTest, TheFirstReadListsTheRowsAndEndsTheWindowsRead)
{
    TTestWindow& w = Open();
    EXPECT_EQ(w.DataComplete, 0);
    w.Create(*sim);
    EXPECT_EQ(w.DataComplete, 0);
    // Closing is refused while the read runs.
    EXPECT_FALSE(w.MayClose());
    EXPECT_EQ(LastMessageBoxText(), "Get data not complete");
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_EQ(w.List->Count(), 3);
    EXPECT_NE(StatusLine(&w).find("Get: Ok!"), std::string::npos);
    ASSERT_FALSE(w.Picker.isNull());
    EXPECT_EQ(w.Pages->PageCount(), 1);
    EXPECT_EQ(w.Pages->PageCaption(w.Pages->Page(0)), "Ports");
    WindowLifecycle::ShowRowCount(w.Count, w.List);
    EXPECT_EQ(w.Count->Caption(), "3");
    EXPECT_TRUE(w.MayClose());
}

// Every way a read can end makes the window idle, so it can always be closed again; a read
// broken off by an exception while a row was handled gets no OnGetEnd.
TEST_F(WindowLifecycleTest, EveryEndOfAReadMakesTheWindowIdle)
{
    struct Case {
        const char* name;
        std::function<void(TTestWindow&)> arrange;
        std::function<void(TTestWindow&)> check;
    };
    const Case cases[] = {
        {"a row's handling raises",
         [](TTestWindow& w) {
             w.Request->Rows = 0;
             w.Request->FailAtRow = 2;
         },
         [](TTestWindow& w) {
             EXPECT_EQ(w.List->Count(), 2);
             EXPECT_NE(StatusLine(&w).find("Row refused"), std::string::npos) << StatusLine(&w);
         }},
        {"the agent is silent",
         [this](TTestWindow& w) {
             sim->Control("silence on");
             w.Request->Request.Timeout = 30;
         },
         [](TTestWindow& w) {
             EXPECT_EQ(w.List->Count(), 0);
             EXPECT_EQ(StatusLine(&w), ""); // OnEndGet takes the time-out: no error text
         }},
        {"the read is not sent",
         [](TTestWindow& w) { w.Request->Request.VarList.kind = 9; },
         [](TTestWindow& w) { EXPECT_EQ(w.List->Count(), 0); }},
        {"the send raises",
         [](TTestWindow& w) { w.Request->Request.Device.Address = ""; },
         [](TTestWindow& w) { EXPECT_NE(StatusLine(&w), ""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTestWindow& w = Open();
        w.Create(*sim);
        ASSERT_TRUE(WaitFor([&] { return Idle(); }));
        w.Bar->Panel(0)->SetText("");
        c.arrange(w);
        w.Guarded([&] { w.Read(*w.Request); });
        ASSERT_TRUE(WaitFor([&] { return Idle(); }, 10000));
        EXPECT_FALSE(WindowLifecycle::Running(w.Request.get()));
        c.check(w);
        w.Close();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.Request, nullptr);
        EXPECT_TRUE(w.Picker.isNull());
        sim->Control("reset");
    }
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

TEST_F(WindowLifecycleTest, ASynchronousRequestReadsThroughTheSameHelper)
{
    TTestWindow& w = Open();
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    w.Request->Mode = 0;
    EXPECT_TRUE(w.Read(*w.Request));
    EXPECT_EQ(w.DataComplete, 1);
    EXPECT_EQ(w.List->Count(), 3);
}

// An exception goes to status panel 0 (the log line where the window says so, once the request
// has a log target) and leaves the window idle.
TEST_F(WindowLifecycleTest, TheExceptionGuard)
{
    TTestWindow& w = Open({.ExceptionsToLogLine = true});
    w.Create(*sim, false); // not attached: no log target yet
    ASSERT_TRUE(WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()); }));
    w.DataComplete = 0;
    EXPECT_FALSE(w.Guarded([] { throw Exception("Bad things", -518); }));
    EXPECT_EQ(StatusLine(&w), "Bad things");
    EXPECT_EQ(w.DataComplete, 1);

    w.Attach(*w.Request);
    EXPECT_FALSE(w.Guarded([] { throw Exception("Worse things", -518); }));
    EXPECT_EQ(StatusLine(&w).rfind("Get: Worse things", 0), 0u) << StatusLine(&w);
    // A request named takes them in place of the attached one.
    MvSNMPRequest2Edits other(&w);
    EXPECT_FALSE(w.Guarded([] { throw Exception("Other things", -518); }, &other));
    EXPECT_EQ(StatusLine(&w), "Other things"); // it has no log target
    EXPECT_TRUE(w.Guarded([] {}));
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(WindowLifecycleTest, RefusingWorkWhileAReadRuns)
{
    sim->Control("delay 100");
    TTestWindow& w = Open();
    w.Create(*sim);
    EXPECT_TRUE(w.RefuseWhileReading(w.Request.get()));
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    EXPECT_FALSE(w.RefuseWhileReading(w.Request.get()));
    // A write answered while the read sent with it still runs: Busy is clear, the read is not.
    w.List->SetItemIndex(0);
    w.Write(*w.Request);
    w.Read(*w.Request, true);
    ASSERT_TRUE(WaitFor([&] { return w.Request->Busy == 0; }));
    EXPECT_TRUE(w.Request->ReadOutstanding());
    EXPECT_TRUE(w.RefuseWhileReading(w.Request.get()));
    EXPECT_TRUE(w.RefuseWhileReading(nullptr));
    EXPECT_EQ(MessageBoxTexts(), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
    ASSERT_TRUE(WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()); }));
}

struct WaitCase {
    const char* name;
    std::function<void(SimSwitch&, TTestWindow&)> arrange;
    const char* number;
    bool box;
};

// Set and wait: the write's result is reported (a refused write in a message box, not hidden by
// the read's "Ok!"), the wait ends within its bound, and the read that follows lists the rows.
TEST_F(WindowLifecycleTest, SetAndWait)
{
    const WaitCase cases[] = {
        {"accepted", [](SimSwitch&, TTestWindow&) {}, "77", false},
        {"refused by the agent", [](SimSwitch&, TTestWindow&) {}, "5000", true},
        {"agent silent", [](SimSwitch& s, TTestWindow& w) {
             s.Control("silence on");
             w.Request->Request.Timeout = 50;
         }, "78", true},
    };
    for (const WaitCase& c : cases) {
        SCOPED_TRACE(c.name);
        TTestWindow& w = Open();
        w.Create(*sim);
        ASSERT_TRUE(WaitFor([&] { return Idle(); }));
        ClearMessageBoxes();
        sim->ClearSetJournal();
        w.List->SetItemIndex(1);
        const std::string before = w.List->Item(1)->Cell(NumberItem);
        w.NumberEdit->SetText(c.number);
        w.StatusCombo->SetItemIndex(0);
        c.arrange(*sim, w);
        const int boundMs = (w.Request->Request.Retries + 1) * w.Request->Request.Timeout * 10 + 1000;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(w.SetAndWait(*w.Request), !c.box);
        EXPECT_LT(clock.elapsed(), boundMs + 3000);
        EXPECT_EQ(w.DataComplete, 0); // the read after the write runs
        EXPECT_EQ(MessageBoxes().size(), c.box ? 1u : 0u) << LastMessageBoxText();
        sim->Control("silence off");
        ASSERT_TRUE(WaitFor([&] { return Idle(); }, 10000));
        const auto journal = sim->TakeSetJournal();
        if (std::string(c.name) != "agent silent") {
            ASSERT_EQ(journal.size(), 1u);
            EXPECT_NE(std::find(journal[0].begin(), journal[0].end(), std::string("1.3.6.1.3.4242.30.1.3.2=") + c.number),
                      journal[0].end());
            EXPECT_EQ(w.List->Count(), 3);
            EXPECT_EQ(w.List->Item(1)->Cell(NumberItem), c.box ? before : c.number);
        }
        w.Close();
        sim->Control("reset");
    }
}

// The write alone, waited for: the window is idle again after the answer, and no read follows.
TEST_F(WindowLifecycleTest, WriteAndWaitReadsNothing)
{
    TTestWindow& w = Open();
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    const int getNexts = GetNexts();
    w.List->SetItemIndex(0);
    w.StatusCombo->SetItemIndex(0);
    w.NumberEdit->SetText("5000"); // out of the column's range
    EXPECT_FALSE(w.WriteAndWait(*w.Request));
    EXPECT_EQ(w.DataComplete, 1);
    EXPECT_EQ(MessageBoxes().size(), 1u);
    w.NumberEdit->SetText("500");
    EXPECT_TRUE(w.WriteAndWait(*w.Request));
    EXPECT_EQ(w.DataComplete, 1);
    EXPECT_FALSE(WindowLifecycle::Running(w.Request.get()));
    // The window's step after the send runs once, while the write is on its way.
    int afterSend = 0;
    w.NumberEdit->SetText("501");
    EXPECT_TRUE(w.WriteAndWait(*w.Request, [&] {
        ++afterSend;
        EXPECT_EQ(w.Request->Busy, 1);
        EXPECT_EQ(w.DataComplete, 0);
    }));
    EXPECT_EQ(afterSend, 1);
    EXPECT_EQ(GetNexts(), getNexts);
    EXPECT_EQ(sim->TakeSetJournal().size(), 3u);
}

// A window without DataComplete may write while its read runs: the wait ends with the write's
// answer, not with the read nor at the bound.
TEST_F(WindowLifecycleTest, WriteAndWaitDuringARead)
{
    TTestWindow& w = Open({.LogOnly = true});
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()) && w.List->Count() == 3; }));
    w.Request->Request.Timeout = 1000; // a bound of 21 s
    sim->Control("delay 300");
    w.Read(*w.Request);
    // The first row is in, the others are on their way.
    ASSERT_TRUE(WaitFor([&] { return w.List->Count() == 1; }));
    w.List->SetItemIndex(0);
    w.StatusCombo->SetItemIndex(0);
    w.NumberEdit->SetText("502");
    EXPECT_TRUE(w.WriteAndWait(*w.Request));
    EXPECT_TRUE(w.Request->ReadOutstanding()) << "the wait outlasted the write's answer";
    ASSERT_TRUE(WaitFor([&] { return !WindowLifecycle::Running(w.Request.get()); }, 10000));
    EXPECT_EQ(w.List->Count(), 3);
    EXPECT_EQ(sim->TakeSetJournal().size(), 1u);
    EXPECT_TRUE(MessageBoxes().empty()) << LastMessageBoxText();
}

// Stopping a read and waiting until the request is idle: the walk ends at its next answer, the
// wait ends within its bound and says whether the request went idle.
TEST_F(WindowLifecycleTest, StopTheReadAndWaitUntilIdle)
{
    sim->Control("delay 100");
    TTestWindow& w = Open({});
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return w.List->Count() >= 1; }));
    EXPECT_TRUE(w.StopAndWait(*w.Request));
    EXPECT_FALSE(WindowLifecycle::Running(w.Request.get()));
    EXPECT_LT(w.List->Count(), 3);
    EXPECT_EQ(w.Request->Request.Active, 0);
    // A silent switch: the read outlasts the bound.
    sim->Control("silence on");
    w.Request->Request.Timeout = 400; // two attempts: 8 s
    w.Read(*w.Request);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(w.StopAndWait(*w.Request));
    EXPECT_LT(clock.elapsed(), 6000 + 3000);
    sim->Control("reset");
}

// Stop ends the wait; the read after it sets the active flag again and lists the rows.
TEST_F(WindowLifecycleTest, StopDuringTheWaitThenTheRead)
{
    sim->Control("delay 300");
    TTestWindow& w = Open({.StopSetsDataComplete = true});
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    w.List->SetItemIndex(0);
    w.StatusCombo->SetItemIndex(0);
    QTimer::singleShot(50, &w, [&] { w.Stop(*w.Request); });
    w.SetAndWait(*w.Request);
    EXPECT_EQ(w.Request->Request.Active, 1);
    EXPECT_EQ(w.DataComplete, 0);
    // The write's late answer leaves the window reading: the read's end makes it idle.
    ASSERT_TRUE(WaitFor([&] { return Idle(); }, 10000));
    EXPECT_FALSE(WindowLifecycle::Running(w.Request.get()));
    EXPECT_EQ(w.List->Count(), 3);
}

// A Close asked for while the handler waits takes effect once the handler has returned.
TEST_F(WindowLifecycleTest, CloseDuringTheWaitClosesAfterTheHandler)
{
    sim->Control("delay 300");
    TTestWindow& w = Open({.CloseActionFree = true});
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    w.List->SetItemIndex(0);
    w.StatusCombo->SetItemIndex(0);
    QPointer<TTestWindow> alive(&w);
    bool openAfterClose = false;
    bool waitReturned = false;
    ui::RunGuarded([&] { // the Set button's click
        QTimer::singleShot(50, &w, [&] {
            w.Close();
            openAfterClose = alive && w.isVisible();
        });
        w.SetAndWait(*w.Request);
        waitReturned = alive && w.Request != nullptr;
    });
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(waitReturned);
    // The close action frees the window; the test gives up its ownership.
    TTestWindow* released = window.release();
    ASSERT_TRUE(WaitFor([&] { return alive.isNull(); }, 10000));
    (void)released;
}

// Delete's marks: the status alone goes out; the flags are back afterwards, also after an
// exception, and a validation message that ends the action puts them back too.
TEST_F(WindowLifecycleTest, ColumnsLeftOutOfOneWrite)
{
    TTestWindow& w = Open();
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return Idle(); }));
    MvSNMPVarList& list = w.Request->Request.VarList;
    std::vector<std::int32_t> flags;
    for (int i = 0; i < list.Count(); ++i)
        flags.push_back(list.Item(i).access);
    auto flagsBack = [&] {
        for (int i = 0; i < list.Count(); ++i)
            if (list.Item(i).access != flags[static_cast<std::size_t>(i)])
                return false;
        return true;
    };

    w.List->SetItemIndex(2);
    w.StatusCombo->SetItemIndex(5); // destroy
    sim->ClearSetJournal();
    ASSERT_TRUE(w.Guarded([&] {
        SkippedColumns marks(list);
        marks.KeepOnly(StatusItem);
        w.Write(*w.Request);
    }));
    EXPECT_TRUE(flagsBack());
    ASSERT_TRUE(WaitFor([&] { return w.Request->Busy == 0; }));
    EXPECT_EQ(sim->TakeSetJournal(), (std::vector<std::vector<std::string>>{{"1.3.6.1.3.4242.30.1.6.3=6"}}));

    // An exception of the write.
    w.List->SetItemIndex(0);
    const std::string address = w.Request->Request.Device.Address;
    w.Request->Request.Device.Address = "";
    EXPECT_FALSE(w.Guarded([&] {
        SkippedColumns marks(list);
        marks.KeepOnly(StatusItem);
        w.Write(*w.Request);
    }));
    EXPECT_TRUE(flagsBack());
    w.Request->Request.Device.Address = address;

    // Empty editors and a copy taken earlier.
    SavedColumnFlags atOpening;
    atOpening.Save(list);
    {
        SkippedColumns skipped(list, atOpening);
        w.NumberEdit->SetText("");
        skipped.SkipIfEmpty(NumberItem, w.NumberEdit);
        skipped.SkipIfEmpty(StatusItem, w.StatusCombo);
        skipped.Skip(99);
        EXPECT_NE(list.Item(NumberItem).access & invalid, 0);
        EXPECT_EQ(list.Item(StatusItem).access & invalid, 0);
    }
    EXPECT_TRUE(flagsBack());

    // A read started inside the scope (a Refresh after the write) ends it first and lists every
    // column; a Skip after the read opens it again until its end.
    {
        SkippedColumns skipped(list);
        skipped.Skip(NumberItem);
        w.Read(*w.Request);
        EXPECT_TRUE(flagsBack());
        ASSERT_TRUE(WaitFor([&] { return Idle(); }));
        std::vector<std::string> numbers;
        for (const auto& row : Cells(w.List))
            numbers.push_back(row.at(NumberItem));
        EXPECT_EQ(numbers, (std::vector<std::string>{"11", "22"})) << "row 3 was destroyed above";
        skipped.Skip(NumberItem);
        EXPECT_NE(list.Item(NumberItem).access & invalid, 0);
    }
    EXPECT_TRUE(flagsBack());
}

// Closing stops a read under way at its next answer, waits for it, and frees the request and
// the pickers; no further request goes out.
TEST_F(WindowLifecycleTest, ClosingStopsAndFreesWhatTheWindowMade)
{
    sim->Control("delay 100");
    TTestWindow& w = Open({});
    w.Create(*sim);
    ASSERT_TRUE(WaitFor([&] { return w.List->Count() >= 1; }));
    ui::CloseAction action = ui::caHide;
    w.CloseDown(action, w.List, w.Request);
    EXPECT_EQ(w.Request, nullptr);
    EXPECT_TRUE(w.Picker.isNull());
    EXPECT_EQ(action, ui::caHide);
    const std::string before = sim->Control("stats");
    QElapsedTimer pause;
    pause.start();
    WaitFor([&] { return pause.elapsed() > 300; });
    EXPECT_EQ(sim->Control("stats"), before);
    EXPECT_LT(w.List->Count(), 3);
}

} // namespace
