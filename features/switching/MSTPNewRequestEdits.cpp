#include "features/switching/MSTPNewRequestEdits.h"

#include "features/switching/MSTPVLANUnitForm.h"

#include "gui/VlanList.h"
#include "snmp/Exception.h"
#include "snmp/VarDescriptor.h"
#include "snmp/VarList.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

MSTPNewRequestEdits::MSTPNewRequestEdits(TMSTPVLANUnitForm* window) : MvSNMPRequest2Edits(window), window_(window) {}

void MSTPNewRequestEdits::RowReceived()
{
    if (!ListView)
        return;
    MvSNMPVarList& list = Request.VarList;
    for (int k = TMSTPVLANUnitForm::FirstRangeItem; k <= TMSTPVLANUnitForm::LastRangeItem && k < list.Count(); ++k) {
        std::string& value = list.Item(k).value;
        value = VlanHexToListText(value, k - TMSTPVLANUnitForm::FirstRangeItem);
    }
    AddListRow();
}

void MSTPNewRequestEdits::CollectValues()
{
    MvSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).value.clear();
    if (ListView)
        SelectedRowToValues();
    ControlsToValues(-1);
    VLANRangesToBitmaps();
}

void MSTPNewRequestEdits::VLANRangesToBitmaps()
{
    MvSNMPVarList& list = Request.VarList;
    if (window_->EditMode == 1) {
        list.Item(TMSTPVLANUnitForm::InstanceItem).value = window_->VIDEdit->Text();
        list.Item(TMSTPVLANUnitForm::RowStatusItem).value = "4"; // createAndGo
        return;
    }
    for (int k = TMSTPVLANUnitForm::FirstRangeItem; k <= TMSTPVLANUnitForm::LastRangeItem; ++k) {
        MvVarItem& item = list.Item(k);
        if (!window_->RangeBox(k)->Checked() || (item.access & invalid) != 0)
            continue;
        const int block = k - TMSTPVLANUnitForm::FirstRangeItem;
        std::string text = window_->RangeEdit(k)->Text();
        // A text that does not convert would go out as odd hexadecimal digits of its own.
        if (!IsVlanBlockListText(text, block))
            throw Exception("Please input a VLAN list within " + VlanBlockCaption(block) + ".");
        VlanListTextToHex(text);
        item.value = text;
    }
}
