// Oid_sim: single IP management 1.3.6.1.4.1.171.12.8.
// Start-up: a start-up record (link order). The comment above each table gives its key and the
// windows that read it, with their list kind and key columns.

#include "catalogue/CatalogueModule.h"

namespace Oid_sim {
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
constexpr OptionItem DisabledEnabledItems[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr OptionItem UploadDownloadItems[] = {{1, "other"}, {2, "upload"}, {3, "download"}, {}};
constexpr OptionItem OtherInactiveStartItems[] = {{1, "other"}, {2, "inactive"}, {3, "start"}, {}};
constexpr OptionItem SimRoleItems[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {}};
constexpr OptionItem SimRole2Items[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {}};

// Option-list objects, built from the tables above at start-up.

constinit MvOptionList EnabledDisabledOptions;
constinit MvOptionList RowStatusOptions;
constinit MvOptionList DisabledEnabledOptions;
constinit MvOptionList UploadDownloadOptions;
constinit MvOptionList OtherInactiveStartOptions;
constinit MvOptionList SimRoleOptions;
constinit MvOptionList SimRole2Options;

// Descriptor tables.

// Key: 1.3.6.1.4.1.171.12.8.1.1.1
// Read by the window "Single IP Information" as SVT_SV.
constexpr VarDescriptor Table1[] = {
    {"1.3.6.1.4.1.171.12.8.1.1.1", "Version",    displaystr, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.1.2", "Capability", displaystr, readonly, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.1.3", "Platform",   displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.1.2.1
// Read by the window "Single IP Global Settings" as SVT_SV.
constexpr VarDescriptor Table2[] = {
    {"1.3.6.1.4.1.171.12.8.1.2.1",   "State",                     integer,    readwrite, &DisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.8.1.2.2",   "Role",                      integer,    readwrite, &SimRoleOptions},
    {"1.3.6.1.4.1.171.12.8.1.2.3",   "Holdtime (100-255 sec)",    integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.2.4",   "Time Interval (30-90 sec)", integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.2.5",   "CS Group Name",             displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.2.6.1", "Trap State",                integer,    readwrite, &EnabledDisabledOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.1.3.1.1
// Read by the window "Single IP Member Switch" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table3[] = {
    {"1.3.6.1.4.1.171.12.8.1.3.1.1",  "ID",               integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.2",  "Name",             displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.3",  "MAC Address",      macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.4",  "Firmware Version", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.5",  "Capability",       displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.6",  "Platform",         displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.7",  "Hold Time",        integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.8",  "Candidate Source", integer,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.9",  "Password",         displaystr, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.3.1.10", "Row Status",       integer,    readwrite, &RowStatusOptions},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.1.4.1.1
// Read by the window "Single IP Candidate Switch" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table4[] = {
    {"1.3.6.1.4.1.171.12.8.1.4.1.1", "CaS ID",           integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.4.1.2", "Device Name",      displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.4.1.3", "MAC Address",      macaddress, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.4.1.4", "Firmware Version", displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.4.1.5", "Capability",       displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.4.1.6", "Platform",         displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.4.1.7", "Hold Time",        integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.1.5.1.1
// Read by the window "Single IP Group Information" as MVT_FMV with 1 key column.
constexpr VarDescriptor Table5[] = {
    {"1.3.6.1.4.1.171.12.8.1.5.1.1", "Group MAC Address", macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.2", "Group Name",        displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.3", "Device Name",       displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.4", "Member Count",      integer,    readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.5", "Firmware Version",  displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.6", "Capability",        displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.7", "Platform",          displaystr, readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.5.1.8", "Hold Time",         integer,    readonly,  nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.1.6.1.1
// Read by the window "Single IP Neighbor Switch" as MVT_FMV with 2 key columns.
constexpr VarDescriptor Table6[] = {
    {"1.3.6.1.4.1.171.12.8.1.6.1.1", "Received Port", integer,    notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.6.1.2", "MAC Address",   macaddress, notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.6.1.3", "Role",          integer,    readonly,  &SimRole2Options},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.6.1.1
// Read by the window "MS Trap Message" as SVT_SV.
constexpr VarDescriptor Table7[] = {
    {"1.3.6.1.4.1.171.12.8.6.1.1", "MS Trap Message", displaystr, readonly, nullptr},
    {},
};

// Key: 1.3.6.1.4.1.171.12.8.1.7.1.1
// Read by the window "Single IP FTP File Table" as MVT_UMV with 1 key column.
constexpr VarDescriptor Table8[] = {
    {"1.3.6.1.4.1.171.12.8.1.7.1.1", "Index",          integer,     notaccess, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.2", "Description",    displaystr,  readonly,  nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.3", "Load Type",      integer,     readwrite, &UploadDownloadOptions},
    {"1.3.6.1.4.1.171.12.8.1.7.1.4", "IPv4 Address",   ipaddress,   readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.5", "IPv6 Address",   ipv6address, readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.6", "Interface Name", displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.7", "Path Name",      displaystr,  readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.8", "Member List",    octetstr,    readwrite, nullptr},
    {"1.3.6.1.4.1.171.12.8.1.7.1.9", "Control",        integer,     readwrite, &OtherInactiveStartOptions},
    {},
};

constexpr CatalogueTable Tables[] = {
    {Table1}, {Table2}, {Table3}, {Table4}, {Table5}, {Table6}, {Table7}, {Table8},
};

constexpr MvOptionList* const OptionLists[] = {
    &EnabledDisabledOptions, &RowStatusOptions, &DisabledEnabledOptions, &UploadDownloadOptions,
    &OtherInactiveStartOptions, &SimRoleOptions, &SimRole2Options,
};

// Builds every option list of the module, in definition order.
void InitOptionLists()
{
    EnabledDisabledOptions.Init(EnabledDisabledItems, 1, false);
    RowStatusOptions.Init(RowStatusItems, 1, false);
    DisabledEnabledOptions.Init(DisabledEnabledItems, 1, false);
    UploadDownloadOptions.Init(UploadDownloadItems, 1, false);
    OtherInactiveStartOptions.Init(OtherInactiveStartItems, 1, false);
    SimRoleOptions.Init(SimRoleItems, 1, false);
    SimRole2Options.Init(SimRole2Items, 1, false);
}

// Empties the option lists again, in reverse order.
void FreeOptionLists()
{
    SimRole2Options.Free();
    SimRoleOptions.Free();
    OtherInactiveStartOptions.Free();
    UploadDownloadOptions.Free();
    DisabledEnabledOptions.Free();
    RowStatusOptions.Free();
    EnabledDisabledOptions.Free();
}

} // namespace

extern const CatalogueModule Module{
    "Oid_sim", Tables, OptionLists, InitOptionLists, FreeOptionLists, StartupForm::Record, nullptr,
};

} // namespace Oid_sim
