#include "features/system/IPMACBindingIPv6Form.h"

#include "features/acl/TextChecks.h"

#include "ui/Edit.h"

TIPMACBindingIPv6Form* IPMACBindingIPv6Form = nullptr;

TIPMACBindingIPv6Form::TIPMACBindingIPv6Form(QWidget* owner)
    : ui::Form(owner),
      IPMACBindingFrame(this,
                        {.KeyOid = "1.3.6.1.4.1.171.12.23.4.4.1.1",
                         .AddressRule = "%s{l32f}",
                         .PortsTab = "Ports",
                         .PortsItem = PortsItem,
                         .StatusItem = RowStatusItem,
                         .DeleteSendsStatusAlone = false},
                        {.LogOnly = true, .ExceptionsToLogLine = true})
{
    setupUi(this);
    Loaded();
    UseComponents({ListView1, edtIpAddr, edtMacAddr, PageControl1, StaticText1, btnGet, btnAdd, btnEdit,
                   btnDelete, btnClose, ComboStatus});
    DoCreate();
}

TIPMACBindingIPv6Form::~TIPMACBindingIPv6Form() { Request.reset(); }

bool TIPMACBindingIPv6Form::CheckAddress() { return CheckIPv6Text(edtIpAddr, this); }
