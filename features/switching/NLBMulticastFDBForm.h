#pragma once
// The NLB multicast forwarding table window (Layer 2 > NLB FDB > Multicast FDB Table): the
// entries keyed by VLAN and MAC address with their egress ports (NLBFDBForm.h). A selected
// entry's keys are shown but not edited.

#include "features/switching/NLBFDBForm.h"

#include "ui_NLBMulticastFDBForm.h"

class TNLBMulticastFDBForm : public TNLBFDBForm, public Ui::NLBMulticastFDBForm {
public:
    // Items of the multicast table.
    enum Item { VlanItem, MacItem, EgressPortsItem, RowStatusItem };

    explicit TNLBMulticastFDBForm(QWidget* owner = nullptr);
    ~TNLBMulticastFDBForm() override;

    void LV_NLBMulticastFDBEntryClick(QObject* sender) { ListClick(sender); }
    void LV_NLBMulticastFDBEntryChange(QObject* sender, ui::ListItem* item) { ListChange(sender, item); }
};

// The window while its menu handler shows it.
extern TNLBMulticastFDBForm* NLBMulticastFDBForm;
