#include "features/system/IPMACBindingForm.h"

#include "features/acl/TextChecks.h"

#include "ui/Edit.h"

TIPMACBindingForm* IPMACBindingForm = nullptr;

TIPMACBindingForm::TIPMACBindingForm(QWidget* owner)
    : ui::Form(owner),
      IPMACBindingFrame(this,
                        {.KeyOid = "1.3.6.1.4.1.171.12.23.4.1.1.1",
                         .AddressRule = "%s{l16}",
                         .PortsTab = "Binding Ports",
                         .PortsItem = PortsItem,
                         .StatusItem = RowStatusItem,
                         .DeleteSendsStatusAlone = true},
                        {.LogOnly = true})
{
    setupUi(this);
    Loaded();
    UseComponents({ListView1, edtIpAddr, edtMacAddr, PageControl1, txt1, btnGet, btnAdd, btnEdit, btnDelete,
                   btnClose, ComboStatus});
    DoCreate();
}

TIPMACBindingForm::~TIPMACBindingForm() { Request.reset(); }

bool TIPMACBindingForm::CheckAddress() { return CheckIPAddressText(edtIpAddr->Text(), this); }
