#pragma once
// The MLD snooping multicast VLAN window (Layer 2 > MLD Snooping > Multicast VLAN Table): IPv6
// multicast VLANs with their four port lists (MulticastVlanForm.h). Only the VLAN ID is
// required; a new VLAN may be given its replacement address, which the address type "unknown"
// turns off, and Set always writes the type ipv6.

#include "features/switching/MulticastVlanForm.h"

#include "ui_mldMulticastVlanForm.h"

class TmldMulticastVlanForm : public TMulticastVlanForm, public Ui::mldMulticastVlanForm {
public:
    explicit TmldMulticastVlanForm(QWidget* owner = nullptr);
    ~TmldMulticastVlanForm() override;
};

// The window while its menu handler shows it.
extern TmldMulticastVlanForm* mldMulticastVlanForm;
