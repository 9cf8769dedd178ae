#pragma once
// The IP-MAC binding IP mask viewer (ACL > IP-MAC Binding IP Mask, hidden): the IP mask
// profiles the switch keeps for IP-MAC binding, with their source MAC and IP address masks.

#include "features/acl/IBPViewerFrame.h"

#include "ui_IBPIPMaskForm.h"

class TIBPIPMaskForm : public TIBPViewerFrame, public Ui::IBPIPMaskForm {
public:
    explicit TIBPIPMaskForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TIBPIPMaskForm* IBPIPMaskForm;
