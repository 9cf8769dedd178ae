#pragma once
// The static multicast filtering window (Layer 2 > VLAN > 802.1Q > Static Filtering > Multicast
// Information): the static multicast entries of each filtering database with their egress
// ports; an entry is added, its egress ports changed by Set, and deleted after a confirmation
// (StaticFilterForm.h).

#include "features/switching/StaticFilterForm.h"

#include "ui_MulticastFilterInformationForm.h"

class TMulticastFilterInformationForm : public TStaticFilterForm, public Ui::MulticastFilterInformationForm {
public:
    explicit TMulticastFilterInformationForm(QWidget* owner = nullptr);
    ~TMulticastFilterInformationForm() override;

    void RefreshBtnClick(QObject* sender);
    void SetBtnClick(QObject* sender);
    void AddBtnClick(QObject* sender);
    void btnDeleteClick(QObject* sender) { DeleteClick(sender); }
    void LV_dot1qStaticMulticastEntryChange(QObject* sender, ui::ListItem* item) { ListChange(sender, item); }
    void LV_dot1qStaticMulticastEntryClick(QObject* sender);

protected:
    void NoSelection() override;

private:
    void EnableKeys(bool enabled);
};

// The window while its menu handler shows it.
extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
