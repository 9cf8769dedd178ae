#pragma once
// The egress Ethernet ACL rule window: the switch's egress Ethernet rules, keyed by Profile ID
// (1 to 4) and Access ID. A rule matches on VLAN, MAC addresses and masks, 802.1p and Ethernet
// type; its actions, time range and target are those of the egress IPv4 rules.

#include "features/acl/EgressRuleFrame.h"

#include "ui_EgrssEthernetProfileRuleForm.h"

class TEgrssEthernetProfileRuleForm : public TEgressRuleFrame, public Ui::EgrssEthernetProfileRuleForm {
public:
    enum Column { RowStatusItem = 2, VLANBasedItem = 11, PortItem = 12, PortGroupItem = 13 };

    explicit TEgrssEthernetProfileRuleForm(QWidget* owner);

    bool ValidateInputs() override;
    // Values cleared, boxes unchecked, the defaults; no rule runs, the callers run theirs.
    void ResetInputs() override;

protected:
    void BindColumns() override;
    void CreationRules() override;

private:
    // A checked box whose edit is no number within low to high: the message, the focus on it.
    bool RequireRangeIfChecked(ui::CheckBox* box, ui::Edit* edit, long low, long high, const char* message);
};

// The window while its menu item shows it.
extern TEgrssEthernetProfileRuleForm* EgrssEthernetProfileRuleForm;
