#pragma once
// The NLB unicast forwarding table window (Layer 2 > NLB FDB > Unicast FDB Table): the entries
// keyed by MAC address alone with their egress ports (NLBFDBForm.h). The MAC address edit stays
// editable after a selection: Set and Delete write the entry it names.

#include "features/switching/NLBFDBForm.h"

#include "ui_NLBUnicastFDBForm.h"

class TNLBUnicastFDBForm : public TNLBFDBForm, public Ui::NLBUnicastFDBForm {
public:
    // Items of the unicast table.
    enum Item { MacItem, EgressPortsItem, RowStatusItem };

    explicit TNLBUnicastFDBForm(QWidget* owner = nullptr);
    ~TNLBUnicastFDBForm() override;

    void LV_NLBUnicastFDBEntryClick(QObject* sender) { ListClick(sender); }
    void LV_NLBUnicastFDBEntryChange(QObject* sender, ui::ListItem* item) { ListChange(sender, item); }
};

// The window while its menu handler shows it.
extern TNLBUnicastFDBForm* NLBUnicastFDBForm;
