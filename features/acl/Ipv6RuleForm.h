#pragma once
// The ingress IPv6 ACL rule window: the switch's IPv6 access rules, keyed by Profile ID (1 to 4)
// and Access ID, listed, added, changed and deleted. A rule matches on class, flow label, IPv6
// addresses and masks and a protocol with its ports, port masks or ICMP type and code; its
// actions and its target are those of the other ingress rules. Edit writes the flow label, the
// port list and each port mask in a write of its own, after the other columns.

#include "features/acl/AclRuleFrame.h"

#include "ui_Ipv6RuleForm.h"

class TIpv6RuleForm : public TAclRuleFrame, public Ui::Ipv6RuleForm {
public:
    // Columns of the table the frame, the rules and Edit's writes name.
    enum Column {
        FlowLabelItem = 3,
        PortColumn = 10,
        RowStatusItem = 11,
        VLANBasedItem = 17,
        SourcePortMaskItem = 23,
        DestPortMaskItem = 24,
    };
    // Item indices of the protocol list.
    enum Protocol { NoneProtocol, TcpProtocol, UdpProtocol, IcmpProtocol };

    explicit TIpv6RuleForm(QWidget* owner);

    void ListView1Click(QObject* sender) override;
    void AddButtonClick(QObject* sender) override;
    void EditButtonClick(QObject* sender) override;
    // Replace DSCP "enabled" also takes the ToS value away.
    void EnableReplaceDSCPComboBoxChange(QObject* sender) override;
    void RuleProtoComboxChange(QObject* sender);

    bool ValidateInputs() override;
    void ResetInputs() override;

protected:
    void BindColumns() override;
    void HideUnusedControls() override;
    void CreationRules() override;
    void RowRules() override;

private:
    // Edit's write of one column alone, the key columns its instance.
    void WriteColumn(int column);
};

// The window while its menu item shows it.
extern TIpv6RuleForm* Ipv6RuleForm;
