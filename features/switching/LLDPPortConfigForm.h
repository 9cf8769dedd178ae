#pragma once
// The LLDP port configuration window (Layer 2 > LLDP > Configuration > Port Configuration): every
// port's LLDP administration state, notification and the basic TLVs it transmits, the TLVs as
// words. A click into the TLVs edit opens a check-box chooser (LLDPPortConfigurationForm.h). Set
// writes the chosen port and waits for the switch's answer (a refused write is shown), then
// reads the table again; Stop ends a read or the wait (features/switching/PortWordListFrame.h).

#include "features/switching/PortWordListFrame.h"

#include "ui_LLDPPortConfigForm.h"

class TLLDPPortConfigForm : public TPortWordListFrame, public Ui::LLDPPortConfigForm {
public:
    enum Item { PortItem, AdminStateItem, NotificationItem, TlvsItem };

    explicit TLLDPPortConfigForm(QWidget* owner = nullptr);

protected:
    void CreateChooser() override;
    ui::Form* Chooser() const override;
    std::unique_ptr<MvSNMPRequest2Edits> CreateRequest() override;
    void BindColumns(MvSNMPRequest2Edits& request) override;
    void ClearEditors() override;
};

// The window while its menu handler shows it.
extern TLLDPPortConfigForm* LLDPPortConfigForm;
