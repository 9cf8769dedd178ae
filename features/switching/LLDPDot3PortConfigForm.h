#pragma once
// The LLDP dot3 port configuration window (Layer 2 > LLDP > LLDP-Dot3 > Port Configuration
// Table): the IEEE 802.3 TLVs every port transmits, as words. A click into the TLVs edit opens a
// check-box chooser (LLDPDot3PortConfigurationForm.h). Edit writes the chosen port's TLVs and
// waits for the switch's answer (a refused write is shown), then reads the table again; Stop
// ends a read or the wait.

#include "features/common/WindowLifecycle.h"
#include "features/switching/LLDPDot3PortConfigNewRequest2Edits.h"

#include "ui/Form.h"

#include "ui_LLDPDot3PortConfigForm.h"

#include <memory>

class TLLDPDot3PortConfigForm : public ui::Form, public Ui::LLDPDot3PortConfigForm, public WindowLifecycle {
public:
    enum Item { PortItem, TlvsItem };

    explicit TLLDPDot3PortConfigForm(QWidget* owner = nullptr);
    ~TLLDPDot3PortConfigForm() override;

    std::unique_ptr<LLDPDot3PortConfigNewRequest2Edits> Request;

    void FormCreate(QObject* sender);
    void GetButtonClick(QObject* sender);
    void EditButtonClick(QObject* sender);
    void Button1Click(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void ListView1Click(QObject* sender);
    void ListView1Change(QObject* sender, ui::ListItem* item);
    void TLVsEditClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

    // The editors as with no port chosen.
    void ResetInputs();
};

// The window while its menu handler shows it.
extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;
