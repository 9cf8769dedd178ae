#pragma once
// Test fixture: one simulated Sorvane switch (sim/sorvane-sim) on its own loopback address and
// port, started for a test or a suite and stopped by its pid. Parallel test programs never share
// an agent.

#include <string>
#include <vector>

#include <sys/types.h>

// Credentials every simulated switch accepts.
namespace SimCredentials {
inline constexpr const char* ReadCommunity = "tarnel";
inline constexpr const char* WriteCommunity = "quostem";
// USM users (SNMPv3); pass phrases are the same for every user that has them.
inline constexpr const char* NoAuthUser = "noauth";      // noAuthNoPriv
inline constexpr const char* Md5AuthUser = "md5auth";    // authNoPriv, HMAC-MD5-96
inline constexpr const char* ShaAuthUser = "shaauth";    // authNoPriv, HMAC-SHA-96
inline constexpr const char* Md5PrivUser = "md5priv";    // authPriv, MD5 + DES
inline constexpr const char* ShaPrivUser = "shapriv";    // authPriv, SHA + DES
inline constexpr const char* AuthPassword = "sorvaneauth";
inline constexpr const char* PrivPassword = "sorvanepriv";
} // namespace SimCredentials

// One variable binding of a SET PDU the agent received: its OID (dotted, no leading dot), its
// type as a data-file letter (i u c C t a o x n) and its value text (octet strings in hex).
struct SetJournalBinding {
    std::string oid;
    char type = 0;
    std::string value;
    // The bytes of an octet string (type 'x').
    std::string Octets() const;
    bool operator==(const SetJournalBinding&) const = default;
};
using SetJournalPdu = std::vector<SetJournalBinding>;

struct SimSwitchOptions {
    std::string model = "Kb";              // Ka, Kb, Kc or Kd
    std::vector<std::string> extraArgs;    // further sorvane-sim arguments (--data FILE, ...)
};

class SimSwitch {
public:
    explicit SimSwitch(const SimSwitchOptions& options = {});
    ~SimSwitch();
    SimSwitch(const SimSwitch&) = delete;
    SimSwitch& operator=(const SimSwitch&) = delete;

    const std::string& Address() const { return address_; } // "127.0.0.x"
    int Port() const { return port_; }
    std::string Endpoint() const;                            // "udp:127.0.0.x:port"
    pid_t Pid() const { return pid_; }
    const std::string& StateDir() const { return stateDir_; }

    // Fault injection through the agent's control channel; returns the agent's reply.
    // Commands: "delay <ms>", "drop <n>", "error <oid-prefix> <status>", "silence on|off",
    // "reset" (clears every fault).
    std::string Control(const std::string& command);

    // The SET PDUs the agent received since it started or since ClearSetJournal, in order.
    std::vector<SetJournalPdu> SetJournal();
    // The error status the agent answered to each of those PDUs (0: noError), in the same order.
    std::vector<int> SetJournalStatuses();
    void ClearSetJournal();
    // The SET PDUs received since the last clear as "OID=value" texts (octet strings in hex), one
    // vector per PDU; the journal is cleared.
    std::vector<std::vector<std::string>> TakeSetJournal();

    void Stop();
    void Restart(); // same address, port and state directory (engine boots persist)

    // A data file of tests/support/data, for SimSwitchOptions::extraArgs ("--data", path).
    static std::string DataFile(const std::string& name);

private:
    void Start();

    SimSwitchOptions options_;
    std::string address_;
    int port_ = 0;
    pid_t pid_ = -1;
    std::string stateDir_;
};
