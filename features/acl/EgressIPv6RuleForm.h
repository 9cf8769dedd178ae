#pragma once
// The egress IPv6 ACL rule window: the switch's egress IPv6 rules, keyed by Profile ID (1 to 4)
// and Access ID. A rule matches on class, IPv6 addresses and masks, and a protocol with ICMP
// type and code or ports and port masks; its actions, time range and target are those of the
// egress IPv4 rules. Add goes out also while the table is read, and keeps what was typed.

#include "features/acl/EgressRuleFrame.h"

#include "ui_EgressIPv6RuleForm.h"

class TEgressIPv6RuleForm : public TEgressRuleFrame, public Ui::EgressIPv6RuleForm {
public:
    enum Column { RowStatusItem = 2, VLANBasedItem = 15, PortItem = 16, PortGroupItem = 17 };

    explicit TEgressIPv6RuleForm(QWidget* owner);

    // "none" takes both ports away; any protocol leaves them to be checked again.
    void RuleProtoComboxChange(QObject* sender);

    bool ValidateInputs() override;
    void ResetInputs() override;

protected:
    void BindColumns() override;
    void CreationRules() override;
    void NoRowRules() override {}
    void RowRules() override;
    void TargetRules() override {}
    void RefreshRules() override {}
};

// The window while its menu item shows it.
extern TEgressIPv6RuleForm* EgressIPv6RuleForm;
