#pragma once
// The ingress IPv4 ACL profile window: the profiles (the masks the IPv4 rules refer to by
// Profile ID) listed, added and deleted. Which masks a new profile carries follows from its mask
// state and protocol choices.

#include "features/acl/IPv4ProfileFrame.h"

#include "ui_IPProfileForm.h"

class TIPProfileForm : public TIPv4ProfileFrame, public Ui::IPProfileForm {
public:
    // Columns of the table the frame and the rules name.
    enum Column {
        UserDefineMaskItem = 17, RowStatusItem = 18, ProfileNameItem = 21, VLANMaskItem = 22,
    };

    explicit TIPProfileForm(QWidget* owner);

    void ClearInputs() override;
    bool ValidateInputs() override;

protected:
    void BindColumns() override;
    void DefaultIndices() override;
};

// The window while its menu item shows it.
extern TIPProfileForm* IPProfileForm;
