#include "features/switching/LLDPPortConfigForm.h"

#include "features/switching/LLDPPortConfigurationForm.h"
#include "features/switching/NewRequest2Edits.h"

TLLDPPortConfigForm* LLDPPortConfigForm = nullptr;

TLLDPPortConfigForm::TLLDPPortConfigForm(QWidget* owner)
    : TPortWordListFrame(owner, {"Oid_lldp", "1.0.8802.1.1.2.1.1.6.1.1"})
{
    setupUi(this);
    UseComponents({.List = ListView1,
                   .RowCount = StaticText1,
                   .PortEditLabel = PortEditLabel,
                   .PortText = PortText,
                   .WordsEdit = TLVsEdit,
                   .GetButton = GetButton,
                   .EditButton = EditButton,
                   .StopButton = StopButton,
                   .CloseButton = CloseButton});
    DoCreate();
}

void TLLDPPortConfigForm::CreateChooser() { ::LLDPPortConfigurationForm = new TLLDPPortConfigurationForm(this); }

ui::Form* TLLDPPortConfigForm::Chooser() const { return ::LLDPPortConfigurationForm; }

std::unique_ptr<MvSNMPRequest2Edits> TLLDPPortConfigForm::CreateRequest()
{
    return std::make_unique<NewRequest2Edits>(this);
}

void TLLDPPortConfigForm::BindColumns(MvSNMPRequest2Edits& request)
{
    request.BindStaticText(PortItem, PortText);
    request.BindComboBox(AdminStateItem, AdminStateComboBox);
    request.BindComboBox(NotificationItem, NotificationComboBox);
    request.BindEdits(TlvsItem, "%s{l256}", TLVsEdit);
}

void TLLDPPortConfigForm::ClearEditors()
{
    AdminStateComboBox->SetItemIndex(-1);
    NotificationComboBox->SetItemIndex(-1);
    TLVsEdit->SetText("");
}
