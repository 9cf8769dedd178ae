#pragma once
// The ingress Ethernet ACL rule window: the switch's MAC access rules, keyed by Profile ID and
// Access ID, listed, added, changed and deleted. A rule matches on VLAN, source and destination
// MAC addresses and their masks, 802.1p and the Ethernet type; its actions and its target (the
// ports chosen or a VLAN-based ID) are those of the other ingress rules. The window reports the
// answer of each of its writes itself, and refuses Add and Edit while it reads.

#include "features/acl/AclRuleFrame.h"

#include "ui_EthernetProfileRuleForm.h"

class TEthernetProfileRuleForm : public TAclRuleFrame, public Ui::EthernetProfileRuleForm {
public:
    // Columns of the table the frame and the rules name.
    enum Column { PortColumn = 14, RowStatusItem = 15, VLANBasedItem = 19 };

    explicit TEthernetProfileRuleForm(QWidget* owner);

    void ListView1Click(QObject* sender) override;
    void GetButtonClick(QObject* sender) override;
    void AddButtonClick(QObject* sender) override;
    void EditButtonClick(QObject* sender) override;
    // Unchecked, the VLAN-based ID gives way to no port at all: the port boxes are cleared too.
    void VLANBaseChkBoxClick(QObject* sender) override;

    bool ValidateInputs() override;
    // Back to the no-selection state without the enabling rules: only the boxes whose state
    // changes run theirs.
    void ResetInputs() override;

protected:
    void BindColumns() override;
    void HideUnusedControls() override;
    void CreationRules() override;
    void NoRowRules() override;
    void RowRules() override;
    void RefreshRules() override;

private:
    // A checked number box whose edit holds no number from low to high: the message, the focus
    // on the edit, false.
    bool RequireNumberIfChecked(ui::CheckBox* box, ui::Edit* edit, long low, long high, const char* message);
};

// The window while its menu item shows it.
extern TEthernetProfileRuleForm* EthernetProfileRuleForm;
