#pragma once
// The protocol chooser of the L2 protocol tunnel port window (L2PTPPortForm.h): one check box per
// tunnelled protocol, checked as the window's protocol edit names them. Set Checked writes the
// checked words into that edit; nothing reaches the switch before the window's Set. The boxes are
// unchecked whenever the chooser closes.

#include "ui/Form.h"

#include "ui_l2PTPPortEditForm.h"

#include <vector>

class TL2PTPPortForm;

namespace ui {
class CheckBox;
}

class Tl2PTPPortEditForm : public ui::Form, public Ui::l2PTPPortEditForm {
public:
    // Made by the port window, its owner.
    explicit Tl2PTPPortEditForm(TL2PTPPortForm* owner);
    ~Tl2PTPPortEditForm() override;

    void FormActivate(QObject* sender);
    void SetButtonClick(QObject* sender);
    void CloseButtonClick(QObject* sender);
    void FormClose(QObject* sender, ui::CloseAction& action);

private:
    // The boxes in the order of the protocol words.
    std::vector<ui::CheckBox*> Boxes() const;

    TL2PTPPortForm* window_;
};

// The chooser while its window is open.
extern Tl2PTPPortEditForm* l2PTPPortEditForm;
