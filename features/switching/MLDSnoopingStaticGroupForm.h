#pragma once
// The MLD snooping static group window (Layer 2 > MLD Snooping > Static Group Table): the static
// IPv6 groups of each VLAN with their member ports, typed as 32 hexadecimal digits. It follows
// the IGMP window (SnoopingStaticGroupForm.h) but for its address check and Add, which needs the
// status at createAndGo.

#include "features/switching/SnoopingStaticGroupForm.h"

#include "ui_MLDSnoopingStaticGroupForm.h"

class TMLDSnoopingStaticGroupForm : public TSnoopingStaticGroupForm, public Ui::MLDSnoopingStaticGroupForm {
public:
    explicit TMLDSnoopingStaticGroupForm(QWidget* owner = nullptr);
    ~TMLDSnoopingStaticGroupForm() override;

    void LV_MLDStaticGroupEntryClick(QObject* sender) { ListClick(sender); }
    void LV_MLDStaticGroupEntryChanging(QObject* sender, ui::ListItem* item) { ListChanging(sender, item); }
};

// The window while its menu handler shows it.
extern TMLDSnoopingStaticGroupForm* MLDSnoopingStaticGroupForm;
