#include "features/switching/MSTPNewRequestEdits.h"

#include "features/switching/MSTPVLANUnitForm.h"

#include "snmp/VarList.h"

#include "ui/Edit.h"

MSTPNewRequestEdits::MSTPNewRequestEdits(TMSTPVLANUnitForm* window)
    : VlanBitmapRequestEdits(window, window->VlanBlocks), window_(window)
{
}

void MSTPNewRequestEdits::VLANRangesToBitmaps()
{
    MvSNMPVarList& list = Request.VarList;
    if (window_->EditMode == 1) {
        list.Item(TMSTPVLANUnitForm::InstanceItem).value = window_->VIDEdit->Text();
        list.Item(TMSTPVLANUnitForm::RowStatusItem).value = "4"; // createAndGo
        return;
    }
    Blocks.CheckedTextsToBitmaps(list);
}
