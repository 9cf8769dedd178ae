#pragma once
// The ingress IPv4 ACL profile window: the profiles (the masks the IPv4 rules refer to by
// Profile ID) listed, added and deleted. Which masks a new profile carries follows from its mask
// state and protocol choices.

#include "features/acl/AclProfileFrame.h"

#include "ui_IPProfileForm.h"

class TIPProfileForm : public TAclProfileFrame, public Ui::IPProfileForm {
public:
    // Columns of the table the frame and the rules name.
    enum Column {
        UserDefineMaskItem = 17, RowStatusItem = 18, ProfileNameItem = 21, VLANMaskItem = 22,
    };
    // Item indices of the option lists.
    enum MaskState { OtherState, DstState, SrcState, DstSrcState };
    enum Protocol { NoneProtocol, IcmpProtocol, IgmpProtocol, TcpProtocol, UdpProtocol, ProtocolIdProtocol };
    enum PortOption { OtherPorts, DstPorts, SrcPorts, DstSrcPorts };

    explicit TIPProfileForm(QWidget* owner);

    // The enabling rules.
    void cbbIpAddMaskStateChange(QObject* sender);
    void cbbUseProTypeChange(QObject* sender);
    void cbbTCPOptionChange(QObject* sender);
    void cbbUDPOptionChange(QObject* sender);
    void cbbTCPFlagBitOptionChange(QObject* sender);
    void cbbProOptionChange(QObject* sender);
    void cbbVlanChange(QObject* sender);
    void UpdatePortOptionControls();

    void ClearInputs() override;
    bool ValidateInputs() override;

protected:
    void BindColumns() override;
    void DefaultIndices() override;
    void ResetRules() override;
    void SelectionRules() override;

private:
    // The port mask edits as a TCP or UDP option list selects them.
    void PortOptionRule(const ui::ComboBox* option);
    // The mask edit of the selected mask state: empty or no dotted address gives the message.
    bool CheckMask(ui::Edit* edit);
};

// The window while its menu item shows it.
extern TIPProfileForm* IPProfileForm;
