#pragma once
// The IGMP snooping forwarding window (Layer 2 > IGMP Snooping > Forwarding Table): per VLAN,
// IPv4 source and group, the ports the traffic is forwarded to (SnoopingLearnedForm.h).

#include "features/switching/SnoopingLearnedForm.h"

#include "ui_IGMPSnoopingForwardingForm.h"

class TIGMPSnoopingForwardingForm : public TSnoopingLearnedForm, public Ui::IGMPSnoopingForwardingForm {
public:
    explicit TIGMPSnoopingForwardingForm(QWidget* owner = nullptr);
    ~TIGMPSnoopingForwardingForm() override;
};

// The window while its menu handler shows it.
extern TIGMPSnoopingForwardingForm* IGMPSnoopingForwardingForm;
