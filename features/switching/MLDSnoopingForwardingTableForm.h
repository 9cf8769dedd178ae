#pragma once
// The MLD snooping forwarding window (Layer 2 > MLD Snooping > Forwarding Table): per VLAN,
// IPv6 source and group, the ports the traffic is forwarded to (SnoopingLearnedForm.h).

#include "features/switching/SnoopingLearnedForm.h"

#include "ui_MLDSnoopingForwardingTableForm.h"

class TMLDSnoopingForwardingTableForm : public TSnoopingLearnedForm, public Ui::MLDSnoopingForwardingTableForm {
public:
    explicit TMLDSnoopingForwardingTableForm(QWidget* owner = nullptr);
    ~TMLDSnoopingForwardingTableForm() override;
};

// The window while its menu handler shows it.
extern TMLDSnoopingForwardingTableForm* MLDSnoopingForwardingTableForm;
