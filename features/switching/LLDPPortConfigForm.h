#pragma once
// The LLDP port configuration window (Layer 2 > LLDP > Configuration > Port Configuration): every
// port's LLDP administration state, notification and the basic TLVs it transmits, the TLVs as
// words. A click into the TLVs edit opens a check-box chooser (LLDPPortConfigurationForm.h). Set
// writes the chosen port and waits for the switch's answer (a refused write is shown), then
// reads the table again; Stop ends a read or the wait.

#include "features/common/WindowLifecycle.h"
#include "features/switching/NewRequest2Edits.h"

#include "ui/Form.h"

#include "ui_LLDPPortConfigForm.h"

#include <memory>

class TLLDPPortConfigForm : public ui::Form, public Ui::LLDPPortConfigForm, public WindowLifecycle {
public:
    enum Item { PortItem, AdminStateItem, NotificationItem, TlvsItem };

    explicit TLLDPPortConfigForm(QWidget* owner = nullptr);
    ~TLLDPPortConfigForm() override;

    std::unique_ptr<NewRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void StopButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void TLVsEditClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The editors as with no port chosen.
    void ResetInputs();
};

// The window while its menu handler shows it.
extern TLLDPPortConfigForm* LLDPPortConfigForm;
