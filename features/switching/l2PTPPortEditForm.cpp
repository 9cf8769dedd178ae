#include "features/switching/l2PTPPortEditForm.h"

#include "features/switching/BitWords.h"
#include "features/switching/L2PTPPortForm.h"

#include "snmp/DeviceState.h"

#include "ui/CheckBox.h"
#include "ui/Edit.h"

#include <cstdint>
#include <string>

Tl2PTPPortEditForm* l2PTPPortEditForm = nullptr;

Tl2PTPPortEditForm::Tl2PTPPortEditForm(TL2PTPPortForm* owner) : ui::Form(owner), window_(owner)
{
    setupUi(this);
    Loaded();
    ScaleForScreen();
    SetPosition(ui::poOwnerFormCenter);
    OnActivate = ui::Handler(this, &Tl2PTPPortEditForm::FormActivate);
    OnClose = ui::Handler(this, &Tl2PTPPortEditForm::FormClose);
    SetButton->OnClick = ui::Handler(this, &Tl2PTPPortEditForm::SetButtonClick);
    CloseButton->OnClick = ui::Handler(this, &Tl2PTPPortEditForm::CloseButtonClick);
    DoCreate();
}

Tl2PTPPortEditForm::~Tl2PTPPortEditForm()
{
    if (::l2PTPPortEditForm == this)
        ::l2PTPPortEditForm = nullptr;
}

std::vector<ui::CheckBox*> Tl2PTPPortEditForm::Boxes() const { return {stpcbx, gvrpcbx, maccccbx, maccdcbx}; }

void Tl2PTPPortEditForm::FormActivate(QObject*)
{
    SetCaption("Port Configuration Table Setting: " + DeviceIPText);
    const std::string text = window_->ProtocolEdit->Text();
    const std::vector<ui::CheckBox*> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (text.find(L2ptpProtocolWords.Words[i].Word) != std::string::npos)
            boxes[i]->SetChecked(true);
}

void Tl2PTPPortEditForm::SetButtonClick(QObject*)
{
    std::uint32_t bits = 0;
    const std::vector<ui::CheckBox*> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->Checked())
            bits |= L2ptpProtocolWords.Words[i].Mask;
    window_->ProtocolEdit->SetText(WordListOf(bits, L2ptpProtocolWords));
    Close();
}

void Tl2PTPPortEditForm::CloseButtonClick(QObject*) { Close(); }

void Tl2PTPPortEditForm::FormClose(QObject*, ui::CloseAction&)
{
    for (ui::CheckBox* box : Boxes())
        box->SetChecked(false);
}
