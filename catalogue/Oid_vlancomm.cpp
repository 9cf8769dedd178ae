// Oid_vlancomm: per-model VLAN tables, Q-BRIDGE VLAN counters.
// Start-up: counter-guarded unit initialisation. The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_vlancomm {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem Dot1dDot1adItems[] = {{1, "dot1d"}, {2, "dot1ad"}, {}};
constexpr OptionItem IndependentSharedItems[] = {{1, "independent"}, {2, "shared"}, {}};
constexpr OptionItem VlanCommPortRoleItems[] = {
    {1, "other"},
    {2, "untagged"},
    {3, "tagged"},
    {4, "dynamic"},
    {5, "forbidden"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList Dot1dDot1adOptions;
constinit MvOptionList IndependentSharedOptions;
constinit MvOptionList VlanCommPortRoleOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.2.3.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "VLAN Port Information Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table1Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.3.1.2", "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.3.1.3", "Port Role",  integer, readonly,  &VlanCommPortRoleOptions},
    {},
};

constexpr VarDescriptor Table1Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.3.1.2", "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.3.1.3", "Port Role",  integer, readonly,  &VlanCommPortRoleOptions},
    {},
};

constexpr VarDescriptor Table1Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.3.1.2", "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.3.1.3", "Port Role",  integer, readonly,  &VlanCommPortRoleOptions},
    {},
};

constexpr VarDescriptor Table1Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.3.1.2", "VLAN ID",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.3.1.3", "Port Role",  integer, readonly,  &VlanCommPortRoleOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.2.1.1.1
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "Static VLAN Management" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table2Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.1.1.1", "Index",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.1.1.2", "Advertisement", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table2Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.1.1.1", "Index",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.1.1.2", "Advertisement", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table2Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.1.1.1", "Index",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.1.1.2", "Advertisement", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table2Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.1.1.1", "Index",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.1.1.2", "Advertisement", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.2.6
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "VLAN NNI GVRP BPDU Address" as SVT_SV.
constexpr VarDescriptor Table3Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.6", "State", integer, readwrite, &Dot1dDot1adOptions},
    {},
};

constexpr VarDescriptor Table3Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.6", "State", integer, readwrite, &Dot1dDot1adOptions},
    {},
};

constexpr VarDescriptor Table3Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.6", "State", integer, readwrite, &Dot1dDot1adOptions},
    {},
};

constexpr VarDescriptor Table3Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.6", "State", integer, readwrite, &Dot1dDot1adOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.11.133.N.1.2.2.2
// One table per model N = 1 to 4; the four share their option lists.
// Read by the window "VLAN Management PVID Auto Assignment Settings" as SVT_SV.
constexpr VarDescriptor Table4Model1[] = {
    {"1.3.6.1.4.1.171.11.133.1.1.2.2.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table4Model2[] = {
    {"1.3.6.1.4.1.171.11.133.2.1.2.2.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table4Model3[] = {
    {"1.3.6.1.4.1.171.11.133.3.1.2.2.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

constexpr VarDescriptor Table4Model4[] = {
    {"1.3.6.1.4.1.171.11.133.4.1.2.2.2", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.2.1.17.7.1.4.1
// Read by the window "802.1Q VLAN Information" as SVT_SV.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.2.1.17.7.1.4.1",  "VLAN Delete Numbers",     counter, readonly,  nullptr},
    {"1.3.6.1.2.1.17.7.1.4.9",  "Constraint Set Default",  integer, readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.10", "Constraint Type Default", integer, readwrite, &IndependentSharedOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1Model1, 1}, {Table1Model2, 2}, {Table1Model3, 3}, {Table1Model4, 4}, {Table2Model1, 1},
    {Table2Model2, 2}, {Table2Model3, 3}, {Table2Model4, 4}, {Table3Model1, 1}, {Table3Model2, 2},
    {Table3Model3, 3}, {Table3Model4, 4}, {Table4Model1, 1}, {Table4Model2, 2}, {Table4Model3, 3},
    {Table4Model4, 4}, {Table5},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &Dot1dDot1adOptions, &IndependentSharedOptions,
    &VlanCommPortRoleOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    Dot1dDot1adOptions.Init(Dot1dDot1adItems, 1, false);
    IndependentSharedOptions.Init(IndependentSharedItems, 1, false);
    VlanCommPortRoleOptions.Init(VlanCommPortRoleItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    VlanCommPortRoleOptions.Free();
    IndependentSharedOptions.Free();
    Dot1dDot1adOptions.Free();
    EnabledDisabledOptions.Free();
}

constinit int UnitCounter = 0;

} // namespace

extern const CatalogueModule Module{
    "Oid_vlancomm", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Unit, &UnitCounter,
};

} // namespace Oid_vlancomm
