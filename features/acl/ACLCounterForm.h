#pragma once
// The ingress ACL counter window (ACL > Counter Table): the counters of every ingress access
// rule, and the rule's "Counter State" switched on or off.

#include "features/acl/AclCounterFrame.h"

class TACLCounterForm : public TAclCounterFrame {
public:
    explicit TACLCounterForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TACLCounterForm* ACLCounterForm;
