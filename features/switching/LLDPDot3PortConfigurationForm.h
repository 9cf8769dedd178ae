#pragma once
// The TLVs chooser of the LLDP dot3 port configuration window (LLDPDot3PortConfigForm.h): one
// check box per IEEE 802.3 TLV, checked as the window's TLVs edit names them. The power-via-MDI
// box is never shown: its word stays in the list when the edit held it, and only typing it into
// the edit adds it. Set Checked writes the checked words into that edit; nothing reaches the
// switch before the window's Edit. The boxes are unchecked whenever the chooser closes.

#include "ui/Form.h"

#include "ui_LLDPDot3PortConfigurationForm.h"

#include <vector>

class TLLDPDot3PortConfigForm;

namespace ui {
class CheckBox;
}

class TLLDPDot3PortConfigurationForm : public ui::Form, public Ui::LLDPDot3PortConfigurationForm {
public:
    // Made by the dot3 port configuration window, its owner.
    explicit TLLDPDot3PortConfigurationForm(TLLDPDot3PortConfigForm* owner);
    ~TLLDPDot3PortConfigurationForm() override;

    void FormActivate(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // The boxes in the order of the TLV words.
    std::vector<ui::CheckBox*> Boxes() const;

    TLLDPDot3PortConfigForm* window_;
};

// The chooser while its window is open.
extern TLLDPDot3PortConfigurationForm* LLDPDot3PortConfigurationForm;
