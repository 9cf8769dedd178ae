#include "Agent.h"

#include "ControlChannel.h"
#include "ControlCommands.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/agent/agent_callbacks.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include <sys/select.h>
#include <sys/socket.h>

namespace sim {

namespace {

// With every log handler disabled the library still writes to stderr; a callback handler
// without callbacks keeps it silent.
void QuietLog()
{
    snmp_disable_log();
    snmp_enable_calllog();
}

constexpr const char* AppName = "sorvane-sim";

// USM users of every simulated switch, with the lowest security level each may use.
struct UserSpec {
    const char* name;
    const char* createLine; // arguments of Net-SNMP's createUser
    int minLevel;
};
constexpr UserSpec Users[] = {
    {"noauth", "noauth", SNMP_SEC_LEVEL_NOAUTH},
    {"md5auth", "md5auth MD5 sorvaneauth", SNMP_SEC_LEVEL_AUTHNOPRIV},
    {"shaauth", "shaauth SHA sorvaneauth", SNMP_SEC_LEVEL_AUTHNOPRIV},
    {"md5priv", "md5priv MD5 sorvaneauth DES sorvanepriv", SNMP_SEC_LEVEL_AUTHPRIV},
    {"shapriv", "shapriv SHA sorvaneauth DES sorvanepriv", SNMP_SEC_LEVEL_AUTHPRIV},
};

volatile std::sig_atomic_t stopRequested = 0;

void OnStopSignal(int)
{
    stopRequested = 1;
}

// Net-SNMP calls back into plain functions; the one agent of the process lives here.
struct AgentState {
    const AgentOptions* options = nullptr;
    DataModel* model = nullptr;
    Faults faults;
    RequestCounts counts;
    SetJournal journal;
};
AgentState* agent = nullptr;

Oid ToOid(const oid* name, size_t length)
{
    return Oid(name, name + length);
}

void PutValue(netsnmp_variable_list* vb, const Value& value)
{
    const auto tag = static_cast<u_char>(value.type);
    switch (value.type) {
    case ValueType::Integer: {
        const long v = static_cast<long>(value.Signed());
        snmp_set_var_typed_value(vb, tag, &v, sizeof(v));
        break;
    }
    case ValueType::Gauge32:
    case ValueType::Counter32:
    case ValueType::TimeTicks: {
        const u_long v = static_cast<u_long>(value.number);
        snmp_set_var_typed_value(vb, tag, &v, sizeof(v));
        break;
    }
    case ValueType::Counter64: {
        counter64 v{};
        v.high = static_cast<u_long>(value.number >> 32);
        v.low = static_cast<u_long>(value.number & 0xffffffffu);
        snmp_set_var_typed_value(vb, tag, &v, sizeof(v));
        break;
    }
    case ValueType::OctetString:
    case ValueType::IpAddress:
        snmp_set_var_typed_value(vb, tag, value.bytes.data(), value.bytes.size());
        break;
    case ValueType::ObjectId: {
        const std::vector<oid> v(value.oid.begin(), value.oid.end());
        snmp_set_var_typed_value(vb, tag, v.data(), v.size() * sizeof(oid));
        break;
    }
    case ValueType::Null:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        break;
    }
}

Value TakeValue(const netsnmp_variable_list* vb)
{
    Value value;
    value.type = static_cast<ValueType>(vb->type);
    switch (vb->type) {
    case ASN_INTEGER:
        value.number = static_cast<std::uint64_t>(static_cast<std::int64_t>(*vb->val.integer));
        break;
    case ASN_GAUGE:
    case ASN_COUNTER:
    case ASN_TIMETICKS:
        value.number = static_cast<std::uint32_t>(*vb->val.integer);
        break;
    case ASN_COUNTER64:
        value.number = (static_cast<std::uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low;
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
        value.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    case ASN_OBJECT_ID:
        value.oid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        break;
    default:
        break;
    }
    return value;
}

bool MayWrite(const netsnmp_pdu* pdu)
{
    if (pdu->version == SNMP_VERSION_3)
        return true;
    const std::string& write = agent->options->writeCommunity;
    return pdu->community_len == write.size()
        && std::memcmp(pdu->community, write.data(), write.size()) == 0;
}

// Counts the requests that reach the agent; access itself is VACM's (see WriteAccessConfig).
int CountRequest(int, int, void* serverArg, void*)
{
    const netsnmp_pdu* pdu = static_cast<view_parameters*>(serverArg)->pdu;
    switch (pdu->command) {
    case SNMP_MSG_GET: ++agent->counts.get; break;
    case SNMP_MSG_GETNEXT: ++agent->counts.getNext; break;
    case SNMP_MSG_GETBULK: ++agent->counts.getBulk; break;
    case SNMP_MSG_SET: {
        ++agent->counts.set;
        std::vector<SetBinding> bindings;
        for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
            bindings.push_back({ToOid(vb->name, vb->name_length), TakeValue(vb)});
        agent->journal.Add(std::move(bindings));
        break;
    }
    default: break;
    }
    return SNMP_ERR_NOERROR;
}

// Net-SNMP's access control: both communities and every user pass VACM with write views,
// each user at its own security level; that the read community may not write is checked
// when a SET arrives, so that SNMPv1 can answer readOnly.
bool WriteAccessConfig(const AgentOptions& options)
{
    std::ofstream conf(options.stateDir + "/" + AppName + ".conf", std::ios::trunc);
    conf << "# Written by sorvane-sim at every start.\n"
         << "rwcommunity " << options.readCommunity << "\n"
         << "rwcommunity " << options.writeCommunity << "\n";
    for (const UserSpec& user : Users) {
        conf << "rwuser " << user.name << " "
             << (user.minLevel == SNMP_SEC_LEVEL_NOAUTH ? "noauth"
                 : user.minLevel == SNMP_SEC_LEVEL_AUTHNOPRIV ? "auth" : "priv")
             << "\n";
    }
    return static_cast<bool>(conf.flush());
}

int HandleRequests(netsnmp_mib_handler*, netsnmp_handler_registration*, netsnmp_agent_request_info* reqinfo,
                   netsnmp_request_info* requests)
{
    DataModel& model = *agent->model;
    const Faults& faults = agent->faults;
    const netsnmp_pdu* pdu = reqinfo->asp->pdu;
    const bool v1 = pdu->version == SNMP_VERSION_1;
    // SNMPv1 cannot carry Counter64: such instances are invisible to it.
    const auto skip = [v1](const Value& v) { return v1 && v.type == ValueType::Counter64; };

    switch (reqinfo->mode) {
    case MODE_GET:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            const Oid requested = ToOid(r->requestvb->name, r->requestvb->name_length);
            if (const int error = faults.ErrorFor(requested)) {
                netsnmp_set_request_error(reqinfo, r, error);
                continue;
            }
            const ReadResult result = model.Get(requested);
            if (result.kind == ReadResult::Kind::Value && !skip(result.value))
                PutValue(r->requestvb, result.value);
            else if (result.kind == ReadResult::Kind::NoSuchObject)
                netsnmp_set_request_error(reqinfo, r, SNMP_NOSUCHOBJECT);
            else
                netsnmp_set_request_error(reqinfo, r, SNMP_NOSUCHINSTANCE);
        }
        break;
    case MODE_GETNEXT:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            const Oid requested = ToOid(r->requestvb->name, r->requestvb->name_length);
            const ReadResult result = model.GetNext(requested, skip);
            if (const int error = faults.ErrorFor(result.kind == ReadResult::Kind::Value ? result.oid : requested)) {
                netsnmp_set_request_error(reqinfo, r, error);
                continue;
            }
            if (result.kind != ReadResult::Kind::Value)
                continue; // the agent goes on past our data and ends the view
            const std::vector<oid> name(result.oid.begin(), result.oid.end());
            snmp_set_var_objid(r->requestvb, name.data(), name.size());
            PutValue(r->requestvb, result.value);
        }
        break;
    case MODE_SET_RESERVE1:
    case MODE_SET_ACTION: {
        std::vector<SetBinding> bindings;
        std::vector<netsnmp_request_info*> order;
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            bindings.push_back({ToOid(r->requestvb->name, r->requestvb->name_length), TakeValue(r->requestvb)});
            order.push_back(r);
        }
        if (order.empty())
            break;
        if (reqinfo->mode == MODE_SET_RESERVE1) {
            if (!MayWrite(pdu)) {
                // A read community may not write: SNMPv1 has readOnly for that, SNMPv2c noAccess.
                const int error = v1 ? SNMP_ERR_READONLY : SNMP_ERR_NOACCESS;
                netsnmp_set_request_error(reqinfo, order.front(), error);
                agent->journal.Answered(error);
                break;
            }
            for (std::size_t i = 0; i < bindings.size(); ++i) {
                if (const int error = faults.ErrorFor(bindings[i].oid)) {
                    netsnmp_set_request_error(reqinfo, order[i], error);
                    agent->journal.Answered(error);
                    return SNMP_ERR_NOERROR;
                }
            }
            const SetOutcome outcome = model.CheckSet(bindings);
            if (outcome.status != SetError::NoError) {
                netsnmp_set_request_error(reqinfo, order[outcome.index], static_cast<int>(outcome.status));
                agent->journal.Answered(static_cast<int>(outcome.status));
            }
        } else {
            const SetOutcome outcome = model.Set(bindings);
            if (outcome.status != SetError::NoError) {
                netsnmp_set_request_error(reqinfo, order[outcome.index], SNMP_ERR_COMMITFAILED);
                agent->journal.Answered(SNMP_ERR_COMMITFAILED);
            }
        }
        break;
    }
    default:
        break;
    }
    return SNMP_ERR_NOERROR;
}

void CreateUsers()
{
    u_char engineId[SNMP_MAXBUF_SMALL];
    const size_t engineIdLength = snmpv3_get_engineID(engineId, sizeof(engineId));
    for (const UserSpec& user : Users) {
        if (usm_get_user(engineId, engineIdLength, const_cast<char*>(user.name)) != nullptr)
            continue; // kept in the state directory from an earlier run
        std::vector<char> line(user.createLine, user.createLine + std::strlen(user.createLine) + 1);
        usm_parse_create_usmUser("createUser", line.data());
    }
}

double Millis(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace

int RunAgent(const AgentOptions& options, DataModel& model)
{
    AgentState state;
    state.options = &options;
    state.model = &model;
    agent = &state;

    struct sigaction stop {};
    stop.sa_handler = OnStopSignal;
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGINT, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    // Everything Net-SNMP reads or writes stays in the state directory; no MIB files are parsed.
    setenv("MIBS", "", 1);
    // Configuration in the state directory itself, persistent data (engine boots, users) below it.
    // (SNMPCONFPATH would hide the persistent directory from Net-SNMP.)
    unsetenv("SNMPCONFPATH");
    unsetenv("SNMP_PERSISTENT_FILE");
    const std::string persistDir = options.stateDir + "/persist";
    std::error_code ec;
    std::filesystem::create_directories(persistDir + "/cert_indexes", ec); // else Net-SNMP reports creating them
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, options.stateDir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0); // master agent
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    if (const char* tokens = std::getenv("SORVANE_SIM_DEBUG")) {
        debug_register_tokens(tokens);
        snmp_set_do_debugging(1);
    }
    if (options.verbose)
        snmp_enable_stderrlog();
    else
        QuietLog();

    init_agent(AppName);
    // The agent library keeps empty handlers at the roots 0, 1 and 2; the data lives below
    // iso.std (1.0), iso.member-body (1.2: the IEEE 802.3ad LAG MIB) and iso.org (1.3). All SET
    // phases of every subtree run before the next phase starts, so a SET across them stays
    // all-or-nothing.
    static const oid roots[][2] = {{1, 0}, {1, 2}, {1, 3}};
    for (const auto& root : roots) {
        netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
            "sorvane-sim", HandleRequests, root, 2, HANDLER_CAN_RWRITE);
        if (registration == nullptr || netsnmp_register_handler(registration) != MIB_REGISTERED_OK) {
            std::cerr << "sorvane-sim: cannot register the data model\n";
            return 1;
        }
    }
    if (!WriteAccessConfig(options)) {
        std::cerr << "sorvane-sim: cannot write " << options.stateDir << "\n";
        return 1;
    }
    snmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK_INITIAL, CountRequest, nullptr);
    init_snmp(AppName);
    if (!options.verbose)
        QuietLog(); // the agent library turns its log on again while it starts

    netsnmp_transport* transport = netsnmp_transport_open_server(AppName, options.listen.c_str());
    if (transport == nullptr) {
        std::cerr << "sorvane-sim: cannot listen on " << options.listen << "\n";
        snmp_shutdown(AppName);
        return 2;
    }
    const int agentFd = transport->sock;
    if (netsnmp_register_agent_nsap(transport) == 0) {
        std::cerr << "sorvane-sim: cannot serve " << options.listen << "\n";
        snmp_shutdown(AppName);
        return 2;
    }
    CreateUsers();
    // Save the incremented engine boots (and the users) now: a killed agent must not come
    // back with the boots of its previous run.
    snmp_store(AppName);

    int exitCode = 0;
    try {
        ControlChannel control(options.controlPath);
        using Clock = std::chrono::steady_clock;
        bool holding = false;          // a request waits for its delay
        Clock::time_point heldSince;
        while (!stopRequested) {
            int maxFd = 0;
            fd_set readFds;
            FD_ZERO(&readFds);
            timeval timeout{0, 200000};
            int block = 0;
            snmp_select_info(&maxFd, &readFds, &timeout, &block);
            if (block || timeout.tv_sec > 0 || timeout.tv_usec > 200000)
                timeout = {0, 200000};
            FD_SET(control.Fd(), &readFds);
            maxFd = std::max(maxFd, control.Fd() + 1);
            if (holding) {
                const double left = state.faults.delayMs - Millis(heldSince, Clock::now());
                FD_CLR(agentFd, &readFds);
                if (left > 0) {
                    const long us = static_cast<long>(left * 1000);
                    if (us < timeout.tv_sec * 1000000L + timeout.tv_usec)
                        timeout = {us / 1000000, us % 1000000};
                }
            }
            const int ready = select(maxFd, &readFds, nullptr, nullptr, &timeout);
            if (ready < 0) {
                if (errno == EINTR)
                    continue;
                break;
            }
            if (FD_ISSET(control.Fd(), &readFds)) {
                FD_CLR(control.Fd(), &readFds);
                control.ServeOne([&](const std::string& line) {
                    return RunControlCommand(line, state.faults, model, state.counts, state.journal);
                });
            }
            const bool due = holding && Millis(heldSince, Clock::now()) >= state.faults.delayMs;
            if (FD_ISSET(agentFd, &readFds) || due) {
                Faults& f = state.faults;
                if (f.silent || f.dropCount > 0) {
                    char discard[65536];
                    recv(agentFd, discard, sizeof(discard), MSG_DONTWAIT);
                    if (!f.silent)
                        --f.dropCount;
                    holding = false;
                    FD_CLR(agentFd, &readFds);
                } else if (f.delayMs > 0 && !holding) {
                    holding = true;
                    heldSince = Clock::now();
                    FD_CLR(agentFd, &readFds);
                } else {
                    holding = false;
                    FD_SET(agentFd, &readFds);
                }
            }
            snmp_read(&readFds);
            snmp_timeout();
            run_alarms();
            netsnmp_check_outstanding_agent_requests();
        }
    } catch (const std::exception& e) {
        std::cerr << "sorvane-sim: " << e.what() << "\n";
        exitCode = 3;
    }
    snmp_shutdown(AppName);
    agent = nullptr;
    return exitCode;
}

} // namespace sim
