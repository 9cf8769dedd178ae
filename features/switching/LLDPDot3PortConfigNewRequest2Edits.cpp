#include "features/switching/LLDPDot3PortConfigNewRequest2Edits.h"

#include "features/switching/BitWords.h"
#include "features/switching/LLDPDot3PortConfigForm.h"

#include "ui/Edit.h"
#include "ui/ListView.h"

LLDPDot3PortConfigNewRequest2Edits::LLDPDot3PortConfigNewRequest2Edits(TLLDPDot3PortConfigForm* form)
    : MvSNMPRequest2Edits(form)
{
}

void LLDPDot3PortConfigNewRequest2Edits::RowReceived()
{
    if (!ListView)
        return;
    BitsToNames(Request.VarList.Item(TLLDPDot3PortConfigForm::TlvsItem), Dot3TlvWords);
    AddListRow();
}

void LLDPDot3PortConfigNewRequest2Edits::CollectValues()
{
    if (ListView)
        SelectedRowToValues();
    // The window this request was made for, whichever window the menu keeps in its variable.
    if (auto* window = dynamic_cast<TLLDPDot3PortConfigForm*>(Owner))
        Request.VarList.Item(TLLDPDot3PortConfigForm::TlvsItem).value = window->TLVsEdit->Text();
    NamesToBits(Request.VarList.Item(TLLDPDot3PortConfigForm::TlvsItem), Dot3TlvWords);
}
