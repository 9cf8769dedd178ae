#include "features/acl/FilterDHCPv6PermitForm.h"

#include "features/acl/TextChecks.h"

TFilterDHCPv6PermitForm* FilterDHCPv6PermitForm = nullptr;

TFilterDHCPv6PermitForm::TFilterDHCPv6PermitForm(QWidget* owner)
    : TFilterIPv6PermitFrame(owner, "1.3.6.1.4.1.171.12.37.6.2.1.1")
{
}

bool TFilterDHCPv6PermitForm::CheckAddress() { return CheckIPv6Text(edtIpAddr, this); }
