#pragma once
// The IGMP snooping router port window (Layer 2 > IGMP Snooping > Router Ports): static,
// dynamic and forbidden router ports per VLAN (RouterPortsForm.h). After every read the ports
// stay untouchable until a VLAN is chosen, but for the static and forbidden boxes.

#include "features/switching/RouterPortsForm.h"

#include "ui_IGMPRouterPortsForm.h"

class TIGMPRouterPortsForm : public TRouterPortsForm, public Ui::IGMPRouterPortsForm {
public:
    explicit TIGMPRouterPortsForm(QWidget* owner = nullptr);
    ~TIGMPRouterPortsForm() override;
};

// The window while its menu handler shows it.
extern TIGMPRouterPortsForm* IGMPRouterPortsForm;
