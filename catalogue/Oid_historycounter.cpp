// Oid_historycounter: historical counters 1.3.6.1.4.1.171.12.66.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_historycounter {
namespace {

// Option tables.

constexpr OptionItem HistoryCounterTimeItems[] = {{1, "fifteen-minute"}, {2, "one-day"}, {}};
constexpr OptionItem HistoryCounterTypeItems[] = {
    {1, "slot1"},
    {2, "slot2"},
    {3, "slot3"},
    {4, "slot4"},
    {5, "slot5"},
    {},
};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList HistoryCounterTimeOptions;
constinit MvOptionList HistoryCounterTypeOptions;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.66.2.1.1.1.1
// Read by the window "Historical Packets Counter Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.1",  "Port",         integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.2",  "Time",         integer,   notaccess, &HistoryCounterTimeOptions},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.3",  "Type",         integer,   notaccess, &HistoryCounterTypeOptions},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.4",  "Packets TX",   counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.5",  "Bytes TX",     counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.6",  "Packets RX",   counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.7",  "Bytes RX",     counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.8",  "0-64 RX",      counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.9",  "65-127 RX",    counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.10", "128-255 Rx",   counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.11", "256-511 RX",   counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.12", "512-1023 RX",  counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.13", "1024-1518 RX", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.14", "Unicast RX",   counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.15", "Multicast RX", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.16", "Broadcast RX", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.17", "Start Time",   datetime,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.1.1.18", "End Time",     datetime,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.66.2.1.2.1.1 (after 3 index-only columns)
// Read by the window "Historical Error Counter Table" as MVT_FMV with 3 key columns.
constexpr VarDescriptor Table2[] = {
    {" ",                                "Port",                       integer,   notaccess, nullptr},
    {" ",                                "Time",                       integer,   notaccess, nullptr},
    {" ",                                "Type",                       integer,   notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.1",  "Fragment RX",                counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.2",  "Jabber Packets RX",          counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.3",  "Oversize Packets RX",        counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.4",  "Undersize Packets RX",       counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.5",  "Alignment Errors RX",        counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.6",  "Unknown Control Packets RX", counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.7",  "Collision TX",               counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.8",  "Droped Packets",             counter64, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.9",  "Error Start Time",           datetime,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.1.2.1.10", "Error End Time",             datetime,  readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.66.2.2.1.1.1 (after 2 index-only columns)
// Read by the window "Historical Utilization Table" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table3[] = {
    {" ",                               "Time",                   integer,  notaccess, nullptr},
    {" ",                               "Type",                   integer,  notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.66.2.2.1.1.1", "CPU Utilization",        integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.2.1.1.2", "Memory Utilization",     integer,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.2.1.1.3", "Utilization Start Time", datetime, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.66.2.2.1.1.4", "Utilization End Time",   datetime, readonly,  nullptr},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3},
};

constexpr MvOptionList* const OptionLists[] = {
    &HistoryCounterTimeOptions, &HistoryCounterTypeOptions,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    HistoryCounterTimeOptions.Init(HistoryCounterTimeItems, 1, false);
    HistoryCounterTypeOptions.Init(HistoryCounterTypeItems, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    HistoryCounterTypeOptions.Free();
    HistoryCounterTimeOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_historycounter", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_historycounter
