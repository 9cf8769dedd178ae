#pragma once
// The ingress IPv4 ACL rule window: the switch's IPv4 access rules, keyed by Profile ID and
// Access ID, listed, added, changed and deleted. A rule matches on VLAN, IPv4 addresses and
// masks, DSCP and a protocol with its fields; it permits, denies or mirrors, may replace the
// priority, DSCP or ToS, and applies to the ports chosen or to a VLAN-based ID.

#include "features/acl/AclRuleFrame.h"

#include "ui_IPProfileRuleForm.h"

class TIPProfileRuleForm : public TAclRuleFrame, public Ui::IPProfileRuleForm {
public:
    // Columns of the table the frame and the rules name.
    enum Column { PortColumn = 21, RowStatusItem = 22, VLANBasedItem = 26 };
    // Item indices of the protocol list.
    enum Protocol { NoneProtocol, IcmpProtocol, IgmpProtocol, TcpProtocol, UdpProtocol, ProtocolIdProtocol };

    explicit TIPProfileRuleForm(QWidget* owner);

    // The enabling rules of this window's own controls.
    void ProtocolComboBoxChange(QObject* sender);
    void cbxSourceIPClick(QObject* sender);
    void cbxDestIPClick(QObject* sender);

    bool ValidateInputs() override;

protected:
    // For a window that serves the same table with other variants of the frame.
    TIPProfileRuleForm(QWidget* owner, const RuleFrameSettings& settings);

    void BindColumns() override;
    void HideUnusedControls() override;
    void CreationRules() override;
    void ResetControls() override;
    void NoRowRules() override;
    void RowRules() override;
};

// The window while its menu item shows it.
extern TIPProfileRuleForm* IPProfileRuleForm;
