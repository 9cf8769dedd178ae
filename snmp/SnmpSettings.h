#pragma once
// The settings of a request: the agent, the SNMPv3 context, the version and credentials, and
// the module-level defaults that every new request copies.

#include <cstdint>
#include <string>

// The agent a request talks to.
struct MvSNMPDevice {
    std::string Address;       // IP address or DNS name
    std::uint16_t Port = 0;
};

// The SNMPv3 context, set on every PDU.
struct MvSNMPScope {
    std::string ContextEngineId;
    std::string ContextName;
};

// The version and credentials. The numeric codes are the SNMP layer's own and pass to it as
// they are.
struct MvSNMPSecurity {
    std::uint8_t Version = 0;       // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;      // GET and GETNEXT (SNMPv1, SNMPv2c)
    std::string WriteCommunity;     // SET (SNMPv1, SNMPv2c)
    int SecurityModel = 0;          // 1 SNMPv1, 2 SNMPv2c, 3 USM
    int SecurityLevel = 0;          // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; set on every PDU
    std::string SecurityName;       // SNMPv3 user name
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocol = 0;           // 1 none, 2 HMAC-MD5-96, 3 HMAC-SHA-96
    int PrivProtocol = 0;           // 1 none, 2 DES-CBC
};

// Empty until CreateGlobalSession writes them; the command line may overwrite them afterwards.
extern MvSNMPDevice DefaultDevice;
extern MvSNMPScope DefaultScope;
extern MvSNMPSecurity DefaultSecurity;
extern int DefaultTimeout;   // hundredths of a second
// The longest any request waits for an answer, whatever time-out it asks for, in hundredths of a
// second; 0 lets every request wait as long as it asks. Something that drives every window
// against a switch that does not answer (a test) sets it, so that no read takes half a minute.
extern int TimeoutCeiling;
