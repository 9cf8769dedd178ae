#pragma once
// The IGMP snooping group window (Layer 2 > IGMP Snooping > Group Table): per VLAN, IPv4 source
// and group, the include and exclude member ports, the router ports and the timers
// (SnoopingLearnedForm.h).

#include "features/switching/SnoopingLearnedForm.h"

#include "ui_IGMPSnoopingGroupForm.h"

class TIGMPSnoopingGroupForm : public TSnoopingLearnedForm, public Ui::IGMPSnoopingGroupForm {
public:
    explicit TIGMPSnoopingGroupForm(QWidget* owner = nullptr);
    ~TIGMPSnoopingGroupForm() override;
};

// The window while its menu handler shows it.
extern TIGMPSnoopingGroupForm* IGMPSnoopingGroupForm;
