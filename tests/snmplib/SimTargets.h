#pragma once
// Targets and credentials of the simulated switch for the SNMP layer's tests.

#include "snmplib/SnmpLib.h"
#include "support/SimSwitch.h"

#include <memory>
#include <ostream>
#include <string>

struct SimCredential {
    const char* label;
    snmp_version version;
    const char* user;   // SNMPv3 only
    int authProtocol;
    int privProtocol;
    int level;
};

inline void PrintTo(const SimCredential& c, std::ostream* os) { *os << c.label; }

inline const SimCredential kSimCredentials[] = {
    {"v1", version1, "", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV},
    {"v2c", version2c, "", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV},
    {"noAuthNoPriv", version3, SimCredentials::NoAuthUser, SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE,
     SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV},
    {"authNoPrivMD5", version3, SimCredentials::Md5AuthUser, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE,
     SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
    {"authNoPrivSHA", version3, SimCredentials::ShaAuthUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE,
     SNMP_SECURITY_LEVEL_AUTH_NOPRIV},
    {"authPrivMD5DES", version3, SimCredentials::Md5PrivUser, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES,
     SNMP_SECURITY_LEVEL_AUTH_PRIV},
    {"authPrivSHADES", version3, SimCredentials::ShaPrivUser, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES,
     SNMP_SECURITY_LEVEL_AUTH_PRIV},
};

inline UdpAddress SimAddress(const SimSwitch& sim)
{
    UdpAddress address(sim.Address());
    address.set_port(static_cast<std::uint16_t>(sim.Port()));
    return address;
}

// A target for the credential; SNMPv3 users are registered with the switch's pass phrases.
inline std::unique_ptr<SnmpTarget> MakeTarget(const UdpAddress& address, const SimCredential& c,
                                              unsigned long timeout = 100, int retries = 1)
{
    std::unique_ptr<SnmpTarget> target;
    if (c.version == version3) {
        usmAddUserName(c.user, c.authProtocol, c.privProtocol, SimCredentials::AuthPassword,
                       SimCredentials::PrivPassword);
        auto user = std::make_unique<UTarget>(address);
        user->set_security_name(c.user);
        target = std::move(user);
    } else {
        target = std::make_unique<CTarget>(address, SimCredentials::ReadCommunity, SimCredentials::WriteCommunity);
        target->set_version(c.version);
    }
    target->set_timeout(timeout);
    target->set_retry(retries);
    return target;
}

inline Pdu PduFor(const char* oid, int level = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV)
{
    Pdu pdu;
    pdu += Vb(Oid(oid));
    pdu.set_security_level(level);
    return pdu;
}

inline constexpr const char* kSysObjectId = "1.3.6.1.2.1.1.2.0";
inline constexpr const char* kKbObjectId = "1.3.6.1.4.1.171.10.133.2.1";
