#pragma once
// Whether each port transmits the LLDP-Dot1 VLAN name TLVs, per port and VLAN (Layer 2 > LLDP >
// LLDP-Dot1 > Configuration > VLAN Name Table).

#include "features/switching/LLDPDot1TxFrame.h"

class TLLDPConfigVLANNameForm : public TLLDPDot1TxFrame {
public:
    explicit TLLDPConfigVLANNameForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm;
