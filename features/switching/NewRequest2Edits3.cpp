#include "features/switching/NewRequest2Edits3.h"

#include "features/switching/BitWords.h"

#include "ui/ListView.h"

NewRequest2Edits3::NewRequest2Edits3(QWidget* form) : MvSNMPRequest2Edits(form) {}

void NewRequest2Edits3::RowReceived()
{
    if (!ListView)
        return;
    BitsToNames(Request.VarList.Item(CapSupportedItem), RemoteCapabilityWords);
    BitsToNames(Request.VarList.Item(CapEnabledItem), RemoteCapabilityWords);
    AddListRow();
}
