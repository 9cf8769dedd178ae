#pragma once
// The IP-MAC binding IP rule viewer (ACL > IP-MAC Binding IP Rule, hidden): the IP rules the
// switch keeps for IP-MAC binding, each with its source MAC and IP address, permission and ports.

#include "features/acl/IBPViewerFrame.h"

#include "ui_IBPIPRuleForm.h"

class TIBPIPRuleForm : public TIBPViewerFrame, public Ui::IBPIPRuleForm {
public:
    explicit TIBPIPRuleForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TIBPIPRuleForm* IBPIPRuleForm;
