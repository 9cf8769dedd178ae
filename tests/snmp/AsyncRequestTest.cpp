#include "RequestFixture.h"

#include <QElapsedTimer>

using namespace requesttest;

namespace {

// Drives an asynchronous walk as the request driver does: each row's answer sends the next
// GETNEXT from inside the handler, until an answer fails or ends the walk.
class AsyncWalk {
public:
    explicit AsyncWalk(MvSNMPRequest& request) : request_(request) {}

    bool Start()
    {
        bool ok = false;
        request_.AsyncGet(ok, Handler(), true);
        done_ = !ok;
        return ok;
    }
    bool Finish() { return PumpUntil([this] { return done_; }); }

    std::vector<MvSNMPError> answers;
    Rows rows;
    std::vector<int> pendingInHandler;

private:
    MvSNMPRequest::AnswerHandler Handler()
    {
        return [this](MvSNMPError& result, MvSNMPVarList& list) {
            answers.push_back(result);
            if (result.Code != 0 || result.EndOfWalk) {
                done_ = true;
                return;
            }
            rows.push_back(Values(list));
            bool ok = false;
            request_.AsyncGet(ok, Handler(), false);
            pendingInHandler.push_back(request_.PendingCount);
            done_ = !ok;
        };
    }

    MvSNMPRequest& request_;
    bool done_ = false;
};

using AsyncRequestTest = RequestTest;

TEST_F(AsyncRequestTest, ThreeRowWalkThroughThePump)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    AsyncWalk walk(*request);
    ASSERT_TRUE(walk.Start());
    EXPECT_EQ(request->PendingCount, 1);
    ASSERT_TRUE(walk.Finish());

    EXPECT_EQ(walk.rows, (Rows{{"1", "first", "10"}, {"2", "second", "20"}, {"3", "third", "30"}}));
    ASSERT_EQ(walk.answers.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(walk.answers[i].Code, 0);
        EXPECT_EQ(walk.answers[i].EndOfWalk, i == 3 ? 1 : 0);
        EXPECT_EQ(walk.answers[i].AgentAddress, Sim().Address());
        EXPECT_EQ(walk.answers[i].AgentPort, Sim().Port());
    }
    EXPECT_EQ(Values(request->VarList), (std::vector<std::string>{"3", "(NOTDONE)", "(NOTDONE)"}));
    // The next GETNEXT is counted before the answer that sent it is released.
    EXPECT_EQ(walk.pendingInHandler, (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(request->PendingCount, 0);
}

TEST_F(AsyncRequestTest, EmptyAndSparseTables)
{
    const VarDescriptor empty[] = {{"1.3.6.1.3.4242.2.1.1", "Name", displaystr, readonly, nullptr}, {}};
    auto emptyRequest = Request(MvSNMPVarList(empty, MVT_FMV, 0));
    AsyncWalk emptyWalk(*emptyRequest);
    ASSERT_TRUE(emptyWalk.Start());
    ASSERT_TRUE(emptyWalk.Finish());
    ASSERT_EQ(emptyWalk.answers.size(), 1u);
    EXPECT_EQ(emptyWalk.answers[0].Code, 0);
    EXPECT_EQ(emptyWalk.answers[0].EndOfWalk, 1);

    const VarDescriptor sparse[] = {
        {"1.3.6.1.3.4242.3.1.1", "Row", integer, notaccess, nullptr},
        {"1.3.6.1.3.4242.3.1.2", "Text", displaystr, readonly, nullptr},
        {"1.3.6.1.3.4242.3.1.3", "Number", integer, readonly, nullptr},
        {},
    };
    auto sparseRequest = Request(MvSNMPVarList(sparse, MVT_FMV, 1));
    AsyncWalk sparseWalk(*sparseRequest);
    ASSERT_TRUE(sparseWalk.Start());
    ASSERT_TRUE(sparseWalk.Finish());
    EXPECT_EQ(sparseWalk.rows, (Rows{{"1", "(NULL)", "100"}, {"2", "only-two", "(NULL)"}, {"3", "(NOTDONE)", "300"}}));
}

TEST_F(AsyncRequestTest, VersionOneEndOfMibIsASuccessfulEnd)
{
    const VarDescriptor columns[] = {
        {"1.3.99.1.1.1", "Row", integer, readonly, nullptr},
        {"1.3.99.1.1.2", "Name", displaystr, readonly, nullptr},
        {},
    };
    auto request = Request(MvSNMPVarList(columns, MVT_FMV, 0), 0);
    AsyncWalk walk(*request);
    ASSERT_TRUE(walk.Start());
    ASSERT_TRUE(walk.Finish());
    EXPECT_EQ(walk.rows, (Rows{{"1", "one"}, {"2", "two"}}));
    ASSERT_EQ(walk.answers.size(), 3u);
    EXPECT_EQ(walk.answers[2].Code, 0);
    EXPECT_EQ(walk.answers[2].Message, "Ok!");
    EXPECT_EQ(walk.answers[2].EndOfWalk, 1);
    EXPECT_EQ(Values(request->VarList), (std::vector<std::string>{"2", "two"}));

    // noSuchName on the first exchange is a failure.
    Sim().Control("error 1.3.99.1.1 noSuchName");
    AsyncWalk failing(*request);
    ASSERT_TRUE(failing.Start());
    ASSERT_TRUE(failing.Finish());
    ASSERT_EQ(failing.answers.size(), 1u);
    EXPECT_EQ(failing.answers[0].Code, -102);
    EXPECT_EQ(failing.answers[0].EndOfWalk, 1);
    EXPECT_TRUE(Reports().empty()); // answers carry their code; nothing is reported besides
}

TEST_F(AsyncRequestTest, TimeOut)
{
    Sim().Control("silence on");
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    request->Timeout = 20;
    request->Retries = 1;
    AsyncWalk walk(*request);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(walk.Start());
    ASSERT_TRUE(walk.Finish());
    EXPECT_GE(clock.elapsed(), 300);
    ASSERT_EQ(walk.answers.size(), 1u);
    EXPECT_EQ(walk.answers[0].Code, -405);
    EXPECT_EQ(walk.answers[0].Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(walk.answers[0].EndOfWalk, 1);
    EXPECT_EQ(request->PendingCount, 0);
}

// A wrong pass phrase is a security failure, never an "Ok!" with the request's own bindings.
TEST_F(AsyncRequestTest, SecurityFailureKeepsItsOwnStatus)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1), 3);
    request->Security.SecurityModel = 3;
    request->Security.SecurityLevel = 2;
    request->Security.SecurityName = SimCredentials::Md5AuthUser;
    request->Security.AuthProtocol = 2;
    request->Security.PrivProtocol = 1;
    request->Security.AuthPassword = "not-the-pass-phrase";
    request->Timeout = 50;
    request->Retries = 0;
    AsyncWalk walk(*request);
    ASSERT_TRUE(walk.Start());
    ASSERT_TRUE(walk.Finish());
    ASSERT_EQ(walk.answers.size(), 1u);
    EXPECT_NE(walk.answers[0].Code, 0) << walk.answers[0].Message;
    EXPECT_NE(walk.answers[0].Message, "Ok!");
    EXPECT_EQ(walk.answers[0].EndOfWalk, 1);
    EXPECT_TRUE(walk.rows.empty());
}

// An index that does not decode fails that answer; the pump goes on delivering others.
TEST_F(AsyncRequestTest, UndecodableAnswerEndsTheWalkAndThePumpGoesOn)
{
    const VarDescriptor wrongKey[] = {
        {"1.3.6.1.3.4242.5.1.1", "Address", macaddress, notaccess, nullptr}, // the index has 4 parts, not 6
        {"1.3.6.1.3.4242.5.1.3", "Metric", integer, readonly, nullptr},
        {},
    };
    auto request = Request(MvSNMPVarList(wrongKey, MVT_FMV, 1));
    AsyncWalk walk(*request);
    ASSERT_TRUE(walk.Start());
    ASSERT_TRUE(walk.Finish());
    ASSERT_EQ(walk.answers.size(), 1u);
    EXPECT_EQ(walk.answers[0].Code, -514);
    EXPECT_EQ(walk.answers[0].Message, "Bad key count of SNMP variable list!");
    EXPECT_EQ(walk.answers[0].EndOfWalk, 1);
    EXPECT_EQ(request->PendingCount, 0);

    auto next = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    AsyncWalk after(*next);
    ASSERT_TRUE(after.Start());
    ASSERT_TRUE(after.Finish());
    EXPECT_EQ(after.rows.size(), 3u);
}

TEST_F(AsyncRequestTest, RefusedSendIsNotCounted)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    request->Security.Version = 2; // no such SNMP version: the layer refuses the target
    bool ok = true;
    bool called = false;
    request->AsyncGet(ok, [&](MvSNMPError&, MvSNMPVarList&) { called = true; }, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->PendingCount, 0);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].Code, -412);
    EXPECT_EQ(Reports()[0].Sequence, 1u);

    QElapsedTimer clock;
    clock.start();
    request.reset(); // nothing to wait for
    EXPECT_LT(clock.elapsed(), 3000);
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_FALSE(called);
}

TEST_F(AsyncRequestTest, InactiveRequestSendsNothing)
{
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    request->Active = 0;
    bool ok = true;
    request->AsyncGet(ok, {}, true);
    EXPECT_FALSE(ok);
    request->AsyncSet(ok, {});
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->PendingCount, 0);
    EXPECT_TRUE(Reports().empty());
}

// The destructor waits for an outstanding answer and hands it to the owner as usual.
TEST_F(AsyncRequestTest, DestroyedRequestWaitsForItsAnswer)
{
    Sim().Control("delay 500");
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    std::vector<MvSNMPError> answers;
    bool ok = false;
    request->AsyncGet(ok, [&](MvSNMPError& result, MvSNMPVarList&) { answers.push_back(result); }, true);
    ASSERT_TRUE(ok);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].Code, 0);
}

// After at most 6 s the destructor gives up; the late answer finds no request and is dropped.
TEST_F(AsyncRequestTest, AnswerAfterTheDestructorsWaitIsDropped)
{
    Sim().Control("delay 7000");
    auto request = Request(MvSNMPVarList(ThreeRowColumns, MVT_FMV, 1));
    request->Timeout = 1000;
    request->Retries = 0;
    int answers = 0;
    bool ok = false;
    request->AsyncGet(ok, [&](MvSNMPError&, MvSNMPVarList&) { ++answers; }, true);
    ASSERT_TRUE(ok);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_GE(clock.elapsed(), 5900);
    EXPECT_LT(clock.elapsed(), 9000);
    // The answer arrives about a second later and must not reach the freed request.
    PumpUntil([] { return false; }, std::chrono::milliseconds(2000));
    EXPECT_EQ(answers, 0);
}

const VarDescriptor RowStatusColumns[] = {
    {"1.3.6.1.3.4242.7.1.1", "Row", integer, notaccess, nullptr},
    {"1.3.6.1.3.4242.7.1.2", "Name", displaystr, readwrite, nullptr},
    {"1.3.6.1.3.4242.7.1.3", "Number", integer, readwrite, nullptr, nullptr, "40+2"},
    {},
};

TEST_F(AsyncRequestTest, SetSendsComputedValuesWithoutKeepingThem)
{
    auto request = Request(MvSNMPVarList(RowStatusColumns, MVT_FMV, 1));
    request->VarList.Item(0).value = "1";
    request->VarList.Item(1).value = "async";
    request->VarList.Item(2).value = "7";
    std::vector<MvSNMPError> answers;
    bool ok = false;
    request->AsyncSet(ok, [&](MvSNMPError& result, MvSNMPVarList&) { answers.push_back(result); });
    ASSERT_TRUE(ok);
    EXPECT_EQ(request->VarList.Item(2).value, "7");
    ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
    EXPECT_EQ(answers[0].Code, 0);
    EXPECT_EQ(answers[0].EndOfWalk, 1);

    bool readOk = false;
    request->VarList.kind = MVT_SV;
    request->VarList.suffix = "1";
    request->SyncGet(readOk, true);
    EXPECT_EQ(Values(request->VarList), (std::vector<std::string>{"1", "async", "42"}));
}

// A write refused with noSuchName stays a failure even when its first binding is the OID the
// walk last read.
TEST_F(AsyncRequestTest, RefusedWriteIsNeverReportedAsOk)
{
    const VarDescriptor columns[] = {
        {"1.3.6.1.3.4242.7.1.1", "Row", integer, notaccess, nullptr},
        {"1.3.6.1.3.4242.7.1.2", "Name", displaystr, readwrite, nullptr},
        {},
    };
    auto request = Request(MvSNMPVarList(columns, MVT_FMV, 1), 0);
    bool ok = false;
    ASSERT_TRUE(request->SyncGet(ok, true));
    ASSERT_EQ(request->VarList.Item(1).currentOid, "1.3.6.1.3.4242.7.1.2.1");

    Sim().Control("error 1.3.6.1.3.4242.7.1.2 noSuchName");
    std::vector<MvSNMPError> answers;
    request->AsyncSet(ok, [&](MvSNMPError& result, MvSNMPVarList&) { answers.push_back(result); });
    ASSERT_TRUE(ok);
    ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
    EXPECT_EQ(answers[0].Code, -102);
    EXPECT_EQ(answers[0].ErrorIndex, 1);
    EXPECT_EQ(answers[0].EndOfWalk, 1);
}

} // namespace
