#pragma once
// The SNMP session. One object serves every agent: it keeps one Net-SNMP session (one UDP
// socket on a system-chosen port) per target and shares nothing else between them.
//
// Exchanges come in two forms:
// - blocking: send, then run the library's event processing until this exchange's answer or
//   time-out. Other outstanding asynchronous exchanges complete (their callbacks run) inside
//   the wait; no GUI events are dispatched.
// - callback: send and return at once. The callback runs later, from SNMPProcessPendingEvents
//   or from any blocking exchange's wait, never inside the call that sent. A callback may
//   start new exchanges, blocking ones included.
//
// A send that fails returns its status at once and no callback follows.

#include "snmplib/Pdu.h"
#include "snmplib/Target.h"

#include <cstdint>
#include <functional>
#include <memory>

class Snmp;

// Callback data: a number the caller chooses, typically the key of its own table of live
// requests, so that an answer for a request that no longer exists finds nothing.
using CallbackToken = std::uint64_t;

// reason: SNMP_CLASS_ASYNC_RESPONSE (an answer came: pdu holds it, its error-status tells the
// agent's result), SNMP_CLASS_TIMEOUT, SNMP_CLASS_TL_FAILED (a retransmission could not be
// sent), a report's status (1403, 1404, 1406, 1408, 1410, 1411, ...), or
// SNMP_CLASS_SESSION_DESTROYED when the session is destroyed with the exchange outstanding.
// Without an answer pdu holds the request's own bindings. pdu and target live for the call.
using SnmpCallback = void (*)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, CallbackToken token);

class Snmp {
public:
    // status: SNMP_CLASS_SUCCESS, or the reason no session can work (no UDP socket). Only local
    // port 0 (a system-chosen port per agent) is supported; another port gives
    // SNMP_CLASS_UNSUPPORTED.
    Snmp(int& status, std::uint16_t port = 0);
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    // Blocking exchanges. The return value is SNMP_CLASS_SUCCESS, the agent's error-status
    // (1 to 18), or a failure status; pdu receives the answer, or keeps its bindings.
    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    // Callback exchanges. On success pdu carries the request id that was sent.
    int get(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token);
    int get_next(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token);
    int set(Pdu& pdu, const SnmpTarget& target, SnmpCallback callback, CallbackToken token);

    // Exchanges sent and not yet completed.
    int outstanding() const;

    // Called with every socket of the session (open true), those open now and each one opened
    // later, so that an event loop can run SNMPProcessPendingEvents as soon as an answer
    // arrives; and with each socket about to be closed (open false).
    void set_socket_watcher(std::function<void(int fd, bool open)> watcher);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

// Processes every session's events without waiting: reads every datagram that has arrived,
// handles due retransmissions and time-outs, then runs the callbacks of completed exchanges.
// Returns SNMP_CLASS_SUCCESS.
int SNMPProcessPendingEvents();
