#pragma once
// Whether each port transmits the LLDP-Dot1 protocol VLAN TLVs, per port and VLAN (Layer 2 > LLDP >
// LLDP-Dot1 > Configuration > Protocol VLAN Table).

#include "features/switching/LLDPDot1TxFrame.h"

class TLLDPConfigProtocolVLANForm : public TLLDPDot1TxFrame {
public:
    explicit TLLDPConfigProtocolVLANForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm;
