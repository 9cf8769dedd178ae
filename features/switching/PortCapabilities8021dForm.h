#pragma once
// The 802.1p port capabilities (QoS > 802.1p > Port Capability): every port's 802.1Q
// capabilities, named (NewRequest2Edits4.h). The window only reads.

#include "features/common/WindowLifecycle.h"
#include "features/switching/NewRequest2Edits4.h"

#include "ui/Form.h"

#include "ui_PortCapabilities8021dForm.h"

#include <memory>

class TPortCapabilities8021dForm : public ui::Form, public Ui::PortCapabilities8021dForm, public WindowLifecycle {
public:
    explicit TPortCapabilities8021dForm(QWidget* owner = nullptr);
    ~TPortCapabilities8021dForm() override;

    std::unique_ptr<NewRequest2Edits4> Request;

    void FormCreate(QObject* sender);
    void RefreshBtnClick(QObject* sender);
    void btn1Click(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
    void LV_dot1dPortCapabilitiesEntryChanging(QObject* sender, ui::ListItem* item);
};

// The window while its menu handler shows it.
extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
