#pragma once
// The request of the MSTP instance window (MSTPVLANUnitForm.h). The switch keeps an instance's
// VLANs as eight bitmaps of 512 VLANs each; the window shows and edits each as a list text such
// as "1-3,5" (VlanBitmapRequestEdits.h converts).

#include "features/common/VlanBitmapRequestEdits.h"

class TMSTPVLANUnitForm;

class MSTPNewRequestEdits : public VlanBitmapRequestEdits {
public:
    // The window whose editors the write reads.
    explicit MSTPNewRequestEdits(TMSTPVLANUnitForm* window);

    // Add (the window's EditMode 1): the instance from its edit and the row status createAndGo.
    // Otherwise every block whose box is checked and that the write carries gets its edit's list
    // text as a bitmap; a text that is no list of that block raises the block check's message,
    // so nothing is sent.
    void VLANRangesToBitmaps() override;

private:
    TMSTPVLANUnitForm* window_;
};
