#pragma once
// The IGMP snooping multicast VLAN window (Layer 2 > IGMP Snooping > Multicast VLAN Table): IPv4
// multicast VLANs with their four port lists (MulticastVlanForm.h). Add and Set check the name,
// the replacement address (the whole text) and the remap priority; Add refuses source ports
// together with untagged source ports.

#include "features/switching/MulticastVlanForm.h"

#include "ui_IGMPMulticastVlanForm.h"

class TIGMPMulticastVlanForm : public TMulticastVlanForm, public Ui::IGMPMulticastVlanForm {
public:
    explicit TIGMPMulticastVlanForm(QWidget* owner = nullptr);
    ~TIGMPMulticastVlanForm() override;
};

// The window while its menu handler shows it.
extern TIGMPMulticastVlanForm* IGMPMulticastVlanForm;
