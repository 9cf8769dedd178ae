#pragma once
// The LLDP dot3 port configuration window (Layer 2 > LLDP > LLDP-Dot3 > Port Configuration
// Table): the IEEE 802.3 TLVs every port transmits, as words. A click into the TLVs edit opens a
// check-box chooser (LLDPDot3PortConfigurationForm.h). Edit writes the chosen port's TLVs and
// waits for the switch's answer (a refused write is shown), then reads the table again; Stop
// (Button1) ends a read or the wait (features/switching/PortWordListFrame.h).

#include "features/switching/PortWordListFrame.h"

#include "ui_LLDPDot3PortConfigForm.h"

class TLLDPDot3PortConfigForm : public TPortWordListFrame, public Ui::LLDPDot3PortConfigForm {
public:
    enum Item { PortItem, TlvsItem };

    explicit TLLDPDot3PortConfigForm(QWidget* owner = nullptr);

protected:
    void CreateChooser() override;
    ui::Form* Chooser() const override;
    std::unique_ptr<MvSNMPRequest2Edits> CreateRequest() override;
    void BindColumns(MvSNMPRequest2Edits& request) override;
    void ClearEditors() override;
};

// The window while its menu handler shows it.
extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;
