#pragma once
// The IPv4 ACL profile windows, ingress and egress: one profile frame with the option controls
// of an IPv4 mask and their rules. The address mask state enables the source and destination
// masks; the protocol type enables its option lists; the TCP or UDP option enables the port
// masks, the TCP flag bit its mask, the protocol ID option the protocol ID and its mask; VLAN
// "enabled" enables the VLAN mask. A window hands over its option controls with UseOptions,
// after UseComponents, and binds, clears and checks its own table.

#include "features/acl/AclProfileFrame.h"

struct IPv4ProfileOptions {
    ui::ComboBox* Vlan = nullptr;
    ui::Edit* VLANMask = nullptr;
    ui::ComboBox* MaskState = nullptr;
    ui::Edit* SrcMask = nullptr;
    ui::Edit* DstMask = nullptr;
    ui::ComboBox* ProtocolType = nullptr;
    ui::ComboBox* ICMP = nullptr;
    ui::ComboBox* IGMP = nullptr;
    ui::ComboBox* TCPOption = nullptr;
    ui::ComboBox* UDPOption = nullptr;
    ui::Edit* SrcPortMask = nullptr;
    ui::Edit* DstPortMask = nullptr;
    ui::ComboBox* FlagBit = nullptr;
    ui::Edit* FlagBitMask = nullptr;
    ui::ComboBox* ProtocolIDOption = nullptr;
    ui::Edit* ProtocolID = nullptr;
    ui::Edit* ProtocolIDMask = nullptr;
};

class TIPv4ProfileFrame : public TAclProfileFrame {
public:
    // Item indices of the option lists.
    enum MaskState { OtherState, DstState, SrcState, DstSrcState };
    enum Protocol { NoneProtocol, IcmpProtocol, IgmpProtocol, TcpProtocol, UdpProtocol, ProtocolIdProtocol };
    enum PortOption { OtherPorts, DstPorts, SrcPorts, DstSrcPorts };

    // The enabling rules, each the change handler of its list.
    void cbbIpAddMaskStateChange(QObject* sender);
    void cbbUseProTypeChange(QObject* sender);
    void cbbTCPOptionChange(QObject* sender);
    void cbbUDPOptionChange(QObject* sender);
    void cbbTCPFlagBitOptionChange(QObject* sender);
    void cbbProOptionChange(QObject* sender);
    void cbbVlanChange(QObject* sender);
    void UpdatePortOptionControls();

protected:
    using TAclProfileFrame::TAclProfileFrame;

    // Takes the option controls and connects the rules to their lists.
    void UseOptions(IPv4ProfileOptions options);
    const IPv4ProfileOptions& Options() const { return o_; }

    // The rules of the mask state, the protocol type and the VLAN, then the port options.
    void ResetRules() override;
    // The rules of the mask state, the protocol type and the VLAN.
    void SelectionRules() override;

    // The masks the mask state selects, each a dotted address: "Please enter a valid Mask
    // address" and the focus on the first that is empty or no address.
    bool CheckMasks();

private:
    // The port mask edits as a TCP or UDP option list selects them.
    void PortOptionRule(const ui::ComboBox* option);
    bool CheckMask(ui::Edit* edit);

    IPv4ProfileOptions o_;
};
