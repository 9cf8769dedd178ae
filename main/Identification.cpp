// The main window's creation event: the model from sysObjectID, the stacking and firmware
// information, and the menu adjusted to the firmware type and the model.
#include "main/MainUnit.h"

#include "catalogue/CatalogueIndex.h"
#include "snmp/Exception.h"
#include "snmp/Request2Edits.h"
#include "ui/Label.h"
#include "ui/MessageLoop.h"
#include "ui/StatusBar.h"

#include <QAction>

#include <exception>

namespace {

const char* const Models[] = {"Sorvane-Ka", "Sorvane-Kb", "Sorvane-Kc", "Sorvane-Kd"};

// The fixed steps of the menu adjustment, in order: the item and whether it is shown.
const struct {
    const char* item;
    bool shown;
} FixedMenuSteps[] = {
    {"N8021pUserPriorityTable1", false},    // QoS > 802.1p > 802.1p User Priority Table
    {"ScheduleProfileTable1", false},       // QoS > Schedule Settings > Profile Table
    {"ScheduleGroupTable1", false},         // QoS > Schedule Settings > Group Table
    {"DHCPServer1", true},                  // Network Application > DHCP Management
    {"IPMulticastVLANReplication1", false}, // Layer 2 > IP Multicast VLAN Replication
    {"IPv6Table2", true},                   // Security > IMPB > IPv6 Binding Table
    {"IPv6DHCPSnoopingTable1", true},       // Security > IMPB > IPv6 DHCP Snooping Table
    {"NDSnoopingTable1", true},             // Security > IMPB > ND Snooping Table
    {"SubNetVLAN1", false},                 // Layer 2 > VLAN > Subnet VLAN
    {"mniVLANCounterSettings1", false},     // Layer 2 > VLAN > VLAN Counter Settings
    {"IGMPProxy1", false},                  // Layer 2 > IGMP Proxy
    {"IGMPProxy2", false},                  // Layer 2 > MLD Proxy
    {"LocalLoopback1", false},              // Layer 2 > Local Loopback Settings
    {"RCP1", true},                         // System > RCP
    {"MultipleConfigManagement1", false},   // System > Agent Management > Multiple Configuration
    {"MaxConcurrentRequests1", false},      // Monitoring > Ping Management > Max. Concurrent
    {"MaxConcurrentRequests2", false},      // Monitoring > Trace Route > Max. Concurrent
};

// What the SI firmware does not offer, hidden in this order.
const char* const HiddenOnSI[] = {
    "IPMACBind1",             // Security > IP-MAC-Port Binding (IMPB)
    "sFlow2",                 // Monitoring > sFlow
    "GuestVLANTable1",        // Security > Compound Authentication > Guest VLAN Table
    "IPv6ControlTable1",      // Layer 3 > IP Management > IPv6 Control Table
    "IPv6AddressControl1",    // Layer 3 > IP Management > IPv6 Address Control Table
    "N8023OAM1",              // OAM > 802.3 OAM
    "IPv6StaticRoute1",       // Layer 3 > IPv6 Static Route
    "IPv6NeighborSettings1",  // Management > IPv6 Neighbor Settings
    "EgressACL1",             // ACL > Egress ACL
    "QinQ1",                  // Layer 2 > Q-in-Q
    "ERPS1",                  // Layer 2 > ERPS
    "CFMManagement1",         // OAM > CFM
    "PPPoEManagement1",       // Network Application > PPPoE Management
    "DDMMangement1",          // System > Port Configuration > DDM Mangement
    "DHCPv6RelaySettings1",   // Network Application > DHCP Relay Management > DHCPv6 Relay > Settings
    "IPv6UpdateServerTable1", // Security > JWAC > IPv6 Update Server Table
    "IPv6MaskInformation1",   // ACL > IPv6 Profile
    "IPv6Rule1",              // ACL > IPv6 Rule
};

const char* const UnitMenuItems[] = {"Unitinformation1", "UnitTable1"};

// The catalogue's table of a start-up request; a missing one is a fault of the build.
const VarDescriptor* Table(const char* module, const char* oid, const char* caption = nullptr)
{
    const VarDescriptor* table = FindTable(module, oid, caption);
    if (table == nullptr)
        throw Exception(std::string("No table ") + module + " " + oid);
    return table;
}

} // namespace

std::unique_ptr<MvSNMPRequest2Edits> TMainForm::NewRequest(const VarDescriptor* table,
                                                           std::uint8_t kind, int keyCount)
{
    auto request = std::make_unique<MvSNMPRequest2Edits>(this);
    request->Request.VarList = MvSNMPVarList(table, kind, keyCount);
    request->Mode = 0;
    return request;
}

void TMainForm::ShowStatus(const std::string& text)
{
    StatusBar->Panel(0)->SetText(text);
}

void TMainForm::FormCreate(QObject*)
{
    // Started without parameters, the program is ending: nothing to ask a switch.
    if (NoParameters_)
        return;
    try {
        PanelShown = 0;
        FirstRefresh = 1;
        SetCaption(AddressText);
        ModelNames.assign(std::begin(Models), std::end(Models));

        STPVersionRequest = NewRequest(Table("Oid_common", "1.3.6.1.4.1.171.12.15.1.2", "STP Version"), SVT_SV, 0);
        STPVersionRequest->BindStaticText(0, ST_STPVersion);

        ModuleOIDRequest = NewRequest(Table("Oid_common", "1.3.6.1.2.1.1.2"), SVT_SV, 0);
        ModuleOIDRequest->BindControl(0, ST_ModuleOID);
        ModuleOIDRequest->Get();
        ModuleOIDText = ST_ModuleOID->Caption();

        // The whole text names the model (OID texts hold digits and dots only, so the case
        // rule of the comparison does not matter).
        if (const int model = ModelNumberOf(ModuleOIDText); model != 0) {
            ModelNameText = ModelNames[static_cast<std::size_t>(model - 1)];
            ModelNameCopy = ModelNameText;
        }
        LoadStackingInfo();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    // The menu steps run whatever failed above, so the items hidden always stay hidden.
    HideUnitMenus();
    try {
        AdjustMenusForModel();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

bool TMainForm::CreateOnce(std::unique_ptr<MvSNMPRequest2Edits>& request, const char* failure,
                           const std::function<std::unique_ptr<MvSNMPRequest2Edits>()>& create)
{
    if (request)
        return true;
    try {
        auto made = create();
        made->SetLogTarget(StatusBar->Panel(0));
        request = std::move(made);
        return true;
    } catch (const std::exception&) {
        ShowStatus(failure);
        return false;
    }
}

bool TMainForm::LoadStackingInfo()
{
    const bool created =
        CreateOnce(UnitTableRequest, "Initial  Unit Information Failed", [this] {
            auto request = NewRequest(Table("Oid_equipment", "1.3.6.1.4.1.171.12.11.1.9.4.1.1", "ID"), MVT_FMV, 1);
            request->AttachListView(UnitListView, true);
            return request;
        }) &&
        CreateOnce(StackModeRequest, "Initial Stack Information Failed", [this] {
            auto request = NewRequest(Table("Oid_equipment", "1.3.6.1.4.1.171.12.11.1.9.6"), SVT_SV, 0);
            request->BindControl(0, ST_StackMode);
            return request;
        }) &&
        CreateOnce(FirmwareTypeRequest, "Get Firmware Mode Failed.", [this] {
            auto request = NewRequest(Table("Oid_common", "1.3.6.1.4.1.171.12.1.1.13"), SVT_SV, 0);
            request->BindControl(0, Mode_EI_SI);
            return request;
        });
    if (!created)
        return false;
    // A failed synchronous read raises nothing: every read runs and keeps what it read, and a
    // failure of any of them makes the result 0.
    bool allRead = true;
    try {
        allRead = StackModeRequest->Get() && allRead;
        StackModeText = ST_StackMode->Caption();
        allRead = UnitTableRequest->Get() && allRead;
        UnitCount = 1;
        UnitListViewRef = UnitListView;
        allRead = FirmwareTypeRequest->Get() && allRead;
        FirmwareModeText = Mode_EI_SI->Caption();
        while (UnitTableRequest->Busy)
            ui::ProcessMessages();
    } catch (const std::exception&) {
        allRead = false;
    }
    if (!allRead) {
        ShowStatus("Get Unit Information Failed");
        return false;
    }
    return true;
}

void TMainForm::HideUnitMenus()
{
    try {
        for (const char* item : UnitMenuItems)
            Menu_.SetVisible(item, false);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        for (const char* item : UnitMenuItems)
            if (QAction* action = Menu_.Item(item))
                action->setVisible(false);
    }
}

void TMainForm::AdjustMenusForModel()
{
    for (const auto& step : FixedMenuSteps)
        Menu_.SetVisible(step.item, step.shown);
    if (FirmwareModeText == "SI")
        for (const char* item : HiddenOnSI)
            Menu_.SetVisible(item, false);
    if (ModelNumberOf(ModuleOIDText) == 2)
        Menu_.SetVisible("ExternalAlarmTable1", true);
}
