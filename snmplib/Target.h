#pragma once
// Targets: where an exchange goes and how. A community target (SNMPv1, SNMPv2c) carries the
// read and write communities; a user target (SNMPv3) the security model and name. Time-out
// and retries are per exchange: the time-out in hundredths of a second per attempt, retries
// the number of retransmissions, with no back-off.

#include "snmplib/Address.h"
#include "snmplib/OctetStr.h"

#include <memory>

enum snmp_version : int {
    version1 = 0,
    version2c = 1,
    version3 = 3,
};

// Security models, as the settings records carry them.
constexpr int SNMP_SECURITY_MODEL_V1 = 1;
constexpr int SNMP_SECURITY_MODEL_V2 = 2;
constexpr int SNMP_SECURITY_MODEL_USM = 3;

class SnmpTarget {
public:
    virtual ~SnmpTarget() = default;
    virtual std::unique_ptr<SnmpTarget> clone() const = 0;

    bool valid() const { return address_.valid(); }
    void set_address(const GenAddress& address) { address_ = address; }
    void get_address(GenAddress& address) const { address = address_; }
    const GenAddress& get_address() const { return address_; }

    void set_version(snmp_version version) { version_ = version; }
    snmp_version get_version() const { return version_; }
    void set_retry(int retries) { retries_ = retries < 0 ? 0 : retries; }
    int get_retry() const { return retries_; }
    // Hundredths of a second per attempt.
    void set_timeout(unsigned long hundredths) { timeout_ = hundredths; }
    unsigned long get_timeout() const { return timeout_; }

protected:
    SnmpTarget() = default;
    explicit SnmpTarget(const GenAddress& address) : address_(address) {}

private:
    GenAddress address_;
    snmp_version version_ = version1;
    int retries_ = 1;
    unsigned long timeout_ = 100;
};

class CTarget : public SnmpTarget {
public:
    CTarget() = default;
    explicit CTarget(const GenAddress& address, const OctetStr& readCommunity = "public",
                     const OctetStr& writeCommunity = "public")
        : SnmpTarget(address), read_(readCommunity), write_(writeCommunity) {}
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<CTarget>(*this); }

    void set_readcommunity(const OctetStr& community) { read_ = community; }
    void set_writecommunity(const OctetStr& community) { write_ = community; }
    const OctetStr& get_readcommunity() const { return read_; }
    const OctetStr& get_writecommunity() const { return write_; }

private:
    OctetStr read_ = "public";
    OctetStr write_ = "public";
};

class UTarget : public SnmpTarget {
public:
    UTarget() { set_version(version3); }
    explicit UTarget(const GenAddress& address) : SnmpTarget(address) { set_version(version3); }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<UTarget>(*this); }

    void set_security_model(int model) { securityModel_ = model; }
    int get_security_model() const { return securityModel_; }
    void set_security_name(const OctetStr& name) { securityName_ = name; }
    const OctetStr& get_security_name() const { return securityName_; }

private:
    int securityModel_ = SNMP_SECURITY_MODEL_USM;
    OctetStr securityName_;
};
