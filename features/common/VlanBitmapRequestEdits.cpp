#include "features/common/VlanBitmapRequestEdits.h"

#include "features/common/VlanBlockEditors.h"

#include "snmp/VarList.h"

#include "ui/ListView.h"

VlanBitmapRequestEdits::VlanBitmapRequestEdits(QWidget* window, const VlanBlockEditors& blocks)
    : MvSNMPRequest2Edits(window), Blocks(blocks)
{
}

void VlanBitmapRequestEdits::RowReceived()
{
    if (!ListView)
        return;
    Blocks.BitmapsToListTexts(Request.VarList);
    AddListRow();
}

void VlanBitmapRequestEdits::CollectValues()
{
    MvSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).value.clear();
    if (ListView)
        SelectedRowToValues();
    ControlsToValues(-1);
    VLANRangesToBitmaps();
}
