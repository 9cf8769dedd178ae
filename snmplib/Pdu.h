#pragma once
// A PDU: its bindings, and after an exchange the answer's error-status, error index and type.
// When no answer came (time-out, send failure) the PDU keeps the request's own bindings.

#include "snmplib/OctetStr.h"
#include "snmplib/Vb.h"

#include <cstddef>
#include <cstdint>
#include <vector>

enum SnmpPduType : std::uint8_t {
    sNMP_PDU_GET = 0xA0,
    sNMP_PDU_GETNEXT = 0xA1,
    sNMP_PDU_RESPONSE = 0xA2,
    sNMP_PDU_SET = 0xA3,
    sNMP_PDU_REPORT = 0xA8,
};

// Security levels (SNMPv3), as the settings records carry them.
constexpr int SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV = 1;
constexpr int SNMP_SECURITY_LEVEL_AUTH_NOPRIV = 2;
constexpr int SNMP_SECURITY_LEVEL_AUTH_PRIV = 3;

class Pdu {
public:
    Pdu() = default;
    Pdu(const Vb* vbs, std::size_t count) : vbs_(vbs, vbs + count) {}

    Pdu& operator+=(const Vb& vb)
    {
        vbs_.push_back(vb);
        return *this;
    }
    int get_vb_count() const { return static_cast<int>(vbs_.size()); }
    // Bindings are numbered from 0; an index out of range gives an empty binding (get) or is
    // ignored (set).
    const Vb& get_vb(int index) const;
    void get_vb(Vb& vb, int index) const { vb = get_vb(index); }
    void set_vb(const Vb& vb, int index);
    const std::vector<Vb>& vbs() const { return vbs_; }
    void set_vbs(std::vector<Vb> vbs) { vbs_ = std::move(vbs); }
    void clear();

    int get_error_status() const { return errorStatus_; }
    int get_error_index() const { return errorIndex_; }
    void set_error_status(int status) { errorStatus_ = status; }
    void set_error_index(int index) { errorIndex_ = index; }

    // The request id of the last exchange made with this PDU (0 before any).
    unsigned long get_request_id() const { return requestId_; }
    void set_request_id(unsigned long id) { requestId_ = id; }
    // The type of the last answer (or of the request while none came).
    std::uint8_t get_type() const { return type_; }
    void set_type(std::uint8_t type) { type_ = type; }

    // SNMPv3 fields, set on every PDU whatever the version; used only for SNMPv3.
    void set_security_level(int level) { securityLevel_ = level; }
    int get_security_level() const { return securityLevel_; }
    void set_context_name(const OctetStr& name) { contextName_ = name; }
    const OctetStr& get_context_name() const { return contextName_; }
    // An empty context engine id stands for the agent's own engine.
    void set_context_engine_id(const OctetStr& id) { contextEngineId_ = id; }
    const OctetStr& get_context_engine_id() const { return contextEngineId_; }

private:
    std::vector<Vb> vbs_;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
    unsigned long requestId_ = 0;
    std::uint8_t type_ = sNMP_PDU_GET;
    int securityLevel_ = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV;
    OctetStr contextName_;
    OctetStr contextEngineId_;
};
