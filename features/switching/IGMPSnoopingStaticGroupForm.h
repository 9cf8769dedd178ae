#pragma once
// The IGMP snooping static group window (Layer 2 > IGMP Snooping > Static Group Table): the
// static IPv4 groups of each VLAN with their member ports; the example of the hand-made window
// pattern (SnoopingStaticGroupForm.h). Add checks the group with the shared CheckIPAddressText,
// which reads the whole text.

#include "features/switching/SnoopingStaticGroupForm.h"

#include "ui_IGMPSnoopingStaticGroupForm.h"

class TIGMPSnoopingStaticGroupForm : public TSnoopingStaticGroupForm, public Ui::IGMPSnoopingStaticGroupForm {
public:
    explicit TIGMPSnoopingStaticGroupForm(QWidget* owner = nullptr);
    ~TIGMPSnoopingStaticGroupForm() override;

    void LV_IGMPStaticGroupEntryClick(QObject* sender) { ListClick(sender); }
    void LV_IGMPStaticGroupEntryChanging(QObject* sender, ui::ListItem* item) { ListChanging(sender, item); }
};

// The window while its menu handler shows it.
extern TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm;
