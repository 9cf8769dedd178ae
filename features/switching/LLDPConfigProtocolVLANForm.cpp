#include "features/switching/LLDPConfigProtocolVLANForm.h"

TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm = nullptr;

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(QWidget* owner)
    : TLLDPDot1TxFrame(owner, {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "VLAN ID", "Protocol VLAN TX"})
{
}
