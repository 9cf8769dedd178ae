#pragma once
// The ingress IPv6 ACL profile window: the IPv6 profiles (class, flow label, address masks,
// protocol with its options and port masks) listed, added and deleted.

#include "features/acl/IPv6ProfileFrame.h"

#include "ui_IPv6ProfileForm.h"

class TIPv6ProfileForm : public TIPv6ProfileFrame, public Ui::IPv6ProfileForm {
public:
    enum Column { RowStatusItem = 6, ProfileNameItem = 9 };

    explicit TIPv6ProfileForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
};

// The window while its menu item shows it.
extern TIPv6ProfileForm* IPv6ProfileForm;
