// Oid_voicevlan: voice VLAN 1.3.6.1.4.1.171.12.74.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_voicevlan {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem TrueFalseItems[] = {{1, "true"}, {2, "false"}, {}};
constexpr OptionItem ChassisIdSubtypeItems[] = {
    {1, "chassisComponent"},
    {2, "interfaceAlias"},
    {3, "portComponent"},
    {4, "macAddress"},
    {5, "networkAddress"},
    {6, "interfaceName"},
    {7, "local"},
    {},
};
constexpr OptionItem PortIdSubtypeItems[] = {
    {1, "interfaceAlias"},
    {2, "portComponent"},
    {3, "macAddress"},
    {4, "networkAddress"},
    {5, "interfaceName"},
    {6, "agentCircuitId"},
    {7, "local"},
    {},
};
constexpr OptionItem VoiceVlanModeItems[] = {{1, "auto"}, {2, "manual"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList TrueFalseOptions;
constinit MvOptionList ChassisIdSubtypeOptions;
constinit MvOptionList PortIdSubtypeOptions;
constinit MvOptionList VoiceVlanModeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.74.1.1
// Read by TVoiceVLANGlobalForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.74.1.1", "VLAN ID",      integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.74.1.2", "Global State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.74.1.3
// Read by TVoiceVLANGlobalForm as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.74.1.3", "Priority",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.74.1.4", "Aging Time", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.74.1.5", "Log State",  integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.74.2.1
// Read by TVoiceVLANGlobalForm as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.74.2.1", "Member Port list",  bitlist, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.74.2.2", "Dynamic Port list", bitlist, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.74.2.3.1.1
// Read by the window "Voice VLAN Device Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.74.2.3.1.1", "Port",        integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.74.2.3.1.2", "MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.74.2.3.1.3", "Start Time",  datetime,   readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.74.2.3.1.4", "Active Time", datetime,   readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.74.3.1.1.1
// Read by the window "Voice VLAN OUI Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.74.3.1.1.1", "Address",      macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.74.3.1.1.2", "Mask",         macaddress, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.74.3.1.1.3", "Description ", displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.74.3.1.1.4", "Row Status",   integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.74.3.2.1.1
// Read by the window "Voice VLAN Port Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.74.3.2.1.1", "Number",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.74.3.2.1.2", "State",       integer, readwrite, &EnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.74.3.2.1.3", "Mode",        integer, readwrite, &VoiceVlanModeOptions},
    {"1.3.6.1.4.1.171.12.74.3.2.1.4", "Port Tagged", integer, readwrite, &TrueFalseOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.74.2.4.1.1
// Read by the window "Voice VLAN LLDP-MED Device Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.74.2.4.1.1", "Index",              integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.74.2.4.1.2", "Local Port",         integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.74.2.4.1.3", "Chassis ID Subtype", integer,  readonly,  &ChassisIdSubtypeOptions},
    {"1.3.6.1.4.1.171.12.74.2.4.1.4", "Chassis ID",         octetstr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.74.2.4.1.5", "Port ID Subtype",    integer,  readonly,  &PortIdSubtypeOptions},
    {"1.3.6.1.4.1.171.12.74.2.4.1.6", "Port ID",            octetstr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.74.2.4.1.7", "Create Time",        datetime, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.74.2.4.1.8", "Remain Time",        integer,  readonly,  nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &TrueFalseOptions, &ChassisIdSubtypeOptions,
    &PortIdSubtypeOptions, &VoiceVlanModeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    TrueFalseOptions.Init(TrueFalseItems, 1, false);
    ChassisIdSubtypeOptions.Init(ChassisIdSubtypeItems, 1, false);
    PortIdSubtypeOptions.Init(PortIdSubtypeItems, 1, false);
    VoiceVlanModeOptions.Init(VoiceVlanModeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    VoiceVlanModeOptions.Free();
    PortIdSubtypeOptions.Free();
    ChassisIdSubtypeOptions.Free();
    TrueFalseOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_voicevlan", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_voicevlan
