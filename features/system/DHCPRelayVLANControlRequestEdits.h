#pragma once
// The request of the DHCP relay VLAN window (DHCPRelayVLANControlUnitForm.h). The switch keeps a
// server's VLANs as eight bitmaps of 512 VLANs each (64 octets, 128 hexadecimal digits); the
// window shows and edits each as a list text such as "1-3,5". Rows are turned into list texts as
// they arrive, and the texts of the blocks a write carries back into bitmaps.

#include "snmp/Request2Edits.h"

class TDHCPRelayVLANControlUnitForm;

class DHCPRelayVLANControlRequestEdits : public MvSNMPRequest2Edits {
public:
    // The window whose editors and write mode the write reads.
    explicit DHCPRelayVLANControlRequestEdits(TDHCPRelayVLANControlUnitForm* window);

    // With a list view: every bitmap of the row becomes its block's list text ("0" for none),
    // then the row is added. Without one nothing happens.
    void RowReceived() override;
    // Every value emptied, the selected row and the bound controls taken, then
    // VLANRangesToBitmaps.
    void CollectValues() override;

    // Add (the window's Mode 1): the address from its edit and the row status createAndGo.
    // Otherwise every block whose box is checked and that the write carries gets its edit's list
    // text as a bitmap; a text that is no list of that block raises the block check's message,
    // so nothing is sent.
    void VLANRangesToBitmaps();

private:
    TDHCPRelayVLANControlUnitForm* window_;
};
