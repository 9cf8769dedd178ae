#pragma once
// The ingress Ethernet ACL profile window: the MAC profiles (VLAN, MAC address masks, 802.1p,
// Ethernet type) listed, added and deleted.

#include "features/acl/EthernetProfileFrame.h"

#include "ui_EthernetProfileForm.h"

class TEthernetProfileForm : public TEthernetProfileFrame, public Ui::EthernetProfileForm {
public:
    enum Column {
        SrcMacMaskItem = 3, DstMacMaskItem = 4, RowStatusItem = 7, ProfileNameItem = 10, VLANMaskItem = 11,
    };

    explicit TEthernetProfileForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
};

// The window while its menu item shows it.
extern TEthernetProfileForm* EthernetProfileForm;
