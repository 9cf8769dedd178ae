// The global session: its creation with the engine boots counter file, the defaults, and the
// event pump that delivers asynchronous answers on the GUI thread.

#include "snmp/Exception.h"
#include "snmp/GlobalSession.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/SnmpSettings.h"
#include "snmplib/SnmpLib.h"
#include "support/SimSwitch.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kEngineLine = EncodeBootCounterId(OctetStr(LocalEngineId));

class GlobalSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "sorvane-session-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        bootFile_ = JoinPath(dir_.string(), BootCounterFileName);
        // Other suites of this program keep one session for all their tests; start afresh.
        delete GlobalSnmpSession;
        GlobalSnmpSession = nullptr;
        if (SnmpEventProcessor != nullptr)
            ReleaseRequestStatics();
        InitRequestStatics();
    }
    void TearDown() override
    {
        ReleaseRequestStatics();
        delete GlobalSnmpSession;
        GlobalSnmpSession = nullptr;
        fs::remove_all(dir_);
    }

    // A later start of the program in the same directory.
    void Restart()
    {
        delete GlobalSnmpSession;
        GlobalSnmpSession = nullptr;
        CreateGlobalSession(dir_.string());
    }
    void Write(const std::string& text) const { std::ofstream(bootFile_, std::ios::binary) << text; }
    std::string Read() const
    {
        std::ostringstream text;
        text << std::ifstream(bootFile_, std::ios::binary).rdbuf();
        return text.str();
    }
    int CodeOfCreate()
    {
        try {
            CreateGlobalSession(dir_.string());
        } catch (const Exception& e) {
            return e.HelpContext();
        }
        return 0;
    }

    fs::path dir_;
    std::string bootFile_;
};

TEST(JoinPathTest, PutsASlashBetweenOnlyWhereNeeded)
{
    EXPECT_EQ(JoinPath("", "MvSNMP_PP_BootCounter"), "MvSNMP_PP_BootCounter");
    EXPECT_EQ(JoinPath("/data", "x"), "/data/x");
    EXPECT_EQ(JoinPath("/data/", "x"), "/data/x");
}

TEST_F(GlobalSessionTest, FirstStartWritesOneLineAndSetsTheDefaults)
{
    EXPECT_EQ(DefaultTimeout, 0);
    EXPECT_EQ(DefaultDevice.Address, "");
    ASSERT_FALSE(SnmpEventProcessor->Enabled());

    CreateGlobalSession(dir_.string());
    ASSERT_NE(GlobalSnmpSession, nullptr);
    EXPECT_EQ(Read(), kEngineLine + " 1\n");
    EXPECT_TRUE(SnmpEventProcessor->Enabled());
    EXPECT_TRUE(SnmpEventProcessor->Timer()->isActive());
    EXPECT_EQ(SnmpEventProcessor->Timer()->interval(), 20);

    EXPECT_EQ(DefaultDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultDevice.Port, 161);
    EXPECT_EQ(DefaultScope.ContextEngineId, "");
    EXPECT_EQ(DefaultScope.ContextName, "");
    EXPECT_EQ(DefaultSecurity.Version, 0);
    EXPECT_EQ(DefaultSecurity.ReadCommunity, "tarnel");
    EXPECT_EQ(DefaultSecurity.WriteCommunity, "quostem");
    EXPECT_EQ(DefaultSecurity.SecurityModel, 1);
    EXPECT_EQ(DefaultSecurity.SecurityLevel, 1);
    EXPECT_EQ(DefaultSecurity.SecurityName, "");
    EXPECT_EQ(DefaultSecurity.AuthProtocol, 1);
    EXPECT_EQ(DefaultSecurity.PrivProtocol, 1);
    EXPECT_EQ(DefaultTimeout, 100);
}

TEST_F(GlobalSessionTest, LaterStartsCountOnAndKeepEveryOtherLine)
{
    Write("# boots of the engines\nAAAA 3\n" + kEngineLine + " 1\nBBBB 4\n" + kEngineLine + " 9\n");
    CreateGlobalSession(dir_.string());
    EXPECT_EQ(Read(), "# boots of the engines\nAAAA 3\n" + kEngineLine + " 2\nBBBB 4\n");
    Restart();
    EXPECT_EQ(Read(), "# boots of the engines\nAAAA 3\n" + kEngineLine + " 3\nBBBB 4\n");

    Write(kEngineLine + " many\n");   // a count that is not a number reads as 0
    Restart();
    EXPECT_EQ(Read(), kEngineLine + " 1\n");
}

TEST_F(GlobalSessionTest, UnreadableCounterRaises507AndLeavesTheFile)
{
    const std::string content = "# notes\n" + kEngineLine + "\n";   // the engine's line without a count
    Write(content);
    EXPECT_EQ(CodeOfCreate(), -507);
    EXPECT_EQ(Read(), content);
    EXPECT_FALSE(SnmpEventProcessor->Enabled());
}

TEST_F(GlobalSessionTest, FailedSaveRaises508AndKeepsTheOldFile)
{
    const std::string content = "# notes\nAAAA 3\n" + kEngineLine + " 5\n";
    Write(content);
    fs::create_symlink("/dev/full", bootFile_ + ".tmp");   // the new copy cannot be written
    EXPECT_EQ(CodeOfCreate(), -508);
    EXPECT_EQ(Read(), content);
}

// Answers delivered by the pump, in the order their handlers start and end.
std::vector<std::string> events;
SnmpTarget* pumpTarget = nullptr;

Pdu SysObjectId()
{
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.2.0"));
    return pdu;
}

void RecordAnswer(int reason, Snmp*, Pdu&, SnmpTarget&, CallbackToken token)
{
    events.push_back(std::to_string(token) + (reason == SNMP_CLASS_ASYNC_RESPONSE ? "" : " failed"));
}

class PumpTest : public GlobalSessionTest {
protected:
    void SetUp() override
    {
        GlobalSessionTest::SetUp();
        events.clear();
        target_.set_version(version2c);
        target_.set_timeout(200);
        pumpTarget = &target_;
    }
    bool WaitFor(std::size_t count) { return QTest::qWaitFor([count] { return events.size() >= count; }, 5000); }

    SimSwitch sim_;
    CTarget target_{GenAddress(sim_.Address() + "/" + std::to_string(sim_.Port())), "tarnel", "quostem"};
};

TEST_F(PumpTest, DoesNothingUntilTheSessionExists)
{
    int status = -1;
    Snmp other(status);
    Pdu pdu = SysObjectId();
    ASSERT_EQ(other.get(pdu, target_, RecordAnswer, 1), SNMP_CLASS_SUCCESS);
    QTest::qWait(200);
    SnmpEventProcessor->OnTimer(SnmpEventProcessor->Timer());   // a tick without the session
    EXPECT_TRUE(SnmpEventProcessor->Timer()->isActive());
    QTest::qWait(200);
    EXPECT_TRUE(events.empty());

    CreateGlobalSession(dir_.string());
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(events[0], "1");
}

int walkRemaining = 0;

// One GETNEXT of a walk per answer, sent from inside the handler.
void WalkStep(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, CallbackToken)
{
    events.push_back(reason == SNMP_CLASS_ASYNC_RESPONSE ? pdu.get_vb(0).get_printable_oid() : "failed");
    if (reason != SNMP_CLASS_ASYNC_RESPONSE || --walkRemaining == 0)
        return;
    Pdu next;
    next += Vb(pdu.get_vb(0).get_oid());
    session->get_next(next, target, WalkStep, 0);
}

TEST_F(PumpTest, AnswersArriveWithTheirSocketNotTheTimer)
{
    CreateGlobalSession(dir_.string());
    // With the timer out of the way, only the socket notifiers can drive the walk.
    SnmpEventProcessor->Timer()->setInterval(600000);
    SnmpEventProcessor->Enable();
    walkRemaining = 30;
    Pdu first;
    first += Vb(Oid("1.3.6.1.2.1.1"));
    ASSERT_EQ(GlobalSnmpSession->get_next(first, target_, WalkStep, 0), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor(30));
    EXPECT_EQ(events[0], "1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(std::count(events.begin(), events.end(), "failed"), 0);
}

void AnswerWithModalLoop(int reason, Snmp* session, Pdu&, SnmpTarget& target, CallbackToken token)
{
    events.push_back(std::to_string(token) + " start");
    if (token == 1) {
        ASSERT_EQ(reason, SNMP_CLASS_ASYNC_RESPONSE);
        Pdu second = SysObjectId();
        ASSERT_EQ(session->get(second, target, AnswerWithModalLoop, 2), SNMP_CLASS_SUCCESS);
        // As a message box would: the second answer arrives meanwhile, but must wait.
        QEventLoop loop;
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
    }
    events.push_back(std::to_string(token) + " end");
}

TEST_F(PumpTest, OneTickNeverRunsInsideAnother)
{
    CreateGlobalSession(dir_.string());
    Pdu pdu = SysObjectId();
    ASSERT_EQ(GlobalSnmpSession->get(pdu, target_, AnswerWithModalLoop, 1), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor(4));
    EXPECT_EQ(events, (std::vector<std::string>{"1 start", "1 end", "2 start", "2 end"}));
}

TEST_F(PumpTest, KeepsRunningAfterAHandlerThrows)
{
    CreateGlobalSession(dir_.string());
    const SnmpCallback throwing = [](int, Snmp*, Pdu&, SnmpTarget&, CallbackToken) {
        events.push_back("thrown");
        throw std::runtime_error("a handler failed");
    };
    Pdu pdu = SysObjectId();
    ASSERT_EQ(GlobalSnmpSession->get(pdu, target_, throwing, 1), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor(1));
    QTest::qWait(50);
    EXPECT_TRUE(SnmpEventProcessor->Enabled());
    Pdu next = SysObjectId();
    ASSERT_EQ(GlobalSnmpSession->get(next, target_, RecordAnswer, 2), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor(2));
    EXPECT_EQ(events[1], "2");
}

} // namespace
