#include "features/acl/EgressACLCounterForm.h"

TEgressACLCounterForm* EgressACLCounterForm = nullptr;

namespace {

const CounterFrameSettings EgressCounters = {
    .Module = "Oid_egressacl",
    .TableOid = "1.3.6.1.4.1.171.12.89.3.4.1.1",
    .StateRowOid = "1.3.6.1.4.1.171.12.89.3.4.1.3",
    .StateCaption = "State",
};

} // namespace

TEgressACLCounterForm::TEgressACLCounterForm(QWidget* owner) : TAclCounterFrame(owner, EgressCounters)
{
    SetCaption("Egress ACL Counter Table");
    DoCreate();
}
