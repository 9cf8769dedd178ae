#include "features/system/DHCPRelayVLANControlRequestEdits.h"

#include "features/system/DHCPRelayVLANControlUnitForm.h"

#include "snmp/VarList.h"

#include "ui/Edit.h"

DHCPRelayVLANControlRequestEdits::DHCPRelayVLANControlRequestEdits(TDHCPRelayVLANControlUnitForm* window)
    : VlanBitmapRequestEdits(window, window->VlanBlocks), window_(window)
{
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
    Blocks.CheckedTextsToBitmaps(list);
}
