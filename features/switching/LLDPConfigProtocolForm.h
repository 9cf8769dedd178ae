#pragma once
// Whether each port transmits the LLDP-Dot1 protocol identity TLVs, per port and protocol index
// (Layer 2 > LLDP > LLDP-Dot1 > Configuration > Protocol Table).

#include "features/switching/LLDPDot1TxFrame.h"

class TLLDPConfigProtocolForm : public TLLDPDot1TxFrame {
public:
    explicit TLLDPConfigProtocolForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TLLDPConfigProtocolForm* LLDPConfigProtocolForm;
