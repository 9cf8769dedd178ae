#pragma once
// The IGMP snooping data-driven learning group window (Layer 2 > IGMP Snooping > Data Driven
// Learning Group Table): IPv4 groups learned from multicast data, with their router ports and
// timers; Set clears the chosen group (SnoopingLearnedForm.h).

#include "features/switching/SnoopingLearnedForm.h"

#include "ui_IGMPSnoopingDataDrivenLearingGroupForm.h"

class TIGMPSnoopingDataDrivenLearingGroupForm : public TSnoopingLearnedForm,
                                                public Ui::IGMPSnoopingDataDrivenLearingGroupForm {
public:
    explicit TIGMPSnoopingDataDrivenLearingGroupForm(QWidget* owner = nullptr);
    ~TIGMPSnoopingDataDrivenLearingGroupForm() override;
};

// The window while its menu handler shows it.
extern TIGMPSnoopingDataDrivenLearingGroupForm* IGMPSnoopingDataDrivenLearingGroupForm;
