#pragma once
// The RMON probe basic information window (Monitoring > RMON > Probe Configuration > Probe
// Basic Information): the probe's software and hardware revision and its reset control, which
// Set writes. The capabilities shown are the module's fixed list; what the probe reports goes
// only into an invisible edit. The window stays synchronous; exceptions go to the status line.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_ProbeBasicInformationForm.h"

#include <memory>
#include <string>

class TProbeBasicInformationForm : public ui::Form, public Ui::ProbeBasicInformationForm, public WindowLifecycle {
public:
    enum Item { CapabilitiesItem, SoftwareItem, HardwareItem, ResetControlItem };

    explicit TProbeBasicInformationForm(QWidget* owner = nullptr);
    ~TProbeBasicInformationForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void btnGetClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void btnCloseClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The capabilities the window shows.
extern std::string ProbeCapabilityText;

// The window while its menu handler shows it.
extern TProbeBasicInformationForm* ProbeBasicInformationForm;
