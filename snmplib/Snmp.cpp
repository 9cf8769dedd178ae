#include "snmplib/Snmp.h"

#include "snmplib/NetSnmpLibrary.h"
#include "snmplib/SnmpStatus.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// Slice of a blocking exchange's wait: how late a retransmission or time-out may be handled.
constexpr int kWaitSliceMs = 5;
constexpr unsigned long kFirstRequestId = 1000;
constexpr unsigned long kLastRequestId = 32767;

struct SessionKey {
    std::string peer;        // Net-SNMP transport address, "udp:a.b.c.d:port"
    int version = 0;
    unsigned long timeout = 0;
    int retries = 0;
    bool operator==(const SessionKey&) const = default;
};

// The agents' engine ids, by transport address, shared by every session to that agent.
std::map<std::string, std::string>& EngineIds()
{
    static std::map<std::string, std::string> ids;
    return ids;
}

std::vector<Snmp::Impl*>& Registry()
{
    static std::vector<Snmp::Impl*> registry;
    return registry;
}

std::string PeerOf(const UdpAddress& address)
{
    const std::string host = address.ip().get_printable();
    const std::string port = std::to_string(address.get_port());
    if (address.ip().version() == 6)
        return "udp6:[" + host + "]:" + port;
    return "udp:" + host + ":" + port;
}

int NetSnmpVersion(snmp_version version)
{
    switch (version) {
    case version1: return SNMP_VERSION_1;
    case version2c: return SNMP_VERSION_2c;
    default: return SNMP_VERSION_3;
    }
}

// A status for a failure that Net-SNMP reports through a session's error number.
int StatusOfSessionError(int error)
{
    switch (error) {
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_UNKNOWN_PDU:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2:
    case SNMPERR_BAD_CONTEXT:
        return SNMP_CLASS_INVALID_PDU;
    case SNMPERR_BAD_ADDRESS:
        return SNMP_CLASS_INVALID_ADDRESS;
    case SNMPERR_BAD_VERSION:
        return SNMP_CLASS_INVALID_TARGET;
    case SNMPERR_TIMEOUT:
        return SNMP_CLASS_TIMEOUT;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return SNMPv3_USM_ENCRYPTION_ERROR;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return SNMPv3_USM_DECRYPTION_ERROR;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return SNMPv3_USM_AUTHENTICATION_FAILURE;
    case SNMPERR_USM_PARSEERROR:
        return SNMPv3_USM_PARSE_ERROR;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_BAD_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return SNMPv3_USM_UNKNOWN_ENGINEID;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return SNMPv3_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_USM_GENERICERROR:
        return SNMPv3_USM_ERROR;
    default:
        return SNMP_CLASS_TL_FAILED;
    }
}

// The status a report stands for, from its first binding's OID.
int StatusOfReport(const netsnmp_pdu* pdu)
{
    static const oid usmStats[] = {1, 3, 6, 1, 6, 3, 15, 1, 1};
    static const oid mpdStats[] = {1, 3, 6, 1, 6, 3, 11, 2, 1};
    static const oid targetStats[] = {1, 3, 6, 1, 6, 3, 12, 1};
    const netsnmp_variable_list* vb = pdu->variables;
    if (vb == nullptr)
        return SNMPv3_USM_ERROR;
    auto under = [vb](const oid* prefix, std::size_t length) {
        return vb->name_length > length && std::equal(prefix, prefix + length, vb->name);
    };
    if (under(usmStats, 9)) {
        switch (vb->name[9]) {
        case 1: return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
        case 2: return SNMPv3_USM_NOT_IN_TIME_WINDOW;
        case 3: return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
        case 4: return SNMPv3_USM_UNKNOWN_ENGINEID;
        case 5: return SNMPv3_USM_AUTHENTICATION_FAILURE;
        case 6: return SNMPv3_USM_DECRYPTION_ERROR;
        default: break;
        }
    } else if (under(mpdStats, 9)) {
        switch (vb->name[9]) {
        case 1: return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
        case 2: return SNMPv3_MP_INVALID_MESSAGE;
        case 3: return SNMPv3_MP_UNKNOWN_PDU_HANDLERS;
        default: break;
        }
    } else if (under(targetStats, 8)) {
        if (vb->name[8] == 4)
            return SNMPv3_MP_UNAVAILABLE_CONTEXT;
        if (vb->name[8] == 5)
            return SNMPv3_MP_UNKNOWN_CONTEXT;
    }
    return SNMPv3_USM_ERROR;
}

Oid OidOf(const oid* ids, std::size_t count)
{
    std::vector<std::uint32_t> narrow(ids, ids + count);
    return Oid(narrow.data(), narrow.size());
}

std::vector<oid> WideOid(const Oid& value)
{
    return std::vector<oid>(value.ids().begin(), value.ids().end());
}

Vb VbOf(const netsnmp_variable_list* v)
{
    Vb vb(OidOf(v->name, v->name_length));
    const std::string octets = v->val.string != nullptr
        ? std::string(reinterpret_cast<const char*>(v->val.string), v->val_len)
        : std::string();
    switch (v->type) {
    case ASN_INTEGER:
        vb.set_value(SnmpInt32(*v->val.integer));
        break;
    case ASN_COUNTER:
        vb.set_value(Counter32(static_cast<unsigned long>(*v->val.integer)));
        break;
    case ASN_GAUGE:
        vb.set_value(Gauge32(static_cast<unsigned long>(*v->val.integer)));
        break;
    case ASN_TIMETICKS:
        vb.set_value(TimeTicks(static_cast<unsigned long>(*v->val.integer)));
        break;
    case ASN_UINTEGER:
        vb.set_value(SnmpUInt32(static_cast<unsigned long>(*v->val.integer)));
        break;
    case ASN_COUNTER64:
        vb.set_value(Counter64(static_cast<std::uint32_t>(v->val.counter64->high),
                               static_cast<std::uint32_t>(v->val.counter64->low)));
        break;
    case ASN_OCTET_STR:
        vb.set_value(OctetStr(octets));
        break;
    case ASN_OPAQUE:
        vb.set_raw(sNMP_SYNTAX_OPAQUE, octets);
        break;
    case ASN_IPADDRESS:
        vb.set_raw(sNMP_SYNTAX_IPADDR, octets);
        break;
    case ASN_OBJECT_ID:
        vb.set_value(OidOf(v->val.objid, v->val_len / sizeof(oid)));
        break;
    case SNMP_NOSUCHOBJECT:
        vb.set_raw(sNMP_SYNTAX_NOSUCHOBJECT);
        break;
    case SNMP_NOSUCHINSTANCE:
        vb.set_raw(sNMP_SYNTAX_NOSUCHINSTANCE);
        break;
    case SNMP_ENDOFMIBVIEW:
        vb.set_raw(sNMP_SYNTAX_ENDOFMIBVIEW);
        break;
    default:
        vb.set_null();
        break;
    }
    return vb;
}

// Adds one binding to a Net-SNMP PDU; reads send NULL values.
void AddVariable(netsnmp_pdu* pdu, const Vb& vb, bool withValue)
{
    const std::vector<oid> name = WideOid(vb.get_oid());
    if (!withValue) {
        snmp_add_null_var(pdu, name.data(), name.size());
        return;
    }
    const SmiSyntax syntax = vb.get_syntax();
    switch (syntax) {
    case sNMP_SYNTAX_INT32: {
        long value = 0;
        vb.get_value(value);
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &value, sizeof value);
        return;
    }
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS:
    case sNMP_SYNTAX_UINT32: {
        unsigned long value = 0;
        vb.get_value(value);
        snmp_pdu_add_variable(pdu, name.data(), name.size(), syntax, &value, sizeof value);
        return;
    }
    case sNMP_SYNTAX_CNTR64: {
        Counter64 value;
        vb.get_value(value);
        counter64 wire{value.high(), value.low()};
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &wire, sizeof wire);
        return;
    }
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE:
    case sNMP_SYNTAX_IPADDR: {
        OctetStr value;
        vb.get_value(value);
        snmp_pdu_add_variable(pdu, name.data(), name.size(), syntax, value.data(), value.len());
        return;
    }
    case sNMP_SYNTAX_OID: {
        Oid value;
        vb.get_value(value);
        const std::vector<oid> wide = WideOid(value);
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, wide.data(),
                              wide.size() * sizeof(oid));
        return;
    }
    case sNMP_SYNTAX_NOSUCHOBJECT:
    case sNMP_SYNTAX_NOSUCHINSTANCE:
    case sNMP_SYNTAX_ENDOFMIBVIEW:
        snmp_pdu_add_variable(pdu, name.data(), name.size(), syntax, nullptr, 0);
        return;
    default:
        snmp_add_null_var(pdu, name.data(), name.size());
        return;
    }
}

unsigned char* CopyOf(const std::string& bytes)
{
    auto* copy = static_cast<unsigned char*>(malloc(bytes.size() ? bytes.size() : 1));
    std::memcpy(copy, bytes.data(), bytes.size());
    return copy;
}

void* MagicOf(std::uint64_t token)
{
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(token));
}

std::uint64_t TokenOf(void* magic)
{
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(magic));
}

} // namespace

// One Net-SNMP session: one agent with one version, time-out and retry count.
struct AgentSession {
    Snmp::Impl* owner = nullptr;
    SessionKey key;
    void* handle = nullptr;
    int fd = -1;
    std::string engineId;                 // SNMPv3: the agent's engine id once discovered
    bool discovering = false;
    std::vector<std::uint64_t> waiting;   // exchanges that wait for the engine id
};

struct SyncWait {
    bool done = false;
    int reason = 0;
    std::optional<Pdu> answer;
};

// One exchange from its send to its completion.
struct Exchange {
    std::uint64_t token = 0;
    unsigned long reqid = 0;
    AgentSession* session = nullptr;
    int command = 0;
    Pdu pdu;                                // the request, bindings included
    std::unique_ptr<SnmpTarget> target;
    SnmpCallback callback = nullptr;
    CallbackToken userToken = 0;
    SyncWait* wait = nullptr;
    bool probe = false;                     // the engine-id discovery of an SNMPv3 session
    std::string discoveredEngine;
    bool finishing = false;                 // its outcome is queued
    int report = 0;                         // the status of a report seen, not final by itself
};

struct Snmp::Impl {
    Snmp* self = nullptr;
    std::vector<std::unique_ptr<AgentSession>> sessions;
    std::unordered_map<std::uint64_t, Exchange> live;
    std::unordered_set<unsigned long> requestIds;
    unsigned long lastRequestId = kFirstRequestId - 1;
    std::uint64_t nextToken = 1;
    std::uint64_t sending = 0;   // token of the exchange inside snmp_sess_async_send
    bool closing = false;
    // Work that must not run inside Net-SNMP's processing: completions and deferred sends.
    std::deque<std::function<void()>> deferred;
    std::function<void(int, bool)> socketWatcher;

    int Start(int command, Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token,
              SyncWait* wait);
    int Blocking(int command, Pdu& pdu, const SnmpTarget& target);
    AgentSession* SessionFor(const SnmpTarget& target, int& status);
    unsigned long AllocateRequestId();
    void Forget(std::uint64_t token);
    int Transmit(Exchange& ex);
    int StartDiscovery(AgentSession& session);
    void FinishDiscovery(AgentSession& session, int reason, const std::string& engineId);
    int Send(AgentSession& session, netsnmp_pdu* pdu, std::uint64_t token);
    int OnNetSnmp(int op, netsnmp_session* sp, netsnmp_pdu* pdu, std::uint64_t token);
    void Finish(Exchange& ex, int reason, std::optional<Pdu> answer);
    void Complete(std::uint64_t token, int reason, std::optional<Pdu> answer);
    void Process(int waitMs);
    void ReadAndTimeOut();
    void RunDeferred();
    void Close();
};

namespace {

int OnNetSnmpCallback(int op, netsnmp_session* sp, int, netsnmp_pdu* pdu, void* magic)
{
    auto* session = static_cast<AgentSession*>(sp->myvoid);
    if (session == nullptr || session->owner == nullptr)
        return 1;
    return session->owner->OnNetSnmp(op, sp, pdu, TokenOf(magic));
}

} // namespace

unsigned long Snmp::Impl::AllocateRequestId()
{
    for (unsigned long tries = 0; tries <= kLastRequestId - kFirstRequestId; ++tries) {
        lastRequestId = lastRequestId >= kLastRequestId ? kFirstRequestId : lastRequestId + 1;
        if (requestIds.insert(lastRequestId).second)
            return lastRequestId;
    }
    return 0;
}

void Snmp::Impl::Forget(std::uint64_t token)
{
    const auto it = live.find(token);
    if (it == live.end())
        return;
    requestIds.erase(it->second.reqid);
    live.erase(it);
}

AgentSession* Snmp::Impl::SessionFor(const SnmpTarget& target, int& status)
{
    const SessionKey key{PeerOf(target.get_address().udp()), NetSnmpVersion(target.get_version()),
                         std::max(1ul, target.get_timeout()), target.get_retry()};
    for (const auto& session : sessions)
        if (session->key == key)
            return session.get();

    EnsureNetSnmp();
    auto session = std::make_unique<AgentSession>();
    session->owner = this;
    session->key = key;

    netsnmp_session settings;
    snmp_sess_init(&settings);
    std::string peer = key.peer;
    settings.peername = peer.data();
    settings.version = key.version;
    settings.retries = key.retries;
    settings.timeout = static_cast<long>(key.timeout) * 10000L;   // hundredths to microseconds
    if (key.version == SNMP_VERSION_3) {
        settings.securityModel = SNMP_SEC_MODEL_USM;
        settings.flags |= SNMP_FLAGS_DONT_PROBE;
    }
    session->handle = snmp_sess_open(&settings);
    if (session->handle == nullptr) {
        status = settings.s_snmp_errno == SNMPERR_BAD_ADDRESS ? SNMP_CLASS_INVALID_ADDRESS : SNMP_CLASS_TL_FAILED;
        return nullptr;
    }
    netsnmp_session* opened = snmp_sess_session(session->handle);
    opened->myvoid = session.get();
    // The engine id is discovered here, asynchronously: Net-SNMP's own probe at the first send
    // blocks until the agent answers. Opening the session clears the flag again.
    opened->flags |= SNMP_FLAGS_DONT_PROBE;
    session->fd = snmp_sess_transport(session->handle)->sock;
    if (key.version == SNMP_VERSION_3) {
        const auto known = EngineIds().find(key.peer);
        if (known != EngineIds().end())
            session->engineId = known->second;
    }
    sessions.push_back(std::move(session));
    AgentSession* added = sessions.back().get();
    if (socketWatcher)
        socketWatcher(added->fd, true);
    return added;
}

int Snmp::Impl::Start(int command, Pdu& pdu, const SnmpTarget& target, SnmpCallback callback,
                      CallbackToken userToken, SyncWait* wait)
{
    if (closing)
        return SNMP_CLASS_SHUTDOWN;
    if (wait == nullptr && callback == nullptr)
        return SNMP_CLASS_INVALID_CALLBACK;
    if (!target.valid())
        return SNMP_CLASS_INVALID_ADDRESS;
    const snmp_version version = target.get_version();
    const bool userTarget = dynamic_cast<const UTarget*>(&target) != nullptr;
    if ((version != version1 && version != version2c && version != version3) || (version == version3) != userTarget)
        return SNMP_CLASS_INVALID_TARGET;

    int status = SNMP_CLASS_SUCCESS;
    AgentSession* session = SessionFor(target, status);
    if (session == nullptr)
        return status;
    const unsigned long reqid = AllocateRequestId();
    if (reqid == 0)
        return SNMP_CLASS_RESOURCE_UNAVAIL;

    const std::uint64_t token = nextToken++;
    Exchange& ex = live[token];
    ex.token = token;
    ex.reqid = reqid;
    ex.session = session;
    ex.command = command;
    ex.pdu = pdu;
    ex.pdu.set_request_id(reqid);
    ex.target = target.clone();
    ex.callback = callback;
    ex.userToken = userToken;
    ex.wait = wait;
    pdu.set_request_id(reqid);

    if (version == version3 && session->engineId.empty()) {
        session->waiting.push_back(token);
        if (!session->discovering) {
            status = StartDiscovery(*session);
            if (status != SNMP_CLASS_SUCCESS) {
                session->waiting.clear();
                Forget(token);
            }
        }
        return status;
    }
    status = Transmit(ex);
    if (status != SNMP_CLASS_SUCCESS)
        Forget(token);
    return status;
}

int Snmp::Impl::Transmit(Exchange& ex)
{
    AgentSession& session = *ex.session;
    const bool write = ex.command == SNMP_MSG_SET;
    netsnmp_pdu* pdu = snmp_pdu_create(ex.command);
    pdu->reqid = static_cast<long>(ex.reqid);   // retransmissions keep it
    pdu->version = session.key.version;
    if (session.key.version == SNMP_VERSION_3) {
        const auto& target = static_cast<const UTarget&>(*ex.target);
        const std::string& name = target.get_security_name().get_string();
        UsmPrepareUser(session.engineId, name);
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        pdu->securityLevel = ex.pdu.get_security_level();
        pdu->securityName = strdup(name.c_str());
        pdu->securityNameLen = name.size();
        pdu->securityEngineID = CopyOf(session.engineId);
        pdu->securityEngineIDLen = session.engineId.size();
        const std::string& contextEngine = ex.pdu.get_context_engine_id().get_string();
        const std::string& engine = contextEngine.empty() ? session.engineId : contextEngine;
        pdu->contextEngineID = CopyOf(engine);
        pdu->contextEngineIDLen = engine.size();
        const std::string& context = ex.pdu.get_context_name().get_string();
        pdu->contextName = strndup(context.data(), context.size());
        pdu->contextNameLen = context.size();
    } else {
        // Communities go per PDU: the read community for GET and GETNEXT, the write one for SET.
        const auto& target = static_cast<const CTarget&>(*ex.target);
        const std::string& community =
            (write ? target.get_writecommunity() : target.get_readcommunity()).get_string();
        pdu->community = CopyOf(community);
        pdu->community_len = community.size();
    }
    for (const Vb& vb : ex.pdu.vbs())
        AddVariable(pdu, vb, write);
    return Send(session, pdu, ex.token);
}

int Snmp::Impl::Send(AgentSession& session, netsnmp_pdu* pdu, std::uint64_t token)
{
    // Net-SNMP may call back from inside the send when it fails; the status is returned instead.
    sending = token;
    const int sent = snmp_sess_async_send(session.handle, pdu, OnNetSnmpCallback, MagicOf(token));
    sending = 0;
    if (sent != 0)
        return SNMP_CLASS_SUCCESS;
    const int status = StatusOfSessionError(snmp_sess_session(session.handle)->s_snmp_errno);
    snmp_free_pdu(pdu);
    return status;
}

int Snmp::Impl::StartDiscovery(AgentSession& session)
{
    const unsigned long reqid = AllocateRequestId();
    if (reqid == 0)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    const std::uint64_t token = nextToken++;
    Exchange& probe = live[token];
    probe.token = token;
    probe.reqid = reqid;
    probe.session = &session;
    probe.command = SNMP_MSG_GET;
    probe.probe = true;

    // An unauthenticated GET without bindings for the empty user: the agent answers with an
    // unknownEngineIDs report that carries its engine id, boots and time.
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->reqid = static_cast<long>(reqid);
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = strdup("");
    pdu->securityNameLen = 0;
    pdu->contextName = strdup("");
    pdu->contextNameLen = 0;
    const int status = Send(session, pdu, token);
    if (status != SNMP_CLASS_SUCCESS) {
        Forget(token);
        return status;
    }
    session.discovering = true;
    return SNMP_CLASS_SUCCESS;
}

void Snmp::Impl::FinishDiscovery(AgentSession& session, int reason, const std::string& engineId)
{
    session.discovering = false;
    const std::vector<std::uint64_t> waiting = std::move(session.waiting);
    session.waiting.clear();
    // Net-SNMP copies a discovered engine id into the session; every PDU carries its own, and
    // a later discovery needs the session without one.
    netsnmp_session* sp = snmp_sess_session(session.handle);
    SNMP_FREE(sp->securityEngineID);
    sp->securityEngineIDLen = 0;
    SNMP_FREE(sp->contextEngineID);
    sp->contextEngineIDLen = 0;

    if (!engineId.empty()) {
        session.engineId = engineId;
        EngineIds()[session.key.peer] = engineId;
    }
    for (const std::uint64_t token : waiting) {
        const auto it = live.find(token);
        if (it == live.end())
            continue;
        const int status = engineId.empty() ? reason : Transmit(it->second);
        if (status != SNMP_CLASS_SUCCESS)
            Complete(token, status, std::nullopt);
    }
}

int Snmp::Impl::OnNetSnmp(int op, netsnmp_session* sp, netsnmp_pdu* pdu, std::uint64_t token)
{
    if (token == sending || closing)
        return 1;
    const auto it = live.find(token);
    if (it == live.end() || it->second.finishing)
        return 1;
    Exchange& ex = it->second;
    const bool report = pdu != nullptr && pdu->command == SNMP_MSG_REPORT;
    if (ex.probe && (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || op == NETSNMP_CALLBACK_OP_SEC_ERROR)) {
        // The discovery's answer is a report (or an answer) carrying the agent's engine id.
        if (pdu->securityEngineIDLen > 0)
            ex.discoveredEngine.assign(reinterpret_cast<const char*>(pdu->securityEngineID),
                                       pdu->securityEngineIDLen);
        Finish(ex, ex.discoveredEngine.empty() ? SNMPv3_MP_INVALID_ENGINEID : SNMP_CLASS_SUCCESS, std::nullopt);
        return 1;
    }
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (report) {
            // Builds differ in the order of a report's callbacks: upstream Net-SNMP calls this
            // first and then resends (notInTimeWindow) or calls SEC_ERROR; Debian's calls
            // SEC_ERROR first. Only SEC_ERROR makes a report final.
            ex.report = StatusOfReport(pdu);
            return 1;
        }
        {
            Pdu answer;
            std::vector<Vb> vbs;
            for (const netsnmp_variable_list* v = pdu->variables; v != nullptr; v = v->next_variable)
                vbs.push_back(VbOf(v));
            answer.set_vbs(std::move(vbs));
            answer.set_error_status(static_cast<int>(pdu->errstat));
            answer.set_error_index(static_cast<int>(pdu->errindex));
            answer.set_type(static_cast<std::uint8_t>(pdu->command));
            answer.set_security_level(ex.pdu.get_security_level());
            answer.set_context_name(ex.pdu.get_context_name());
            answer.set_context_engine_id(ex.pdu.get_context_engine_id());
            Finish(ex, SNMP_CLASS_ASYNC_RESPONSE, std::move(answer));
        }
        return 1;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (report)
            ex.report = StatusOfReport(pdu);
        Finish(ex, ex.report != 0 ? ex.report : StatusOfSessionError(sp->s_snmp_errno), std::nullopt);
        return 1;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        Finish(ex, SNMP_CLASS_TIMEOUT, std::nullopt);
        return 1;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:   // a retransmission could not be sent
        Finish(ex, SNMP_CLASS_TL_FAILED, std::nullopt);
        return 1;
    default:   // resend notices, connection events
        return 1;
    }
}

void Snmp::Impl::Finish(Exchange& ex, int reason, std::optional<Pdu> answer)
{
    ex.finishing = true;
    deferred.push_back([this, token = ex.token, reason, answer = std::move(answer)]() mutable {
        Complete(token, reason, std::move(answer));
    });
}

void Snmp::Impl::Complete(std::uint64_t token, int reason, std::optional<Pdu> answer)
{
    const auto it = live.find(token);
    if (it == live.end())
        return;
    Exchange ex = std::move(it->second);
    live.erase(it);
    requestIds.erase(ex.reqid);
    AgentSession& session = *ex.session;

    if (ex.probe) {
        FinishDiscovery(session, reason, ex.discoveredEngine);
        return;
    }
    if (session.key.version == SNMP_VERSION_3 && !session.engineId.empty() &&
        (reason == SNMPv3_USM_UNKNOWN_ENGINEID || reason == SNMP_CLASS_TIMEOUT)) {
        // Net-SNMP drops, unseen, the answers of an agent that restarted with another engine id
        // (its user is unknown for that engine) or with the same boots and a lower time (outside
        // the cached time window), and every exchange would time out. Forget the engine and its
        // time: the next exchange discovers the engine again and takes the time from the
        // agent's notInTimeWindow report.
        set_enginetime(reinterpret_cast<const u_char*>(session.engineId.data()),
                       static_cast<u_int>(session.engineId.size()), 0, 0, TRUE);
        EngineIds().erase(session.key.peer);
        for (const auto& other : sessions)
            if (other->key.peer == session.key.peer && !other->discovering)
                other->engineId.clear();
    }

    Pdu& pdu = answer ? *answer : ex.pdu;
    pdu.set_request_id(ex.reqid);
    if (ex.wait != nullptr) {
        ex.wait->done = true;
        ex.wait->reason = reason;
        if (answer)
            ex.wait->answer = std::move(*answer);
        return;
    }
    if (ex.callback != nullptr)
        ex.callback(reason, self, pdu, *ex.target, ex.userToken);
}

void Snmp::Impl::ReadAndTimeOut()
{
    for (std::size_t i = 0; i < sessions.size(); ++i) {
        AgentSession& session = *sessions[i];
        // snmp_sess_read reads one datagram per call: drain the socket.
        for (int reads = 0; reads < 1000; ++reads) {
            pollfd ready{session.fd, POLLIN, 0};
            if (poll(&ready, 1, 0) <= 0 || (ready.revents & (POLLIN | POLLERR)) == 0)
                break;
            netsnmp_large_fd_set set;
            netsnmp_large_fd_set_init(&set, session.fd + 1);
            NETSNMP_LARGE_FD_SET(session.fd, &set);
            snmp_sess_read2(session.handle, &set);
            netsnmp_large_fd_set_cleanup(&set);
        }
        snmp_sess_timeout(session.handle);
    }
}

void Snmp::Impl::RunDeferred()
{
    // Each item is taken off before it runs: a callback may process events itself.
    while (!deferred.empty()) {
        auto work = std::move(deferred.front());
        deferred.pop_front();
        work();
    }
}

void Snmp::Impl::Process(int waitMs)
{
    if (waitMs > 0 && deferred.empty() && !sessions.empty()) {
        std::vector<pollfd> fds;
        for (const auto& session : sessions)
            fds.push_back(pollfd{session->fd, POLLIN, 0});
        poll(fds.data(), fds.size(), waitMs);
    } else if (waitMs > 0 && deferred.empty()) {
        poll(nullptr, 0, waitMs);
    }
    ReadAndTimeOut();
    RunDeferred();
}

int Snmp::Impl::Blocking(int command, Pdu& pdu, const SnmpTarget& target)
{
    SyncWait wait;
    const std::uint64_t token = nextToken;   // the one Start gives this exchange
    const int status = Start(command, pdu, target, nullptr, 0, &wait);
    if (status != SNMP_CLASS_SUCCESS)
        return status;
    // Another exchange's callback may throw out of the wait: its answer must then not reach
    // this frame's SyncWait.
    struct Abandon {
        Impl& impl;
        std::uint64_t token;
        const SyncWait& wait;
        ~Abandon()
        {
            const auto it = impl.live.find(token);
            if (!wait.done && it != impl.live.end())
                it->second.wait = nullptr;
        }
    } abandon{*this, token, wait};
    while (!wait.done)
        Process(kWaitSliceMs);
    if (wait.answer) {
        const unsigned long reqid = pdu.get_request_id();
        pdu = std::move(*wait.answer);
        pdu.set_request_id(reqid);
    }
    if (wait.reason == SNMP_CLASS_ASYNC_RESPONSE)
        return pdu.get_error_status();
    return wait.reason;
}

void Snmp::Impl::Close()
{
    closing = true;
    std::vector<Exchange> outstanding;
    for (auto& [token, ex] : live)
        if (!ex.probe && ex.wait == nullptr)
            outstanding.push_back(std::move(ex));
    live.clear();
    deferred.clear();
    for (const auto& session : sessions) {
        if (socketWatcher)
            socketWatcher(session->fd, false);
        snmp_sess_close(session->handle);
    }
    sessions.clear();
    for (Exchange& ex : outstanding)
        if (ex.callback != nullptr)
            ex.callback(SNMP_CLASS_SESSION_DESTROYED, self, ex.pdu, *ex.target, ex.userToken);
}

Snmp::Snmp(int& status, std::uint16_t port) : impl_(std::make_unique<Impl>())
{
    impl_->self = this;
    EnsureNetSnmp();
    status = SNMP_CLASS_SUCCESS;
    if (port != 0) {
        status = SNMP_CLASS_UNSUPPORTED;
        return;
    }
    // Every agent session opens its own socket later; make sure one can be had at all.
    const int probe = socket(AF_INET, SOCK_DGRAM, 0);
    if (probe < 0) {
        status = SNMP_CLASS_TL_FAILED;
        return;
    }
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(probe, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0)
        status = SNMP_CLASS_TL_FAILED;
    close(probe);
    Registry().push_back(impl_.get());
}

Snmp::~Snmp()
{
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), impl_.get()), registry.end());
    impl_->Close();
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target)
{
    return impl_->Blocking(SNMP_MSG_GET, pdu, target);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target)
{
    return impl_->Blocking(SNMP_MSG_GETNEXT, pdu, target);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target)
{
    return impl_->Blocking(SNMP_MSG_SET, pdu, target);
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token)
{
    return impl_->Start(SNMP_MSG_GET, pdu, target, callback, token, nullptr);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token)
{
    return impl_->Start(SNMP_MSG_GETNEXT, pdu, target, callback, token, nullptr);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token)
{
    return impl_->Start(SNMP_MSG_SET, pdu, target, callback, token, nullptr);
}

int Snmp::outstanding() const
{
    return static_cast<int>(std::count_if(impl_->live.begin(), impl_->live.end(),
                                          [](const auto& entry) { return !entry.second.probe; }));
}

void Snmp::set_socket_watcher(std::function<void(int fd, bool open)> watcher)
{
    impl_->socketWatcher = std::move(watcher);
    if (impl_->socketWatcher)
        for (const auto& session : impl_->sessions)
            impl_->socketWatcher(session->fd, true);
}

int SNMPProcessPendingEvents()
{
    // A callback may create or destroy sessions: walk a snapshot and skip the departed.
    const std::vector<Snmp::Impl*> snapshot = Registry();
    for (Snmp::Impl* impl : snapshot)
        if (std::find(Registry().begin(), Registry().end(), impl) != Registry().end())
            impl->Process(0);
    return SNMP_CLASS_SUCCESS;
}
