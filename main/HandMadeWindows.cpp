#include "main/HandMadeWindows.h"

#include "features/acl/IPProfileForm.h"
#include "features/acl/IPProfileRuleForm.h"
#include "features/switching/GARPForm.h"
#include "features/switching/IGMPRouterPortsForm.h"
#include "features/switching/IGMPSnoopingStaticGroupForm.h"
#include "features/switching/LLDP_Management_Address.h"
#include "features/switching/MLDRouterProtsForm.h"
#include "features/switching/MLDSnoopingStaticGroupForm.h"
#include "features/switching/MSTPPortStateForm.h"
#include "features/switching/MulticastFilterInformationForm.h"
#include "features/switching/MulticastForwardingInformationForm.h"
#include "features/switching/PrivateVLANForm.h"
#include "features/switching/ProtocolVLANGroupForm.h"
#include "features/switching/SecondaryVlanForm.h"
#include "features/switching/TpGroupDestinationForwardedForm.h"
#include "features/switching/UnicastFilterInformationForm.h"
#include "features/switching/VLanCurrentTableForm.h"
#include "features/switching/VLanPortInfomationForm.h"
#include "features/switching/VlanStaticForm.h"

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
