#pragma once
// The MLD snooping data-driven learning group window (Layer 2 > MLD Snooping > Data Driven
// Learning Group Table): IPv6 groups learned from multicast data, with their router ports and
// timers; Set clears the chosen group (SnoopingLearnedForm.h).

#include "features/switching/SnoopingLearnedForm.h"

#include "ui_MLDSnoopingDataDrivenLearingGroupForm.h"

class TMLDSnoopingDataDrivenLearingGroupForm : public TSnoopingLearnedForm,
                                               public Ui::MLDSnoopingDataDrivenLearingGroupForm {
public:
    explicit TMLDSnoopingDataDrivenLearingGroupForm(QWidget* owner = nullptr);
    ~TMLDSnoopingDataDrivenLearingGroupForm() override;
};

// The window while its menu handler shows it.
extern TMLDSnoopingDataDrivenLearingGroupForm* MLDSnoopingDataDrivenLearingGroupForm;
