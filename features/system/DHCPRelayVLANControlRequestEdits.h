#pragma once
// The request of the DHCP relay VLAN window (DHCPRelayVLANControlUnitForm.h). The switch keeps a
// server's VLANs as eight bitmaps of 512 VLANs each; the window shows and edits each as a list
// text such as "1-3,5" (VlanBitmapRequestEdits.h converts).

#include "features/common/VlanBitmapRequestEdits.h"

class TDHCPRelayVLANControlUnitForm;

class DHCPRelayVLANControlRequestEdits : public VlanBitmapRequestEdits {
public:
    // The window whose editors and write mode the write reads.
    explicit DHCPRelayVLANControlRequestEdits(TDHCPRelayVLANControlUnitForm* window);

    // Add (the window's Mode 1): the address from its edit and the row status createAndGo.
    // Otherwise every block whose box is checked and that the write carries gets its edit's list
    // text as a bitmap; a text that is no list of that block raises the block check's message,
    // so nothing is sent.
    void VLANRangesToBitmaps() override;

private:
    TDHCPRelayVLANControlUnitForm* window_;
};
