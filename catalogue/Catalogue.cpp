#include "catalogue/Catalogue.h"

#include <algorithm>
#include <ranges>

// Each data module defines its record in its own file (Oid_<feature>.cpp).
namespace Oid_common { extern const CatalogueModule Module; }
namespace Oid_vlancomm { extern const CatalogueModule Module; }
namespace Oid_vlantrunk { extern const CatalogueModule Module; }
namespace Oid_trafficsegmentation { extern const CatalogueModule Module; }
namespace Oid_qbridge { extern const CatalogueModule Module; }
namespace Oid_bridge { extern const CatalogueModule Module; }
namespace Oid_qinq { extern const CatalogueModule Module; }
namespace Oid_privatevlan { extern const CatalogueModule Module; }
namespace Oid_protocolvlan { extern const CatalogueModule Module; }
namespace Oid_macbasedvlan { extern const CatalogueModule Module; }
namespace Oid_subnetvlan { extern const CatalogueModule Module; }
namespace Oid_voicevlan { extern const CatalogueModule Module; }
namespace Oid_supervlan { extern const CatalogueModule Module; }
namespace Oid_vlancounter { extern const CatalogueModule Module; }
namespace Oid_mcast { extern const CatalogueModule Module; }
namespace Oid_mcastproxy { extern const CatalogueModule Module; }
namespace Oid_mcastreplication { extern const CatalogueModule Module; }
namespace Oid_lldp { extern const CatalogueModule Module; }
namespace Oid_lacpoam { extern const CatalogueModule Module; }
namespace Oid_cfm { extern const CatalogueModule Module; }
namespace Oid_acl { extern const CatalogueModule Module; }
namespace Oid_egressacl { extern const CatalogueModule Module; }
namespace Oid_dhcpserver { extern const CatalogueModule Module; }
namespace Oid_dhcpv6server { extern const CatalogueModule Module; }
namespace Oid_filternetbios { extern const CatalogueModule Module; }
namespace Oid_arpspoofingprevent { extern const CatalogueModule Module; }
namespace Oid_dot1x { extern const CatalogueModule Module; }
namespace Oid_radiusauth { extern const CatalogueModule Module; }
namespace Oid_radiusacct { extern const CatalogueModule Module; }
namespace Oid_aac { extern const CatalogueModule Module; }
namespace Oid_commonsecurity { extern const CatalogueModule Module; }
namespace Oid_mba { extern const CatalogueModule Module; }
namespace Oid_multipleauth { extern const CatalogueModule Module; }
namespace Oid_wac { extern const CatalogueModule Module; }
namespace Oid_jwac { extern const CatalogueModule Module; }
namespace Oid_portsecurity { extern const CatalogueModule Module; }
namespace Oid_ipmacbind { extern const CatalogueModule Module; }
namespace Oid_trusthost { extern const CatalogueModule Module; }
namespace Oid_ssh { extern const CatalogueModule Module; }
namespace Oid_ssl { extern const CatalogueModule Module; }
namespace Oid_safeguard { extern const CatalogueModule Module; }
namespace Oid_bpduprotection { extern const CatalogueModule Module; }
namespace Oid_lbd { extern const CatalogueModule Module; }
namespace Oid_ipif { extern const CatalogueModule Module; }
namespace Oid_dnsresolver { extern const CatalogueModule Module; }
namespace Oid_sim { extern const CatalogueModule Module; }
namespace Oid_disman { extern const CatalogueModule Module; }
namespace Oid_smtp { extern const CatalogueModule Module; }
namespace Oid_sflow { extern const CatalogueModule Module; }
namespace Oid_rmonprobe { extern const CatalogueModule Module; }
namespace Oid_time { extern const CatalogueModule Module; }
namespace Oid_timerange { extern const CatalogueModule Module; }
namespace Oid_config { extern const CatalogueModule Module; }
namespace Oid_filetransfer { extern const CatalogueModule Module; }
namespace Oid_sdcard { extern const CatalogueModule Module; }
namespace Oid_systemlogunit { extern const CatalogueModule Module; }
namespace Oid_historycounter { extern const CatalogueModule Module; }
namespace Oid_snmpengine { extern const CatalogueModule Module; }
namespace Oid_mpdstats { extern const CatalogueModule Module; }
namespace Oid_snmptarget { extern const CatalogueModule Module; }
namespace Oid_snmpv3usm { extern const CatalogueModule Module; }
namespace Oid_snmpv3vacm { extern const CatalogueModule Module; }
namespace Oid_equipment { extern const CatalogueModule Module; }
namespace Oid_poe { extern const CatalogueModule Module; }
namespace Oid_ddm { extern const CatalogueModule Module; }
namespace Oid_dot3unit { extern const CatalogueModule Module; }
namespace Oid_qos { extern const CatalogueModule Module; }

namespace {

// Definition order.
constinit const CatalogueModule* const Modules[] = {
    &Oid_common::Module,
    &Oid_vlancomm::Module,
    &Oid_vlantrunk::Module,
    &Oid_trafficsegmentation::Module,
    &Oid_qbridge::Module,
    &Oid_bridge::Module,
    &Oid_qinq::Module,
    &Oid_privatevlan::Module,
    &Oid_protocolvlan::Module,
    &Oid_macbasedvlan::Module,
    &Oid_subnetvlan::Module,
    &Oid_voicevlan::Module,
    &Oid_supervlan::Module,
    &Oid_vlancounter::Module,
    &Oid_mcast::Module,
    &Oid_mcastproxy::Module,
    &Oid_mcastreplication::Module,
    &Oid_lldp::Module,
    &Oid_lacpoam::Module,
    &Oid_cfm::Module,
    &Oid_acl::Module,
    &Oid_egressacl::Module,
    &Oid_dhcpserver::Module,
    &Oid_dhcpv6server::Module,
    &Oid_filternetbios::Module,
    &Oid_arpspoofingprevent::Module,
    &Oid_dot1x::Module,
    &Oid_radiusauth::Module,
    &Oid_radiusacct::Module,
    &Oid_aac::Module,
    &Oid_commonsecurity::Module,
    &Oid_mba::Module,
    &Oid_multipleauth::Module,
    &Oid_wac::Module,
    &Oid_jwac::Module,
    &Oid_portsecurity::Module,
    &Oid_ipmacbind::Module,
    &Oid_trusthost::Module,
    &Oid_ssh::Module,
    &Oid_ssl::Module,
    &Oid_safeguard::Module,
    &Oid_bpduprotection::Module,
    &Oid_lbd::Module,
    &Oid_ipif::Module,
    &Oid_dnsresolver::Module,
    &Oid_sim::Module,
    &Oid_disman::Module,
    &Oid_smtp::Module,
    &Oid_sflow::Module,
    &Oid_rmonprobe::Module,
    &Oid_time::Module,
    &Oid_timerange::Module,
    &Oid_config::Module,
    &Oid_filetransfer::Module,
    &Oid_sdcard::Module,
    &Oid_systemlogunit::Module,
    &Oid_historycounter::Module,
    &Oid_snmpengine::Module,
    &Oid_mpdstats::Module,
    &Oid_snmptarget::Module,
    &Oid_snmpv3usm::Module,
    &Oid_snmpv3vacm::Module,
    &Oid_equipment::Module,
    &Oid_poe::Module,
    &Oid_ddm::Module,
    &Oid_dot3unit::Module,
    &Oid_qos::Module,
};

// Start-up order: the 26 unit modules in unit order, then the 39 record modules in link order.
// Oid_snmpengine and Oid_mpdstats have no start-up code.
constinit const CatalogueModule* const StartupOrder[] = {
    // Units.
    &Oid_vlancomm::Module,
    &Oid_vlantrunk::Module,
    &Oid_trafficsegmentation::Module,
    &Oid_qinq::Module,
    &Oid_privatevlan::Module,
    &Oid_subnetvlan::Module,
    &Oid_voicevlan::Module,
    &Oid_vlancounter::Module,
    &Oid_dhcpv6server::Module,
    &Oid_filternetbios::Module,
    &Oid_arpspoofingprevent::Module,
    &Oid_aac::Module,
    &Oid_commonsecurity::Module,
    &Oid_multipleauth::Module,
    &Oid_wac::Module,
    &Oid_jwac::Module,
    &Oid_portsecurity::Module,
    &Oid_ipmacbind::Module,
    &Oid_trusthost::Module,
    &Oid_ssh::Module,
    &Oid_ssl::Module,
    &Oid_safeguard::Module,
    &Oid_bpduprotection::Module,
    &Oid_lbd::Module,
    &Oid_systemlogunit::Module,
    &Oid_dot3unit::Module,
    // Records.
    &Oid_cfm::Module,
    &Oid_dhcpserver::Module,
    &Oid_ipif::Module,
    &Oid_common::Module,
    &Oid_acl::Module,
    &Oid_egressacl::Module,
    &Oid_ddm::Module,
    &Oid_poe::Module,
    &Oid_lacpoam::Module,
    &Oid_lldp::Module,
    &Oid_mcast::Module,
    &Oid_mcastproxy::Module,
    &Oid_bridge::Module,
    &Oid_snmpv3usm::Module,
    &Oid_snmpv3vacm::Module,
    &Oid_sim::Module,
    &Oid_snmptarget::Module,
    &Oid_rmonprobe::Module,
    &Oid_disman::Module,
    &Oid_sflow::Module,
    &Oid_smtp::Module,
    &Oid_qos::Module,
    &Oid_dot1x::Module,
    &Oid_radiusacct::Module,
    &Oid_radiusauth::Module,
    &Oid_mba::Module,
    &Oid_equipment::Module,
    &Oid_time::Module,
    &Oid_config::Module,
    &Oid_filetransfer::Module,
    &Oid_timerange::Module,
    &Oid_sdcard::Module,
    &Oid_protocolvlan::Module,
    &Oid_macbasedvlan::Module,
    &Oid_qbridge::Module,
    &Oid_mcastreplication::Module,
    &Oid_dnsresolver::Module,
    &Oid_supervlan::Module,
    &Oid_historycounter::Module,
};

} // namespace

bool InitializeUnit(const CatalogueModule& module)
{
    if ((*module.unitCounter)-- != 0)
        return false;
    if (module.initOptionLists)
        module.initOptionLists();
    return true;
}

bool FinalizeUnit(const CatalogueModule& module)
{
    if (++(*module.unitCounter) != 0)
        return false;
    if (module.freeOptionLists)
        module.freeOptionLists();
    return true;
}

void InitCatalogue(CatalogueTrace trace)
{
    for (const CatalogueModule* module : StartupOrder) {
        bool built = true;
        if (module->startup == StartupForm::Unit)
            built = InitializeUnit(*module);
        else if (module->initOptionLists)
            module->initOptionLists();
        if (built && trace)
            trace(*module, true);
    }
}

void FreeCatalogue(CatalogueTrace trace)
{
    for (const CatalogueModule* module : StartupOrder | std::views::reverse) {
        bool freed = true;
        if (module->startup == StartupForm::Unit)
            freed = FinalizeUnit(*module);
        else if (module->freeOptionLists)
            module->freeOptionLists();
        if (freed && trace)
            trace(*module, false);
    }
}

std::span<const CatalogueModule* const> CatalogueModules()
{
    return Modules;
}

std::span<const CatalogueModule* const> CatalogueStartupOrder()
{
    return StartupOrder;
}

const CatalogueModule* FindCatalogueModule(std::string_view name)
{
    auto found = std::ranges::find_if(Modules, [name](const CatalogueModule* m) { return m->name == name; });
    return found == std::end(Modules) ? nullptr : *found;
}
