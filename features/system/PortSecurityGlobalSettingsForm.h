#pragma once
// The port security global settings window (Security > Port Security > Global Settings): the most
// MAC addresses the switch learns in all (-1, "No Limit", for none) and its trap and log state.
// The request is synchronous for the window's whole life; Set writes both and reads them again.

#include "features/common/WindowLifecycle.h"

#include "snmp/Request2Edits.h"

#include "ui/Form.h"

#include "ui_PortSecurityGlobalSettingsForm.h"

#include <memory>

class TPortSecurityGlobalSettingsForm : public ui::Form,
                                        public Ui::PortSecurityGlobalSettingsForm,
                                        public WindowLifecycle {
public:
    enum Item { MaxLearnAddressItem, TrapLogStateItem };

    explicit TPortSecurityGlobalSettingsForm(QWidget* owner = nullptr);
    ~TPortSecurityGlobalSettingsForm() override;

    std::unique_ptr<MvSNMPRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void CBoxNolimitClick(QObject* sender);
    void btnRefreshClick(QObject* sender);
    void btnSetClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);
};

// The window while its menu handler shows it.
extern TPortSecurityGlobalSettingsForm* PortSecurityGlobalSettingsForm;
