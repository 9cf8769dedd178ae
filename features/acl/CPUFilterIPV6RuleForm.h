#pragma once
// The CPU interface filter IPv6 rule window: the IPv6 rules the switch applies to the traffic
// its own CPU receives, keyed by Profile ID (1 to 5) and Access ID. A rule matches on class,
// flow label and IPv6 addresses (32 hexadecimal digits without colons), permits or denies, and
// applies to the ports chosen.

#include "features/acl/CPUFilterRuleFrame.h"

#include "ui_CPUFilterIPV6RuleForm.h"

class TCPUFilterIPV6RuleForm : public TCPUFilterRuleFrame, public Ui::CPUFilterIPV6RuleForm {
public:
    // Columns of the table the frame names.
    enum Column { RowStatusItem = 7, PortColumn = 8 };

    explicit TCPUFilterIPV6RuleForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
};

// The window while its menu item shows it.
extern TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm;
