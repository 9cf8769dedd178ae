#pragma once
// The packet content rule window: the rules of the switch's packet content profiles, keyed by
// Profile ID and Access ID, listed, added, changed and deleted. A rule matches up to four chunks
// of a packet, each a 32-bit content under a 32-bit mask (the chunk numbers come from the
// profile and are read only); its actions and its target are those of the other ingress rules.

#include "features/acl/AclRuleFrame.h"

#include "ui_PktContentRuleForm.h"

#include <vector>

class TPktContentRuleForm : public TAclRuleFrame, public Ui::PktContentRuleForm {
public:
    // Columns of the table the frame and the rules name.
    enum Column { PortColumn = 16, RowStatusItem = 17, VLANBasedItem = 21 };

    explicit TPktContentRuleForm(QWidget* owner);

    void ListView1Click(QObject* sender) override;
    // Check All and Clear Checks work on their own lists of boxes (the action boxes as their
    // rules allow), never on the port boxes or "VLAN-based VID".
    void CheckButtonClick(QObject* sender) override;
    void UncheckButtonClick(QObject* sender) override;
    // Replace ToS State "enabled" also takes the DSCP value away.
    void RepTosStateComboBoxChange(QObject* sender) override;

    bool ValidateInputs() override;
    void ResetInputs() override;

protected:
    void BindColumns() override;
    void HideUnusedControls() override;
    void RowRules() override;

private:
    struct Chunk {
        ui::CheckBox* Box;
        ui::Edit* Edit;
    };
    // The content (or mask) boxes of the four chunks: a checked one needs eight hexadecimal
    // digits; false after the message with the focus on the edit.
    bool CheckChunks(const std::vector<Chunk>& chunks);
    std::vector<Chunk> Contents() const;
    std::vector<Chunk> Masks() const;
};

// The window while its menu item shows it.
extern TPktContentRuleForm* PktContentRuleForm;
