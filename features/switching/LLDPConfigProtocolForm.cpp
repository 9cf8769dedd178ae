#include "features/switching/LLDPConfigProtocolForm.h"

TLLDPConfigProtocolForm* LLDPConfigProtocolForm = nullptr;

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(QWidget* owner)
    : TLLDPDot1TxFrame(owner, {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Index", "Protocol TX"})
{
}
