#pragma once
// The egress rule windows against a simulated Sorvane-Kb switch serving their tables
// (sim/data/common.dat): rules 1/1 on VLAN-based ID 100, 1/2 on port 5 and 2/1 on port group 64.

#include "AclRuleWindowFixture.h"

#include "features/acl/EgressRuleFrame.h"

#include <string>
#include <vector>

class EgressRuleWindowTest : public AclRuleWindowTest {
protected:
    // The inputs of a new rule that passes every check: no row selected, the keys, Permit
    // checked and "permit", no rule target.
    template <class Window>
    static void NewEgressRule(Window& w, ui::Edit* profile, ui::Edit* access, const std::string& profileText,
                              const std::string& accessText)
    {
        ClickRow(w.ListView1, -1);
        profile->SetText(profileText);
        access->SetText(accessText);
        w.cbxPermit->SetChecked(true);
        Choose(w.PermitComboBox, "permit");
    }

    // The rule target as the window shows it: "VLAN-based 100", "Port 5", "Port Group 64" or
    // "none"; the boxes of the other two unchecked.
    template <class Window>
    static std::string Target(const Window& w)
    {
        std::vector<std::string> chosen;
        if (w.VLANBaseChkBox->Checked())
            chosen.push_back("VLAN-based " + w.VLANBasedVIDEdit->Text());
        if (w.PortChkBox->Checked())
            chosen.push_back("Port " + w.PortEdit->Text());
        if (w.cbxPortGroup->Checked())
            chosen.push_back("Port Group " + w.PortGroupEdit->Text());
        if (chosen.empty())
            return "none";
        std::string text = chosen[0];
        for (std::size_t i = 1; i < chosen.size(); ++i)
            text += " + " + chosen[i];
        return text;
    }
};
