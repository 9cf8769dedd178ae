#pragma once
// The egress IPv4 ACL profile window: profiles 1 to 4, each with a name of its own, listed,
// added and deleted. Which masks a new profile carries follows from its mask state and protocol
// choices, as in the ingress window.

#include "features/acl/IPv4ProfileFrame.h"

#include "ui_EgressIPv4ProfileForm.h"

class TEgressIPv4ProfileForm : public TIPv4ProfileFrame, public Ui::EgressIPv4ProfileForm {
public:
    enum Column { RowStatusItem = 1, ProfileNameItem = 2 };

    explicit TEgressIPv4ProfileForm(QWidget* owner);

    void ClearInputs() override;
    bool ValidateInputs() override;

protected:
    void BindColumns() override;
    void DefaultIndices() override;
};

// The window while its menu item shows it.
extern TEgressIPv4ProfileForm* EgressIPv4ProfileForm;
