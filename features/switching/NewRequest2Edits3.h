#pragma once
// The request of the LLDP remote table window (LLDPRemoteForm.h): a neighbour's supported and
// enabled system capabilities are listed as words.

#include "snmp/Request2Edits.h"

class NewRequest2Edits3 : public MvSNMPRequest2Edits {
public:
    // The items of the capabilities in the remote table.
    enum Item { CapSupportedItem = 10, CapEnabledItem = 11 };

    explicit NewRequest2Edits3(QWidget* form);

    // With a list view: both capabilities as words, then the row added (no window messages
    // dispatched between the rows). Without one nothing happens.
    void RowReceived() override;
};
