#include "features/switching/LLDPPortConfigurationForm.h"

#include "features/switching/BitWords.h"
#include "features/switching/LLDPPortConfigForm.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"

#include <string>

TLLDPPortConfigurationForm* LLDPPortConfigurationForm = nullptr;

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(TLLDPPortConfigForm* owner) : ui::Form(owner), window_(owner)
{
    setupUi(this);
    Loaded();
    ScaleForScreen();
    SetPosition(ui::poOwnerFormCenter);
    OnActivate = ui::Handler(this, &TLLDPPortConfigurationForm::FormActivate);
    OnClose = ui::Handler(this, &TLLDPPortConfigurationForm::FormClose);
    SetButton->OnClick = ui::Handler(this, &TLLDPPortConfigurationForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &TLLDPPortConfigurationForm::CloseButtonClick);
    DoCreate();
}

TLLDPPortConfigurationForm::~TLLDPPortConfigurationForm()
{
    if (::LLDPPortConfigurationForm == this)
        ::LLDPPortConfigurationForm = nullptr;
}

std::vector<ui::CheckBox*> TLLDPPortConfigurationForm::Boxes() const
{
    return {portDescCBX, sysNameCBX, sysDescCBX, sysCapCBX};
}

void TLLDPPortConfigurationForm::FormActivate(QObject*)
{
    SetCaption("Potocol Setting: ");
    const std::string text = window_->TLVsEdit->Text();
    const std::vector<ui::CheckBox*> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (text.find(BasicTlvWords.Words[i].Word) != std::string::npos)
            boxes[i]->SetChecked(true);
}

void TLLDPPortConfigurationForm::SetButtonClick(QObject*)
{
    std::string text = " ";
    const std::vector<ui::CheckBox*> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!boxes[i]->Checked())
            continue;
        if (text != " ")
            text += ',';
        text += BasicTlvWords.Words[i].Word;
    }
    window_->TLVsEdit->SetText(text);
    Close();
}

void TLLDPPortConfigurationForm::CloseButtonClick(QObject*) { Close(); }

void TLLDPPortConfigurationForm::FormClose(QObject*, ui::CloseAction&)
{
    for (ui::CheckBox* box : Boxes())
        box->SetChecked(false);
}
