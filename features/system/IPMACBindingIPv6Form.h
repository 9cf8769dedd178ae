#pragma once
// The IPv6 IP-MAC-port binding window (Security > IP-MAC-Port Binding (IMPB) > IPv6 Binding
// Table): the bindings of an IPv6 address, typed as its 32 hexadecimal digits, to a MAC address
// and ports (IPMACBindingFrame.h). Add and Edit check the address before they write: the row
// index is made of the digits, and any other text would name another address or none. Delete
// writes MAC, Ports and destroy in one SET; an exception becomes the request's log line.

#include "features/system/IPMACBindingFrame.h"

#include "ui_IPMACBindingIPv6Form.h"

class TIPMACBindingIPv6Form : public ui::Form, public Ui::IPMACBindingIPv6Form, public IPMACBindingFrame {
public:
    // Items of the request.
    enum Item { AddressItem, MacAddressItem, PortsItem, ModeItem, AclStateItem, RowStatusItem };

    explicit TIPMACBindingIPv6Form(QWidget* owner = nullptr);
    ~TIPMACBindingIPv6Form() override;

protected:
    bool CheckAddress() override;
};

// The window while its menu handler shows it.
extern TIPMACBindingIPv6Form* IPMACBindingIPv6Form;
