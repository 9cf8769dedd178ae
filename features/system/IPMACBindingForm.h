#pragma once
// The IPv4 IP-MAC-port binding window (Security > IP-MAC-Port Binding (IMPB) > Binding Table):
// the bindings of an IPv4 address to a MAC address and ports (IPMACBindingFrame.h). The address
// is checked whole, so a text with anything after the fourth number binds no address. Delete
// writes destroy alone; an exception shows its message in the status line.

#include "features/system/IPMACBindingFrame.h"

#include "ui_IPMACBindingForm.h"

class TIPMACBindingForm : public ui::Form, public Ui::IPMACBindingForm, public IPMACBindingFrame {
public:
    // Items of the request.
    enum Item { IpItem, MacAddressItem, PortsItem, RowStatusItem, ModeItem, AclStateItem };

    explicit TIPMACBindingForm(QWidget* owner = nullptr);
    ~TIPMACBindingForm() override;

protected:
    bool CheckAddress() override;
};

// The window while its menu handler shows it.
extern TIPMACBindingForm* IPMACBindingForm;
