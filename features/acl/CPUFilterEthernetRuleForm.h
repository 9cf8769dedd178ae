#pragma once
// The CPU interface filter Ethernet rule window: the Ethernet rules the switch applies to the
// traffic its own CPU receives, keyed by Profile ID (1 to 5) and Access ID. A rule matches on
// VLAN, source and destination MAC addresses, 802.1p and the Ethernet type, permits or denies,
// and applies to the ports chosen. Edit writes the Ethernet type, the port list and each MAC
// address in a write of its own, after the other columns; a refused write does not stop the
// ones after it.

#include "features/acl/CPUFilterRuleFrame.h"

#include "ui_CPUFilterEthernetRuleForm.h"

class TCPUFilterEthernetRuleForm : public TCPUFilterRuleFrame, public Ui::CPUFilterEthernetRuleForm {
public:
    // Columns of the table the frame and Edit's writes name.
    enum Column {
        EthernetTypeItem = 2,
        SourceMACItem = 4,
        DestMACItem = 5,
        RowStatusItem = 8,
        PortColumn = 9,
    };

    explicit TCPUFilterEthernetRuleForm(QWidget* owner);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
    void RowRules() override;
    void WriteEdit() override;
};

// The window while its menu item shows it.
extern TCPUFilterEthernetRuleForm* CPUFilterEthernetRuleForm;
