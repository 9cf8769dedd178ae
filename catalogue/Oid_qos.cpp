// Oid_qos: QoS 1.3.6.1.4.1.171.12.61, SRED 1.3.6.1.4.1.171.12.51.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_qos {
namespace {

// Option tables.

constexpr OptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr OptionItem QosMechanismItems[] = {{1, "strict"}, {2, "wrr"}, {3, "wdrr"}, {}};
constexpr OptionItem QosColorItems[] = {{1, "green"}, {2, "red"}, {3, "yellow"}, {}};
constexpr OptionItem QosMechanism2Items[] = {{1, "strict"}, {2, "wrr"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList QosMechanismOptions;
constinit MvOptionList QosColorOptions;
constinit MvOptionList QosMechanism2Options;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.61.3.1.1.1
// Read by the window "QoS Bandwidth Control Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.61.3.1.1.1", "Port",              integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.1.1.2", "RX Rate",           integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.1.1.3", "TX Rate",           integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.1.1.4", "Effective RX Rate", integer, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.61.3.1.1.5", "Effective TX Rate", integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.2.1.1
// Read by the window "QoS Scheduling Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.61.3.2.1.1", "Port",                 integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.2.1.2", "Class ID",             integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.2.1.3", "Weight",               integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.2.1.4", "Mechanism",            integer, readwrite, &QosMechanismOptions},
    {"1.3.6.1.4.1.171.12.61.3.2.1.5", "Mechanism Effective ", integer, readonly,  &QosMechanismOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.3.1.1 (after an index-only column)
// Read by the window "QoS 802.1p Default Priority Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {" ",                             "Base Port", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.3.1.1", "Priority",  integer, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.4.6
// Read by the window "QoS HOL Prevention Settings" as SVT_SV.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.61.3.4.6", "State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.6.1.1.1
// Read by TQos8021pMapColorControlForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.61.3.6.1.1.1", "Port Index",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.6.1.1.2", "Priority Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.6.1.1.3", "Color",          integer, readwrite, &QosColorOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.7.1.1.1
// Read by the window "QoS DSCP Trust Port Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.61.3.7.1.1.1", "Port Index",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.7.1.1.2", "Control State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.10.1.1 "Port"
// Read by the window "QoS 802.1p User Priority Table" as MVT_FMV; its number of key columns is left
// open.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.61.3.10.1.1", "Port",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.10.1.2", "Index",    integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.10.1.3", "Class ID", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.9.1.1
// Read by TCoSBrandwidthctrlForm as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.61.3.9.1.1", "Port",         integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.9.1.2", "Queue ID",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.9.1.3", "Minimum Rate", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.9.1.4", "Maximum Rate", integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.10.1.1 "Profile ID"
// Read by the window "QoS Schedule Profile Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table9[] = {
    {"1.3.6.1.4.1.171.12.61.3.10.1.1", "Profile ID", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.10.1.2", "Queue ID",   integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.10.1.3", "Mechanism",  integer, readwrite, &QosMechanism2Options},
    {"1.3.6.1.4.1.171.12.61.3.10.1.4", "Weight",     integer, readwrite, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.61.3.8.1.1.1
// Read by the window "QoS DSCP Map Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table10[] = {
    {"1.3.6.1.4.1.171.12.61.3.8.1.1.1", "Port Index",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.8.1.1.2", "DSCP Index",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.8.1.1.3", "802.1p Priority", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.8.1.1.4", "New DSCP",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.61.3.8.1.1.5", "Color",           integer, readwrite, &QosColorOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.51.1.1
// Read by the window "SRED Global Settings" as SVT_SV.
constexpr VarDescriptor Table11[] = {
    {"1.3.6.1.4.1.171.12.51.1.1", "Global State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.51.2.1.1.1
// Read by the window "SRED Drop Counter Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table12[] = {
    {"1.3.6.1.4.1.171.12.51.2.1.1.1", "Port Index",        integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.2.1.1.2", "Low Drop Counter",  counter, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.51.2.1.1.3", "High Drop Counter", counter, readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.51.3.1.1.1
// Read by the window "SRED Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table13[] = {
    {"1.3.6.1.4.1.171.12.51.3.1.1.1", "Port Index",       integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.1.1.2", "Class Index",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.1.1.3", "Threshold Low",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.1.1.4", "Threshold High",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.1.1.5", "Drop Rate Low",    integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.1.1.6", "Drop Rate High",   integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.1.1.7", "Drop Green State", integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.51.3.2.1.1
// Read by the window "802.1p Map Settings" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table14[] = {
    {"1.3.6.1.4.1.171.12.51.3.2.1.1", "Port Index",     integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.2.1.2", "Priority Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.2.1.3", "Color",          integer, readwrite, &QosColorOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.51.3.3.1.1
// Read by the window "DSCP Trusted Port Control Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table15[] = {
    {"1.3.6.1.4.1.171.12.51.3.3.1.1", "Port Index", integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.3.1.2", "State",      integer, readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.51.3.4.1.1
// Read by the window "SRED DSCP Map Control Table" as MVT_UMV with 2 key columns.
constexpr VarDescriptor Table16[] = {
    {"1.3.6.1.4.1.171.12.51.3.4.1.1", "Port Index",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.4.1.2", "DSCP Index",      integer, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.4.1.3", "802.1p Priority", integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.4.1.4", "New DSCP",        integer, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.51.3.4.1.5", "Color",           integer, readwrite, &QosColorOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8}, {Table9},
    {Table10}, {Table11}, {Table12}, {Table13}, {Table14}, {Table15}, {Table16},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &QosMechanismOptions, &QosColorOptions, &QosMechanism2Options,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    QosMechanismOptions.Init(QosMechanismItems, 1, false);
    QosColorOptions.Init(QosColorItems, 1, false);
    QosMechanism2Options.Init(QosMechanism2Items, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    QosMechanism2Options.Free();
    QosColorOptions.Free();
    QosMechanismOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_qos", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_qos
