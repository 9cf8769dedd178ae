#pragma once
// The static unicast filtering window (Layer 2 > VLAN > 802.1Q > Static Filtering > Unicast
// Information): the static unicast entries of each filtering database with their allowed ports;
// an entry is added with at least one port and deleted after a confirmation. No Set: an entry is
// changed by deleting and adding it (StaticFilterForm.h).

#include "features/switching/StaticFilterForm.h"

#include "ui_UnicastFilterInformationForm.h"

class TUnicastFilterInformationForm : public TStaticFilterForm, public Ui::UnicastFilterInformationForm {
public:
    explicit TUnicastFilterInformationForm(QWidget* owner = nullptr);
    ~TUnicastFilterInformationForm() override;

    void RefreshBtnClick(QObject* sender);
    void ADDBtnClick(QObject* sender);
    void DeleteBtnClick(QObject* sender) { DeleteClick(sender); }
    void LV_dot1qStaticUnicastEntryChange(QObject* sender, ui::ListItem* item) { ListChange(sender, item); }
    void LV_dot1qStaticUnicastEntryClick(QObject* sender);

protected:
    void NoSelection() override;
};

// The window while its menu handler shows it.
extern TUnicastFilterInformationForm* UnicastFilterInformationForm;
