#pragma once
// The ICMPv6 RA all-node permit filter window (Security > ICMPv6 RA All Node > Permit Table):
// which senders, by IPv6 address, may send router advertisements to all nodes on which ports
// (FilterIPv6PermitFrame.h).

#include "features/acl/FilterIPv6PermitFrame.h"

class TFilterAllNodePermitForm : public TFilterIPv6PermitFrame {
public:
    explicit TFilterAllNodePermitForm(QWidget* owner = nullptr);

protected:
    // The edit's own address validator: the same rule and message as the DHCPv6 window's check.
    bool CheckAddress() override;
};

// The window while its menu handler shows it.
extern TFilterAllNodePermitForm* FilterAllNodePermitForm;
