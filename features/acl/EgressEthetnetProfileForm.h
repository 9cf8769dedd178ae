#pragma once
// The egress Ethernet ACL profile window: profiles 1 to 4, each with a name of its own, listed,
// added and deleted.

#include "features/acl/EthernetProfileFrame.h"

#include "ui_EgressEthetnetProfileForm.h"

class TEgressEthetnetProfileForm : public TEthernetProfileFrame, public Ui::EgressEthetnetProfileForm {
public:
    enum Column {
        RowStatusItem = 1, ProfileNameItem = 2, VLANMaskItem = 4, SrcMacMaskItem = 8, DstMacMaskItem = 9,
    };

    explicit TEgressEthetnetProfileForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
};

// The window while its menu item shows it.
extern TEgressEthetnetProfileForm* EgressEthetnetProfileForm;
