#pragma once
// The request of the LLDP port configuration window (LLDPPortConfigForm.h): the TLVs column is
// listed as words, and a write takes the port's settings from the window's editors, the TLVs
// words back as bits.

#include "snmp/Request2Edits.h"

class TLLDPPortConfigForm;

class NewRequest2Edits : public MvSNMPRequest2Edits {
public:
    explicit NewRequest2Edits(TLLDPPortConfigForm* form);

    // With a list view: the TLVs as words, then the row added (no window messages dispatched
    // between the rows). Without one nothing happens.
    void RowReceived() override;
    // The selected row (its port), then the administration state, the notification and the TLVs
    // of the window the request was built for, the TLVs as bits. The values are not emptied
    // first and no other control is read.
    void CollectValues() override;
};
