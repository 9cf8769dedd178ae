#include "main/HandMadeWindows.h"

#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/switching/IGMPMulticastVlanForm.h"
#include "features/switching/IGMPRouterPortsForm.h"
#include "features/switching/IGMPSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/IGMPSnoopingForwardingForm.h"
#include "features/switching/IGMPSnoopingGroupForm.h"
#include "features/switching/IGMPSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/IGMPSnoopingStaticGroupForm.h"
#include "features/switching/LLDP_Management_Address.h"
#include "features/switching/McastProxyGroupForm.h"
#include "features/switching/mldMulticastVlanForm.h"
#include "features/switching/MLDRouterProtsForm.h"
#include "features/switching/MLDSnoopingDataDrivenLearingGroupForm.h"
#include "features/switching/MLDSnoopingForwardingTableForm.h"
#include "features/switching/MLDSnoopingGroupForm.h"
#include "features/switching/MLDSnoopingProxyUpstreamInterfaceForm.h"
#include "features/switching/MLDSnoopingStaticGroupForm.h"
#include "features/switching/MSTPPortStateForm.h"
#include "features/switching/MulticastFilterInformationForm.h"
#include "features/switching/UnicastFilterInformationForm.h"

#include <map>

namespace {

// The classes of the hand-made windows that have landed, one line each (see the header). A
// row naming a class missing here keeps its item disabled.
void RegisterHandMadeWindows()
{
    Register<TIPProfileRuleForm>("TIPProfileRuleForm", &IPProfileRuleForm);
    Register<TIPProfileForm>("TIPProfileForm", &IPProfileForm);
    Register<TIGMPSnoopingStaticGroupForm>("TIGMPSnoopingStaticGroupForm", &IGMPSnoopingStaticGroupForm);
    Register<TMLDSnoopingStaticGroupForm>("TMLDSnoopingStaticGroupForm", &MLDSnoopingStaticGroupForm);
    Register<TUnicastFilterInformationForm>("TUnicastFilterInformationForm", &UnicastFilterInformationForm);
    Register<TMulticastFilterInformationForm>("TMulticastFilterInformationForm", &MulticastFilterInformationForm);
    Register<TIGMPRouterPortsForm>("TIGMPRouterPortsForm", &IGMPRouterPortsForm);
    Register<TMLDRouterProtsForm>("TMLDRouterProtsForm", &MLDRouterProtsForm);
    Register<TLLDP_Management_Address>("TLLDP_Management_Address", &LLDP_Management_Address);
    Register<TMSTPPortStateForm>("TMSTPPortStateForm", &MSTPPortStateForm);
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
