#include "features/system/DHCPRelayVLANControlRequestEdits.h"

#include "features/system/DHCPRelayVLANControlUnitForm.h"

#include "gui/VlanList.h"
#include "snmp/Exception.h"
#include "snmp/VarDescriptor.h"
#include "snmp/VarList.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

DHCPRelayVLANControlRequestEdits::DHCPRelayVLANControlRequestEdits(TDHCPRelayVLANControlUnitForm* window)
    : MvSNMPRequest2Edits(window), window_(window)
{
}

void DHCPRelayVLANControlRequestEdits::RowReceived()
{
    if (!ListView)
        return;
    using Form = TDHCPRelayVLANControlUnitForm;
    MvSNMPVarList& list = Request.VarList;
    for (int k = Form::FirstRangeItem; k <= Form::LastRangeItem && k < list.Count(); ++k) {
        std::string& value = list.Item(k).value;
        value = VlanHexToListText(value, k - Form::FirstRangeItem);
    }
    AddListRow();
}

void DHCPRelayVLANControlRequestEdits::CollectValues()
{
    MvSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).value.clear();
    if (ListView)
        SelectedRowToValues();
    ControlsToValues(-1);
    VLANRangesToBitmaps();
}

void DHCPRelayVLANControlRequestEdits::VLANRangesToBitmaps()
{
    using Form = TDHCPRelayVLANControlUnitForm;
    MvSNMPVarList& list = Request.VarList;
    if (window_->Mode == Form::AddMode) {
        list.Item(Form::AddressItem).value = window_->IPAddressEdit->Text();
        list.Item(Form::RowStatusItem).value = "4"; // createAndGo
        return;
    }
    for (int k = Form::FirstRangeItem; k <= Form::LastRangeItem; ++k) {
        MvVarItem& item = list.Item(k);
        if (!window_->RangeBox(k)->Checked() || (item.access & invalid) != 0)
            continue;
        const int block = k - Form::FirstRangeItem;
        std::string text = window_->RangeEdit(k)->Text();
        // A text that does not convert, or VLANs of another block, would go out as some other
        // bitmap than the one the user sees.
        if (!IsVlanBlockListText(text, block))
            throw Exception("Please input a VLAN list within " + VlanBlockCaption(block) + ".");
        VlanListTextToHex(text);
        item.value = text;
    }
}
