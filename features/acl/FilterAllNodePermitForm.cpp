#include "features/acl/FilterAllNodePermitForm.h"

#include "snmp/ControlValidators.h"

TFilterAllNodePermitForm* FilterAllNodePermitForm = nullptr;

TFilterAllNodePermitForm::TFilterAllNodePermitForm(QWidget* owner)
    : TFilterIPv6PermitFrame(owner, "1.3.6.1.4.1.171.12.37.7.2.1.1")
{
}

bool TFilterAllNodePermitForm::CheckAddress() { return ValidateIPv6Text(edtIpAddr); }
