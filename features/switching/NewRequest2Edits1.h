#pragma once
// The request of the LLDP dot3 link aggregation window (LLDPDot3LinkAggForm.h): a port's link
// aggregation status is listed as words.

#include "snmp/Request2Edits.h"

class NewRequest2Edits1 : public MvSNMPRequest2Edits {
public:
    // The item of the status in the link aggregation table.
    enum Item { StatusItem = 1 };

    explicit NewRequest2Edits1(QWidget* form);

    // With a list view: the status as words, then the row added (no window messages dispatched
    // between the rows). Without one nothing happens.
    void RowReceived() override;
};
