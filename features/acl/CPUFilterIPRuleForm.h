#pragma once
// The CPU interface filter IPv4 rule window: the IPv4 rules the switch applies to the traffic
// its own CPU receives, keyed by Profile ID (1 to 5) and Access ID, listed, added, changed and
// deleted. A rule matches on VLAN, IPv4 addresses, DSCP and the fields of its protocol, permits
// or denies, and applies to the ports chosen. The protocol is read-only on the switch: shown,
// never written; choosing one only switches the fields it uses.

#include "features/acl/CPUFilterRuleFrame.h"

#include "ui_CPUFilterIPRuleForm.h"

class TCPUFilterIPRuleForm : public TCPUFilterRuleFrame, public Ui::CPUFilterIPRuleForm {
public:
    // Columns of the table the frame and the rules name.
    enum Column { ProtocolColumn = 6, RowStatusItem = 15, PortColumn = 16 };
    // Item indices of the protocol list.
    enum Protocol { NoneProtocol, IcmpProtocol, IgmpProtocol, TcpProtocol, UdpProtocol, ProtocolIdProtocol };

    explicit TCPUFilterIPRuleForm(QWidget* owner);

    // Row Status destroy, with its box checked, deletes the rule and reads the table again.
    void EditButtonClick(QObject* sender) override;
    // "VLAN" first, so that Check All checks the VLAN boxes too.
    void CheckButtonClick(QObject* sender) override;
    void UncheckButtonClick(QObject* sender) override;
    void ProtocolComboBoxChange(QObject* sender);

    bool ValidateInputs() override;

protected:
    void BindColumns() override;
    void CreationRules() override;
    void RowRules() override;
};

// The window while its menu item shows it.
extern TCPUFilterIPRuleForm* CPUFilterIPRuleForm;
