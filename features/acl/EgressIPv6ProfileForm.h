#pragma once
// The egress IPv6 ACL profile window: profiles 1 to 4, each with a name of its own (class,
// address masks, protocol with its options and port masks), listed, added and deleted.

#include "features/acl/IPv6ProfileFrame.h"

#include "ui_EgressIPv6ProfileForm.h"

class TEgressIPv6ProfileForm : public TIPv6ProfileFrame, public Ui::EgressIPv6ProfileForm {
public:
    enum Column { RowStatusItem = 1, ProfileNameItem = 2 };

    explicit TEgressIPv6ProfileForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
};

// The window while its menu item shows it.
extern TEgressIPv6ProfileForm* EgressIPv6ProfileForm;
