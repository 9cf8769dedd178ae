// Exchanges of the SNMP layer with the simulated switch: versions and security levels, GET,
// GETNEXT and SET, request ids, failure statuses, and the order in which callbacks run.

#include "SimTargets.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs the layer's event processing until done() holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, double seconds = 10)
{
    const auto start = Clock::now();
    while (!done()) {
        if (SecondsSince(start) > seconds)
            return false;
        SNMPProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

struct Answer {
    int reason = 0;
    Pdu pdu;
    CallbackToken token = 0;
};
std::vector<Answer> answers;

void Record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, CallbackToken token)
{
    answers.push_back({reason, pdu, token});
}

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        answers.clear();
        ASSERT_EQ(status_, SNMP_CLASS_SUCCESS);
    }

    SimSwitch sim_{SimSwitchOptions{"Kb", {"--data", SimSwitch::DataFile("tables.dat")}}};
    int status_ = -1;
    Snmp snmp_{status_};
    UdpAddress address_ = SimAddress(sim_);
};

class CredentialTest : public ExchangeTest, public ::testing::WithParamInterface<SimCredential> {};

TEST_P(CredentialTest, GetsSysObjectIdBlockingAndWithCallback)
{
    const SimCredential& c = GetParam();
    auto target = MakeTarget(address_, c);

    Pdu pdu = PduFor(kSysObjectId, c.level);
    ASSERT_EQ(snmp_.get(pdu, *target), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(pdu.get_vb_count(), 1);
    EXPECT_EQ(pdu.get_vb(0).get_printable_oid(), kSysObjectId);
    EXPECT_EQ(pdu.get_vb(0).get_syntax(), sNMP_SYNTAX_OID);
    EXPECT_EQ(pdu.get_vb(0).get_printable_value(), kKbObjectId);

    // The callback form through a fresh session, so SNMPv3 discovers the engine asynchronously.
    int status = -1;
    Snmp fresh(status);
    Pdu async = PduFor(kSysObjectId, c.level);
    ASSERT_EQ(fresh.get(async, *target, Record, 42), SNMP_CLASS_SUCCESS);
    EXPECT_TRUE(answers.empty()) << "a callback ran inside the call that sent";
    ASSERT_TRUE(PumpUntil([] { return !answers.empty(); }));
    EXPECT_EQ(answers[0].reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(answers[0].token, 42u);
    EXPECT_EQ(answers[0].pdu.get_error_status(), 0);
    EXPECT_EQ(answers[0].pdu.get_vb(0).get_printable_value(), kKbObjectId);
}

INSTANTIATE_TEST_SUITE_P(Versions, CredentialTest, ::testing::ValuesIn(kSimCredentials),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ExchangeTest, GetNextAndSetOfEveryWireType)
{
    auto target = MakeTarget(address_, kSimCredentials[1]);

    Pdu next = PduFor("1.3.6.1.3.4242.1.1.1");
    ASSERT_EQ(snmp_.get_next(next, *target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(next.get_vb(0).get_printable_oid(), "1.3.6.1.3.4242.1.1.1.1");
    EXPECT_EQ(next.get_vb(0).get_printable_value(), "first");

    // Each value goes out with its tag and reads back the same.
    struct Case {
        const char* oid;
        std::function<void(Vb&)> assign;
        SmiSyntax syntax;
        const char* printable;
    };
    const Case cases[] = {
        {"1.3.6.1.3.4242.6.1.0", [](Vb& vb) { vb.set_value(SnmpInt32(42)); }, sNMP_SYNTAX_INT32, "42"},
        {"1.3.6.1.3.4242.6.2.0", [](Vb& vb) { vb.set_value(OctetStr(std::string("a\0b", 3))); }, sNMP_SYNTAX_OCTETS,
         "(compared below: it holds a zero octet)"},
        {"1.3.6.1.3.4242.6.3.0", [](Vb& vb) { vb.set_value(IpAddress("10.1.2.3")); }, sNMP_SYNTAX_IPADDR, "10.1.2.3"},
        {"1.3.6.1.3.4242.6.4.0", [](Vb& vb) { vb.set_value(Gauge32(4000000000ull)); }, sNMP_SYNTAX_GAUGE32,
         "4000000000"},
        {"1.3.6.1.3.4242.6.5.0", [](Vb& vb) { vb.set_value(TimeTicks(8640005)); }, sNMP_SYNTAX_TIMETICKS,
         "1 day 0:00:00.05"},
        {"1.3.6.1.3.4242.6.6.0", [](Vb& vb) { vb.set_value(Oid("1.3.6.1.4.1.99.7")); }, sNMP_SYNTAX_OID,
         "1.3.6.1.4.1.99.7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oid);
        Pdu set;
        Vb vb{Oid(c.oid)};
        c.assign(vb);
        set += vb;
        ASSERT_EQ(snmp_.set(set, *target), SNMP_CLASS_SUCCESS);
        Pdu get = PduFor(c.oid);
        ASSERT_EQ(snmp_.get(get, *target), SNMP_CLASS_SUCCESS);
        EXPECT_EQ(get.get_vb(0).get_syntax(), c.syntax);
        if (c.syntax == sNMP_SYNTAX_OCTETS)
            EXPECT_EQ(get.get_vb(0).get_printable_value(), std::string("a\0b", 3));
        else
            EXPECT_EQ(get.get_vb(0).get_printable_value(), c.printable);
    }

    Pdu counters;
    counters += Vb(Oid("1.3.6.1.3.4242.6.9.0"));
    counters += Vb(Oid("1.3.6.1.3.4242.6.10.0"));
    ASSERT_EQ(snmp_.get(counters, *target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(counters.get_vb(0).get_syntax(), sNMP_SYNTAX_CNTR32);
    Counter64 big;
    ASSERT_EQ(counters.get_vb(1).get_value(big), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(static_cast<std::uint64_t>(big), 4294967296ull);
}

TEST_F(ExchangeTest, RequestIdsStartAt1000AndWrapAfter32767SkippingThoseInUse)
{
    auto target = MakeTarget(address_, kSimCredentials[1]);
    Pdu first = PduFor(kSysObjectId);
    ASSERT_EQ(snmp_.get(first, *target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(first.get_request_id(), 1000u);

    // Keep every other id busy with exchanges to a port that never answers.
    UdpAddress silent("127.0.0.1");
    silent.set_port(9);
    auto nowhere = MakeTarget(silent, kSimCredentials[1], 100000, 0);
    for (unsigned long id = 1001; id <= 32767; ++id) {
        Pdu pending = PduFor(kSysObjectId);
        ASSERT_EQ(snmp_.get(pending, *nowhere, Record, id), SNMP_CLASS_SUCCESS);
        ASSERT_EQ(pending.get_request_id(), id);
    }
    Pdu wrapped = PduFor(kSysObjectId);
    ASSERT_EQ(snmp_.get(wrapped, *target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(wrapped.get_request_id(), 1000u);
    // 1001 to 32767 are still outstanding: the only free id comes again.
    Pdu again = PduFor(kSysObjectId);
    ASSERT_EQ(snmp_.get(again, *target), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(again.get_request_id(), 1000u);
    EXPECT_EQ(snmp_.outstanding(), 32767 - 1000);
}

struct FailureCase {
    const char* label;
    std::function<void(SimSwitch&)> fault;
    std::function<std::unique_ptr<SnmpTarget>(const UdpAddress&)> target;
    const char* oid;
    int level;
    int status;
    double minSeconds;   // the time-outs: (retries + 1) x time-out
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.label; }

class FailureTest : public ExchangeTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, ReportsItsStatusBlockingAndWithCallback)
{
    const FailureCase& c = GetParam();
    if (c.fault)
        c.fault(sim_);
    auto target = c.target(address_);

    auto start = Clock::now();
    Pdu pdu = PduFor(c.oid, c.level);
    EXPECT_EQ(snmp_.get(pdu, *target), c.status);
    EXPECT_GE(SecondsSince(start), c.minSeconds);
    EXPECT_LT(SecondsSince(start), c.minSeconds + 3);
    // Without an answer the PDU keeps the request's binding.
    EXPECT_EQ(pdu.get_vb(0).get_printable_oid(), c.oid);

    start = Clock::now();
    Pdu async = PduFor(c.oid, c.level);
    ASSERT_EQ(snmp_.get(async, *target, Record, 7), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(PumpUntil([] { return !answers.empty(); }));
    EXPECT_GE(SecondsSince(start), c.minSeconds);
    const Answer& answer = answers[0];
    if (c.status > 0 && c.status <= 18) {
        EXPECT_EQ(answer.reason, SNMP_CLASS_ASYNC_RESPONSE);
        EXPECT_EQ(answer.pdu.get_error_status(), c.status);
    } else {
        EXPECT_EQ(answer.reason, c.status);
    }
    EXPECT_EQ(answer.pdu.get_vb(0).get_printable_oid(), c.oid);
    EXPECT_EQ(answer.pdu.get_request_id(), async.get_request_id());
}

std::unique_ptr<SnmpTarget> V2c(const UdpAddress& a) { return MakeTarget(a, kSimCredentials[1], 30, 1); }
std::unique_ptr<SnmpTarget> V1(const UdpAddress& a) { return MakeTarget(a, kSimCredentials[0], 30, 1); }

std::unique_ptr<SnmpTarget> User(const UdpAddress& a, const char* name, int auth, const char* authPassword)
{
    usmAddUserName(name, auth, SNMP_PRIVPROTOCOL_NONE, authPassword, "");
    auto target = std::make_unique<UTarget>(a);
    target->set_security_name(name);
    target->set_timeout(30);
    target->set_retry(1);
    return target;
}

UdpAddress ClosedPort(const UdpAddress& a)
{
    UdpAddress closed(a.ip());
    closed.set_port(static_cast<std::uint16_t>(a.get_port() == 65535 ? 65534 : a.get_port() + 1));
    return closed;
}

const FailureCase kFailures[] = {
    {"DroppedRequest", [](SimSwitch& s) { s.Control("drop 100"); }, V2c, kSysObjectId, 1, SNMP_CLASS_TIMEOUT, 0.6},
    {"ClosedPort", nullptr, [](const UdpAddress& a) { return V2c(ClosedPort(a)); }, kSysObjectId, 1,
     SNMP_CLASS_TIMEOUT, 0.6},
    {"DiscoveryTimesOut", nullptr,
     [](const UdpAddress& a) { return User(ClosedPort(a), "noauth", SNMP_AUTHPROTOCOL_NONE, ""); }, kSysObjectId,
     1, SNMP_CLASS_TIMEOUT, 0.6},
    {"UnknownUser", nullptr, [](const UdpAddress& a) { return User(a, "nobody", SNMP_AUTHPROTOCOL_NONE, ""); },
     kSysObjectId, 1, SNMPv3_USM_UNKNOWN_SECURITY_NAME, 0},
    {"WrongAuthPassPhrase", nullptr,
     [](const UdpAddress& a) { return User(a, "md5auth", SNMP_AUTHPROTOCOL_HMACMD5, "not-the-phrase"); },
     kSysObjectId, 2, SNMPv3_USM_AUTHENTICATION_FAILURE, 0},
    {"AgentErrorStatus", [](SimSwitch& s) { s.Control("error 1.3.6.1.2.1.1.2 5"); }, V2c, kSysObjectId, 1,
     SNMP_ERROR_GENERAL_VB_ERR, 0},
    {"V1NoSuchName", nullptr, V1, "1.3.6.1.2.1.1.99.0", 1, SNMP_ERROR_NO_SUCH_NAME, 0},
};

INSTANTIATE_TEST_SUITE_P(Statuses, FailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(ExchangeTest, FailedSendsReturnTheirStatusAtOnceAndNeverCallBack)
{
    auto v2c = MakeTarget(address_, kSimCredentials[1]);

    UdpAddress portZero(address_.ip());   // the kernel refuses to send to port 0
    auto unsendable = MakeTarget(portZero, kSimCredentials[1]);
    Pdu a = PduFor(kSysObjectId);
    EXPECT_EQ(snmp_.get(a, *unsendable, Record, 1), SNMP_CLASS_TL_FAILED);

    Pdu tooBig;
    Vb huge(Oid("1.3.6.1.3.4242.6.2.0"));
    huge.set_value(OctetStr(std::string(70000, 'x')));
    tooBig += huge;
    EXPECT_EQ(snmp_.set(tooBig, *v2c, Record, 2), SNMP_CLASS_INVALID_PDU);

    CTarget nowhere(GenAddress(UdpAddress("no-such-host.invalid")));
    Pdu c = PduFor(kSysObjectId);
    EXPECT_EQ(snmp_.get(c, nowhere, Record, 3), SNMP_CLASS_INVALID_ADDRESS);
    EXPECT_EQ(snmp_.get(c, nowhere), SNMP_CLASS_INVALID_ADDRESS);

    // A user without privacy asked for authPriv: refused before anything is sent.
    auto md5 = MakeTarget(address_, kSimCredentials[3]);
    Pdu level = PduFor(kSysObjectId, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    EXPECT_EQ(snmp_.get(level, *md5), SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);   // after discovering the engine
    EXPECT_EQ(snmp_.get(level, *md5, Record, 6), SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);

    UTarget v3WithCommunityVersion(address_);
    v3WithCommunityVersion.set_version(version2c);
    EXPECT_EQ(snmp_.get(c, v3WithCommunityVersion, Record, 4), SNMP_CLASS_INVALID_TARGET);

    EXPECT_EQ(snmp_.outstanding(), 0);
    // A later exchange completes; none of the failed ones calls back.
    Pdu ok = PduFor(kSysObjectId);
    ASSERT_EQ(snmp_.get(ok, *v2c, Record, 5), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(PumpUntil([] { return !answers.empty(); }));
    PumpUntil([] { return false; }, 0.2);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].token, 5u);
}

TEST_F(ExchangeTest, ReRegisteringAUserWithOtherPassPhrasesTakesEffect)
{
    UTarget target(address_);
    target.set_security_name(SimCredentials::Md5AuthUser);
    target.set_timeout(30);
    const auto get = [&] {
        Pdu pdu = PduFor(kSysObjectId, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
        return snmp_.get(pdu, target);
    };
    usmAddUserName(SimCredentials::Md5AuthUser, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "short", "");
    EXPECT_EQ(get(), SNMPv3_USM_AUTHENTICATION_FAILURE);
    usmAddUserName(SimCredentials::Md5AuthUser, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE,
                   SimCredentials::AuthPassword, "");
    EXPECT_EQ(get(), SNMP_CLASS_SUCCESS);
    usmAddUserName(SimCredentials::Md5AuthUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE,
                   SimCredentials::AuthPassword, "");
    EXPECT_EQ(get(), SNMPv3_USM_AUTHENTICATION_FAILURE);
}

TEST_F(ExchangeTest, AgentRestartIsFollowedWithoutEndlessTimeOuts)
{
    auto target = MakeTarget(address_, kSimCredentials[5], 30, 1);
    Pdu before = PduFor(kSysObjectId, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    ASSERT_EQ(snmp_.get(before, *target), SNMP_CLASS_SUCCESS);
    sim_.Restart();
    // At most one exchange may be lost while the session finds the agent again.
    int status = SNMP_CLASS_TIMEOUT;
    for (int attempt = 0; attempt < 2 && status != SNMP_CLASS_SUCCESS; ++attempt) {
        Pdu after = PduFor(kSysObjectId, SNMP_SECURITY_LEVEL_AUTH_PRIV);
        status = snmp_.get(after, *target);
    }
    EXPECT_EQ(status, SNMP_CLASS_SUCCESS);
}

// Callback state of the reentrancy tests.
Snmp* nestedSession = nullptr;
SnmpTarget* nestedTarget = nullptr;
int nestedStatus = 1;
std::string nestedValue;
int outerAnswers = 0;

void AnswerWithBlockingExchange(int reason, Snmp*, Pdu&, SnmpTarget&, CallbackToken)
{
    ASSERT_EQ(reason, SNMP_CLASS_ASYNC_RESPONSE);
    Pdu inner = PduFor("1.3.6.1.3.4242.1.1.1.2", SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    nestedStatus = nestedSession->get(inner, *nestedTarget);
    nestedValue = inner.get_vb(0).get_printable_value();
    ++outerAnswers;
}

TEST_F(ExchangeTest, CallbackMayRunABlockingExchangeWhileOthersComplete)
{
    auto target = MakeTarget(address_, kSimCredentials[3]);
    nestedSession = &snmp_;
    nestedTarget = target.get();
    outerAnswers = 0;
    for (CallbackToken token = 1; token <= 3; ++token) {
        Pdu pdu = PduFor(kSysObjectId, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
        ASSERT_EQ(snmp_.get(pdu, *target, AnswerWithBlockingExchange, token), SNMP_CLASS_SUCCESS);
    }
    ASSERT_TRUE(PumpUntil([] { return outerAnswers == 3; }));
    EXPECT_EQ(nestedStatus, SNMP_CLASS_SUCCESS);
    EXPECT_EQ(nestedValue, "second");
    EXPECT_EQ(snmp_.outstanding(), 0);
}

TEST_F(ExchangeTest, BlockingWaitCompletesOtherOutstandingExchanges)
{
    auto target = MakeTarget(address_, kSimCredentials[1]);
    for (CallbackToken token = 1; token <= 3; ++token) {
        Pdu pdu = PduFor("1.3.6.1.3.4242.1.1.2.1");
        ASSERT_EQ(snmp_.get(pdu, *target, Record, token), SNMP_CLASS_SUCCESS);
    }
    // Their answers arrive while the blocking exchange waits, and are delivered there.
    Pdu slow = PduFor(kSysObjectId);
    ASSERT_EQ(snmp_.get(slow, *target), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(answers.size(), 3u);
    for (const Answer& a : answers) {
        EXPECT_EQ(a.reason, SNMP_CLASS_ASYNC_RESPONSE);
        EXPECT_EQ(a.pdu.get_vb(0).get_printable_value(), "10");
    }
}

TEST_F(ExchangeTest, ACallbackThrowingDuringABlockingWaitLeavesNothingBehind)
{
    auto target = MakeTarget(address_, kSimCredentials[1]);
    Pdu async = PduFor(kSysObjectId);
    const SnmpCallback throwing = [](int, Snmp*, Pdu&, SnmpTarget&, CallbackToken) {
        throw std::runtime_error("handler failed");
    };
    ASSERT_EQ(snmp_.get(async, *target, throwing, 1), SNMP_CLASS_SUCCESS);
    Pdu blocking = PduFor(kSysObjectId);
    EXPECT_THROW(snmp_.get(blocking, *target), std::runtime_error);
    // The abandoned exchange still completes, quietly.
    EXPECT_TRUE(PumpUntil([this] { return snmp_.outstanding() == 0; }));
    Pdu after = PduFor(kSysObjectId);
    EXPECT_EQ(snmp_.get(after, *target), SNMP_CLASS_SUCCESS);
}

TEST_F(ExchangeTest, DestroyingTheSessionReportsOutstandingExchanges)
{
    auto target = MakeTarget(address_, kSimCredentials[1]);
    sim_.Control("silence on");
    {
        int status = -1;
        Snmp doomed(status);
        Pdu pdu = PduFor(kSysObjectId);
        ASSERT_EQ(doomed.get(pdu, *target, Record, 9), SNMP_CLASS_SUCCESS);
    }
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].reason, SNMP_CLASS_SESSION_DESTROYED);
    EXPECT_EQ(answers[0].token, 9u);
    EXPECT_EQ(answers[0].pdu.get_vb(0).get_printable_oid(), kSysObjectId);
}

} // namespace
