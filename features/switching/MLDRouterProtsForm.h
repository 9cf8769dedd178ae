#pragma once
// The MLD snooping router port window (Layer 2 > MLD Snooping > Router Ports Table): static,
// dynamic and forbidden router ports per VLAN (RouterPortsForm.h). Its Refresh reads the table
// again like the IGMP window's.

#include "features/switching/RouterPortsForm.h"

#include "ui_MLDRouterProtsForm.h"

class TMLDRouterProtsForm : public TRouterPortsForm, public Ui::MLDRouterProtsForm {
public:
    explicit TMLDRouterProtsForm(QWidget* owner = nullptr);
    ~TMLDRouterProtsForm() override;
};

// The window while its menu handler shows it.
extern TMLDRouterProtsForm* MLDRouterProtsForm;
