#include "features/switching/NewRequest2Edits1.h"

#include "features/switching/BitWords.h"

#include "ui/ListView.h"

NewRequest2Edits1::NewRequest2Edits1(QWidget* form) : MvSNMPRequest2Edits(form) {}

void NewRequest2Edits1::RowReceived()
{
    if (!ListView)
        return;
    BitsToNames(Request.VarList.Item(StatusItem), LinkAggStatusWords);
    AddListRow();
}
