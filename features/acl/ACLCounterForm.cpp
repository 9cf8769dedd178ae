#include "features/acl/ACLCounterForm.h"

TACLCounterForm* ACLCounterForm = nullptr;

namespace {

const CounterFrameSettings IngressCounters = {
    .Module = "Oid_acl",
    .TableOid = "1.3.6.1.4.1.171.12.9.3.8.1.1",
    .StateRowOid = "1.3.6.1.4.1.171.12.9.3.8.1.3",
    .StateCaption = "Counter State",
};

} // namespace

TACLCounterForm::TACLCounterForm(QWidget* owner) : TAclCounterFrame(owner, IngressCounters) { DoCreate(); }
