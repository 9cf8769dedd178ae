#pragma once
// The request of the L2 protocol tunnel port window (L2PTPPortForm.h): the protocol flags of a
// port are listed as words, and a write takes the port's type and protocol words from the
// window's editors, the words back as flags.

#include "snmp/Request2Edits.h"

class TL2PTPPortForm;

class NewRequest2EditsForL2PTP : public MvSNMPRequest2Edits {
public:
    // Made for its window, whose editors a write reads.
    explicit NewRequest2EditsForL2PTP(TL2PTPPortForm* window);

    // With a list view: the protocols as words, then the row added (no window messages
    // dispatched between the rows). Without one nothing happens.
    void RowReceived() override;
    // The selected row (its port), then the port type the window's combo box shows and the
    // protocol words of its edit, the words as flags. The values are not emptied first and no
    // other control is read.
    void CollectValues() override;

    // The protocol item's flags as words, and its words as flags.
    void BitsToNames();
    void NamesToBits();

private:
    TL2PTPPortForm* window_;
};
