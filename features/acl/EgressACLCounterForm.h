#pragma once
// The egress ACL counter window (ACL > Egress ACL > Counter Table): the counters of every egress
// access rule, and the rule's "State" of counting switched on or off.

#include "features/acl/AclCounterFrame.h"

class TEgressACLCounterForm : public TAclCounterFrame {
public:
    explicit TEgressACLCounterForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TEgressACLCounterForm* EgressACLCounterForm;
