#pragma once
// The TLVs chooser of the LLDP port configuration window (LLDPPortConfigForm.h): one check box
// per basic TLV, checked as the window's TLVs edit names them. Set Checked writes the checked
// words into that edit; nothing reaches the switch before the window's Set. The boxes are
// unchecked whenever the chooser closes.

#include "ui/Form.h"

#include "ui_LLDPPortConfigurationForm.h"

#include <vector>

class TLLDPPortConfigForm;

namespace ui {
class CheckBox;
}

class TLLDPPortConfigurationForm : public ui::Form, public Ui::LLDPPortConfigurationForm {
public:
    // Made by the port configuration window, its owner.
    explicit TLLDPPortConfigurationForm(TLLDPPortConfigForm* owner);
    ~TLLDPPortConfigurationForm() override;

    void FormActivate(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // The boxes in the order of the TLV words.
    std::vector<ui::CheckBox*> Boxes() const;

    TLLDPPortConfigForm* window_;
};

// The chooser while its window is open.
extern TLLDPPortConfigurationForm* LLDPPortConfigurationForm;
