#pragma once
// The DHCPv6 server permit filter window (Security > DHCPv6 Server Screening > Permit Table):
// which DHCPv6 servers, by IPv6 address, may answer on which ports (FilterIPv6PermitFrame.h).

#include "features/acl/FilterIPv6PermitFrame.h"

class TFilterDHCPv6PermitForm : public TFilterIPv6PermitFrame {
public:
    explicit TFilterDHCPv6PermitForm(QWidget* owner = nullptr);

protected:
    bool CheckAddress() override;
};

// The window while its menu handler shows it.
extern TFilterDHCPv6PermitForm* FilterDHCPv6PermitForm;
