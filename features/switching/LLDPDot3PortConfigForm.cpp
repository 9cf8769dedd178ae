#include "features/switching/LLDPDot3PortConfigForm.h"

#include "features/switching/LLDPDot3PortConfigNewRequest2Edits.h"
#include "features/switching/LLDPDot3PortConfigurationForm.h"

TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm = nullptr;

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(QWidget* owner)
    : TPortWordListFrame(owner, {"Oid_lldp", "1.0.8802.1.1.2.1.5.4623.1.1.1.1.1"})
{
    setupUi(this);
    UseComponents({.List = ListView1,
                   .RowCount = StaticText1,
                   .PortEditLabel = PortEditLabel,
                   .PortText = PortText,
                   .WordsEdit = TLVsEdit,
                   .GetButton = GetButton,
                   .EditButton = EditButton,
                   .StopButton = Button1,
                   .CloseButton = CloseButton});
    DoCreate();
}

void TLLDPDot3PortConfigForm::CreateChooser()
{
    ::LLDPDot3PortConfigurationForm = new TLLDPDot3PortConfigurationForm(this);
}

ui::Form* TLLDPDot3PortConfigForm::Chooser() const { return ::LLDPDot3PortConfigurationForm; }

std::unique_ptr<MvSNMPRequest2Edits> TLLDPDot3PortConfigForm::CreateRequest()
{
    return std::make_unique<LLDPDot3PortConfigNewRequest2Edits>(this);
}

void TLLDPDot3PortConfigForm::BindColumns(MvSNMPRequest2Edits& request)
{
    request.BindStaticText(PortItem, PortText);
    request.BindEdits(TlvsItem, "%s{l256}", TLVsEdit);
}

void TLLDPDot3PortConfigForm::ClearEditors() { TLVsEdit->SetText(""); }
