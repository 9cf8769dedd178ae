#pragma once
// The egress IPv4 ACL rule window: the switch's egress IPv4 rules, keyed by Profile ID (1 to 4)
// and Access ID, listed, added, changed and deleted. A rule matches on VLAN, IPv4 addresses and
// masks, DSCP and a protocol with its fields; it permits or denies, may replace the priority and
// the DSCP, may hold to a time range, and applies to a VLAN-based ID, a port or a port group.

#include "features/acl/EgressRuleFrame.h"

#include "ui_EgressIPv4RuleForm.h"

class TEgressIPv4RuleForm : public TEgressRuleFrame, public Ui::EgressIPv4RuleForm {
public:
    enum Column { RowStatusItem = 2, VLANBasedItem = 21, PortItem = 22, PortGroupItem = 23 };
    // Item indices of the protocol list.
    enum Protocol { NoneProtocol, IcmpProtocol, IgmpProtocol, TcpProtocol, UdpProtocol, ProtocolIdProtocol };

    explicit TEgressIPv4RuleForm(QWidget* owner);

    void ProtocolComboBoxChange(QObject* sender);
    void cbxProtocolIDClick(QObject* sender);
    void cbxSourceIPClick(QObject* sender);
    void cbxDestIPClick(QObject* sender);

    bool ValidateInputs() override;
    void ResetInputs() override;

protected:
    void BindColumns() override;
    void CreationRules() override;
    void ResetControls() override;
    void RowRules() override;
};

// The window while its menu item shows it.
extern TEgressIPv4RuleForm* EgressIPv4RuleForm;
