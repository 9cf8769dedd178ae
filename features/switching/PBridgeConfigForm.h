#pragma once
// The 802.1p basic configuration (QoS > 802.1p > Basic Configuration): the bridge's device
// capabilities, a fixed text, and whether traffic classes are enabled, as the switch reports it.
// The window only reads.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PBridgeConfigForm.h"

#include <memory>

class TPBridgeConfigForm : public ui::Form, public Ui::PBridgeConfigForm, public WindowLifecycle {
public:
    // What every switch of the series can do, whatever it reports.
    static constexpr const char* DeviceCapabilities =
        "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qIVLCapable,dot1qConfigurablePvidTagging";

    explicit TPBridgeConfigForm(QWidget* owner = nullptr);
    ~TPBridgeConfigForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void BT_GetClick(QObject* sender);
    void Button1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TPBridgeConfigForm* PBridgeConfigForm;
