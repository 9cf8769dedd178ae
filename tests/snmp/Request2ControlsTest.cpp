// The request driver against the simulated switch: reads and writes, synchronous and
// asynchronous, their log lines, reports, end-of-request handlers and steps.

#include "RequestFixture.h"

#include "snmp/Exception.h"
#include "snmp/Request2Controls.h"

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/MessageBox.h"
#include "ui/ModalResult.h"
#include "ui/StatusBar.h"

#include <algorithm>
#include <regex>

using namespace requesttest;

namespace {

// The bridge port table: one row per port of the model (26).
const VarDescriptor PortColumns[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", integer, readonly, nullptr},
    {"1.3.6.1.2.1.17.4.4.1.2", "Size", integer, readonly, nullptr},
    {},
};

const VarDescriptor LastTableColumns[] = {
    {"1.3.99.1.1.1", "Row", integer, readonly, nullptr},
    {"1.3.99.1.1.2", "Name", displaystr, readonly, nullptr},
    {},
};

const VarDescriptor WritableScalars[] = {
    {"1.3.6.1.3.4242.6.1", "Number", integer, readwrite, nullptr},  // range 0..100
    {"1.3.6.1.3.4242.6.2", "Text", displaystr, readwrite, nullptr}, // size 0..32
    {},
};

const VarDescriptor RowStatusColumns[] = {
    {"1.3.6.1.3.4242.7.1.1", "Row", integer, readonly, nullptr},
    {"1.3.6.1.3.4242.7.1.3", "Number", integer, readwrite, nullptr}, // range 0..1000
    {},
};

MvSNMPVarList List(const VarDescriptor* table, std::uint8_t kind, int keyCount, const std::string& name = {})
{
    MvSNMPVarList list(table, kind, keyCount);
    list.name = name;
    return list;
}

// A driver that records its steps, with the values of every row it receives.
class RecordingDriver : public MvSNMPRequest2Controls {
public:
    using MvSNMPRequest2Controls::MvSNMPRequest2Controls;

    std::vector<std::string> steps;
    Rows rows;
    std::vector<int> busyInRow;
    std::function<void()> onRow;

    void BeforeGet() override { steps.push_back("BeforeGet"); }
    void BeforeSet() override { steps.push_back("BeforeSet"); }
    void RowReceived() override
    {
        steps.push_back("RowReceived");
        rows.push_back(Values(Request.VarList));
        busyInRow.push_back(Busy);
        if (onRow)
            onRow();
    }
    void CollectValues() override { steps.push_back("CollectValues"); }
    void ReportGetError(const MvSNMPError& result) override
    {
        steps.push_back("ReportGetError");
        MvSNMPRequest2Controls::ReportGetError(result);
    }
    void ReportSetResult(const MvSNMPError& result) override
    {
        steps.push_back("ReportSetResult");
        MvSNMPRequest2Controls::ReportSetResult(result);
    }
    void AfterGet() override { steps.push_back("AfterGet"); }
    void AfterSet() override { steps.push_back("AfterSet"); }
};

// A window with a status bar of two panels and a memo; message boxes are recorded.
class DriverTest : public RequestTest {
protected:
    void SetUp() override
    {
        previousBox_ = ui::SetMessageBoxHandler([this](const ui::MessageBoxCall& call) {
            boxes.push_back(call.Text);
            EXPECT_EQ(call.Owner, &form);
            EXPECT_EQ(call.Caption, "Sorvane-Series");
            return ui::mrOk;
        });
        statusBar = new ui::StatusBar(&form);
        statusBar->AddPanel(100);
        statusBar->AddPanel(400);
        memo = new ui::Memo(&form);
    }

    void TearDown() override
    {
        driver.reset();
        ui::SetMessageBoxHandler(previousBox_);
        RequestTest::TearDown();
    }

    RecordingDriver& Driver(const MvSNMPVarList& list, int version = 1)
    {
        driver = std::make_unique<RecordingDriver>(&form);
        AimAt(driver->Request, Sim(), version);
        driver->Request.VarList = list;
        return *driver;
    }

    bool WaitIdle() { return PumpUntil([this] { return driver->Busy == 0; }); }

    ui::StatusPanel* Panel() const { return statusBar->Panel(1); }

    ui::Form form;
    ui::StatusBar* statusBar = nullptr;
    ui::Memo* memo = nullptr;
    std::unique_ptr<RecordingDriver> driver;
    std::vector<std::string> boxes;

private:
    ui::MessageBoxHandler previousBox_;
};

// Whether a log line is the head, then " Receive at hh:nn:ss.".
testing::AssertionResult IsLogLine(const std::string& line, const std::string& head)
{
    static const std::regex time(R"( Receive at [0-2][0-9]:[0-5][0-9]:[0-5][0-9]\.$)");
    if (line.size() > head.size() && line.compare(0, head.size(), head) == 0 &&
        std::regex_match(line.substr(head.size()), time))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << line << "\" is not \"" << head << " Receive at hh:nn:ss.\"";
}

TEST_F(DriverTest, AsynchronousWalkLogsItsEnd)
{
    struct Case {
        const char* name;
        std::function<void(MvSNMPRequest2Controls&)> target;
        std::function<std::string()> written;
        const char* expected;
    };
    const Case cases[] = {
        {"Rows", [&](auto& d) { d.SetLogTarget(Panel()); }, [&] { return Panel()->Text(); },
         "Get: Ok! Request:Rows."},
        {"", [&](auto& d) { d.SetLogTarget(Panel()); }, [&] { return Panel()->Text(); }, "Get: Ok!"},
        {"Rows", [&](auto& d) { d.SetLogTarget(statusBar); }, [&] { return statusBar->SimpleText(); },
         "Get: Ok! Request:Rows."},
        {"", [&](auto& d) { d.SetLogTarget(memo); }, [&] { return memo->Lines().back(); }, "Get: Ok!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDriver& d = Driver(List(ThreeRowColumns, MVT_FMV, 1, c.name));
        c.target(d);
        ASSERT_TRUE(d.Get());
        EXPECT_EQ(d.Busy, 1);
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(d.rows, (Rows{{"1", "first", "10"}, {"2", "second", "20"}, {"3", "third", "30"}}));
        EXPECT_EQ(d.busyInRow, (std::vector<int>{1, 1, 1}));
        EXPECT_EQ(d.steps, (std::vector<std::string>{"BeforeGet", "RowReceived", "RowReceived", "RowReceived",
                                                     "AfterGet"}));
        EXPECT_TRUE(IsLogLine(c.written(), c.expected));
        EXPECT_EQ(d.LastOperation, 0);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DriverTest, RowConditionFiltersTheRowsHandedOn)
{
    RecordingDriver& d = Driver(List(ThreeRowColumns, MVT_FMV, 1));
    d.Request.RowCondition = "$2 <> 20";
    ASSERT_TRUE(d.Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(d.rows, (Rows{{"1", "first", "10"}, {"3", "third", "30"}}));
}

TEST_F(DriverTest, AWalkOfASlowAgentStopsHalfWayAndKeepsItsRows)
{
    Sim().Control("delay 50");
    RecordingDriver& d = Driver(List(PortColumns, MVT_FMV, 0, "Ports"));
    d.SetLogTarget(Panel());
    std::vector<MvSNMPError> ends;
    d.OnGetEnd = [&](MvSNMPRequest2Controls* sender, const MvSNMPError& result) {
        EXPECT_EQ(sender, &d);
        ends.push_back(result);
    };
    ASSERT_TRUE(d.Get());
    ASSERT_TRUE(PumpUntil([&] { return d.rows.size() >= 5; }));
    d.Request.Active = 0; // the window's Stop button
    ASSERT_TRUE(WaitIdle());
    // The answer under way still delivers its row; then the walk ends.
    ASSERT_EQ(d.rows.size(), 6u);
    EXPECT_EQ(d.rows[5][0], "6");
    EXPECT_EQ(d.steps.back(), "AfterGet");
    EXPECT_TRUE(IsLogLine(Panel()->Text(), "Get: Stop, SNMP Request is not active. Request:Ports."));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].Code, 0);
    EXPECT_EQ(d.Request.PendingCount, 0);

    // With a result hook installed, the stop record goes there in place of the log line.
    std::vector<MvSNMPError> hooked;
    d.Request.ResultHook = [&](MvSNMPError* e) { hooked.push_back(*e); };
    d.Request.Active = 1;
    Panel()->SetText("");
    d.onRow = [&] { d.Request.Active = 0; };
    ASSERT_TRUE(d.Get());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(hooked.size(), 1u);
    EXPECT_EQ(hooked[0].Code, 0);
    EXPECT_EQ(hooked[0].Message, "Stop, SNMP Request is not active.");
    EXPECT_EQ(hooked[0].Sequence, static_cast<std::uint64_t>(-1));
    EXPECT_EQ(Panel()->Text(), "");
    EXPECT_EQ(ends.size(), 2u);
}

// One read at a time: a Get while the walk is outstanding (a Refresh click, a Stop then
// Refresh, a click dispatched while a row is handled) takes over; the older walk's answers
// list no row and end nothing, so every row comes once and one end is reported.
TEST_F(DriverTest, AGetDuringAWalkSupersedesIt)
{
    Sim().Control("delay 30");
    struct Case {
        const char* name;
        std::function<void(RecordingDriver&)> secondGet;
    };
    const Case cases[] = {
        {"between answers", [](RecordingDriver& d) {
             ASSERT_TRUE(PumpUntil([&] { return d.rows.size() >= 3; }));
             ASSERT_TRUE(d.Get());
         }},
        {"stop, then a new read at once", [](RecordingDriver& d) {
             ASSERT_TRUE(PumpUntil([&] { return d.rows.size() >= 3; }));
             d.Request.Active = 0;
             d.Request.Active = 1;
             ASSERT_TRUE(d.Get());
         }},
        {"inside a row's handling", [](RecordingDriver& d) {
             d.onRow = [&d] {
                 if (d.rows.size() == 3) {
                     d.onRow = nullptr;
                     d.Get();
                 }
             };
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDriver& d = Driver(List(PortColumns, MVT_FMV, 0, "Ports"));
        int ends = 0;
        int overs = 0;
        d.OnGetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError&) { ++ends; };
        d.OnReadOver = [&](MvSNMPRequest2Controls*) { ++overs; };
        d.SetLogTarget(Panel());
        ASSERT_TRUE(d.Get());
        EXPECT_TRUE(d.ReadOutstanding());
        c.secondGet(d);
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(PumpUntil([&] { return d.Request.PendingCount == 0; }));
        EXPECT_FALSE(d.ReadOutstanding());
        // The first walk's three rows, then the second walk's 26 ports, each once.
        ASSERT_EQ(d.rows.size(), 3u + 26u);
        for (std::size_t i = 0; i < d.rows.size(); ++i)
            EXPECT_EQ(d.rows[i][0], std::to_string(i < 3 ? i + 1 : i - 2));
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(overs, 1); // the superseded walk ends nothing
        EXPECT_EQ(std::count(d.steps.begin(), d.steps.end(), "AfterGet"), 1);
    }
}

// However an asynchronous read ends, OnReadOver follows once, after OnGetEnd where that comes,
// with nothing outstanding: a window that waits for the end of its read never waits in vain.
TEST_F(DriverTest, EveryReadEndsWithOnReadOver)
{
    struct Case {
        const char* name;
        std::function<void(RecordingDriver&)> arrange;
        std::size_t rows;
        bool endsInOnGetEnd;
    };
    const Case cases[] = {
        {"at the end of the walk", [](RecordingDriver&) {}, 3, true},
        {"failed", [](RecordingDriver&) { Sim().Control("error 1.3.6.1.3.4242.1.1 genErr"); }, 0, true},
        {"stopped by the window", [](RecordingDriver& d) { d.onRow = [&d] { d.Request.Active = 0; }; }, 1, true},
        {"not sent: the request is stopped", [](RecordingDriver& d) { d.Request.Active = 0; }, 0, false},
        {"an exception while a row is handled", [](RecordingDriver& d) {
             d.onRow = [&d] {
                 if (d.rows.size() == 2)
                     throw Exception("Row refused", -521);
             };
         }, 2, false},
        {"its next GETNEXT not sent", [](RecordingDriver& d) {
             // A list kind the request cannot send: the continuation fails to go out.
             d.onRow = [&d] { d.Request.VarList.kind = 9; };
         }, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDriver& d = Driver(List(ThreeRowColumns, MVT_FMV, 1));
        d.SetLogTarget(Panel());
        std::vector<std::string> order;
        d.OnGetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError&) { order.push_back("OnGetEnd"); };
        d.OnReadOver = [&](MvSNMPRequest2Controls* sender) {
            EXPECT_EQ(sender, &d);
            EXPECT_FALSE(d.ReadOutstanding());
            EXPECT_EQ(d.Busy, 0);
            order.push_back("OnReadOver");
        };
        c.arrange(d);
        d.Get();
        ASSERT_TRUE(PumpUntil([&] { return !order.empty() && order.back() == "OnReadOver"; }));
        ASSERT_TRUE(PumpUntil([&] { return d.Request.PendingCount == 0; }));
        EXPECT_EQ(d.rows.size(), c.rows);
        const std::vector<std::string> expected =
            c.endsInOnGetEnd ? std::vector<std::string>{"OnGetEnd", "OnReadOver"} : std::vector<std::string>{"OnReadOver"};
        EXPECT_EQ(order, expected);
        Sim().Control("reset");
    }
}

TEST_F(DriverTest, StoppedRequestSendsNothing)
{
    RecordingDriver& d = Driver(List(ThreeRowColumns, MVT_FMV, 1));
    d.SetLogTarget(Panel());
    d.Request.Active = 0;
    const int before = GetNextCount();
    EXPECT_TRUE(d.Get());
    EXPECT_EQ(d.Busy, 0);
    EXPECT_TRUE(d.Set(false, false));
    EXPECT_EQ(d.Busy, 0);
    // A synchronous write that was not sent fails, and reports nothing (least of all "Ok!").
    d.Mode = 0;
    EXPECT_FALSE(d.Set(false, false));
    EXPECT_EQ(d.Busy, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Panel()->Text(), "");
    EXPECT_EQ(GetNextCount(), before);
}

TEST_F(DriverTest, FailedAsynchronousReadGoesToOnGetEndOrTheDefaultReport)
{
    Sim().Control("error 1.3.6.1.3.4242.6 genErr");
    const MvSNMPVarList scalars = List(WritableScalars, SVT_SV, 0, "Scalars");
    const std::string genErr = MessageOfCode(-105);

    // OnGetEnd in place of the log line.
    {
        RecordingDriver& d = Driver(scalars);
        d.SetLogTarget(Panel());
        std::vector<int> codes;
        d.OnGetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError& result) { codes.push_back(result.Code); };
        ASSERT_TRUE(d.Get());
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(codes, std::vector<int>{-105});
        EXPECT_EQ(Panel()->Text(), "");
        EXPECT_EQ(d.steps, std::vector<std::string>{"BeforeGet"}); // no AfterGet after a failure
    }
    // The default report: the log line ...
    {
        RecordingDriver& d = Driver(scalars);
        d.SetLogTarget(Panel());
        ASSERT_TRUE(d.Get());
        ASSERT_TRUE(WaitIdle());
        EXPECT_TRUE(IsLogLine(Panel()->Text(), "Get: " + genErr + " Request:Scalars."));
        EXPECT_EQ(d.steps, (std::vector<std::string>{"BeforeGet", "ReportGetError"}));
    }
    // ... or, without a status line, a message box.
    {
        RecordingDriver& d = Driver(scalars);
        ASSERT_TRUE(d.Get());
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(boxes, std::vector<std::string>{genErr});
    }
    // A successful read without a log target calls neither OnGetEnd nor writes a line.
    Sim().Control("reset");
    {
        RecordingDriver& d = Driver(scalars);
        bool called = false;
        d.OnGetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError&) { called = true; };
        ASSERT_TRUE(d.Get());
        ASSERT_TRUE(WaitIdle());
        EXPECT_FALSE(called);
        EXPECT_EQ(d.rows, (Rows{{"5", "text"}}));
    }
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(DriverTest, AsynchronousWriteReports)
{
    const MvSNMPVarList scalars = List(WritableScalars, SVT_SV, 0, "Scalars");
    // Success: the log line with a log target, else a message box "Ok!".
    RecordingDriver& d = Driver(scalars);
    d.SetLogTarget(Panel());
    d.Request.VarList.Item(0).value = "42";
    d.Request.VarList.Item(1).value = "new text";
    ASSERT_TRUE(d.Set());
    EXPECT_EQ(d.Busy, 1);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(d.steps, (std::vector<std::string>{"BeforeSet", "CollectValues", "AfterSet", "ReportSetResult"}));
    EXPECT_TRUE(IsLogLine(Panel()->Text(), "Set: Ok! Request:Scalars."));
    EXPECT_EQ(d.LastOperation, 1);

    RecordingDriver& quiet = Driver(scalars);
    quiet.Request.VarList.Item(0).value = "43";
    quiet.Request.VarList.Item(1).value = "x";
    ASSERT_TRUE(quiet.Set(true, false));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(boxes, std::vector<std::string>{"Ok!"});

    // The agent holds what was written.
    RecordingDriver& reader = Driver(scalars);
    reader.Mode = 0;
    ASSERT_TRUE(reader.Get());
    EXPECT_EQ(reader.rows, (Rows{{"43", "x"}}));

    // A failure always gives the message box, log target or not; AfterSet is skipped.
    RecordingDriver& failing = Driver(scalars);
    failing.SetLogTarget(Panel());
    Panel()->SetText("");
    failing.Request.VarList.Item(0).value = "1000"; // out of range
    ASSERT_TRUE(failing.Set());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], MessageOfCode(-110)); // wrongValue
    EXPECT_EQ(Panel()->Text(), "");
    EXPECT_EQ(failing.steps, (std::vector<std::string>{"BeforeSet", "CollectValues", "ReportSetResult"}));

    // OnSetEnd takes every result in place of the report.
    RecordingDriver& handled = Driver(scalars);
    std::vector<int> codes;
    handled.OnSetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError& result) { codes.push_back(result.Code); };
    handled.Request.VarList.Item(0).value = "1000";
    ASSERT_TRUE(handled.Set());
    ASSERT_TRUE(WaitIdle());
    handled.Request.VarList.Item(0).value = "7";
    ASSERT_TRUE(handled.Set());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(codes, (std::vector<int>{-110, 0}));
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(DriverTest, WriteOfATableListIsFollowedByANewRead)
{
    const MvSNMPVarList rows = List(RowStatusColumns, MVT_FMV, 1, "Status");
    // Synchronous and successful, without a log target: nothing is shown, then the read.
    RecordingDriver& sync = Driver(rows);
    sync.Mode = 0;
    sync.Request.VarList.Item(0).value = "1";
    sync.Request.VarList.Item(1).value = "12";
    EXPECT_TRUE(sync.Set(true, false));
    EXPECT_EQ(sync.Busy, 0);
    EXPECT_EQ(sync.steps,
              (std::vector<std::string>{"BeforeSet", "AfterSet", "BeforeGet", "RowReceived", "AfterGet"}));
    EXPECT_EQ(sync.rows, (Rows{{"1", "12"}}));
    EXPECT_TRUE(boxes.empty());

    // Synchronous and failed: the message box, then the read all the same.
    sync.steps.clear();
    sync.Request.VarList.Item(0).value = "1";
    sync.Request.VarList.Item(1).value = "5000";
    EXPECT_FALSE(sync.Set(true, false));
    EXPECT_EQ(boxes, std::vector<std::string>{MessageOfCode(-110)});
    EXPECT_EQ(sync.steps,
              (std::vector<std::string>{"BeforeSet", "AfterSet", "BeforeGet", "RowReceived", "AfterGet"}));

    // Asynchronous: the report of the write, then the read from its answer.
    RecordingDriver& async = Driver(rows);
    async.Request.VarList.Item(0).value = "1";
    async.Request.VarList.Item(1).value = "13";
    ASSERT_TRUE(async.Set(true, false));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(async.steps, (std::vector<std::string>{"BeforeSet", "AfterSet", "ReportSetResult", "BeforeGet",
                                                     "RowReceived", "AfterGet"}));
    EXPECT_EQ(async.rows, (Rows{{"1", "13"}}));
    EXPECT_EQ(boxes.back(), "Ok!");

    // Without the refresh, the write is all.
    RecordingDriver& once = Driver(rows);
    once.Mode = 0;
    once.Request.VarList.Item(0).value = "1";
    once.Request.VarList.Item(1).value = "14";
    EXPECT_TRUE(once.Set(false, false));
    EXPECT_EQ(once.steps, (std::vector<std::string>{"BeforeSet", "AfterSet"}));
    EXPECT_EQ(once.RefreshAfterSet, 0);
}

TEST_F(DriverTest, SynchronousReads)
{
    // A walk: every row, the log line, true.
    RecordingDriver& d = Driver(List(ThreeRowColumns, MVT_FMV, 1, "Rows"));
    d.Mode = 0;
    d.SetLogTarget(Panel());
    EXPECT_TRUE(d.Get());
    EXPECT_EQ(d.Busy, 0);
    EXPECT_EQ(d.rows.size(), 3u);
    EXPECT_EQ(d.busyInRow, (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(IsLogLine(Panel()->Text(), "Get: Ok! Request:Rows."));

    // A failed read returns false and shows nothing.
    Sim().Control("error 1.3.6.1.3.4242.6 genErr");
    RecordingDriver& failing = Driver(List(WritableScalars, SVT_SV, 0));
    failing.Mode = 0;
    failing.SetLogTarget(memo);
    EXPECT_FALSE(failing.Get());
    EXPECT_EQ(failing.steps, (std::vector<std::string>{"BeforeGet", "AfterGet"}));
    EXPECT_TRUE(memo->Lines().empty() || memo->Lines() == std::vector<std::string>{""});
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DriverTest, SynchronousWalkOffTheEndOfAnSnmpV1AgentsMibSucceeds)
{
    // The agent ends the walk with noSuchName, which is no failure.
    RecordingDriver& d = Driver(List(LastTableColumns, MVT_FMV, 0, "Last"), 0);
    d.Mode = 0;
    d.SetLogTarget(Panel());
    EXPECT_TRUE(d.Get());
    EXPECT_EQ(d.rows, (Rows{{"1", "one"}, {"2", "two"}}));
    EXPECT_TRUE(IsLogLine(Panel()->Text(), "Get: Ok! Request:Last."));
}

TEST_F(DriverTest, FrameworkFailures)
{
    // Synchronous: the exception reaches the caller with Busy cleared.
    RecordingDriver& d = Driver(List(ThreeRowColumns, MVT_FMV, 1));
    d.Mode = 0;
    d.onRow = [] { throw Exception("Row refused", -521); };
    try {
        d.Get();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Row refused");
        EXPECT_EQ(e.HelpContext(), -521);
    }
    EXPECT_EQ(d.Busy, 0);

    // Asynchronous: the message goes to the status line, the walk stops without AfterGet.
    RecordingDriver& a = Driver(List(ThreeRowColumns, MVT_FMV, 1));
    a.SetLogTarget(Panel());
    a.onRow = [&] {
        if (a.rows.size() == 2)
            throw Exception("Row refused", -521);
    };
    ASSERT_TRUE(a.Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(a.rows.size(), 2u);
    EXPECT_EQ(a.steps.back(), "RowReceived");
    EXPECT_TRUE(IsLogLine(Panel()->Text(), "Get: Row refused"));
    ASSERT_TRUE(PumpUntil([&] { return a.Request.PendingCount == 0; }));

    // Without a status line, in a message box.
    RecordingDriver& b = Driver(List(ThreeRowColumns, MVT_FMV, 1));
    b.onRow = [] { throw Exception("Row refused", -521); };
    ASSERT_TRUE(b.Get());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(boxes, std::vector<std::string>{"Row refused"});

    // A bad address raises from the send, synchronous or not.
    RecordingDriver& c = Driver(List(ThreeRowColumns, MVT_FMV, 1));
    c.Request.Device.Address = ""; // no address at all
    EXPECT_THROW(c.Get(), Exception);
    EXPECT_EQ(c.Busy, 0);
    EXPECT_THROW(c.Set(false, false), Exception);
    EXPECT_EQ(c.Busy, 0);
}

TEST_F(DriverTest, DestroyingTheDriverMidWalkCallsBackNothing)
{
    Sim().Control("delay 100");
    RecordingDriver& d = Driver(List(PortColumns, MVT_FMV, 0));
    d.SetLogTarget(Panel());
    bool ended = false;
    d.OnGetEnd = [&](MvSNMPRequest2Controls*, const MvSNMPError&) { ended = true; };
    ASSERT_TRUE(d.Get());
    ASSERT_TRUE(PumpUntil([&] { return d.rows.size() >= 1; }));
    driver.reset(); // waits for the answer under way
    EXPECT_FALSE(ended);
    EXPECT_EQ(Panel()->Text(), "");
}

TEST(DriverLogLine, TemplatesNamesAndTargets)
{
    ui::Form form;
    auto* bar = new ui::StatusBar(&form);
    auto* label = new ui::Label(&form);
    MvSNMPRequest2Controls driver(&form);
    // Nothing without a target, nothing for a target of another class.
    driver.WriteLogLine("Ok!");
    driver.SetLogTarget(label);
    driver.WriteLogLine("Ok!");
    EXPECT_EQ(label->Caption(), "");

    driver.SetLogTarget(bar);
    driver.LastOperation = 1;
    driver.WriteLogLine("Done");
    EXPECT_TRUE(IsLogLine(bar->SimpleText(), "Set: Done"));

    // A template without "[VARLIST]" loses nothing when the list has no name.
    LogTemplates.Replace({"[ERROR] at [TIME] ([ERROR])"});
    driver.LastOperation = 0;
    driver.WriteLogLine("Ok!");
    const std::string line = bar->SimpleText();
    driver.Request.VarList.name = "Led";
    LogTemplates.Replace({"[ERROR]/[VARLIST]/[VARLIST]."});
    driver.WriteLogLine("Ok!");
    const std::string named = bar->SimpleText();
    LogTemplates.Reset();
    EXPECT_TRUE(std::regex_match(line, std::regex(R"(Ok! at [0-2][0-9]:[0-5][0-9]:[0-5][0-9] \(Ok!\))"))) << line;
    EXPECT_EQ(named, "Ok!/Led/Led.");
}

} // namespace
