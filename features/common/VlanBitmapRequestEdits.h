#pragma once
// The request of a window that edits a row's VLANs as eight block list texts
// (VlanBlockEditors.h). Rows are turned into list texts as they arrive; a write collects the
// selected row and the bound controls, then hands the values to VLANRangesToBitmaps, which turns
// the texts of the blocks the write carries back into bitmaps (and sets what the window's own
// write mode needs).

#include "snmp/Request2Edits.h"

class VlanBlockEditors;

class VlanBitmapRequestEdits : public MvSNMPRequest2Edits {
public:
    // The window whose editors the write reads, and its block editors (found already).
    VlanBitmapRequestEdits(QWidget* window, const VlanBlockEditors& blocks);

    // With a list view: every bitmap of the row becomes its block's list text ("0" for none),
    // then the row is added. Without one nothing happens.
    void RowReceived() override;
    // Every value emptied, the selected row and the bound controls taken, then
    // VLANRangesToBitmaps.
    void CollectValues() override;

    // The window's values of the write: VlanBlockEditors::CheckedTextsToBitmaps for the blocks.
    virtual void VLANRangesToBitmaps() = 0;

protected:
    const VlanBlockEditors& Blocks;
};
