#include "features/switching/LLDPDot3PortConfigurationForm.h"

#include "features/switching/BitWords.h"
#include "features/switching/LLDPDot3PortConfigForm.h"

#include "snmp/DeviceState.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"

#include <string>

TLLDPDot3PortConfigurationForm* LLDPDot3PortConfigurationForm = nullptr;

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(TLLDPDot3PortConfigForm* owner)
    : ui::Form(owner), window_(owner)
{
    setupUi(this);
    Loaded();
    ScaleForScreen();
    SetPosition(ui::poMainFormCenter);
    OnActivate = ui::Handler(this, &TLLDPDot3PortConfigurationForm::FormActivate);
    OnClose = ui::Handler(this, &TLLDPDot3PortConfigurationForm::FormClose);
    SetButton->OnClick = ui::Handler(this, &TLLDPDot3PortConfigurationForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPDot3PortConfigurationForm::CloseButtonClick);
    DoCreate();
}

TLLDPDot3PortConfigurationForm::~TLLDPDot3PortConfigurationForm()
{
    if (::LLDPDot3PortConfigurationForm == this)
        ::LLDPDot3PortConfigurationForm = nullptr;
}

std::vector<ui::CheckBox*> TLLDPDot3PortConfigurationForm::Boxes() const
{
    return {macPhyConfigStatuscbx, powerViaMDIcbx, linkAggregationcbx, maxFrameSizecbx};
}

void TLLDPDot3PortConfigurationForm::FormActivate(QObject*)
{
    powerViaMDIcbx->setVisible(false);
    SetCaption("LLDP Dot3 Port Configuration Table Setting: " + DeviceIPText);
    // The hidden box too: it carries the word through Set Checked.
    const std::string text = window_->TLVsEdit->Text();
    const std::vector<ui::CheckBox*> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (text.find(Dot3TlvWords.Words[i].Word) != std::string::npos)
            boxes[i]->SetChecked(true);
}

void TLLDPDot3PortConfigurationForm::SetButtonClick(QObject*)
{
    std::string text = " ";
    const std::vector<ui::CheckBox*> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!boxes[i]->Checked())
            continue;
        if (text != " ")
            text += ',';
        text += Dot3TlvWords.Words[i].Word;
    }
    window_->TLVsEdit->SetText(text);
    Close();
}

void TLLDPDot3PortConfigurationForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPDot3PortConfigurationForm::FormClose(QObject*, ui::CloseAction&)
{
    for (ui::CheckBox* box : Boxes())
        box->SetChecked(false);
}
