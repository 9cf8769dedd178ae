#pragma once
// The IP-MAC binding Ethernet mask viewer (ACL > IP-MAC Binding Ethernet Mask, hidden): the
// Ethernet mask profiles the switch keeps for IP-MAC binding, whether each uses the Ethernet type.

#include "features/acl/IBPViewerFrame.h"

#include "ui_IBPACLEtherMaskForm.h"

class TIBPACLEtherMaskForm : public TIBPViewerFrame, public Ui::IBPACLEtherMaskForm {
public:
    explicit TIBPACLEtherMaskForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TIBPACLEtherMaskForm* IBPACLEtherMaskForm;
