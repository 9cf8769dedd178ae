#pragma once
// The CPU interface filter packet content rule window: the packet content rules the switch
// applies to the traffic its own CPU receives, keyed by Profile ID (1 to 5) and Access ID. A
// rule matches up to five 16-octet windows of a packet's payload (32 hexadecimal digits each),
// permits or denies, and applies to the ports chosen.

#include "features/acl/CPUFilterRuleFrame.h"

#include "ui_CPUFilterPktCntRuleForm.h"

class TCPUFilterPktCntRuleForm : public TCPUFilterRuleFrame, public Ui::CPUFilterPktCntRuleForm {
public:
    // Columns of the table the frame names.
    enum Column { RowStatusItem = 8, PortColumn = 9 };

    explicit TCPUFilterPktCntRuleForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
};

// The window while its menu item shows it.
extern TCPUFilterPktCntRuleForm* CPUFilterPktCntRuleForm;
