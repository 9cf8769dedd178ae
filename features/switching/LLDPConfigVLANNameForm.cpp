#include "features/switching/LLDPConfigVLANNameForm.h"

TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm = nullptr;

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(QWidget* owner)
    : TLLDPDot1TxFrame(owner, {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN ID", "VLAN Name TX"})
{
}
