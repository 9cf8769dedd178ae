#pragma once
// The IPv6 ACL profile windows, ingress and egress: one profile frame with the option controls
// of an IPv6 mask. The address mask state enables the source and destination masks (32
// hexadecimal digits each); the protocol type enables its TCP, UDP or ICMP option, and the TCP or
// UDP option the port masks. Add refuses a Row Status other than createAndGo; Delete writes
// the status alone and reads the table again whatever the write's outcome. A window hands over
// its option controls with UseOptions, after UseComponents (whose Set button is the invisible
// Edit button), and binds and checks its own table.

#include "features/acl/AclProfileFrame.h"

struct IPv6ProfileOptions {
    ui::ComboBox* MaskClass = nullptr;
    ui::ComboBox* FlowLabel = nullptr;   // none in a table without one
    ui::ComboBox* MaskState = nullptr;
    ui::Edit* SrcMask = nullptr;
    ui::Edit* DstMask = nullptr;
    ui::ComboBox* ProtocolType = nullptr;
    ui::ComboBox* TCPOption = nullptr;
    ui::ComboBox* UDPOption = nullptr;
    ui::Edit* SrcPortMask = nullptr;
    ui::Edit* DstPortMask = nullptr;
    ui::ComboBox* ICMPOption = nullptr;
    ui::ComboBox* Owner = nullptr;       // none in a table without one
};

class TIPv6ProfileFrame : public TAclProfileFrame {
public:
    // Item indices of the option lists.
    enum MaskState { OtherState, DstState, SrcState, DstSrcState };
    enum Protocol { NoneProtocol, TcpProtocol, UdpProtocol, IcmpProtocol };
    enum PortOption { OtherPorts, DstPorts, SrcPorts, DstSrcPorts };

    // The enabling rules: the mask state's, and the protocol's, which the protocol type and the
    // TCP and UDP options run when they change.
    void cbxMaskStateChange(QObject* sender);
    void ProtoTypeComboChange(QObject*) { UpdateProtocolControls(); }
    void TCPOptionComboChange(QObject*) { UpdateProtocolControls(); }
    void UDPOptionComboChange(QObject*) { UpdateProtocolControls(); }
    void UpdateProtocolControls();

    // Add: the checks, the duplicate tests, a Row Status of createAndGo, then the write.
    void BT_AddClick(QObject* sender) override;
    // The write of the status alone, then the table read again.
    void BT_DeleteClick(QObject* sender) override;
    // The invisible Edit button does nothing.
    void SetBtnClick(QObject* sender) override;

    // Every value control to its first entry or emptied, then the window's choices.
    void ClearInputs() override;

protected:
    using TAclProfileFrame::TAclProfileFrame;

    void UseOptions(IPv6ProfileOptions options);
    const IPv6ProfileOptions& Options() const { return o_; }

    void DefaultIndices() override;
    void ResetRules() override;
    void SelectionRules() override;

    // A mask's text: "Some checked field is empty." when empty, CheckIPv6Text's message when no
    // 32 hexadecimal digits; on either the focus on the mask.
    bool CheckMask(ui::Edit* mask);
    // Only a mask given is tested.
    bool CheckMaskIfGiven(ui::Edit* mask);

private:
    // The port mask edits as the protocol's option list selects them.
    void PortOptionRule(const ui::ComboBox* option);

    IPv6ProfileOptions o_;
};
