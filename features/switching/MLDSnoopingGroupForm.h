#pragma once
// The MLD snooping group window (Layer 2 > MLD Snooping > Group Table): per VLAN, IPv6 source
// and group, the include and exclude member ports, the router ports and the timers
// (SnoopingLearnedForm.h).

#include "features/switching/SnoopingLearnedForm.h"

#include "ui_MLDSnoopingGroupForm.h"

class TMLDSnoopingGroupForm : public TSnoopingLearnedForm, public Ui::MLDSnoopingGroupForm {
public:
    explicit TMLDSnoopingGroupForm(QWidget* owner = nullptr);
    ~TMLDSnoopingGroupForm() override;
};

// The window while its menu handler shows it.
extern TMLDSnoopingGroupForm* MLDSnoopingGroupForm;
