#include "main/HandMadeWindows.h"

#include "features/acl/ACLCounterForm.h"
#include "features/acl/CPUFilterEthernetRuleForm.h"
#include "features/acl/CPUFilterIPRuleForm.h"
#include "features/acl/CPUFilterIPV6RuleForm.h"
#include "features/acl/CPUFilterPktCntRuleForm.h"
#include "features/acl/EgressACLCounterForm.h"
#include "features/acl/EgressACLPortGroupForm.h"
#include "features/acl/EgressEthetnetProfileForm.h"
#include "features/acl/EgressIPv4ProfileForm.h"
#include "features/acl/EgressIPv4RuleForm.h"
#include "features/acl/EgressIPv6ProfileForm.h"
#include "features/acl/EgressIPv6RuleForm.h"
#include "features/acl/EgrssEthernetProfileRuleForm.h"
#include "features/acl/EthernetProfileForm.h"
#include "features/acl/EthernetProfileRuleForm.h"
#include "features/acl/FilterAllNodePermitForm.h"
#include "features/acl/FilterDHCPPermitForm.h"
#include "features/acl/FilterDHCPv6PermitForm.h"
#include "features/acl/IBPACLEtherMaskForm.h"
#include "features/acl/IBPEtherRuleForm.h"
#include "features/acl/IBPIPMaskForm.h"
#include "features/acl/IBPIPRuleForm.h"
#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/acl/IPv6ProfileForm.h"
#include "features/acl/Ipv6RuleForm.h"
#include "features/acl/NDSpoofingPreventForm.h"
#include "features/acl/PktContentProfileForm.h"
#include "features/acl/PktContentRuleForm.h"
#include "features/switching/AggregatorPortTableForm.h"
#include "features/switching/CoSBrandwidthctrlForm.h"
#include "features/switching/dot3ControlForm.h"
#include "features/switching/dot3PauseForm.h"
#include "features/switching/EEEStateFormUnit.h"
#include "features/switching/ERPSSubRingForm.h"
#include "features/switching/GARPForm.h"
#include "features/switching/IGMPMulticastVlanForm.h"
#include "features/switching/IGMPRouterPortsForm.h"
#include "features/switching/IGMPSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/IGMPSnoopingForwardingForm.h"
#include "features/switching/IGMPSnoopingGroupForm.h"
#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/IGMPSnoopingStaticGroupForm.h"
#include "features/switching/L2PTPPortForm.h"
#include "features/switching/LLDP_Management_Address.h"
#include "features/switching/LLDPConfigProtocolForm.h"
#include "features/switching/LLDPConfigProtocolVLANForm.h"
#include "features/switching/LLDPConfigVLANNameForm.h"
#include "features/switching/LLDPDot3LinkAggForm.h"
#include "features/switching/LLDPDot3PortConfigForm.h"
#include "features/switching/LLDPLocSysDataForm.h"
#include "features/switching/LLDPPortConfigForm.h"
#include "features/switching/LLDPRemoteForm.h"
#include "features/switching/McastProxyGroupForm.h"
#include "features/switching/mldMulticastVlanForm.h"
#include "features/switching/MLDRouterProtsForm.h"
#include "features/switching/MLDSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/MLDSnoopingForwardingTableForm.h"
#include "features/switching/MLDSnoopingGroupForm.h"
#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MLDSnoopingStaticGroupForm.h"
#include "features/switching/MSTPPortStateForm.h"
#include "features/switching/MSTPVLANUnitForm.h"
#include "features/switching/MulticastFilterInformationForm.h"
#include "features/switching/MulticastForwardingInformationForm.h"
#include "features/switching/NLBMulticastFDBForm.h"
#include "features/switching/NLBUnicastFDBForm.h"
#include "features/switching/PBridgeConfigForm.h"
#include "features/switching/PortCapabilities8021dForm.h"
#include "features/switching/PortMirrorForm.h"
#include "features/switching/PortTrunkForm.h"
#include "features/switching/PPOEForm.h"
#include "features/switching/PrivateVLANForm.h"
#include "features/switching/ProtocolVLANGroupForm.h"
#include "features/switching/Qos8021pMapColorControlForm.h"
#include "features/switching/RSPANForm.h"
#include "features/switching/SecondaryVlanForm.h"
#include "features/switching/SpanningTreeAlgorithmForm.h"
#include "features/switching/STP_Info.h"
#include "features/switching/TpBridgePortInfo_Table.h"
#include "features/switching/TpGroupDestinationForwardedForm.h"
#include "features/switching/TrafficSegmentationForm.h"
#include "features/switching/UnicastFilterInformationForm.h"
#include "features/switching/VLanCurrentTableForm.h"
#include "features/switching/VLanPortInfomationForm.h"
#include "features/switching/VlanStaticForm.h"
#include "features/switching/VoiceVLANGlobalForm.h"
#include "features/system/AAASrvCtrlForm.h"
#include "features/system/AboutForm.h"
#include "features/system/ARPIPV6ControlForm.h"
#include "features/system/ARPSpoofingPreventMgmtForm.h"
#include "features/system/CurrentTimeForm.h"
#include "features/system/DHCPRelayVLANControlUnitForm.h"
#include "features/system/DNSCtrlForm.h"
#include "features/system/EquipmentBasicInfoForm.h"
#include "features/system/GuestVlanForm.h"
#include "features/system/IpCtrlForm.h"
#include "features/system/IpMacBindBlockedForm.h"
#include "features/system/IPMACBindingForm.h"
#include "features/system/IPMACBindingIPv6Form.h"
#include "features/system/IpStaticRouteForm.h"
#include "features/system/Ipv6StaticRouteForm.h"
#include "features/system/LoginMethodListForm.h"
#include "features/system/LogSaveControlForm.h"
#include "features/system/MacStatisticTableForm.h"
#include "features/system/MBAControlForm.h"
#include "features/system/MultipleConfigControlForm.h"
#include "features/system/MultpAuthGuestVlanForm.h"
#include "features/system/PortSecurityGlobalSettingsForm.h"
#include "features/system/PortSecurityVLANOnPortForm.h"
#include "features/system/PortSecurityVLANTableForm.h"
#include "features/system/ProbeBasicInformationForm.h"
#include "features/system/RPCPortMapperForm.h"
#include "features/system/SafeguardCtrlForm.h"
#include "features/system/ServerGroupForm.h"
#include "features/system/ServerInformationForm.h"
#include "features/system/SMTPControlForm.h"
#include "features/system/SSLManagementForm.h"
#include "features/system/SummerTimeForm.h"
#include "features/system/SystemLogHostForm.h"
#include "features/system/TCPWEBForm.h"
#include "features/system/TimeRangeForm.h"

#include <map>

namespace {

// The classes of the hand-made windows that have landed, one line each (see the header). A
// row naming a class missing here keeps its item disabled.
void RegisterHandMadeWindows()
{
    Register<TIPProfileRuleForm>("TIPProfileRuleForm", &IPProfileRuleForm);
    Register<TEthernetProfileRuleForm>("TEthernetProfileRuleForm", &EthernetProfileRuleForm);
    Register<TIpv6RuleForm>("TIpv6RuleForm", &Ipv6RuleForm);
    Register<TPktContentRuleForm>("TPktContentRuleForm", &PktContentRuleForm);
    Register<TIPProfileForm>("TIPProfileForm", &IPProfileForm);
    Register<TEthernetProfileForm>("TEthernetProfileForm", &EthernetProfileForm);
    Register<TIPv6ProfileForm>("TIPv6ProfileForm", &IPv6ProfileForm);
    Register<TPktContentProfileForm>("TPktContentProfileForm", &PktContentProfileForm);
    Register<TEgressEthetnetProfileForm>("TEgressEthetnetProfileForm", &EgressEthetnetProfileForm);
    Register<TEgressIPv4ProfileForm>("TEgressIPv4ProfileForm", &EgressIPv4ProfileForm);
    Register<TEgressIPv6ProfileForm>("TEgressIPv6ProfileForm", &EgressIPv6ProfileForm);
    Register<TEgressACLPortGroupForm>("TEgressACLPortGroupForm", &EgressACLPortGroupForm);
    Register<TEgressIPv4RuleForm>("TEgressIPv4RuleForm", &EgressIPv4RuleForm);
    Register<TEgrssEthernetProfileRuleForm>("TEgrssEthernetProfileRuleForm", &EgrssEthernetProfileRuleForm);
    Register<TEgressIPv6RuleForm>("TEgressIPv6RuleForm", &EgressIPv6RuleForm);
    Register<TCPUFilterIPRuleForm>("TCPUFilterIPRuleForm", &CPUFilterIPRuleForm);
    Register<TCPUFilterEthernetRuleForm>("TCPUFilterEthernetRuleForm", &CPUFilterEthernetRuleForm);
    Register<TCPUFilterIPV6RuleForm>("TCPUFilterIPV6RuleForm", &CPUFilterIPV6RuleForm);
    Register<TCPUFilterPktCntRuleForm>("TCPUFilterPktCntRuleForm", &CPUFilterPktCntRuleForm);
    Register<TACLCounterForm>("TACLCounterForm", &ACLCounterForm);
    Register<TEgressACLCounterForm>("TEgressACLCounterForm", &EgressACLCounterForm);
    Register<TIBPACLEtherMaskForm>("TIBPACLEtherMaskForm", &IBPACLEtherMaskForm);
    Register<TIBPEtherRuleForm>("TIBPEtherRuleForm", &IBPEtherRuleForm);
    Register<TIBPIPMaskForm>("TIBPIPMaskForm", &IBPIPMaskForm);
    Register<TIBPIPRuleForm>("TIBPIPRuleForm", &IBPIPRuleForm);
    Register<TIGMPSnoopingStaticGroupForm>("TIGMPSnoopingStaticGroupForm", &IGMPSnoopingStaticGroupForm);
    Register<TMLDSnoopingStaticGroupForm>("TMLDSnoopingStaticGroupForm", &MLDSnoopingStaticGroupForm);
    Register<TUnicastFilterInformationForm>("TUnicastFilterInformationForm", &UnicastFilterInformationForm);
    Register<TMulticastFilterInformationForm>("TMulticastFilterInformationForm", &MulticastFilterInformationForm);
    Register<TIGMPRouterPortsForm>("TIGMPRouterPortsForm", &IGMPRouterPortsForm);
    Register<TMLDRouterProtsForm>("TMLDRouterProtsForm", &MLDRouterProtsForm);
    Register<TLLDP_Management_Address>("TLLDP_Management_Address", &LLDP_Management_Address);
    Register<TMSTPPortStateForm>("TMSTPPortStateForm", &MSTPPortStateForm);
    Register<TSTP_Info>("TSTP_Info", &STP_Info);
    Register<TSpanningTreeAlgorithmForm>("TSpanningTreeAlgorithmForm", &SpanningTreeAlgorithmForm);
    Register<TMSTPVLANUnitForm>("TMSTPVLANUnitForm", &MSTPVLANUnitForm);
    Register<TCoSBrandwidthctrlForm>("TCoSBrandwidthctrlForm", &CoSBrandwidthctrlForm);
    Register<TPortMirrorForm>("TPortMirrorForm");
    Register<TPortTrunkForm>("TPortTrunkForm");
    Register<TTrafficSegmentationForm>("TTrafficSegmentationForm");
    Register<TRSPANForm>("TRSPANForm", &RSPANForm);
    Register<TVoiceVLANGlobalForm>("TVoiceVLANGlobalForm", &VoiceVLANGlobalForm);
    Register<TEEEStateFormUnit>("TEEEStateFormUnit", &EEEStateFormUnit);
    Register<TLLDPPortConfigForm>("TLLDPPortConfigForm", &LLDPPortConfigForm);
    Register<TLLDPDot3PortConfigForm>("TLLDPDot3PortConfigForm", &LLDPDot3PortConfigForm);
    Register<TLLDPConfigProtocolForm>("TLLDPConfigProtocolForm", &LLDPConfigProtocolForm);
    Register<TLLDPConfigProtocolVLANForm>("TLLDPConfigProtocolVLANForm", &LLDPConfigProtocolVLANForm);
    Register<TLLDPConfigVLANNameForm>("TLLDPConfigVLANNameForm", &LLDPConfigVLANNameForm);
    Register<TLLDPLocSysDataForm>("TLLDPLocSysDataForm", &LLDPLocSysDataForm);
    Register<TLLDPRemoteForm>("TLLDPRemoteForm", &LLDPRemoteForm);
    Register<TLLDPDot3LinkAggForm>("TLLDPDot3LinkAggForm", &LLDPDot3LinkAggForm);
    Register<TIpStaticRouteForm>("TIpStaticRouteForm", &IpStaticRouteForm);
    Register<TIpCtrlForm>("TIpCtrlForm", &IpCtrlForm);
    Register<TARPIPV6ControlForm>("TARPIPV6ControlForm", &ARPIPV6ControlForm);
    Register<TIPMACBindingForm>("TIPMACBindingForm", &IPMACBindingForm);
    Register<TIPMACBindingIPv6Form>("TIPMACBindingIPv6Form", &IPMACBindingIPv6Form);
    Register<TIpMacBindBlockedForm>("TIpMacBindBlockedForm", &IpMacBindBlockedForm);
    Register<TARPSpoofingPreventMgmtForm>("TARPSpoofingPreventMgmtForm", &ARPSpoofingPreventMgmtForm);
    Register<TNDSpoofingPreventForm>("TNDSpoofingPreventForm", &NDSpoofingPreventForm);
    Register<TFilterDHCPPermitForm>("TFilterDHCPPermitForm");
    Register<TFilterDHCPv6PermitForm>("TFilterDHCPv6PermitForm", &FilterDHCPv6PermitForm);
    Register<TFilterAllNodePermitForm>("TFilterAllNodePermitForm", &FilterAllNodePermitForm);
    Register<TIpv6StaticRouteForm>("TIpv6StaticRouteForm", &Ipv6StaticRouteForm);
    Register<TDNSCtrlForm>("TDNSCtrlForm", &DNSCtrlForm);
    Register<TDHCPRelayVLANControlUnitForm>("TDHCPRelayVLANControlUnitForm", &DHCPRelayVLANControlUnitForm);
    Register<TServerGroupForm>("TServerGroupForm", &ServerGroupForm);
    Register<TServerInformationForm>("TServerInformationForm", &ServerInformationForm);
    Register<TAAASrvCtrlForm>("TAAASrvCtrlForm", &AAASrvCtrlForm);
    Register<TTCPWEBForm>("TTCPWEBForm", &TCPWEBForm);
    Register<TSSLManagementForm>("TSSLManagementForm", &SSLManagementForm);
    // The method lists' mode (1 login, 0 enable) is the argument of their menu rows.
    Register<TLoginMethodListForm>(
        "TLoginMethodListForm",
        [](QWidget* owner, int mode) -> ui::Form* { return new TLoginMethodListForm(owner, mode); },
        &LoginMethodListForm);
    Register<TSystemLogHostForm>("TSystemLogHostForm", &SystemLogHostForm);
    Register<TLogSaveControlForm>("TLogSaveControlForm", &LogSaveControlForm);
    Register<TMultipleConfigControlForm>("TMultipleConfigControlForm", &MultipleConfigControlForm);
    Register<TVlanStaticForm>("TVlanStaticForm", &VlanStaticForm);
    Register<TVLanCurrentTableForm>("TVLanCurrentTableForm", &VLanCurrentTableForm);
    Register<TTpGroupDestinationForwardedForm>("TTpGroupDestinationForwardedForm", &TpGroupDestinationForwardedForm);
    Register<TMulticastForwardingInformationForm>("TMulticastForwardingInformationForm",
                                                  &MulticastForwardingInformationForm);
    Register<TVLanPortInfomationForm>("TVLanPortInfomationForm", &VLanPortInfomationForm);
    Register<TGARPForm>("TGARPForm", &GARPForm);
    Register<TProtocolVLANGroupForm>("TProtocolVLANGroupForm", &ProtocolVLANGroupForm);
    Register<TPrivateVLANForm>("TPrivateVLANForm", &PrivateVLANForm);
    Register<TSecondaryVlanForm>("TSecondaryVlanForm", &SecondaryVlanForm);
    Register<TIGMPMulticastVlanForm>("TIGMPMulticastVlanForm", &IGMPMulticastVlanForm);
    Register<TmldMulticastVlanForm>("TmldMulticastVlanForm", &mldMulticastVlanForm);
    Register<TIGMPSnoopingDataDrivenLearingGroupForm>("TIGMPSnoopingDataDrivenLearingGroupForm",
                                                      &IGMPSnoopingDataDrivenLearingGroupForm);
    Register<TMLDSnoopingDataDrivenLearingGroupForm>("TMLDSnoopingDataDrivenLearingGroupForm",
                                                     &MLDSnoopingDataDrivenLearingGroupForm);
    Register<TIGMPSnoopingForwardingForm>("TIGMPSnoopingForwardingForm", &IGMPSnoopingForwardingForm);
    Register<TMLDSnoopingForwardingTableForm>("TMLDSnoopingForwardingTableForm", &MLDSnoopingForwardingTableForm);
    Register<TIGMPSnoopingGroupForm>("TIGMPSnoopingGroupForm", &IGMPSnoopingGroupForm);
    Register<TMLDSnoopingGroupForm>("TMLDSnoopingGroupForm", &MLDSnoopingGroupForm);
    Register<TIGMPSnoopingProxyUpstreamInterfaceForm>("TIGMPSnoopingProxyUpstreamInterfaceForm",
                                                      &IGMPSnoopingProxyUpstreamInterfaceForm);
    Register<TMLDSnoopingProxyUpstreamInterfaceForm>("TMLDSnoopingProxyUpstreamInterfaceForm",
                                                     &MLDSnoopingProxyUpstreamInterfaceForm);
    Register<TMcastProxyGroupForm>("TMcastProxyGroupForm", &McastProxyGroupForm);
    Register<TTpBridgePortInfo_Table>("TTpBridgePortInfo_Table", &TpBridgePortInfo_Table);
    Register<Tdot3PauseForm>("Tdot3PauseForm", &dot3PauseForm);
    Register<Tdot3ControlForm>("Tdot3ControlForm", &dot3ControlForm);
    Register<TAggregatorPortTableForm>("TAggregatorPortTableForm", &AggregatorPortTableForm);
    Register<TERPSSubRingForm>("TERPSSubRingForm", &ERPSSubRingForm);
    Register<TL2PTPPortForm>("TL2PTPPortForm", &L2PTPPortForm);
    Register<TPBridgeConfigForm>("TPBridgeConfigForm", &PBridgeConfigForm);
    Register<TPortCapabilities8021dForm>("TPortCapabilities8021dForm", &PortCapabilities8021dForm);
    Register<TTimeRangeForm>("TTimeRangeForm", &TimeRangeForm);
    Register<TCurrentTimeForm>("TCurrentTimeForm", &CurrentTimeForm);
    Register<TSummerTimeForm>("TSummerTimeForm");
    Register<TSMTPControlForm>("TSMTPControlForm");
    Register<TEquipmentBasicInfoForm>("TEquipmentBasicInfoForm", &EquipmentBasicInfoForm);
    Register<TProbeBasicInformationForm>("TProbeBasicInformationForm", &ProbeBasicInformationForm);
    Register<TAboutForm>("TAboutForm", &AboutForm);
    Register<TNLBMulticastFDBForm>("TNLBMulticastFDBForm", &NLBMulticastFDBForm);
    Register<TNLBUnicastFDBForm>("TNLBUnicastFDBForm", &NLBUnicastFDBForm);
    Register<TQos8021pMapColorControlForm>("TQos8021pMapColorControlForm", &Qos8021pMapColorControlForm);
    Register<TPPOEForm>("TPPOEForm", &PPOEForm);
    Register<TPortSecurityGlobalSettingsForm>("TPortSecurityGlobalSettingsForm", &PortSecurityGlobalSettingsForm);
    Register<TPortSecurityVLANTableForm>("TPortSecurityVLANTableForm", &PortSecurityVLANTableForm);
    Register<TPortSecurityVLANOnPortForm>("TPortSecurityVLANOnPortForm", &PortSecurityVLANOnPortForm);
    Register<TSafeguardCtrlForm>("TSafeguardCtrlForm", &SafeguardCtrlForm);
    Register<TRPCPortMapperForm>("TRPCPortMapperForm", &RPCPortMapperForm);
    Register<TGuestVlanForm>("TGuestVlanForm", &GuestVlanForm);
    Register<TMacStatisticTableForm>("TMacStatisticTableForm", &MacStatisticTableForm);
    Register<TMBAControlForm>("TMBAControlForm", &MBAControlForm);
    Register<TMultpAuthGuestVlanForm>("TMultpAuthGuestVlanForm", &MultpAuthGuestVlanForm);
}

using Registry = std::map<std::string, HandMadeWindow, std::less<>>;

Registry& Storage()
{
    static Registry windows;
    return windows;
}

// The registry with the list above in it.
const Registry& Windows()
{
    static const bool listed = [] {
        RegisterHandMadeWindows();
        return true;
    }();
    (void)listed;
    return Storage();
}

} // namespace

void RegisterHandMadeWindow(const std::string& className, HandMadeWindow window)
{
    Storage()[className] = std::move(window);
}

const HandMadeWindow* FindHandMadeWindow(std::string_view className)
{
    const auto& windows = Windows();
    const auto found = windows.find(className);
    return found == windows.end() ? nullptr : &found->second;
}
