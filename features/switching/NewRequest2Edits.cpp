#include "features/switching/NewRequest2Edits.h"

#include "features/switching/BitWords.h"
#include "features/switching/LLDPPortConfigForm.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

NewRequest2Edits::NewRequest2Edits(TLLDPPortConfigForm* form) : MvSNMPRequest2Edits(form) {}

void NewRequest2Edits::RowReceived()
{
    if (!ListView)
        return;
    BitsToNames(Request.VarList.Item(TLLDPPortConfigForm::TlvsItem), BasicTlvWords);
    AddListRow();
}

void NewRequest2Edits::CollectValues()
{
    if (ListView)
        SelectedRowToValues();
    // The window this request was made for, whichever window the menu keeps in its variable.
    if (auto* window = dynamic_cast<TLLDPPortConfigForm*>(Owner)) {
        MvSNMPVarList& list = Request.VarList;
        list.Item(TLLDPPortConfigForm::AdminStateItem).value = window->AdminStateComboBox->Text();
        list.Item(TLLDPPortConfigForm::NotificationItem).value = window->NotificationComboBox->Text();
        list.Item(TLLDPPortConfigForm::TlvsItem).value = window->TLVsEdit->Text();
    }
    NamesToBits(Request.VarList.Item(TLLDPPortConfigForm::TlvsItem), BasicTlvWords);
}
