#pragma once
// The request of the queue bandwidth window (CoSBrandwidthctrlForm.h): a rate of 0 means the
// queue has no limit, and a row shows it, and its editors when the row is selected, as
// "No Limit".

#include "snmp/Request2Edits.h"

class CoSBrandWidthNewRequest2Edits : public MvSNMPRequest2Edits {
public:
    // Items of the queue bandwidth table.
    enum Item { PortItem, QueueItem, MinimumRateItem, MaximumRateItem };

    explicit CoSBrandWidthNewRequest2Edits(QWidget* window);

    // With a list view: the zero rates named, then the row added; no window messages are
    // dispatched between the rows. Without one nothing happens.
    void RowReceived() override;

    // The minimum and the maximum rate, each when its text is exactly "0", become "No Limit".
    void ZeroRateToNoLimit();
};
