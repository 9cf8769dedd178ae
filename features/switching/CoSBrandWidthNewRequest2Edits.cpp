#include "features/switching/CoSBrandWidthNewRequest2Edits.h"

#include "snmp/VarList.h"

#include "ui/ListView.h"

CoSBrandWidthNewRequest2Edits::CoSBrandWidthNewRequest2Edits(QWidget* window) : MvSNMPRequest2Edits(window) {}

void CoSBrandWidthNewRequest2Edits::RowReceived()
{
    if (!ListView)
        return;
    ZeroRateToNoLimit();
    AddListRow();
}

void CoSBrandWidthNewRequest2Edits::ZeroRateToNoLimit()
{
    MvSNMPVarList& list = Request.VarList;
    for (const int item : {MinimumRateItem, MaximumRateItem}) {
        if (item >= list.Count())
            continue;
        std::string& value = list.Item(item).value;
        if (value == "0")
            value = "No Limit";
    }
}
