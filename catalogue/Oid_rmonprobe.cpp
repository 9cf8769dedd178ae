// Oid_rmonprobe: RMON2 probe configuration.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_rmonprobe {
namespace {

// Option tables.

constexpr OptionItem RowStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {3, "notReady"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {},
};
constexpr OptionItem RmonProbeResetControlItems[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList RowStatusOptions;
constinit MvOptionList RmonProbeResetControlOptions;

// Descriptor tables.

// Key: 1.3.6.1.2.1.16.19.1
// Read by TProbeBasicInformationForm as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities",      octetstr,   readonly,  nullptr},
    {"1.3.6.1.2.1.16.19.2", "Software revision", displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", displaystr, readonly,  nullptr},
    {"1.3.6.1.2.1.16.19.5", "Reset Control",     integer,    readwrite, &RmonProbeResetControlOptions},
    {},
};

// Key: 1.3.6.1.2.1.16.19.11.1.1 (after an index-only column)
// Read by the window "RMON Probe Net Configuration Table" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table2[] = {
    {" ",                        "Interface Index", integer,   notaccess, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.1", "IP Address",      ipaddress, readwrite, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.2", "Subnet Mask",     ipaddress, readwrite, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.3", "Row Status",      integer,   readonly,  &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.2.1.16.19.12
// Read by the window "RMON Probe Net Default Gateway" as SVT_SV.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.2.1.16.19.12", "Default Gateway", ipaddress, readwrite, nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &RowStatusOptions, &RmonProbeResetControlOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    RowStatusOptions.Init(RowStatusItems, 1, false);
    RmonProbeResetControlOptions.Init(RmonProbeResetControlItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    RmonProbeResetControlOptions.Free();
    RowStatusOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_rmonprobe", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_rmonprobe
