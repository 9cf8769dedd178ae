#include "features/switching/NewRequest2EditsForL2PTP.h"

#include "features/switching/BitWords.h"
#include "features/switching/L2PTPPortForm.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListView.h"

NewRequest2EditsForL2PTP::NewRequest2EditsForL2PTP(TL2PTPPortForm* window)
    : MvSNMPRequest2Edits(window), window_(window)
{
}

void NewRequest2EditsForL2PTP::BitsToNames()
{
    ::BitsToNames(Request.VarList.Item(TL2PTPPortForm::ProtocolItem), L2ptpProtocolWords);
}

void NewRequest2EditsForL2PTP::NamesToBits()
{
    ::NamesToBits(Request.VarList.Item(TL2PTPPortForm::ProtocolItem), L2ptpProtocolWords);
}

void NewRequest2EditsForL2PTP::RowReceived()
{
    if (!ListView)
        return;
    BitsToNames();
    AddListRow();
}

void NewRequest2EditsForL2PTP::CollectValues()
{
    if (ListView)
        SelectedRowToValues();
    MvSNMPVarList& list = Request.VarList;
    list.Item(TL2PTPPortForm::TypeItem).value = window_->TypeComboBox->Text();
    list.Item(TL2PTPPortForm::ProtocolItem).value = window_->ProtocolEdit->Text();
    NamesToBits();
}
