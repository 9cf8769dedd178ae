#pragma once
// The request of the LLDP dot3 port configuration window (LLDPDot3PortConfigForm.h): the TLVs
// column is listed as words, and a write takes the TLVs words of the window's edit back as bits.

#include "snmp/Request2Edits.h"

class TLLDPDot3PortConfigForm;

class LLDPDot3PortConfigNewRequest2Edits : public MvSNMPRequest2Edits {
public:
    explicit LLDPDot3PortConfigNewRequest2Edits(TLLDPDot3PortConfigForm* form);

    // With a list view: the TLVs as words, then the row added (no window messages dispatched
    // between the rows). Without one nothing happens.
    void RowReceived() override;
    // The selected row (its port), then the TLVs of the window the request was built for, as
    // bits.
    void CollectValues() override;
};
