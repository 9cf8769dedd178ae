#pragma once
// The IP-MAC binding Ethernet rule viewer (ACL > IP-MAC Binding Ethernet Rule, hidden): the
// Ethernet rules the switch keeps for IP-MAC binding, each with its rule type, permission and ports.

#include "features/acl/IBPViewerFrame.h"

#include "ui_IBPEtherRuleForm.h"

class TIBPEtherRuleForm : public TIBPViewerFrame, public Ui::IBPEtherRuleForm {
public:
    explicit TIBPEtherRuleForm(QWidget* owner = nullptr);
};

// The window while its menu handler shows it.
extern TIBPEtherRuleForm* IBPEtherRuleForm;
